#include "members/calc/stress_check.h"

#include <cmath>

#include "members/calc/allowable_steel.h"
#include "numeric/single_store.h"
#include "numeric/format.h"
#include "numeric/lenient.h"

namespace pelzaro::members {
namespace {

using D = double;
constexpr D kWidthMm = 1000.0;  // b: one metre of member
constexpr D kModularRatio = 15.0;

// What a label shows and the state keeps: three decimals.
float shown(const std::string& text) {
    return static_cast<float>(Val(text));
}

StressStatus inputStatus(const StressInput& in) {
    if (!(in.spacing > 0.0f)) return StressStatus::SpacingNotPositive;
    if (!(in.d > 0.0f)) return StressStatus::DepthNotPositive;
    if (!(in.a1 > 0.0f)) return StressStatus::NoSteel;
    return StressStatus::Ok;
}

void sectionRatios(const StressInput& in, StressResult& r, SingleStore& st) {
    const D dMm = 10.0 * in.d;
    r.As = st(100.0 * in.a1 * 1000.0 / in.spacing);
    r.p = st(D(r.As) / (kWidthMm * dMm));
    const D np = kModularRatio * r.p;
    r.k = st(std::sqrt(np * np + 2.0 * kModularRatio * r.p) - np);
    r.j1 = st(1.0 - r.k / 3.0);
}

void stresses(const StressInput& in, StressResult& r, SingleStore& st) {
    const D dMm = 10.0 * in.d, mNmm = 10.0 * in.M;
    r.sigmaC = st(2.0 * mNmm / (dMm * dMm * r.j1 * r.k * kWidthMm));
    r.sigmaS = st(mNmm / (D(r.As) * r.j1 * dMm));
    if (!hasShear(in.part)) return;
    const D lever = in.standard == DesignStandard::Std_D ? 1.0 : D(r.j1);
    r.tauC = st(in.S / (kWidthMm * lever * dMm));
}

// The allowable shear stress: tau_a1, under the road guideline corrected by Ce and Cpt.
float shearLimit(const StressInput& in, StressResult& r, SingleStore& st) {
    if (in.standard != DesignStandard::Std_D) return in.Tau_a1;
    r.roadShear = true;
    r.Ce = depthFactorCe(st(10.0 * in.d));
    r.Pt = st(D(r.As) / (kWidthMm * 10.0 * in.d) * 100.0);
    r.Cpt = steelRatioFactorCpt(r.Pt);
    r.Tau_ca = st(D(r.Cpt) * r.Ce * in.Tau_a1);
    return r.Tau_ca;
}

void verdicts(const StressInput& in, StressResult& r, SingleStore& st) {
    r.Sigma_sa = memberSteelStress(in.standard, in.loadCase, in.a1, in.Sigma_sa, in.Sigma_sa_N);
    r.sigmaCFails = r.sigmaC > in.Sigma_ca;
    r.sigmaSFails = r.sigmaS > r.Sigma_sa;
    r.sigmaCText = Format(r.sigmaC, "0.000");
    r.sigmaSText = Format(r.sigmaS, "0.000");
    r.Sigma_c = shown(r.sigmaCText);
    r.Sigma_s = shown(r.sigmaSText);
    if (hasShear(in.part)) {
        r.tauCFails = r.tauC > shearLimit(in, r, st);
        r.tauCText = Format(r.tauC, "0.000");
        r.Tau_c = shown(r.tauCText);
    } else {
        r.tauCText = "――";
    }
    r.passes = !r.sigmaCFails && !r.sigmaSFails && !r.tauCFails;
    r.verdictText = r.passes ? "O.K" : "NG";
}

}  // namespace

// Up to 300 mm the full 1.4, falling linearly to 1.0 at 1000 mm. Deeper sections continue on
// the guideline's table (0.7 at 3000 mm, 0.6 at 5000 mm, 0.5 from 10000 mm), which keeps the
// allowable shear stress of very deep sections on the safe side.
float depthFactorCe(float dMm) {
    const D d = dMm;
    if (dMm <= 300.0f) return 1.4f;
    if (dMm <= 1000.0f) return static_cast<float>(1.4 - (d - 300.0) * 0.4 / 700.0);
    if (dMm <= 3000.0f) return static_cast<float>(1.0 - (d - 1000.0) * 0.3 / 2000.0);
    if (dMm <= 5000.0f) return static_cast<float>(0.7 - (d - 3000.0) * 0.1 / 2000.0);
    if (dMm <= 10000.0f) return static_cast<float>(0.6 - (d - 5000.0) * 0.1 / 5000.0);
    return 0.5f;
}

// Every rung includes its lower end; the thresholds are single-precision values.
float steelRatioFactorCpt(float PtPercent) {
    const D pt = PtPercent;
    if (PtPercent < 0.1f) return 0.7f;
    if (PtPercent < 0.2f) return static_cast<float>((pt - 0.1) * 0.2 / 0.1 + 0.7);
    if (PtPercent < 0.3f) return static_cast<float>((pt - 0.2) * 0.1 / 0.1 + 0.9);
    if (PtPercent < 0.5f) return static_cast<float>((pt - 0.3) * 0.2 / 0.2 + 1.0);
    if (PtPercent < 1.0f) return static_cast<float>((pt - 0.5) * 0.3 / 0.5 + 1.2);
    return 1.5f;
}

StressResult checkStress(const StressInput& in) {
    StressResult r;
    r.Kankaku = in.spacing;
    r.status = inputStatus(in);
    if (!r.ok()) return r;
    SingleStore st;
    sectionRatios(in, r, st);
    stresses(in, r, st);
    if (st.ok()) verdicts(in, r, st);
    if (!st.ok() || !(r.k > 0.0f) || !(r.j1 > 0.0f)) {
        StressResult refused;
        refused.status = StressStatus::NotFinite;
        refused.Kankaku = in.spacing;
        return refused;
    }
    return r;
}

}  // namespace pelzaro::members
