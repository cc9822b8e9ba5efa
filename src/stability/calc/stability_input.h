#pragma once
// Everything the stability calculation reads, already taken from the pages and the design
// conditions as numbers and choices. An option group may have no button selected; the
// calculation then applies neither rule of that group, as the pages' own readers do.

#include <optional>
#include <string>

#include "conditions/design_rules.h"
#include "stability/calc/wall_choices.h"

namespace pelzaro {

// The vertical earth-pressure components count in the resisting moment, or not.
enum class PvInMoment { None, Pv_Counted, Pv_NotCounted };
enum class ShearKey { None, Key_None, Key_Present };
// How the cohesion term takes the base width: the full base less the uplifted part, or the
// effective width A' = B - 2|e|.
enum class LoadedWidth { None, Width_Full, Width_Reduced };

// Key height, position from the front end of the base and width, from the key dialog of the
// governing standard.
struct KeyDimensions {
    float H0 = 0.0f;
    float B1 = 0.0f;
    float D_Tokki = 0.0f;
};

// The wall-dimensions page, read leniently (each number rounded to single precision).
struct WallDimensions {
    std::string Syou_No, Kigou;
    float H1 = 0, H2 = 0, H3 = 0, H4 = 0;
    float T1_Mae = 0, N_Mae_In = 0, T1_Usiro = 0, N_Usiro_In = 0;
    float B_Tumasaki = 0, T2_Mae = 0, B_Tyuuou = 0, T2_Usiro = 0, B_Kakato = 0;
    float D_Teiban = 0, D_Tumasaki = 0, D_Kakato = 0, H_Tyuuou = 0;
    float Q_Haimen = 0, Q_Tyuuou = 0;
    float Q_Zenmen = 0;  // the front-surcharge field; read only for the one-sided shape
};

// Values of the design conditions that the stability calculation uses.
struct DesignConditions {
    float KA = 0;       // active earth-pressure coefficient in use
    float Gamma_S = 0;  // kN/m3
    float Gamma_C = 0;  // kN/m3
    float Delta = 0;    // wall friction angle, degrees
    float Kh = 0;       // design horizontal seismic coefficient
    float Mu = 0;       // base friction coefficient
    float C = 0;        // cohesion of the foundation ground, kN/m2
    float Phi_B = 0;    // friction angle of the foundation ground, degrees
};

struct StabilityInput {
    WallDimensions wall;
    DesignConditions cond;
    GroundShape shape = GroundShape::None;
    DesignStandard standard = DesignStandard::None;
    CalcCase calcCase = CalcCase::None;
    SeismicMethod method = SeismicMethod::None;
    PvInMoment pv = PvInMoment::None;
    FrontSoil frontSoil = FrontSoil::None;
    ShearKey key = ShearKey::Key_None;
    LoadedWidth width = LoadedWidth::None;
    bool surchargeReducedBy5 = false;  // earth pressure of the back surcharge from Q - 5 kN/m2
    bool surchargeInertia = false;     // seismic dialog: inertia of the surcharges counted
    // The key dialog of the governing standard; present only with a key under a chosen standard.
    std::optional<KeyDimensions> keyDims;

    bool wallInertia() const {
        return method == SeismicMethod::Method_K2 || method == SeismicMethod::Method_D1;
    }
};

}  // namespace pelzaro
