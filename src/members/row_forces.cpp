#include "members/row_forces.h"

#include "forms/app.h"
#include "members/calc/slab_forces.h"
#include "members/page_context.h"
#include "members/part_vars.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
using namespace members;

WallInput wallInput(App& app) {
    const Module1& m = app.m;
    const MemberOptions o = memberOptions(app);
    WallInput in;
    in.H_Haimen = m.H_Haimen;
    in.H4 = m.H4;
    in.T1_Usiro = m.T1_Usiro;
    in.N_Usiro_In = m.N_Usiro_In;
    in.N_Usiro_Out = m.N_Usiro_Out;
    in.B_Haimen = m.B_Haimen;
    in.D_Teiban = m.D_Teiban;
    in.Q_Haimen = m.Q_Haimen;
    in.A7 = m.A7;
    in.Y7 = m.Y7;
    in.Gamma_S = m.Gamma_S;
    in.Gamma_C = m.Gamma_C;
    in.Kh = m.Kh;
    in.KA_Danmen = m.KA_Danmen;
    in.Delta_Danmen = m.Delta_Danmen;
    in.Theta_Danmen = m.Theta_Danmen;
    in.Hq_Danmen = m.Hq_Danmen;
    in.seismic = o.loadCase == LoadCase::Seismic;
    in.loading = wallLoading(o);
    in.surchargeReducedBy5 = o.surchargeReducedBy5;
    return in;
}

SlabInput slabInput(const Module1& m) {
    SlabInput in;
    in.B = m.B;
    in.e = m.e;
    in.Sigma_max = m.Sigma_max;
    in.Xn = m.Xn;
    in.B_Tumasaki = m.B_Tumasaki;
    in.T2_Mae = m.T2_Mae;
    in.B_Tyuuou = m.B_Tyuuou;
    in.T2_Usiro = m.T2_Usiro;
    in.B_Kakato = m.B_Kakato;
    in.VP = m.VP;
    in.V1 = m.V1;
    in.V2 = m.V2;
    in.V3 = m.V3;
    in.V4 = m.V4;
    in.V5 = m.V5;
    in.VR = m.VR;
    in.W1 = m.W1;
    in.W2 = m.W2;
    in.W3 = m.W3;
    in.W4 = m.W4;
    in.W5 = m.W5;
    in.H0 = m.H0;
    in.P_Tokki = m.P_Tokki;
    return in;
}

void storeWallA(Module1& m, const WallForcesA& f) {
    m.PAX_A = f.PAX_A;
    m.DeltaPAX_A = f.DeltaPAX_A;
    m.W_A = f.W_A;
    m.y_A = f.y_A;
    m.A_Haimen_A = f.A_Haimen_A;
    m.A_Haimen1_A = f.A_Haimen1_A;
    m.A_Haimen2_A = f.A_Haimen2_A;
    m.y_Haimen1_A = f.y_Haimen1_A;
    m.y_Haimen2_A = f.y_Haimen2_A;
    m.y_Haimen_A = f.y_Haimen_A;
    m.y2_A = f.y2_A;
    m.M_A = f.M_A;
    m.S_A = f.S_A;
}

void storeWallB(Module1& m, const WallForcesB& f) {
    m.PAX_B = f.PAX_B;
    m.DeltaPAX_B = f.DeltaPAX_B;
    m.W_B = f.W_B;
    m.y_B = f.y_B;
    m.y2_B = f.y2_B;
    m.M_B = f.M_B;
    m.S_B = f.S_B;
}

// The fixed-end moments of the clear span are shared by parts C, D and E.
void storeSpan(Module1& m, const SpanMoments& s) {
    m.C1 = s.C1;
    m.C21 = s.C21;
    m.C22 = s.C22;
    m.C2 = s.C2;
}

void storeCantilever(const SlabPartForces& f, float& M1, float& S1, float& M2, float& S2) {
    M1 = f.M1;
    S1 = f.S1;
    M2 = f.M2;
    S2 = f.S2;
}

void storeSlabPart(Module1& m, char letter, const SlabPartForces& f) {
    PartVars v = partVars(m, letter);
    v.M = f.M;
    v.S = f.S;
    if (letter == 'C' || letter == 'D' || letter == 'E') storeSpan(m, f.span);
    switch (letter) {
        case 'C':
            m.M1_C = f.M1;
            m.M2_C = f.M2;
            break;
        case 'D':
            storeCantilever(f, m.M1_D, m.S1_D, m.M2_D, m.S2_D);
            break;
        case 'E':
            storeCantilever(f, m.M1_E, m.S1_E, m.M2_E, m.S2_E);
            break;
        case 'F':
            storeCantilever(f, m.M1_F, m.S1_F, m.M2_F, m.S2_F);
            break;
        case 'G':
            storeCantilever(f, m.M1_G, m.S1_G, m.M2_G, m.S2_G);
            break;
        default:
            break;
    }
}

MemberPart partOf(char letter) {
    static constexpr char kLetters[] = "ABCDEFGH";
    for (int i = 0; i < 8; ++i) {
        if (kLetters[i] == letter) return kAllParts[i];
    }
    return MemberPart::A;
}

ForceRefusal refuse(Module1& m, char letter, ForceRefusal why) {
    PartVars v = partVars(m, letter);
    v.M = 0.0f;
    v.S = 0.0f;
    return why;
}
}  // namespace

ForceRefusal computePartForces(App& app, char letter) {
    Module1& m = app.m;
    if (letter == 'A' || letter == 'B') {
        const WallInput in = wallInput(app);
        if (letter == 'A') {
            auto out = wallForcesA(in);
            if (!out.ok()) return refuse(m, letter, out.refusal);
            storeWallA(m, out.value);
        } else {
            auto out = wallForcesB(in);
            if (!out.ok()) return refuse(m, letter, out.refusal);
            storeWallB(m, out.value);
        }
        return ForceRefusal::None;
    }
    auto out = slabForces(partOf(letter), slabInput(m));
    if (!out.ok()) return refuse(m, letter, out.refusal);
    storeSlabPart(m, letter, out.value);
    return ForceRefusal::None;
}

}  // namespace pelzaro
