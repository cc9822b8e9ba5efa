#include "members/calc/required_spacing.h"

#include <cmath>

#include "members/calc/allowable_steel.h"
#include "numeric/single_store.h"
#include "numeric/format.h"

namespace pelzaro::members {
namespace {

using D = double;

void barData(const SpacingInput& in, SpacingResult& r, SingleStore& st) {
    r.Kaburi = in.Kaburi;
    r.a1 = in.a1;
    r.U = in.U;
    r.dk = in.dk;
    if (in.bar) {
        r.Tekkin = in.bar->designation;
        r.a1 = in.bar->areaCm2;
        r.U = in.bar->perimeterCm;
        r.dk = st(D(in.Kaburi) + in.bar->coverAdditionMm);
    }
}

void section(const SpacingInput& in, SpacingResult& r, SingleStore& st) {
    r.D = in.D;
    r.d = st(D(in.D) - r.dk / 10.0);
    r.j = st(7.0 / 8.0 * r.d);
}

SpacingStatus divisorsStatus(const SpacingInput& in, const SpacingResult& r) {
    const bool shear = hasShear(in.part);
    // Compared in single precision: a thickness equal to the bar-centre distance must not
    // leave a residue of rounding as an effective depth.
    if (!(in.D > static_cast<float>(r.dk / 10.0)) || !(r.j > 0.0f))
        return SpacingStatus::ThicknessNotLargerThanBarCentre;
    if (!(r.a1 > 0.0f) || (shear && !(r.U > 0.0f))) return SpacingStatus::NoBarKind;
    if (!(r.Sigma_sa > 0.0f)) return SpacingStatus::ZeroAllowableSteelStress;
    if (shear && !(in.Tau_0a > 0.0f)) return SpacingStatus::ZeroAllowableBondStress;
    return SpacingStatus::Ok;
}

// The tension steel and bond perimeter the forces need; they do not depend on the bar, so a
// section without a bar kind still has them. Each only where its allowable stress is positive.
void requiredSteel(const SpacingInput& in, SpacingResult& r, SingleStore& st) {
    if (r.Sigma_sa > 0.0f) r.At = st(D(in.M) / (100.0 * r.Sigma_sa * r.j));
    if (hasShear(in.part) && in.Tau_0a > 0.0f) r.PhiReq = st(D(in.S) / (100.0 * in.Tau_0a * r.j));
}

// Bars per metre for the steel area and for the bond perimeter; the larger governs (the area
// when they are equal).
void barsPerMetre(const SpacingInput& in, SpacingResult& r, SingleStore& st) {
    r.Honsuu1 = st(D(r.At) / r.a1);
    r.Honsuu = r.Honsuu1;
    if (!hasShear(in.part)) return;
    r.Honsuu2 = st(D(r.PhiReq) / r.U);
    if (r.Honsuu2 > r.Honsuu1) r.Honsuu = r.Honsuu2;
}

}  // namespace

SpacingResult requiredSpacing(const SpacingInput& in) {
    SingleStore st;
    SpacingResult r;
    barData(in, r, st);
    section(in, r, st);
    r.Sigma_sa = memberSteelStress(in.standard, in.loadCase, r.a1, in.Sigma_sa, in.Sigma_sa_N);
    r.status = divisorsStatus(in, r);
    if (r.status == SpacingStatus::Ok || r.status == SpacingStatus::NoBarKind)
        requiredSteel(in, r, st);
    if (r.status == SpacingStatus::Ok) {
        barsPerMetre(in, r, st);
        if (!(r.Honsuu > 0.0f)) {
            r.status = SpacingStatus::NoForces;
        } else {
            r.KankakuReq = st(1000.0 / r.Honsuu);
        }
    }
    if (!st.ok()) {
        SpacingResult refused;
        refused.status = SpacingStatus::NotFinite;
        refused.Sigma_sa = r.Sigma_sa;
        return refused;
    }
    return r;
}

std::string spacingCaption(const SpacingResult& r) {
    if (!r.ok()) return "";
    return Format(std::floor(static_cast<double>(r.KankakuReq)), "0");
}

}  // namespace pelzaro::members
