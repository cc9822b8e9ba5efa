#include "conditions/earth_pressure.h"

#include <cmath>

#include "numeric/rounding.h"

namespace pelzaro {

namespace {

float single(double v) {
    return static_cast<float>(v);
}
double rad(double degrees) {
    return degToRad(degrees);
}
double cos2(double degrees) {
    return std::pow(std::cos(rad(degrees)), 2);
}

// KA = num / ((1 + root)^2 * product), root = sqrt(sinPhiBeta * sinPhiDelta / (cosThetaBeta *
// cosThetaDelta2)). The caller has ruled out a zero cosine of the angle sum.
CalcRefusal finishKA(EarthPressureTerms& t, double product) {
    double under = double(t.KA_SinPhiBeta) * t.KA_SinPhiDelta /
                   (double(t.KA_CosThetaBeta) * t.KA_CosThetaDelta2);
    if (!(under >= 0.0)) return CalcRefusal::NegativeRoot;
    double ka = t.KA_Num / (std::pow(1.0 + std::sqrt(under), 2) * product);
    if (!fitsSingle(ka)) return CalcRefusal::NotFinite;
    t.KA = single(ka);
    return CalcRefusal::None;
}

}  // namespace

SeismicAngleOutcome seismicAngle(float Kh, float Kv) {
    SeismicAngleOutcome out;
    // Kv of 1 or more has no composite angle (and would turn the coefficient's sign).
    if (!(Kv < 1.0f)) {
        out.refusal = CalcRefusal::KvAtLeastOne;
        return out;
    }
    out.ThetaK_rad = single(std::atan(double(Kh) / (1.0 - Kv)));
    out.ThetaK = single(radToDeg(out.ThetaK_rad));
    return out;
}

CoulombTrig coulombTrig(float phi, float delta, float beta, float theta) {
    CoulombTrig t;
    t.cos2PhiTheta = cos2(double(phi) - theta);
    t.sinPhiDelta = std::sin(rad(double(delta) + phi));
    t.sinPhiBeta = std::sin(rad(std::fabs(double(phi) - beta)));
    t.cos2Theta = cos2(theta);
    t.cosThetaDelta = std::cos(rad(double(delta) + theta));
    t.cosThetaBeta = std::cos(rad(std::fabs(double(theta) - beta)));
    return t;
}

MononobeOkabeTrig mononobeOkabeTrig(float phi, float delta, float beta, float theta, float ThetaK) {
    MononobeOkabeTrig t;
    t.cos2PhiThetaThetaK = cos2(double(phi) - theta - ThetaK);
    t.sinPhiBetaThetaK = std::sin(rad(std::fabs(double(phi) - beta - ThetaK)));
    t.sinPhiDelta = std::sin(rad(double(delta) + phi));
    t.cosThetaK = std::cos(rad(ThetaK));
    t.cos2Theta = cos2(theta);
    t.cosDeltaThetaThetaK = std::cos(rad(double(delta) + theta + ThetaK));
    t.cosThetaBeta = std::cos(rad(std::fabs(double(theta) - beta)));
    return t;
}

float slopeAndQuakeAngle(float beta, float ThetaK) {
    return single(double(beta) + ThetaK);
}

bool mononobeOkabeRootVanishes(float phi, float beta, float ThetaK) {
    return slopeAndQuakeAngle(beta, ThetaK) > phi;
}

bool frictionAngleIsPhi(float phi, float beta, float ThetaK) {
    return !(slopeAndQuakeAngle(beta, ThetaK) < phi);
}

AuxiliaryAngleTrig auxiliaryAngleTrig(float ThetaK, float beta, float phi) {
    return AuxiliaryAngleTrig{std::sin(rad(double(ThetaK) + beta)), std::sin(rad(phi))};
}

WallFrictionSumTrig wallFrictionSumTrig(float ThetaK, float DDelta, float beta) {
    const double sum = rad(double(DDelta) + ThetaK - beta);
    return WallFrictionSumTrig{std::sin(sum), std::cos(sum)};
}

EarthPressureOutcome coulomb(float phi, float delta, float beta, float theta) {
    EarthPressureOutcome out;
    if (!(single(double(delta) + theta) < 90.0f)) {
        out.refusal = CalcRefusal::AngleSumAt90;
        return out;
    }
    const CoulombTrig trig = coulombTrig(phi, delta, beta, theta);
    EarthPressureTerms& t = out.value;
    t.KA_Num = single(trig.cos2PhiTheta);
    t.KA_Cos2Theta = single(trig.cos2Theta);
    t.KA_CosThetaDelta = single(trig.cosThetaDelta);
    t.KA_SinPhiDelta = single(trig.sinPhiDelta);
    t.KA_SinPhiBeta = coulombRootVanishes(phi, beta) ? 0.0f : single(trig.sinPhiBeta);
    t.KA_CosThetaDelta2 = single(trig.cosThetaDelta);
    t.KA_CosThetaBeta = single(trig.cosThetaBeta);
    out.refusal = finishKA(t, double(t.KA_CosThetaDelta) * t.KA_Cos2Theta);
    return out;
}

EarthPressureOutcome mononobeOkabe(float phi, float delta, float beta, float theta, float Kv,
                                   float ThetaK) {
    EarthPressureOutcome out;
    if (!(Kv < 1.0f)) {
        out.refusal = CalcRefusal::KvAtLeastOne;
        return out;
    }
    if (!(single(double(delta) + theta + ThetaK) < 90.0f)) {
        out.refusal = CalcRefusal::AngleSumAt90;
        return out;
    }
    const MononobeOkabeTrig trig = mononobeOkabeTrig(phi, delta, beta, theta, ThetaK);
    EarthPressureTerms& t = out.value;
    t.KA_Num = single((1.0 - Kv) * trig.cos2PhiThetaThetaK);
    t.KA_CosThetaK = single(trig.cosThetaK);
    t.KA_Cos2Theta = single(trig.cos2Theta);
    t.KA_CosThetaDelta = single(trig.cosDeltaThetaThetaK);
    t.KA_SinPhiDelta = single(trig.sinPhiDelta);
    // Ground angle plus composite angle beyond phi: no sliding wedge term, the root vanishes.
    t.KA_SinPhiBeta =
        mononobeOkabeRootVanishes(phi, beta, ThetaK) ? 0.0f : single(trig.sinPhiBetaThetaK);
    t.KA_CosThetaDelta2 = single(trig.cosDeltaThetaThetaK);
    t.KA_CosThetaBeta = single(trig.cosThetaBeta);
    double product = double(t.KA_CosThetaK) * t.KA_Cos2Theta * t.KA_CosThetaDelta;
    out.refusal = finishKA(t, product);
    return out;
}

WallFrictionOutcome wallFriction(float ThetaK, float beta, float phi) {
    WallFrictionOutcome out;
    WallFrictionTerms& w = out.value;
    const AuxiliaryAngleTrig aux = auxiliaryAngleTrig(ThetaK, beta, phi);
    const double sinPhi = aux.sinPhi;
    if (std::fabs(sinPhi) < 1e-9) {
        out.refusal = CalcRefusal::PhiZero;
        return out;
    }
    w.Sin_DDelta = single(aux.sinBetaThetaK / sinPhi);
    double cosDD = 1.0 - double(w.Sin_DDelta) * w.Sin_DDelta;
    if (!(cosDD > 0.0) || !fitsSingle(w.Sin_DDelta)) {
        out.refusal = CalcRefusal::NoWallFriction;
        return out;
    }
    w.DDelta_rad = single(std::atan(w.Sin_DDelta / std::sqrt(cosDD)));
    w.DDelta = single(radToDeg(w.DDelta_rad));
    const WallFrictionSumTrig trig = wallFrictionSumTrig(ThetaK, w.DDelta, beta);
    double denominator = 1.0 - sinPhi * trig.cosSum;
    if (std::fabs(denominator) < 1e-9) {
        out.refusal = CalcRefusal::NoWallFriction;
        return out;
    }
    w.Tan_Delta = single(sinPhi * trig.sinSum / denominator);
    if (!fitsSingle(w.Tan_Delta)) {
        out.refusal = CalcRefusal::NotFinite;
        return out;
    }
    w.Delta_rad = single(std::atan(w.Tan_Delta));
    w.Delta = single(radToDeg(w.Delta_rad));
    return out;
}

BaseFrictionOutcome baseFriction(float phiB) {
    BaseFrictionOutcome out;
    double mu = std::tan(rad(phiB));
    if (!fitsSingle(mu)) {
        out.refusal = CalcRefusal::NotFinite;
        return out;
    }
    out.Mu = single(mu);
    return out;
}

}  // namespace pelzaro
