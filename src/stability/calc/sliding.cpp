// Sliding without a shear key: the horizontal forces, the resistance from base
// friction and cohesion, and the safety factor.

#include <cmath>

#include "stability/calc/key_terms.h"
#include "stability/calc/stability_run.h"

namespace pelzaro {

StabilityOutcome StabilityRun::sliding() {
    horizontalTotal();
    slidingResistance();
    if (w_.SumH == 0.0f) return StabilityOutcome::NoHorizontalForce;
    put(w_.F_Katsudou, w_.RH / double(w_.SumH));
    return tooLarge_ ? StabilityOutcome::TooLarge : StabilityOutcome::Ok;
}

// The forces whose moments form Mo: the earth pressures, the wall inertia when the method
// counts it, and the inertia of the back and centre surcharges when the seismic dialog counts it.
void StabilityRun::horizontalTotal() {
    StabilityWork& w = w_;
    const double earth = double(w.PAX) + w.DeltaPAX;
    const double kh = in_.cond.Kh;
    const bool seismic = in_.calcCase == CalcCase::Case_S;
    if (in_.calcCase == CalcCase::Case_N || (seismic && in_.method == SeismicMethod::Method_K1)) {
        put(w.SumH, earth);
    } else if (seismic && in_.wallInertia()) {
        double sumH = kh * w.SumW + earth;
        if (in_.surchargeInertia) sumH += kh * (double(w.W_Q_Haimen) + w.W_Q_Tyuuou);
        put(w.SumH, sumH);
    }
}

// Friction mu * SumV, plus the cohesion on the loaded width when the ground has cohesion: the
// whole base while it is all in contact, the contact length |Xn| under uplift (the base width
// times the contact factor |Xn|/B), or the effective width A' = B - 2|e|.
void StabilityRun::slidingResistance() {
    StabilityWork& w = w_;
    const double c = in_.cond.C, friction = double(in_.cond.Mu) * w.SumV;
    if (c == 0.0) {
        put(w.RH, friction);
        return;
    }
    if (in_.width == LoadedWidth::Width_Full) {
        put(w.RH, c * cohesionWidth(w.e, w.B, w.Xn) + friction);
    } else if (in_.width == LoadedWidth::Width_Reduced) {
        put(w.RH, c * w.A_eff + friction);
    }
}

}  // namespace pelzaro
