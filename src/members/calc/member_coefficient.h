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

}  // namespace pelzaro::members
