#include "members/calc/ground_reaction.h"

#include <cmath>
#include <initializer_list>

#include "numeric/single_store.h"
#include "stability/calc/ground_pressure.h"

namespace pelzaro::members {
namespace {

// The pressure at the point reached by walking the given widths from the maximum edge.
float ordinate(double sigmaMax, float xn, std::initializer_list<float> widths, SingleStore& st) {
    double rest = xn;
    double distance = 0.0;
    for (float w : widths) {
        rest -= w;
        distance += w;
    }
    if (static_cast<float>(distance) >= xn) return 0.0f;
    return st(sigmaMax * rest / xn);
}

// Ordinates measured from the toe end (maximum pressure at the toe).
void fromToe(const ReactionInput& in, float xn, GroundReaction& r, SingleStore& st) {
    const double s = in.Sigma_max;
    const float halfSpan = in.B_Tyuuou / 2.0f;
    r.VP = in.Sigma_max;
    r.V1 = ordinate(s, xn, {in.B_Tumasaki}, st);
    r.V2 = ordinate(s, xn, {in.B_Tumasaki, in.T2_Mae}, st);
    r.V3 = ordinate(s, xn, {in.B_Tumasaki, in.T2_Mae, halfSpan}, st);
    r.V4 = ordinate(s, xn, {in.B_Tumasaki, in.T2_Mae, in.B_Tyuuou}, st);
    r.V5 = ordinate(s, xn, {in.B_Tumasaki, in.T2_Mae, in.B_Tyuuou, in.T2_Usiro}, st);
    r.VR = ordinate(s, xn, {in.B}, st);
}

// The mirror image: maximum pressure at the heel end.
void fromHeel(const ReactionInput& in, float xn, GroundReaction& r, SingleStore& st) {
    const double s = in.Sigma_max;
    const float halfSpan = in.B_Tyuuou / 2.0f;
    r.VR = in.Sigma_max;
    r.V5 = ordinate(s, xn, {in.B_Kakato}, st);
    r.V4 = ordinate(s, xn, {in.B_Kakato, in.T2_Usiro}, st);
    r.V3 = ordinate(s, xn, {in.B_Kakato, in.T2_Usiro, halfSpan}, st);
    r.V2 = ordinate(s, xn, {in.B_Kakato, in.T2_Usiro, in.B_Tyuuou}, st);
    r.V1 = ordinate(s, xn, {in.B_Kakato, in.T2_Usiro, in.B_Tyuuou, in.T2_Mae}, st);
    r.VP = ordinate(s, xn, {in.B}, st);
}

void uniform(float sigmaMax, GroundReaction& r) {
    r.shape = ReactionShape::Uniform;
    r.VP = r.V1 = r.V2 = r.V3 = r.V4 = r.V5 = r.VR = sigmaMax;
}

// Zero-pressure distance of the linear diagram: beyond the base in the trapezoid case, the
// contact length 3 (B/2 - |e|) in the triangle case.
double zeroPressureDistance(const ReactionInput& in, bool trapezoid) {
    const double B = in.B, ae = std::fabs(static_cast<double>(in.e));
    return trapezoid ? (B / (6.0 * ae) + 1.0) * (B / 2.0) : 3.0 * (B / 2.0 - ae);
}

}  // namespace

ReactionOutcome groundReaction(const ReactionInput& in) {
    ReactionOutcome out;
    if (!fitsSingle(in.B) || !fitsSingle(in.e) || !fitsSingle(in.Sigma_max)) {
        out.refusal = ReactionRefusal::NotFinite;
        return out;
    }
    if (!(in.B > 0.0f)) {
        out.refusal = ReactionRefusal::NoBase;
        return out;
    }
    GroundReaction& r = out.value;
    if (in.e == 0.0f) {
        uniform(in.Sigma_max, r);
        return out;
    }
    const bool trapezoid = withinMiddleThird(in.e, in.B);
    SingleStore st;
    const float xn = st(zeroPressureDistance(in, trapezoid));
    if (!st.ok() || !(xn > 0.0f)) {
        out.refusal = st.ok() ? ReactionRefusal::ResultantOutsideBase : ReactionRefusal::NotFinite;
        return out;
    }
    r.shape = trapezoid ? ReactionShape::Trapezoid : ReactionShape::Triangle;
    r.Xn = xn;
    if (in.e > 0.0f)
        fromToe(in, xn, r, st);
    else
        fromHeel(in, xn, r, st);
    if (!st.ok()) out = ReactionOutcome{ReactionRefusal::NotFinite, {}};
    return out;
}

}  // namespace pelzaro::members
