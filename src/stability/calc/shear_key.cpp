// With a shear key: the passive wedge in front of the key and the factor against
// sliding with the key, by the passive resistance (residential-land standard) or by the shear
// resistance along the base (road guideline).

#include <algorithm>
#include <cmath>

#include "stability/calc/key_terms.h"
#include "stability/calc/stability_run.h"

namespace pelzaro {

StabilityOutcome StabilityRun::shearKey() {
    // The factor without the key stays for the results page.
    if (StabilityOutcome o = sliding(); o != StabilityOutcome::Ok) return o;
    if (in_.standard == DesignStandard::None) return StabilityOutcome::Ok;
    StabilityWork& w = w_;
    const double slope = passiveSlope(in_.cond.Phi_B);
    put(w.L_Tokki, w.H0 * slope);
    if (StabilityOutcome o = keyOrdinates(); o != StabilityOutcome::Ok) return o;
    put(w.Sigma_0, (double(w.Sigma_2) + w.Sigma_1) * 0.5);
    put(w.P_Tokki, slope * slope * w.Sigma_0);
    if (in_.standard == DesignStandard::Std_T) {
        passiveWedgeResistance();
    } else {
        shearResistance();
    }
    return tooLarge_ ? StabilityOutcome::TooLarge : StabilityOutcome::Ok;
}

// Ground pressure at the far end of the passive wedge (B1 - L) and at the key (B1), on the
// straight pressure line measured from the edge of maximum pressure, 0 beyond the contact;
// uniform when e = 0.
StabilityOutcome StabilityRun::keyOrdinates() {
    StabilityWork& w = w_;
    if (w.e == 0.0f) {
        w.Sigma_1 = w.Sigma_max;
        w.Sigma_2 = w.Sigma_max;
        return StabilityOutcome::Ok;
    }
    const double xn = std::fabs(w.Xn);
    if (xn == 0.0) return StabilityOutcome::NoContactLength;
    const double wedgeEnd = double(w.B1) - w.L_Tokki;
    const double s1 = w.e > 0.0f ? wedgeEnd : w.B - wedgeEnd;
    const double s2 = w.e > 0.0f ? double(w.B1) : double(w.B) - w.B1;
    // The ground takes no tension: where the wedge's end or the key stands in the lifted part
    // of the base, no pressure acts there.
    put(w.Sigma_1, std::max(0.0, (xn - s1) * w.Sigma_max / xn));
    put(w.Sigma_2, std::max(0.0, (xn - s2) * w.Sigma_max / xn));
    return StabilityOutcome::Ok;
}

// Residential-land standard: friction on the reaction outside the passive wedge (in front of
// the wedge, L1, and behind the key, L2, each only where the base is in contact), cohesion on
// the loaded width, and the passive force P * H0.
void StabilityRun::passiveWedgeResistance() {
    StabilityWork& w = w_;
    const KeyLengths len = wedgeLengths(w.e, w.B, w.B1, w.L_Tokki, w.Xn);
    const double l1 = len.L1, l2 = len.L2, s1 = w.Sigma_1, s2 = w.Sigma_2;
    const double smax = w.Sigma_max, smin = w.Sigma_min;
    const bool front = w.e >= 0.0f;
    // Under uplift sigma_min is 0: the same sums give the lifted forms.
    const double w1 = front ? (s1 + smax) / 2 * l1 + (s2 + smin) / 2 * l2
                            : (s1 + smin) / 2 * l1 + (s2 + smax) / 2 * l2;
    put(w.W1_Tokki, w1);
    const double c = in_.cond.C, sumH = w.SumH;
    const double base = double(in_.cond.Mu) * w.W1_Tokki + double(w.P_Tokki) * w.H0;
    if (c == 0.0) {
        put(w.F_Tokki, base / sumH);
    } else if (in_.width == LoadedWidth::Width_Full) {
        put(w.F_Tokki, (c * cohesionWidth(w.e, w.B, w.Xn) + base) / sumH);
    } else if (in_.width == LoadedWidth::Width_Reduced) {
        put(w.F_Tokki, (c * w.A_eff + base) / sumH);
    }
}

// Road guideline: shear resistance tan(phiB) times the reaction in front of the key (L1) and
// behind it (L2), plus the cohesion on L1. Only the base in contact resists: under uplift with
// the maximum at the rear, the length in front of the key begins where contact begins, B - |Xn|
// from the front end, and the reaction behind the key rises from q3 to the maximum at the back.
void StabilityRun::shearResistance() {
    StabilityWork& w = w_;
    const double t = shearFactor(in_.cond.Phi_B);
    const KeyLengths len = shearLengths(w.e, w.B, w.B1, w.Xn);
    const double s2 = w.Sigma_2, smax = w.Sigma_max, smin = w.Sigma_min;
    double hk = w.e >= 0.0f ? (s2 + smax) / 2 * len.L1 * t + (s2 + smin) / 2 * len.L2 * t
                            : (s2 + smin) / 2 * len.L1 * t + (s2 + smax) / 2 * len.L2 * t;
    if (in_.cond.C != 0.0f) hk += double(in_.cond.C) * len.L1;
    if (!std::isfinite(hk)) {
        tooLarge_ = true;
        hk = 0.0;
    }
    w.Hk = hk;
    put(w.F_Tokki, w.Hk / double(w.SumH));
}

}  // namespace pelzaro
