// Step 5 of a row: the forces of one member part from the design state; a whole row with the
// record of what it computed.

#include "members/calc/member_state.h"
#include "members/calc/part_fields.h"
#include "members/calc/slab_forces.h"
#include "state/module1.h"

namespace pelzaro::members {

WallInput wallInputOf(const Module1& m, const MemberOptions& o) {
    WallInput in;
    in.H_Haimen = m.H_Haimen, in.H4 = m.H4, in.T1_Usiro = m.T1_Usiro;
    in.N_Usiro_In = m.N_Usiro_In, in.N_Usiro_Out = m.N_Usiro_Out, in.B_Haimen = m.B_Haimen;
    in.D_Teiban = m.D_Teiban, in.Q_Haimen = m.Q_Haimen, in.A7 = m.A7, in.Y7 = m.Y7;
    in.Gamma_S = m.Gamma_S, in.Gamma_C = m.Gamma_C, in.Kh = m.Kh;
    in.KA_Danmen = m.KA_Danmen, in.Delta_Danmen = m.Delta_Danmen;
    in.Theta_Danmen = m.Theta_Danmen, in.Hq_Danmen = m.Hq_Danmen;
    in.seismic = o.loadCase == CalcCase::Case_S;
    in.loading = wallLoading(o);
    in.surchargeReducedBy5 = o.surchargeReducedBy5;
    return in;
}

SlabInput slabInputOf(const Module1& m) {
    SlabInput in;
    in.B = m.B, in.e = m.e, in.Sigma_max = m.Sigma_max, in.Xn = m.Xn;
    in.B_Tumasaki = m.B_Tumasaki, in.T2_Mae = m.T2_Mae, in.B_Tyuuou = m.B_Tyuuou;
    in.T2_Usiro = m.T2_Usiro, in.B_Kakato = m.B_Kakato;
    in.VP = m.VP, in.V1 = m.V1, in.V2 = m.V2, in.V3 = m.V3, in.V4 = m.V4, in.V5 = m.V5;
    in.VR = m.VR;
    in.W1 = m.W1, in.W2 = m.W2, in.W3 = m.W3, in.W4 = m.W4, in.W5 = m.W5;
    in.H0 = m.H0, in.P_Tokki = m.P_Tokki;
    return in;
}

namespace {

// The wall pieces are working storage shared with the stability calculation, which computes
// them again before it reads them.
void storePieces(Module1& m, const WallPieces& p) {
    m.A1_1 = p.A1_1, m.A1_2 = p.A1_2, m.A1_3 = p.A1_3;
    m.y1_1 = p.y1_1, m.y1_2 = p.y1_2, m.y1_3 = p.y1_3;
}

void storeA(Module1& m, const WallForcesA& f) {
    m.PAX_A = f.PAX_A, m.DeltaPAX_A = f.DeltaPAX_A, m.W_A = f.W_A, m.y_A = f.y_A;
    m.A_Haimen_A = f.A_Haimen_A, m.A_Haimen1_A = f.A_Haimen1_A, m.A_Haimen2_A = f.A_Haimen2_A;
    m.y_Haimen1_A = f.y_Haimen1_A, m.y_Haimen2_A = f.y_Haimen2_A;
    m.y_Haimen_A = f.y_Haimen_A, m.y2_A = f.y2_A;
}

void storeB(Module1& m, const WallForcesB& f) {
    m.PAX_B = f.PAX_B, m.DeltaPAX_B = f.DeltaPAX_B, m.W_B = f.W_B, m.y_B = f.y_B;
    m.y2_B = f.y2_B;
}

// The moments and shears of the downward load (1) and of the ground reaction (2).
void storeComponents(Module1& m, MemberPart part, const SlabPartForces& f) {
    switch (part) {
        case MemberPart::C:
            m.M1_C = f.M1, m.M2_C = f.M2;
            break;
        case MemberPart::D:
            m.M1_D = f.M1, m.S1_D = f.S1, m.M2_D = f.M2, m.S2_D = f.S2;
            break;
        case MemberPart::E:
            m.M1_E = f.M1, m.S1_E = f.S1, m.M2_E = f.M2, m.S2_E = f.S2;
            break;
        case MemberPart::F:
            m.M1_F = f.M1, m.S1_F = f.S1, m.M2_F = f.M2, m.S2_F = f.S2;
            break;
        case MemberPart::G:
            m.M1_G = f.M1, m.S1_G = f.S1, m.M2_G = f.M2, m.S2_G = f.S2;
            break;
        default:
            break;
    }
}

bool spanPart(MemberPart part) {
    return part == MemberPart::C || part == MemberPart::D || part == MemberPart::E;
}

void evaluateSlab(const Module1& m, MemberPart part, PartForces& r) {
    auto out = slabForces(part, slabInputOf(m));
    // The slab parts read the ordinates: a reaction the method cannot read designs nothing.
    if (part != MemberPart::H && !groundReaction(reactionInput(m)).ok())
        out = ForceOutcome<SlabPartForces>{ForceRefusal::NoBase, {}};
    r.refusal = out.refusal;
    r.slab = out.value;
    r.M = out.value.M;
    r.S = out.value.S;
}

}  // namespace

PartForces evaluatePartForces(const Module1& m, MemberPart part, const MemberOptions& o) {
    PartForces r;
    r.part = part;
    if (part == MemberPart::A) {
        const auto out = wallForcesA(wallInputOf(m, o));
        r.refusal = out.refusal, r.wallA = out.value, r.M = out.value.M_A, r.S = out.value.S_A;
    } else if (part == MemberPart::B) {
        const auto out = wallForcesB(wallInputOf(m, o));
        r.refusal = out.refusal, r.wallB = out.value, r.M = out.value.M_B, r.S = out.value.S_B;
    } else {
        evaluateSlab(m, part, r);
    }
    return r;
}

namespace {

// A refused part leaves 0 in its values, never those of an earlier run.
void storeForces(Module1& m, const PartForces& f, const MemberOptions& o) {
    const bool seismic = o.loadCase == CalcCase::Case_S;
    if (f.part == MemberPart::A) {
        storeA(m, f.wallA);
        if (f.ok() && seismic) storePieces(m, f.wallA.pieces);
    } else if (f.part == MemberPart::B) {
        storeB(m, f.wallB);
        if (f.ok() && seismic) storePieces(m, f.wallB.pieces);
    } else {
        if (spanPart(f.part)) {
            m.C1 = f.slab.span.C1, m.C21 = f.slab.span.C21;
            m.C22 = f.slab.span.C22, m.C2 = f.slab.span.C2;
        }
        storeComponents(m, f.part, f.slab);
    }
    const PartFields& fields = partFields(f.part);
    m.*fields.M = f.M;
    m.*fields.S = f.S;
}

size_t slotOf(MemberPart part) {
    return static_cast<size_t>(part);
}

// What a part is computed from, as the state holds it before the steps run.
DesignedPart inputsOf(const Module1& m, const MemberOptions& o) {
    DesignedPart d;
    d.options = o;
    d.wall = wallInputOf(m, o);
    d.slab = slabInputOf(m);
    d.Tau_0a = m.Tau_0a;
    return d;
}

}  // namespace

ForceRefusal computePartForces(Module1& m, MemberPart part, const MemberOptions& o) {
    const PartForces f = evaluatePartForces(m, part, o);
    storeForces(m, f, o);
    return f.refusal;
}

DesignedPart evaluateDesign(const Module1& m, MemberPart part, const MemberOptions& o) {
    DesignedPart d = inputsOf(m, o);
    d.forces = evaluatePartForces(m, part, o);
    if (d.forces.ok()) d.spacing = evaluateSpacing(m, d.forces, o);
    d.Tekkin = m.*partFields(part).Tekkin;
    return d;
}

DesignedPart designPart(Module1& m, MemberPart part, int listIndex, float coverMm,
                        const MemberOptions& o) {
    DesignedPart d = inputsOf(m, o);
    d.forces = evaluatePartForces(m, part, o);
    storeForces(m, d.forces, o);
    if (d.forces.ok()) d.spacing = computeSpacing(m, part, listIndex, coverMm, o);
    d.Tekkin = m.*partFields(part).Tekkin;
    if (d.designed())
        m.Designed_Parts[slotOf(part)] = d;
    else
        forgetDesign(m, part);
    return d;
}

const DesignedPart* designedPart(const Module1& m, MemberPart part) {
    const auto& kept = m.Designed_Parts[slotOf(part)];
    return kept ? &*kept : nullptr;
}

void forgetDesign(Module1& m, MemberPart part) {
    m.Designed_Parts[slotOf(part)].reset();
}

}  // namespace pelzaro::members
