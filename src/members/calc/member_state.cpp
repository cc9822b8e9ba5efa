#include "members/calc/member_state.h"

#include "members/calc/part_fields.h"
#include "members/calc/slab_forces.h"
#include "members/calc/slab_loads.h"
#include "state/module1.h"

namespace pelzaro::members {
namespace {

// A refused reaction leaves no ordinate of an earlier wall behind.
void storeReaction(Module1& m, const ReactionOutcome& out) {
    const GroundReaction& r = out.value;
    m.VP = r.VP, m.V1 = r.V1, m.V2 = r.V2, m.V3 = r.V3, m.V4 = r.V4, m.V5 = r.V5, m.VR = r.VR;
    if (r.Xn) m.Xn = *r.Xn;
}

SlabLoadInput slabLoadInput(const Module1& m, const MemberOptions& o) {
    SlabLoadInput in;
    in.Gamma_S = m.Gamma_S, in.Gamma_C = m.Gamma_C;
    in.D_Teiban = m.D_Teiban, in.H_Tyuuou = m.H_Tyuuou, in.Q_Tyuuou = m.Q_Tyuuou;
    in.B_Kakato = m.B_Kakato, in.D_Kakato = m.D_Kakato, in.D_Kakato_H = m.D_Kakato_H;
    in.H_Haimen = m.H_Haimen, in.Q_Haimen = m.Q_Haimen;
    in.B_Tumasaki = m.B_Tumasaki, in.D_Tumasaki = m.D_Tumasaki;
    in.D_Tumasaki_H = m.D_Tumasaki_H, in.H_Zenmen = m.H_Zenmen, in.Q_Zenmen = m.Q_Zenmen;
    in.shape = o.shape;
    in.frontSoil = o.frontSoil;
    return in;
}

}  // namespace

ReactionInput reactionInput(const Module1& m) {
    ReactionInput in;
    in.B_Tumasaki = m.B_Tumasaki;
    in.T2_Mae = m.T2_Mae;
    in.B_Tyuuou = m.B_Tyuuou;
    in.T2_Usiro = m.T2_Usiro;
    in.B_Kakato = m.B_Kakato;
    in.B = m.B;
    in.e = m.e;
    in.Sigma_max = m.Sigma_max;
    return in;
}

ReactionRefusal computeGroundReaction(Module1& m, const MemberOptions& o) {
    const ReactionOutcome reaction = groundReaction(reactionInput(m));
    storeReaction(m, reaction);
    const SlabLoads w = slabLoads(slabLoadInput(m, o));
    m.W1 = w.W1, m.W2 = w.W2, m.W3 = w.W3, m.W4 = w.W4, m.W5 = w.W5;
    const BackFaceAngle a =
        backFaceAngle(m.T2_Usiro, m.T1_Usiro, m.N_Usiro_In, m.H3, m.D_Teiban, m.H4);
    m.Theta_Danmen_rad = a.rad;
    m.Theta_Danmen = a.deg;
    return reaction.refusal;
}

CoefficientInput coefficientInput(const Module1& m) {
    CoefficientInput in;
    in.Phi = m.Phi, in.Delta_Danmen = m.Delta_Danmen, in.Beta = m.Beta;
    in.Theta_Danmen = m.Theta_Danmen, in.Kh = m.Kh, in.Kv = m.Kv;
    return in;
}

CoefficientOutcome computeMemberCoefficient(Module1& m, const MemberOptions& o) {
    const CoefficientInput in = coefficientInput(m);
    const CoefficientOutcome out = memberCoefficient(in, coefficientFormula(o.loadCase, o.method));
    if (!out.ok()) return out;
    m.KA_Danmen = out.value.KA;
    if (out.value.seismic) {
        m.ThetaK_rad = out.value.ThetaK_rad;
        m.ThetaK = out.value.ThetaK;
    }
    return out;
}

float memberThicknessCm(const Module1& m, MemberPart part) {
    double cm = 100.0 * m.D_Teiban;
    if (part == MemberPart::A) cm = 100.0 * (static_cast<double>(m.T2_Usiro) + m.T1_Usiro) / 2.0;
    if (part == MemberPart::B) cm = 100.0 * m.T2_Usiro;
    if (part == MemberPart::H) cm = 100.0 * m.D_Tokki;
    return static_cast<float>(cm);
}

namespace {

SpacingInput spacingInput(const Module1& m, MemberPart part, float M, float S,
                          const MemberOptions& o) {
    const PartFields& f = partFields(part);
    SpacingInput in;
    in.part = part;
    in.M = M, in.S = S;
    in.D = memberThicknessCm(m, part);
    in.Kaburi = m.*f.Kaburi;
    in.a1 = m.*f.a1, in.U = m.*f.U, in.dk = m.*f.dk;
    in.standard = o.standard, in.loadCase = o.loadCase;
    in.Sigma_sa = m.Sigma_sa, in.Sigma_sa_N = m.Sigma_sa_N, in.Tau_0a = m.Tau_0a;
    return in;
}

StressInput stressInput(const Module1& m, MemberPart part, float M, float S, float d, float a1,
                        float spacingMm, const MemberOptions& o) {
    StressInput in;
    in.part = part;
    in.M = M, in.S = S, in.d = d, in.a1 = a1;
    in.spacing = spacingMm;
    in.standard = o.standard, in.loadCase = o.loadCase;
    in.Sigma_ca = m.Sigma_ca, in.Sigma_sa = m.Sigma_sa, in.Sigma_sa_N = m.Sigma_sa_N;
    in.Tau_a1 = m.Tau_a1;
    return in;
}

}  // namespace

SpacingResult computeSpacing(Module1& m, MemberPart part, int listIndex, float coverMm,
                             const MemberOptions& o) {
    const PartFields& f = partFields(part);
    SpacingInput in = spacingInput(m, part, m.*f.M, m.*f.S, o);
    in.Kaburi = coverMm;
    in.bar = barKindAt(listIndex);
    const SpacingResult r = requiredSpacing(in);
    if (r.Tekkin) m.*f.Tekkin = *r.Tekkin;
    m.*f.Kaburi = coverMm;
    m.*f.a1 = r.a1, m.*f.U = r.U, m.*f.dk = r.dk;
    m.*f.D = r.D, m.*f.d = r.d, m.*f.j = r.j;
    m.Sigma_sa = r.Sigma_sa;
    m.*f.At = r.At, m.*f.PhiReq = r.PhiReq;
    m.*f.Honsuu1 = r.Honsuu1, m.*f.Honsuu2 = r.Honsuu2, m.*f.Honsuu = r.Honsuu;
    m.*f.KankakuReq = r.KankakuReq;
    return r;
}

SpacingResult evaluateSpacing(const Module1& m, const PartForces& f, const MemberOptions& o) {
    return requiredSpacing(spacingInput(m, f.part, f.M, f.S, o));
}

StressResult evaluateStress(const Module1& m, const PartForces& f, const SpacingResult& s,
                            float spacingMm, const MemberOptions& o) {
    return checkStress(stressInput(m, f.part, f.M, f.S, s.d, s.a1, spacingMm, o));
}

StressResult computeStress(Module1& m, MemberPart part, float spacingMm, const MemberOptions& o) {
    const PartFields& f = partFields(part);
    const StressInput in = stressInput(m, part, m.*f.M, m.*f.S, m.*f.d, m.*f.a1, spacingMm, o);
    StressResult r = checkStress(in);
    if (!r.ok()) r.Sigma_sa = in.Sigma_sa;
    m.*f.Kankaku = spacingMm;
    m.Sigma_sa = r.Sigma_sa;
    m.*f.p = r.p, m.*f.k = r.k, m.*f.j1 = r.j1;
    m.*f.Sigma_c = r.Sigma_c, m.*f.Sigma_s = r.Sigma_s;
    if (!hasShear(part)) return r;
    m.*f.Tau_c = r.Tau_c;
    if (o.standard == DesignStandard::Std_D) {
        m.*f.Ce = r.Ce, m.*f.As = r.As, m.*f.Pt = r.Pt, m.*f.Cpt = r.Cpt;
        m.*f.Tau_ca = r.Tau_ca;
    }
    return r;
}

}  // namespace pelzaro::members
