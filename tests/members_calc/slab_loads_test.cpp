#include "members/calc/slab_loads.h"

#include <gtest/gtest.h>

#include "close_to.h"

namespace pelzaro::members {
namespace {

// Soil 18 and concrete 24.5 kN/m3; slab 0.5 m under 1.0 m of centre soil and 10 kN/m2;
// heel 0.4 m at its tip (haunch 0.1) under 2.5 m of back soil and 10 kN/m2; toe 0.3 m at its
// tip (haunch 0.2) under 0.8 m of front soil and 5 kN/m2.
SlabLoadInput wall(GroundShape shape, FrontSoil soil) {
    SlabLoadInput in;
    in.Gamma_S = 18.0f;
    in.Gamma_C = 24.5f;
    in.D_Teiban = 0.5f;
    in.H_Tyuuou = 1.0f;
    in.Q_Tyuuou = 10.0f;
    in.B_Kakato = 1.0f;
    in.D_Kakato = 0.4f;
    in.D_Kakato_H = 0.1f;
    in.H_Haimen = 2.5f;
    in.Q_Haimen = 10.0f;
    in.B_Tumasaki = 1.0f;
    in.D_Tumasaki = 0.3f;
    in.D_Tumasaki_H = 0.2f;
    in.H_Zenmen = 0.8f;
    in.Q_Zenmen = 5.0f;
    in.shape = shape;
    in.frontSoil = soil;
    return in;
}

TEST(SlabLoads, DownwardLoadsOfEachSlabPart) {
    struct Case {
        const char* why;
        SlabLoadInput in;
        double W4, W5;
    };
    const Case cases[] = {
        {"front soil included: soil, slab and surcharge",
         wall(GroundShape::Shape_OneSided, FrontSoil::FrontSoil_In), 14.4 + 12.25 + 5,
         18 + 7.35 + 5},
        {"front soil left out: the front surcharge still counts",
         wall(GroundShape::Shape_OneSided, FrontSoil::FrontSoil_Out), 12.25 + 5, 7.35 + 5},
        {"no front-soil choice: left out, the toe moment stays on the safe side",
         wall(GroundShape::Shape_OneSided, FrontSoil::None), 12.25 + 5, 7.35 + 5},
        {"symmetric shape: the toe carries the back-soil depth",
         wall(GroundShape::Shape_TwoSided, FrontSoil::None), 45 + 12.25 + 5, 48.6 + 7.35 + 5},
    };
    for (const Case& c : cases) {
        const SlabLoads w = slabLoads(c.in);
        EXPECT_CLOSE(w.W1, 12.25 + 18 + 10) << c.why;
        EXPECT_CLOSE(w.W2, 45 + 12.25 + 10) << c.why;
        EXPECT_CLOSE(w.W3, 46.8 + 9.8 + 10) << c.why;
        EXPECT_CLOSE(w.W4, c.W4) << c.why;
        EXPECT_CLOSE(w.W5, c.W5) << c.why;
    }
}

TEST(SlabLoads, AbsentHeelAndToeCarryNoLoad) {
    SlabLoadInput in = wall(GroundShape::Shape_OneSided, FrontSoil::FrontSoil_In);
    in.B_Kakato = 0.0f;
    in.B_Tumasaki = 0.0f;
    const SlabLoads w = slabLoads(in);
    EXPECT_CLOSE(w.W1, 40.25);
    EXPECT_EQ(w.W2, 0.0f);
    EXPECT_EQ(w.W3, 0.0f);
    EXPECT_EQ(w.W4, 0.0f);
    EXPECT_EQ(w.W5, 0.0f);
}

TEST(BackFaceAngle, OuterBatterOverTheWallHeight) {
    // Foot 0.5, top 0.3, inner batter 0.1: outer batter 0.1 over (3.0 - 0.5) + 0.5 = 3.0 m.
    const BackFaceAngle a = backFaceAngle(0.5f, 0.3f, 0.1f, 3.0f, 0.5f, 0.5f);
    EXPECT_CLOSE(a.rad, 0.0333209958782472);
    EXPECT_CLOSE(a.deg, 1.9091540455898113);  // with pi taken as 3.14159

    const BackFaceAngle vertical = backFaceAngle(0.4f, 0.3f, 0.1f, 3.0f, 0.5f, 0.5f);
    EXPECT_EQ(vertical.rad, 0.0f);
    EXPECT_EQ(vertical.deg, 0.0f);

    // A wall without height above the slab: a vertical face, not a division by zero.
    const BackFaceAngle flat = backFaceAngle(0.5f, 0.3f, 0.1f, 0.5f, 0.5f, 0.0f);
    EXPECT_EQ(flat.rad, 0.0f);
    EXPECT_EQ(flat.deg, 0.0f);
}

}  // namespace
}  // namespace pelzaro::members
