#pragma once
// Allowable tensile stress of the reinforcement by bar size: under the residential-land
// standard in the normal case, bars of 5.745 cm2 and more (the pair "D25,D29" and every larger
// kind) are designed with 195 N/mm2, smaller ones with the long-term value entered; otherwise
// the value the design conditions set for the current case stays. The threshold is compared
// in single precision, so the tabulated area of "D25,D29" qualifies.

#include "members/calc/member_part.h"

namespace pelzaro::members {

constexpr float kLargeBarAreaCm2 = 5.745f;
constexpr float kLargeBarSigmaSa = 195.0f;  // N/mm2

inline float memberSteelStress(DesignStandard standard, CalcCase loadCase, float a1Cm2,
                               float currentSigmaSa, float Sigma_sa_N) {
    if (standard != DesignStandard::Std_T || loadCase != CalcCase::Case_N) return currentSigmaSa;
    return a1Cm2 >= kLargeBarAreaCm2 ? kLargeBarSigmaSa : Sigma_sa_N;
}

}  // namespace pelzaro::members
