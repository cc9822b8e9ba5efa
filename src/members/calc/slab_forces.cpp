#include "members/calc/slab_forces.h"

#include <algorithm>
#include <cmath>

#include "numeric/single_store.h"

namespace pelzaro::members {
namespace {

using D = double;
using Outcome = ForceOutcome<SlabPartForces>;

Outcome refused(ForceRefusal why) {
    return Outcome{why, SlabPartForces{}};
}

// The reaction must reach the far wall's inner face: measured from the edge of maximum
// pressure, the inner face of the other wall lies within the contact length.
bool spanFullyLoaded(const SlabInput& in) {
    const float farFace =
        in.e > 0.0f ? in.B - in.B_Kakato - in.T2_Usiro : in.B - in.B_Tumasaki - in.T2_Mae;
    return farFace <= std::fabs(in.Xn);
}

SpanMoments spanMoments(const SlabInput& in, SingleStore& st) {
    const D L2 = D(in.B_Tyuuou) * in.B_Tyuuou;
    SpanMoments c;
    c.C1 = st(L2 * in.W1 / 12.0);
    if (in.e == 0.0f) {
        c.C2 = st(L2 * in.Sigma_max / 12.0);
        return c;
    }
    const D vs = std::min(in.V2, in.V4), vl = std::max(in.V2, in.V4);
    c.C21 = st(L2 * vs / 12.0 + L2 * (vl - vs) / 20.0);
    c.C22 = st(L2 * vs / 12.0 + L2 * (vl - vs) / 30.0);
    return c;
}

// Mid-span: simple-beam moment of the uniform share (L²/8), the largest moment of the
// triangular share (L²/(9·√3) of its height), less the mean of the two end moments.
void midSpan(const SlabInput& in, SlabPartForces& f, SingleStore& st) {
    const D L2 = D(in.B_Tyuuou) * in.B_Tyuuou;
    f.M1 = st(L2 * in.W1 / 8.0 - f.span.C1);
    if (in.e == 0.0f) {
        f.M2 = st(L2 * in.Sigma_max / 8.0 - f.span.C2);
        return;
    }
    const D vs = std::min(in.V2, in.V4), vl = std::max(in.V2, in.V4);
    f.M2 = st(L2 * vs / 8.0 + L2 * (vl - vs) / (9.0 * std::sqrt(3.0)) -
              (D(f.span.C22) + f.span.C21) / 2.0);
}

// A fixed end of the span whose reaction ordinate is `here`; the other end has `there`.
void spanEnd(const SlabInput& in, float here, float there, SlabPartForces& f, SingleStore& st) {
    const D L = in.B_Tyuuou;
    f.M1 = f.span.C1;
    f.S1 = st(L * in.W1 / 2.0);
    if (in.e == 0.0f) {
        f.M2 = f.span.C2;
        f.S2 = st(D(in.Sigma_max) * L / 2.0);
        return;
    }
    const D vs = std::min(here, there), vl = std::max(here, there);
    const bool largerEnd = here >= there;
    f.M2 = largerEnd ? f.span.C21 : f.span.C22;
    f.S2 = st((vl - vs) * L / (largerEnd ? 3.0 : 6.0) + vs * L / 2.0);
}

// Downward load of a cantilever, `root` at the wall and `tip` at the free end.
void cantileverLoad(D L, float root, float tip, SlabPartForces& f, SingleStore& st) {
    if (root == tip) {
        f.M1 = st(L * L * root / 2.0);
        f.S1 = st(L * root);
    } else {
        f.M1 = st(L * L * (D(tip) + tip + root) / 6.0);
        f.S1 = st((D(tip) + root) * L / 2.0);
    }
}

// Trapezoidal reaction over a whole cantilever of length L.
void wholeReaction(D L, float root, float tip, SlabPartForces& f, SingleStore& st) {
    f.M2 = st(L * L * (D(tip) + tip + root) / 6.0);
    f.S2 = st((D(tip) + root) * L / 2.0);
}

Outcome heel(const SlabInput& in, SlabPartForces& f, SingleStore& st) {
    const D Lk = in.B_Kakato;
    cantileverLoad(Lk, in.W2, in.W3, f, st);
    switch (heelReaction(in)) {
        case HeelReaction::WholeLength:
            wholeReaction(Lk, in.V5, in.VR, f, st);
            break;
        case HeelReaction::Triangle: {
            const D a = heelLoadedLength(in);
            f.M2 = st(a * a * in.V5 / 6.0);
            f.S2 = st(a * in.V5 / 2.0);
            break;
        }
        case HeelReaction::OutsideMethod:
            return refused(ForceRefusal::ContactOutsideMethod);
    }
    return Outcome{ForceRefusal::None, f};
}

// The toe carries the reaction as a trapezoid from V1 to VP; it must lie wholly in contact.
bool toeFullyLoaded(const SlabInput& in) {
    if (in.e == 0.0f) return true;
    const float xn = std::fabs(in.Xn);
    if (in.e > 0.0f) return xn >= in.B_Tumasaki;
    return !(in.B - in.B_Tumasaki < xn && xn < in.B);
}

Outcome toe(const SlabInput& in, SlabPartForces& f, SingleStore& st) {
    if (!toeFullyLoaded(in)) return refused(ForceRefusal::ContactOutsideMethod);
    const D Lt = in.B_Tumasaki;
    cantileverLoad(Lt, in.W4, in.W5, f, st);
    wholeReaction(Lt, in.V1, in.VP, f, st);
    return Outcome{ForceRefusal::None, f};
}

Outcome span(MemberPart part, const SlabInput& in, SlabPartForces& f, SingleStore& st) {
    if (in.e != 0.0f && !spanFullyLoaded(in)) return refused(ForceRefusal::ContactOutsideMethod);
    f.span = spanMoments(in, st);
    if (part == MemberPart::C) midSpan(in, f, st);
    if (part == MemberPart::D) spanEnd(in, in.V2, in.V4, f, st);
    if (part == MemberPart::E) spanEnd(in, in.V4, in.V2, f, st);
    return Outcome{ForceRefusal::None, f};
}

// The key is loaded over its height H0 by the uniform passive pressure of the shear-key check.
Outcome shearKey(const SlabInput& in, SingleStore& st) {
    SlabPartForces f;
    f.M = st(1e5 * (D(in.H0) * in.H0 * in.P_Tokki / 2.0));
    f.S = st(1e3 * (D(in.H0) * in.P_Tokki));
    if (!st.ok()) return refused(ForceRefusal::NotFinite);
    return Outcome{ForceRefusal::None, f};
}

Outcome partForces(MemberPart part, const SlabInput& in, SingleStore& st) {
    SlabPartForces f;
    switch (part) {
        case MemberPart::C:
        case MemberPart::D:
        case MemberPart::E:
            return span(part, in, f, st);
        case MemberPart::F:
            return heel(in, f, st);
        case MemberPart::G:
            return toe(in, f, st);
        default:
            return refused(ForceRefusal::NoBase);
    }
}

}  // namespace

HeelReaction heelReaction(const SlabInput& in) {
    const float xn = std::fabs(in.Xn);
    if (in.e == 0.0f || xn > in.B || (in.e < 0.0f && xn >= in.B_Kakato))
        return HeelReaction::WholeLength;
    return in.e > 0.0f ? HeelReaction::Triangle : HeelReaction::OutsideMethod;
}

// Contact ends on the heel: the triangle runs from V5 at the root over the loaded length.
double heelLoadedLength(const SlabInput& in) {
    const D a = D(in.Xn) - in.B_Tumasaki - in.T2_Mae - in.B_Tyuuou - in.T2_Usiro;
    return a > 0.0 ? a : 0.0;
}

ForceOutcome<SlabPartForces> slabForces(MemberPart part, const SlabInput& in) {
    SingleStore st;
    if (part == MemberPart::H) return shearKey(in, st);
    if (in.e != 0.0f && !(std::fabs(in.Xn) > 0.0f)) return refused(ForceRefusal::NoBase);
    Outcome out = partForces(part, in, st);
    if (!out.ok()) return out;
    SlabPartForces& f = out.value;
    f.M = st(1e5 * std::fabs(D(f.M1) - f.M2));
    f.S = hasShear(part) ? st(1e3 * std::fabs(D(f.S1) - f.S2)) : 0.0f;
    if (!st.ok()) return refused(ForceRefusal::NotFinite);
    return out;
}

}  // namespace pelzaro::members
