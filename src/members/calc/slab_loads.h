#pragma once
// Downward loads on the base slab (kN/m2): the slab between the walls carries its own weight,
// the centre soil and its surcharge; the heel and the toe carry their own weight (haunched,
// thicker at the wall), the soil above them and its surcharge. Also the batter of the rear
// wall's back face, which tilts the earth pressure on the wall.

#include <optional>

#include "members/calc/member_part.h"

namespace pelzaro::members {

struct SlabLoadInput {
    float Gamma_S = 0, Gamma_C = 0;  // kN/m3
    float D_Teiban = 0, H_Tyuuou = 0, Q_Tyuuou = 0;
    float B_Kakato = 0, D_Kakato = 0, D_Kakato_H = 0, H_Haimen = 0, Q_Haimen = 0;
    float B_Tumasaki = 0, D_Tumasaki = 0, D_Tumasaki_H = 0, H_Zenmen = 0, Q_Zenmen = 0;
    GroundShape shape = GroundShape::Shape_OneSided;
    FrontSoil frontSoil = FrontSoil::FrontSoil_In;
};

// W1 between the walls; W2, W3 heel at root and tip; W4, W5 toe at root and tip. The loads of
// an absent heel or toe are 0, never a value left from an earlier wall.
struct SlabLoads {
    float W1 = 0, W2 = 0, W3 = 0, W4 = 0, W5 = 0;
};

SlabLoads slabLoads(const SlabLoadInput& in);

// What stands on the toe besides its own weight and the front surcharge: the back soil
// mirrored for the symmetric ground, the front soil where the one-sided ground includes it,
// nothing where it is left out. A one-sided wall with no front-soil choice (which the
// wall-dimensions page refuses) is loaded as with the soil left out, on the safe side for the
// toe's moment.
enum class ToeSoil { MirroredBackSoil, FrontSoil, LeftOut, Unchosen };
ToeSoil toeSoil(GroundShape shape, FrontSoil frontSoil);

// The depth of that soil over the toe's root, or none. A depth below zero (ground below the
// toe's top) is a depth like any other: it takes its negative share off the load.
std::optional<float> toeSoilDepth(ToeSoil soil, float H_Zenmen, float H_Haimen);

struct BackFaceAngle {
    float rad = 0;
    float deg = 0;
};

// The outer batter of the rear wall over its height above the slab; a wall without height
// has a vertical face (0).
BackFaceAngle backFaceAngle(float T2_Usiro, float T1_Usiro, float N_Usiro_In, float H3,
                            float D_Teiban, float H4);

}  // namespace pelzaro::members
