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
