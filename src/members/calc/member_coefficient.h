#pragma once
// Active earth-pressure coefficient of the member design, on the rear wall's back face leaning
// by Theta_Danmen, with the member wall friction angle. Coulomb's formula in the normal case
// and for wall inertia with normal earth pressure; Mononobe-Okabe for the seismic earth
// pressure, which with Kh = Kv = 0 gives the Coulomb value. Angles in degrees, converted with
// 3.14159; the formula is evaluated in double and the coefficient stored in single precision.

#include "members/calc/member_part.h"

namespace pelzaro::members {

struct CoefficientInput {
    float Phi = 0, Delta_Danmen = 0, Beta = 0, Theta_Danmen = 0;  // degrees
    float Kh = 0, Kv = 0;
};

enum class CoefficientFormula { None, Coulomb, MononobeOkabe };

// Coulomb for the normal case and for wall inertia with normal earth pressure; Mononobe-Okabe
// for the seismic earth pressure; none in a seismic case without a method.
CoefficientFormula coefficientFormula(CalcCase loadCase, SeismicMethod method);

enum class CoefficientRefusal {
    None,
    NoFormula,        // seismic case without a method: the coefficient stays as it is
    VerticalUnity,    // Kv = 1: no seismic composite angle
    UndefinedAngles,  // a zero cosine in a denominator or a negative root argument
};

struct Coefficient {
    float KA = 0;
    bool seismic = false;  // ThetaK below was computed (Mononobe-Okabe)
    float ThetaK_rad = 0;
    float ThetaK = 0;  // degrees
};

struct CoefficientOutcome {
    CoefficientRefusal refusal = CoefficientRefusal::None;
    Coefficient value;
    bool ok() const { return refusal == CoefficientRefusal::None; }
};

CoefficientOutcome memberCoefficient(const CoefficientInput& in, CoefficientFormula formula);

// The trigonometric terms the two formulas are built from, as a written derivation shows them:
// each angle combination is formed in degrees (single precision), converted with 3.14159 and
// evaluated in double. ThetaK is the seismic composite angle in degrees (0 for Coulomb).
struct CoefficientTerms {
    double c1 = 0;  // cos^2(phi - theta)
    double c2 = 0;  // cos^2(theta)
    double c3 = 0;  // cos(delta + theta)
    double c4 = 0;  // cos|theta - beta|
    double s1 = 0;  // sin(phi + delta)
    double s2 = 0;  // sin|phi - beta|
    double m1 = 0;  // cos^2(phi - theta - thetaK)
    double m2 = 0;  // sin|phi - beta - thetaK|
    double m3 = 0;  // cos(thetaK)
    double m4 = 0;  // cos(delta + theta + thetaK)
    float k1 = 0;   // 1 - Kv
};

CoefficientTerms coefficientTerms(const CoefficientInput& in, float ThetaK);

}  // namespace pelzaro::members
