#pragma once
// Working-stress check of a reinforced-concrete section one metre wide with single tension
// reinforcement (modular ratio n = 15): steel ratio p = As/(b d), neutral-axis ratio
// k = sqrt((n p)^2 + 2 n p) - n p, lever-arm ratio j1 = 1 - k/3, then
//   sigma_c = 2 M / (k j1 b d^2), sigma_s = M / (As j1 d),
//   tau_c = S / (b j1 d) under the residential-land standard, S / (b d) under the road
//   guideline, where the allowable shear stress is corrected for the effective depth (Ce)
//   and the tension steel ratio (Cpt).
// Units: M N·cm/m (x 10 to N·mm/m), S N/m, d cm (x 10 to mm), a1 cm2, spacing mm, stresses
// N/mm2. The slab centre (part C) has no shear check.

#include <string>

#include "members/calc/member_part.h"

namespace pelzaro::members {

struct StressInput {
    MemberPart part = MemberPart::A;
    float M = 0, S = 0;  // N·cm/m, N/m
    float d = 0;         // effective depth, cm
    float a1 = 0;        // area of one bar, cm2
    float spacing = 0;   // design bar spacing, mm
    DesignStandard standard = DesignStandard::None;
    CalcCase loadCase = CalcCase::None;
    float Sigma_ca = 0, Sigma_sa = 0, Sigma_sa_N = 0, Tau_a1 = 0;  // N/mm2
};

enum class StressStatus {
    Ok,
    SpacingNotPositive,  // a design spacing that reads as zero or less
    DepthNotPositive,    // an effective depth of zero or less
    NoSteel,             // no bar area: no steel ratio
    NotFinite,
};

struct StressResult {
    StressStatus status = StressStatus::Ok;
    float Kankaku = 0;                       // the design spacing, mm
    float As = 0, p = 0, k = 0, j1 = 0;      // mm2/m and ratios
    float Sigma_sa = 0;                      // allowable steel stress after the bar-size rule
    float sigmaC = 0, sigmaS = 0, tauC = 0;  // unrounded
    // Shown values: three decimals, as the labels show them and the state keeps them.
    float Sigma_c = 0, Sigma_s = 0, Tau_c = 0;
    std::string sigmaCText, sigmaSText, tauCText, verdictText;
    // Road guideline shear (0 otherwise): Ce, Pt in %, Cpt, allowable tau_ca.
    bool roadShear = false;
    float Ce = 0, Pt = 0, Cpt = 0, Tau_ca = 0;
    bool sigmaCFails = false, sigmaSFails = false, tauCFails = false;
    bool passes = false;
    bool ok() const { return status == StressStatus::Ok; }
};

StressResult checkStress(const StressInput& in);

// Correction factor of the allowable shear stress for the effective depth in mm.
float depthFactorCe(float dMm);
// Correction factor of the allowable shear stress for the tension steel ratio in %.
float steelRatioFactorCpt(float PtPercent);

}  // namespace pelzaro::members
