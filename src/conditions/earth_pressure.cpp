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

EarthPressureOutcome coulomb(float phi, float delta, float beta, float theta) {
    EarthPressureOutcome out;
    if (!(single(double(delta) + theta) < 90.0f)) {
        out.refusal = CalcRefusal::AngleSumAt90;
        return out;
    }
    EarthPressureTerms& t = out.value;
    t.KA_Num = single(cos2(double(phi) - theta));
    t.KA_Cos2Theta = single(cos2(theta));
    t.KA_CosThetaDelta = single(std::cos(rad(double(delta) + theta)));
    t.KA_SinPhiDelta = single(std::sin(rad(double(delta) + phi)));
    t.KA_SinPhiBeta = phi < beta ? 0.0f : single(std::sin(rad(std::fabs(double(phi) - beta))));
    t.KA_CosThetaDelta2 = single(std::cos(rad(double(delta) + theta)));
    t.KA_CosThetaBeta = single(std::cos(rad(std::fabs(double(theta) - beta))));
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
    EarthPressureTerms& t = out.value;
    t.KA_Num = single((1.0 - Kv) * cos2(double(phi) - theta - ThetaK));
    t.KA_CosThetaK = single(std::cos(rad(ThetaK)));
    t.KA_Cos2Theta = single(cos2(theta));
    t.KA_CosThetaDelta = single(std::cos(rad(double(delta) + theta + ThetaK)));
    t.KA_SinPhiDelta = single(std::sin(rad(double(delta) + phi)));
    // Ground angle plus composite angle beyond phi: no sliding wedge term, the root vanishes.
    bool beyond = single(double(beta) + ThetaK) > phi;
    t.KA_SinPhiBeta = beyond ? 0.0f : single(std::sin(rad(std::fabs(double(phi) - beta - ThetaK))));
    t.KA_CosThetaDelta2 = single(std::cos(rad(double(delta) + theta + ThetaK)));
    t.KA_CosThetaBeta = single(std::cos(rad(std::fabs(double(theta) - beta))));
    double product = double(t.KA_CosThetaK) * t.KA_Cos2Theta * t.KA_CosThetaDelta;
    out.refusal = finishKA(t, product);
    return out;
}

WallFrictionOutcome wallFriction(float ThetaK, float beta, float phi) {
    WallFrictionOutcome out;
    WallFrictionTerms& w = out.value;
    double sinPhi = std::sin(rad(phi));
    if (std::fabs(sinPhi) < 1e-9) {
        out.refusal = CalcRefusal::PhiZero;
        return out;
    }
    w.Sin_DDelta = single(std::sin(rad(double(ThetaK) + beta)) / sinPhi);
    double cosDD = 1.0 - double(w.Sin_DDelta) * w.Sin_DDelta;
    if (!(cosDD > 0.0) || !fitsSingle(w.Sin_DDelta)) {
        out.refusal = CalcRefusal::NoWallFriction;
        return out;
    }
    w.DDelta_rad = single(std::atan(w.Sin_DDelta / std::sqrt(cosDD)));
    w.DDelta = single(radToDeg(w.DDelta_rad));
    double angle = rad(double(w.DDelta) + ThetaK - beta);
    double denominator = 1.0 - sinPhi * std::cos(angle);
    if (std::fabs(denominator) < 1e-9) {
        out.refusal = CalcRefusal::NoWallFriction;
        return out;
    }
    w.Tan_Delta = single(sinPhi * std::sin(angle) / denominator);
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
