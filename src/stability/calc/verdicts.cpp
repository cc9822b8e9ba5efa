#include "stability/calc/verdicts.h"

#include <cmath>

namespace pelzaro {

float factorLimit(FactorLimit limit) {
    switch (limit) {
        case FactorLimit::F15:
            return 1.5f;
        case FactorLimit::F10:
            return 1.0f;
        case FactorLimit::F12:
            break;
    }
    return 1.2f;
}

bool factorPasses(float factor, FactorLimit limit) {
    return factor >= factorLimit(limit);
}

float baseFraction(float B, int n) {
    return B / static_cast<float>(n);
}

bool eccentricityPasses(float e, float B, int n) {
    return std::fabs(e) <= baseFraction(B, n);
}

bool resultantPasses(float d, float B) {
    return d >= baseFraction(B, 3);
}

bool bearingPasses(float sigmaMax, float qa) {
    return sigmaMax <= qa;
}

OverturningChecks overturningChecks(const PageChoices& c) {
    OverturningChecks k;
    if (c.case_N) {
        k.eB6 = c.n_BOver6 || c.n_F15AndBOver6;
        k.F15 = c.n_F15 || c.n_F15AndBOver6;
        k.dB3 = c.n_BOver3;
    } else if (c.case_S) {
        k.eB2 = c.s_BOver2 || c.s_F10AndBOver2;
        k.eB3 = c.s_BOver3 || c.s_F12AndBOver3;
        k.F10 = c.s_F10 || c.s_F10AndBOver2;
        k.F12 = c.s_F12 || c.s_F12AndBOver3;
    }
    return k;
}

std::optional<FactorLimit> slidingLimit(const PageChoices& c) {
    if (c.case_N) return FactorLimit::F15;
    if (!c.case_S) return std::nullopt;
    if (c.s_slideF10) return FactorLimit::F10;
    if (c.s_slideF12) return FactorLimit::F12;
    return std::nullopt;
}

LoadedWidth loadedWidthOf(const PageChoices& c) {
    if (c.n_baseWidth || c.s_baseWidth) return LoadedWidth::Width_Full;
    if (c.n_effectiveWidth || c.s_effectiveWidth) return LoadedWidth::Width_Reduced;
    return LoadedWidth::None;
}

}  // namespace pelzaro
