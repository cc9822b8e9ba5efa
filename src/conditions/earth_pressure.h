#pragma once
// Active earth-pressure coefficient (Coulomb; Mononobe-Okabe for seismic earth pressure), the
// seismic composite angle, the wall friction angle on the virtual back face and the base
// friction coefficient. Angles in degrees, converted with 3.14159; every named term is rounded
// to single precision before a later step reads it. Each function refuses instead of
// returning a value that is not finite or that a zero divisor or a negative root would make.

namespace pelzaro {

enum class CalcRefusal {
    None,
    KvAtLeastOne,    // 1 - Kv is the divisor of the composite angle and a factor of KAE
    AngleSumAt90,    // delta + theta (+ thetaK) at 90 degrees or beyond
    NegativeRoot,    // the root of the Coulomb term would be negative
    PhiZero,         // sin(phi) is the divisor of the auxiliary angle
    NoWallFriction,  // the auxiliary angle or tan(delta) has no real value
    NotFinite,       // the result lies beyond single precision
};

struct EarthPressureTerms {
    float KA_Num = 0, KA_Cos2Theta = 0, KA_CosThetaDelta = 0, KA_SinPhiDelta = 0, KA_SinPhiBeta = 0,
          KA_CosThetaDelta2 = 0, KA_CosThetaBeta = 0, KA_CosThetaK = 0;
    float KA = 0;
};

struct EarthPressureOutcome {
    CalcRefusal refusal = CalcRefusal::None;
    EarthPressureTerms value;
};

struct SeismicAngleOutcome {
    CalcRefusal refusal = CalcRefusal::None;
    float ThetaK_rad = 0;  // atan(Kh / (1 - Kv))
    float ThetaK = 0;      // degrees
};

struct WallFrictionTerms {
    float Sin_DDelta = 0, DDelta_rad = 0, DDelta = 0, Tan_Delta = 0, Delta_rad = 0, Delta = 0;
};

struct WallFrictionOutcome {
    CalcRefusal refusal = CalcRefusal::None;
    WallFrictionTerms value;
};

struct BaseFrictionOutcome {
    CalcRefusal refusal = CalcRefusal::None;
    float Mu = 0;
};

// The trigonometric terms of the Coulomb coefficient in double precision, before the
// calculation rounds them for the design state; the report prints them from here too.
struct CoulombTrig {
    double cos2PhiTheta;   // cos^2(phi - theta)
    double sinPhiDelta;    // sin(phi + delta)
    double sinPhiBeta;     // sin|phi - beta|
    double cos2Theta;      // cos^2(theta)
    double cosThetaDelta;  // cos(theta + delta)
    double cosThetaBeta;   // cos|theta - beta|
};
CoulombTrig coulombTrig(float phi, float delta, float beta, float theta);
// Ground steeper than the friction angle: no sliding wedge, the root term is left out.
inline bool coulombRootVanishes(float phi, float beta) {
    return phi < beta;
}

// The same for Mononobe-Okabe; the factor (1 - Kv) is the caller's.
struct MononobeOkabeTrig {
    double cos2PhiThetaThetaK;   // cos^2(phi - theta - thetaK)
    double sinPhiBetaThetaK;     // sin|phi - beta - thetaK|
    double sinPhiDelta;          // sin(phi + delta)
    double cosThetaK;            // cos(thetaK)
    double cos2Theta;            // cos^2(theta)
    double cosDeltaThetaThetaK;  // cos(delta + theta + thetaK)
    double cosThetaBeta;         // cos|theta - beta|
};
MononobeOkabeTrig mononobeOkabeTrig(float phi, float delta, float beta, float theta, float ThetaK);
// Ground angle plus composite angle, summed in single precision as the rules compare it.
float slopeAndQuakeAngle(float beta, float ThetaK);
// The sum beyond phi: the root term is left out.
bool mononobeOkabeRootVanishes(float phi, float beta, float ThetaK);
// The sum at or beyond phi: the wall friction angle on the virtual back face is phi itself,
// without its derivation.
bool frictionAngleIsPhi(float phi, float beta, float ThetaK);

// The terms of the wall friction angle on the virtual back face, in double precision: first
// those that give the auxiliary angle DDelta, then those of tan(delta) with DDelta in degrees
// as stored.
struct AuxiliaryAngleTrig {
    double sinBetaThetaK;  // sin(beta + thetaK)
    double sinPhi;         // sin(phi)
};
AuxiliaryAngleTrig auxiliaryAngleTrig(float ThetaK, float beta, float phi);
struct WallFrictionSumTrig {
    double sinSum;  // sin(thetaK + DDelta - beta)
    double cosSum;  // cos(thetaK + DDelta - beta)
};
WallFrictionSumTrig wallFrictionSumTrig(float ThetaK, float DDelta, float beta);

SeismicAngleOutcome seismicAngle(float Kh, float Kv);

EarthPressureOutcome coulomb(float phi, float delta, float beta, float theta);

// The (1 - Kv) factor stands in the numerator: the coefficient already holds the vertical
// seismic coefficient. ThetaK is the stored composite angle in degrees.
EarthPressureOutcome mononobeOkabe(float phi, float delta, float beta, float theta, float Kv,
                                   float ThetaK);

// Wall friction angle on the virtual back face in the seismic case, from the composite angle.
WallFrictionOutcome wallFriction(float ThetaK, float beta, float phi);

// Friction coefficient between base and ground: mu = tan(phiB).
BaseFrictionOutcome baseFriction(float phiB);

}  // namespace pelzaro
