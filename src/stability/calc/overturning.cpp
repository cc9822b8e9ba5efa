// Overturning moment and factor, the resultant, its eccentricity
// and the ground pressure under the base.

#include <cmath>

#include "stability/calc/ground_pressure.h"
#include "stability/calc/stability_run.h"

namespace pelzaro {

namespace {

bool normalCaseOrK1(const StabilityInput& in) {
    return in.calcCase == CalcCase::Case_N || in.method == SeismicMethod::Method_K1;
}

}  // namespace

// Moments about the toe tip of the horizontal forces: the surcharge's earth pressure at H/2,
// the active earth pressure at H/3, the wall inertia at each row's centroid height and, when
// counted, the back surcharge's inertia at Hq and the centre surcharge's on the centre soil.
// The symmetric shape's earth pressures balance: no overturning.
StabilityOutcome StabilityRun::overturning() {
    StabilityWork& w = w_;
    if (in_.shape != GroundShape::Shape_OneSided) {
        if (in_.shape == GroundShape::Shape_TwoSided) w.Mo = 0.0f;
        return StabilityOutcome::Ok;
    }
    const double earth = double(w.DeltaPAX) * w.H / 2.0 + double(w.PAX) * w.H / 3.0;
    const double kh = in_.cond.Kh;
    if (normalCaseOrK1(in_)) {
        put(w.Mo, earth);
    } else if (in_.wallInertia()) {
        double mo = earth + kh * w.SumWy;
        if (in_.surchargeInertia) {
            mo += w.W_Q_Haimen * kh * w.Hq + (double(w.H_Tyuuou) + w.D_Teiban) * w.W_Q_Tyuuou * kh;
        }
        put(w.Mo, mo);
    }
    if (w.Mo == 0.0f) return StabilityOutcome::NoOverturningMoment;
    put(w.F_Tentou, w.Mr / double(w.Mo));
    return tooLarge_ ? StabilityOutcome::TooLarge : StabilityOutcome::Ok;
}

StabilityOutcome StabilityRun::groundReaction() {
    StabilityWork& w = w_;
    if (!(w.SumV > 0.0f)) return StabilityOutcome::NoVerticalLoad;
    put(w.d, (double(w.Mr) - w.Mo) / w.SumV);
    put(w.e, w.B / 2.0 - w.d);
    if (tooLarge_) return StabilityOutcome::TooLarge;
    w.e = snappedEccentricity(w.e);
    // The effective width is stored on every run, whatever the cohesion and the width rule:
    // the report prints it with the effective-width options.
    put(w.A_eff, w.B - 2.0 * std::fabs(w.e));
    const GroundPressure p = groundPressure(w.SumV, w.B, w.e);
    switch (p.status) {
        case GroundPressure::Status::Ok:
            break;
        case GroundPressure::Status::NoLoad:
            return StabilityOutcome::NoVerticalLoad;
        case GroundPressure::Status::NoBase:
            return StabilityOutcome::NoBaseWidth;
        case GroundPressure::Status::OutsideBase:
            return StabilityOutcome::ResultantOutsideBase;
        case GroundPressure::Status::TooLarge:
            return StabilityOutcome::TooLarge;
    }
    w.Sigma_max = p.sigmaMax;
    w.Sigma_min = p.sigmaMin;
    // The zero-pressure distance belongs to the one-sided checks; with e = 0 there is none and
    // the previous value stays.
    if (in_.shape == GroundShape::Shape_OneSided && p.xn) w.Xn = *p.xn;
    return StabilityOutcome::Ok;
}

}  // namespace pelzaro
