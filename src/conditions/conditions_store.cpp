#include "conditions/conditions_store.h"

namespace pelzaro {

namespace {

// The allowable stresses that the state and the calculation's record both hold.
template <class From, class To>
void copyAllowable(const From& from, To& to) {
    to.Sigma_ca_N = from.Sigma_ca_N;
    to.Sigma_ca_S = from.Sigma_ca_S;
    to.Tau_a1_N1 = from.Tau_a1_N1;
    to.Tau_a1_N2 = from.Tau_a1_N2;
    to.Tau_a1_N = from.Tau_a1_N;
    to.Tau_a1_S = from.Tau_a1_S;
    to.Tau_0a_N1 = from.Tau_0a_N1;
    to.Tau_0a_N2 = from.Tau_0a_N2;
    to.Tau_0a_N = from.Tau_0a_N;
    to.Tau_0a_S = from.Tau_0a_S;
    to.Qa_S = from.Qa_S;
}

}  // namespace

AllowableStresses allowableOf(const ConditionsVars& v) {
    AllowableStresses a;
    copyAllowable(v, a);
    return a;
}

void storeAllowable(const AllowableStresses& a, ConditionsVars& v) {
    copyAllowable(a, v);
}

void storeTerms(const EarthPressureTerms& t, ConditionsVars& v) {
    v.KA_Num = t.KA_Num;
    v.KA_Cos2Theta = t.KA_Cos2Theta;
    v.KA_CosThetaDelta = t.KA_CosThetaDelta;
    v.KA_SinPhiDelta = t.KA_SinPhiDelta;
    v.KA_SinPhiBeta = t.KA_SinPhiBeta;
    v.KA_CosThetaDelta2 = t.KA_CosThetaDelta2;
    v.KA_CosThetaBeta = t.KA_CosThetaBeta;
    v.KA_CosThetaK = t.KA_CosThetaK;
    v.KA = t.KA;
}

void storeWallFriction(const WallFrictionTerms& w, ConditionsVars& v) {
    v.Sin_DDelta = w.Sin_DDelta;
    v.DDelta_rad = w.DDelta_rad;
    v.DDelta = w.DDelta;
    v.Tan_Delta = w.Tan_Delta;
    v.Delta_rad = w.Delta_rad;
    v.Delta = w.Delta;
}

}  // namespace pelzaro
