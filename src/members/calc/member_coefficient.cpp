#include "members/calc/member_coefficient.h"

#include <cmath>

#include "conditions/earth_pressure.h"
#include "numeric/rounding.h"

namespace pelzaro::members {
namespace {

// The common shape of both formulas:
//   KA = f * cos^2(phi - theta - tk) /
//        (cos tk * cos^2 theta * cos(delta + theta + tk) * (1 + sqrt(root))^2),
//   root = sin(delta + phi) * s / (cos(delta + theta + tk) * cos|theta - beta|),
// with tk = 0 and f = 1 for Coulomb. s is given by the caller (0 where the back slope or the
// seismic angle exceeds the friction angle).
CoefficientOutcome evaluate(const CoefficientInput& in, double tk, double factor, double s) {
    const double phi = degToRad(in.Phi), delta = degToRad(in.Delta_Danmen);
    const double theta = degToRad(in.Theta_Danmen), beta = degToRad(in.Beta);
    const double cosWall = std::cos(delta + theta + tk);
    const double rootDen = cosWall * std::cos(std::fabs(theta - beta));
    CoefficientOutcome out;
    out.refusal = CoefficientRefusal::UndefinedAngles;
    if (rootDen == 0.0) return out;
    const double root = std::sin(delta + phi) * s / rootDen;
    if (root < 0.0) return out;
    const double one = 1.0 + std::sqrt(root);
    const double den = std::cos(tk) * std::pow(std::cos(theta), 2) * cosWall * one * one;
    if (den == 0.0) return out;
    const double ka = factor * std::pow(std::cos(phi - theta - tk), 2) / den;
    if (!fitsSingle(ka)) return out;
    out.refusal = CoefficientRefusal::None;
    out.value.KA = static_cast<float>(ka);
    return out;
}

CoefficientOutcome coulomb(const CoefficientInput& in) {
    const double s = coulombRootVanishes(in.Phi, in.Beta)
                         ? 0.0
                         : std::sin(std::fabs(degToRad(in.Phi - in.Beta)));
    return evaluate(in, 0.0, 1.0, s);
}

CoefficientOutcome mononobeOkabe(const CoefficientInput& in) {
    CoefficientOutcome out;
    if (in.Kv == 1.0f) {
        out.refusal = CoefficientRefusal::VerticalUnity;
        return out;
    }
    const float tkRad = static_cast<float>(std::atan(static_cast<double>(in.Kh) / (1.0 - in.Kv)));
    const float tkDeg = static_cast<float>(static_cast<double>(tkRad) * 180.0 / kPi);
    const double s =
        mononobeOkabeRootVanishes(in.Phi, in.Beta, tkDeg)
            ? 0.0
            : std::sin(std::fabs(degToRad(static_cast<double>(in.Phi) - in.Beta - tkDeg)));
    out = evaluate(in, degToRad(tkDeg), 1.0 - static_cast<double>(in.Kv), s);
    out.value.seismic = true;
    out.value.ThetaK_rad = tkRad;
    out.value.ThetaK = tkDeg;
    return out;
}

}  // namespace

CoefficientFormula coefficientFormula(CalcCase loadCase, SeismicMethod method) {
    if (loadCase == CalcCase::Case_N || method == SeismicMethod::Method_K2)
        return CoefficientFormula::Coulomb;
    if (method == SeismicMethod::Method_K1 || method == SeismicMethod::Method_D1)
        return CoefficientFormula::MononobeOkabe;
    return CoefficientFormula::None;
}

CoefficientTerms coefficientTerms(const CoefficientInput& in, float ThetaK) {
    auto rad = [](float degrees) { return degToRad(static_cast<double>(degrees)); };
    auto square = [](double v) { return v * v; };
    const float phi = in.Phi, theta = in.Theta_Danmen, delta = in.Delta_Danmen, beta = in.Beta;
    CoefficientTerms t;
    t.c1 = square(std::cos(rad(phi - theta)));
    t.c2 = square(std::cos(rad(theta)));
    t.c3 = std::cos(rad(delta + theta));
    t.c4 = std::cos(rad(std::fabs(theta - beta)));
    t.s1 = std::sin(rad(phi + delta));
    t.s2 = std::sin(rad(std::fabs(phi - beta)));
    t.m1 = square(std::cos(rad(phi - theta - ThetaK)));
    t.m2 = std::sin(rad(std::fabs(phi - beta - ThetaK)));
    t.m3 = std::cos(rad(ThetaK));
    t.m4 = std::cos(rad(delta + theta + ThetaK));
    t.k1 = 1.0f - in.Kv;
    return t;
}

CoefficientOutcome memberCoefficient(const CoefficientInput& in, CoefficientFormula formula) {
    switch (formula) {
        case CoefficientFormula::Coulomb:
            return coulomb(in);
        case CoefficientFormula::MononobeOkabe:
            return mononobeOkabe(in);
        case CoefficientFormula::None:
            break;
    }
    return CoefficientOutcome{CoefficientRefusal::NoFormula, {}};
}

}  // namespace pelzaro::members
