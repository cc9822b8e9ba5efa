#include "members/calc/wall_forces.h"

#include <algorithm>
#include <cmath>

#include "numeric/rounding.h"
#include "numeric/single_store.h"

namespace pelzaro::members {
namespace {

using D = double;

// The surcharge inertia Kh * q acts at Hq_Danmen scaled by the share hs / (D + H) of the
// soil depth hs above the section; with no soil above the section the term vanishes. The
// moment is hs * (Kh * q) * share, in this order.
D surchargeInertiaA(const WallInput& in, D kq) {
    const D hs = (D(in.H4) + in.H_Haimen) / 2.0 - in.H4;
    const D depth = D(in.D_Teiban) + in.H_Haimen;
    if (!(hs > 0.0) || depth == 0.0) return 0.0;
    return hs * kq * (in.Hq_Danmen / depth);
}

float soilPressure(const WallInput& in, D depth, D c, SingleStore& st) {
    return st(depth * depth * (0.5 * in.KA_Danmen * in.Gamma_S) * c);
}

// Earth pressure of the back surcharge over a depth; a surcharge reduced by 5 kN/m2 below
// zero never pulls on the wall.
float surchargePressure(const WallInput& in, D depth, D c, SingleStore& st) {
    const D q = in.surchargeReducedBy5 ? D(in.Q_Haimen) - 5.0 : D(in.Q_Haimen);
    const D p = q * in.KA_Danmen * depth * c;
    if (in.surchargeReducedBy5 && !(p > 0.0)) return 0.0f;
    return st(p);
}

WallPieces piecesAbove(D h, D rectangle, D inner, D outer, SingleStore& st) {
    WallPieces p;
    p.A1_1 = st(h * rectangle);
    p.A1_2 = st(h * inner);
    p.A1_3 = st(h * outer);
    p.y1_1 = st(h / 2.0);
    p.y1_2 = st(h / 3.0);
    p.y1_3 = st(h / 3.0);
    return p;
}

// Centroid height of the wall pieces above the section; false for a wall without area.
bool wallCentroid(const WallPieces& p, float& y, SingleStore& st) {
    const D area = D(p.A1_2) + p.A1_1 + p.A1_3;
    if (area == 0.0) return false;
    y = st((D(p.y1_2) * p.A1_2 + D(p.y1_1) * p.A1_1 + D(p.y1_3) * p.A1_3) / area);
    return true;
}

// Back soil above the mid-height section, between the back ground surface and the section.
// A section at or above the ground surface (hs <= 0) has no soil above it.
void backSoilA(const WallInput& in, D hs, WallForcesA& f, SingleStore& st) {
    hs = std::max(hs, 0.0);
    const D nOut = in.N_Usiro_Out, bh = in.B_Haimen;
    const D widthAtGround = bh - nOut * in.H4 / (D(in.H4) + in.H_Haimen);
    f.A_Haimen_A = st((widthAtGround + (bh - nOut / 2.0)) * hs / 2.0);
    f.A_Haimen1_A = st((bh - nOut / 2.0) * hs);
    f.A_Haimen2_A = st(hs * (nOut / 2.0) / 2.0);
    f.y_Haimen1_A = st(hs / 2.0);
    f.y_Haimen2_A = st((hs + hs) / 3.0);
    const D area = D(f.A_Haimen1_A) + f.A_Haimen2_A;
    const D moment = D(f.A_Haimen1_A) * f.y_Haimen1_A + D(f.A_Haimen2_A) * f.y_Haimen2_A;
    f.y_Haimen_A = area == 0.0 ? 0.0f : st(moment / area);
    f.y2_A = f.y_Haimen_A;
}

ForceRefusal seismicPartA(const WallInput& in, WallForcesA& f, SingleStore& st) {
    if (D(in.H4) + in.H_Haimen == 0.0) return ForceRefusal::NoWallHeight;
    const D h = (D(in.H4) + in.H_Haimen) / 2.0;
    f.pieces =
        piecesAbove(h, in.T1_Usiro, in.N_Usiro_In / 2.0 / 2.0, in.N_Usiro_Out / 2.0 / 2.0, st);
    const WallPieces& p = f.pieces;
    f.W_A = st((D(p.A1_1) + p.A1_2 + p.A1_3) * in.Gamma_C);
    if (!wallCentroid(p, f.y_A, st)) return ForceRefusal::NoWallSection;
    backSoilA(in, h - in.H4, f, st);
    return ForceRefusal::None;
}

void designForcesA(const WallInput& in, WallForcesA& f, SingleStore& st) {
    const D half = in.H_Haimen / 2.0, kh = in.Kh;
    const D m0 = half * f.DeltaPAX_A / 2.0 + half * f.PAX_A / 3.0;
    const D s0 = D(f.DeltaPAX_A) + f.PAX_A;
    D m = m0, s = s0;
    if (in.loading == WallLoading::WithWallInertia) {
        m = m0 + kh * f.W_A * f.y_A;
        s = kh * f.W_A + s0;
    } else if (in.loading == WallLoading::WithAllInertia) {
        const D soil = D(f.A_Haimen_A) * in.Gamma_S * kh;
        const D kq = kh * in.Q_Haimen;
        m = surchargeInertiaA(in, kq) + m0 + kh * f.W_A * f.y_A + soil * f.y2_A;
        s = kh * f.W_A + s0 + soil + kh * in.Q_Haimen;
    }
    f.M_A = st(1e5 * m);
    f.S_A = st(1e3 * s);
}

ForceRefusal seismicPartB(const WallInput& in, WallForcesB& f, SingleStore& st) {
    const D h = D(in.H4) + in.H_Haimen;
    const D nIn = in.N_Usiro_In, nOut = in.N_Usiro_Out;
    f.W_B = st(((nOut + nIn) * h / 2.0 + h * in.T1_Usiro) * in.Gamma_C);
    f.pieces = piecesAbove(h, in.T1_Usiro, nIn / 2.0, nOut / 2.0, st);
    if (!wallCentroid(f.pieces, f.y_B, st)) return ForceRefusal::NoWallSection;
    f.y2_B = st(D(in.Y7) - in.D_Teiban);
    return ForceRefusal::None;
}

void designForcesB(const WallInput& in, WallForcesB& f, SingleStore& st) {
    const D H = in.H_Haimen, kh = in.Kh;
    const D m0 = f.DeltaPAX_B * H / 2.0 + f.PAX_B * H / 3.0;
    const D s0 = D(f.DeltaPAX_B) + f.PAX_B;
    D m = m0, s = s0;
    if (in.loading == WallLoading::WithWallInertia) {
        m = m0 + kh * f.W_B * f.y_B;
        s = kh * f.W_B + s0;
    } else if (in.loading == WallLoading::WithAllInertia) {
        const D soil = D(in.A7) * in.Gamma_S * kh;
        const D kq = kh * in.Q_Haimen;
        m = m0 + kh * f.W_B * f.y_B + soil * f.y2_B + surchargeInertiaArmB(in) * kq;
        s = kh * f.W_B + s0 + soil + kq;
    }
    f.M_B = st(1e5 * m);
    f.S_B = st(1e3 * s);
}

template <class T>
ForceOutcome<T> refused(ForceRefusal why) {
    return ForceOutcome<T>{why, T{}};
}

}  // namespace

// Horizontal component of the earth pressure on the leaning back face.
double earthPressureCosine(const WallInput& in) {
    return std::cos(degToRad(D(in.Theta_Danmen) + in.Delta_Danmen));
}

double surchargeInertiaArmA(const WallInput& in) {
    return surchargeInertiaA(in, 1.0);
}

double surchargeInertiaArmB(const WallInput& in) {
    return D(in.Hq_Danmen) - in.D_Teiban;
}

ForceOutcome<WallForcesA> wallForcesA(const WallInput& in) {
    SingleStore st;
    WallForcesA f;
    const D c = earthPressureCosine(in);
    f.PAX_A = soilPressure(in, in.H_Haimen / 2.0, c, st);
    f.DeltaPAX_A = surchargePressure(in, in.H_Haimen / 2.0, c, st);
    if (in.seismic) {
        const ForceRefusal why = seismicPartA(in, f, st);
        if (why != ForceRefusal::None) return refused<WallForcesA>(why);
    }
    if (in.loading == WallLoading::WithAllInertia && D(in.D_Teiban) + in.H_Haimen == 0.0)
        return refused<WallForcesA>(ForceRefusal::NoWallHeight);
    designForcesA(in, f, st);
    if (!st.ok()) return refused<WallForcesA>(ForceRefusal::NotFinite);
    return ForceOutcome<WallForcesA>{ForceRefusal::None, f};
}

ForceOutcome<WallForcesB> wallForcesB(const WallInput& in) {
    SingleStore st;
    WallForcesB f;
    const D c = earthPressureCosine(in);
    f.PAX_B = soilPressure(in, in.H_Haimen, c, st);
    f.DeltaPAX_B = surchargePressure(in, in.H_Haimen, c, st);
    if (in.seismic) {
        const ForceRefusal why = seismicPartB(in, f, st);
        if (why != ForceRefusal::None) return refused<WallForcesB>(why);
    }
    designForcesB(in, f, st);
    if (!st.ok()) return refused<WallForcesB>(ForceRefusal::NotFinite);
    return ForceOutcome<WallForcesB>{ForceRefusal::None, f};
}

}  // namespace pelzaro::members
