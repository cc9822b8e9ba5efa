#include "members/calc/member_coefficient.h"

#include <gtest/gtest.h>

#include "close_to.h"

namespace pelzaro::members {
namespace {

CoefficientInput angles(float phi, float delta, float theta, float kh = 0, float kv = 0) {
    CoefficientInput in;
    in.Phi = phi;
    in.Delta_Danmen = delta;
    in.Theta_Danmen = theta;
    in.Kh = kh;
    in.Kv = kv;
    return in;
}

TEST(MemberCoefficient, FormulaByCaseAndSeismicMethod) {
    struct Case {
        CalcCase loadCase;
        SeismicMethod method;
        CoefficientFormula expected;
    };
    const Case cases[] = {
        {CalcCase::Case_N, SeismicMethod::Method_K1, CoefficientFormula::Coulomb},
        {CalcCase::Case_S, SeismicMethod::Method_K2, CoefficientFormula::Coulomb},
        {CalcCase::Case_S, SeismicMethod::Method_K1, CoefficientFormula::MononobeOkabe},
        {CalcCase::Case_S, SeismicMethod::Method_D1, CoefficientFormula::MononobeOkabe},
        {CalcCase::Case_S, SeismicMethod::None, CoefficientFormula::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(coefficientFormula(c.loadCase, c.method), c.expected)
            << static_cast<int>(c.loadCase) << "/" << static_cast<int>(c.method);
}

TEST(MemberCoefficient, CoulombAndMononobeOkabe) {
    struct Case {
        const char* why;
        CoefficientInput in;
        CoefficientFormula formula;
        double KA;
    };
    // Worked separately: cos²(φ-θ-θk)(1-kv) / (cos θk cos²θ cos(δ+θ+θk)(1 + √(...))²).
    const Case cases[] = {
        {"classical Coulomb, vertical face: φ 30, δ 20", angles(30, 20, 0),
         CoefficientFormula::Coulomb, 0.29731414996655936},
        {"Coulomb on a leaning face: φ 30, δ 15, θ 2", angles(30, 15, 2),
         CoefficientFormula::Coulomb, 0.3155815273992297},
        {"Mononobe-Okabe with Kh = Kv = 0 equals Coulomb", angles(30, 15, 2),
         CoefficientFormula::MononobeOkabe, 0.3155815273992297},
        {"Mononobe-Okabe, Kh 0.2", angles(30, 15, 2, 0.2f), CoefficientFormula::MononobeOkabe,
         0.46825584483625043},
        {"Mononobe-Okabe, Kh 0.2 and Kv 0.1", angles(30, 15, 0, 0.2f, 0.1f),
         CoefficientFormula::MononobeOkabe, 0.4264983566258841},
        {"seismic angle beyond φ: the root term vanishes", angles(10, 5, 0, 0.2f),
         CoefficientFormula::MononobeOkabe, 1.0620097751913584},
    };
    for (const Case& c : cases) {
        const CoefficientOutcome out = memberCoefficient(c.in, c.formula);
        ASSERT_TRUE(out.ok()) << c.why;
        EXPECT_CLOSE(out.value.KA, c.KA) << c.why;
    }
}

TEST(MemberCoefficient, SeismicBranchWritesTheCompositeAngle) {
    const CoefficientOutcome mo =
        memberCoefficient(angles(30, 15, 2, 0.2f), CoefficientFormula::MononobeOkabe);
    ASSERT_TRUE(mo.ok());
    EXPECT_TRUE(mo.value.seismic);
    EXPECT_CLOSE(mo.value.ThetaK_rad, 0.19739555984988078);
    EXPECT_CLOSE(mo.value.ThetaK, 11.30994202711956);
    EXPECT_FALSE(memberCoefficient(angles(30, 15, 2), CoefficientFormula::Coulomb).value.seismic);
}

TEST(MemberCoefficient, RefusesAnUndefinedCoefficient) {
    struct Case {
        const char* why;
        CoefficientInput in;
        CoefficientFormula formula;
        CoefficientRefusal expected;
    };
    const Case cases[] = {
        {"Kv = 1: no seismic angle", angles(30, 15, 0, 0.2f, 1.0f),
         CoefficientFormula::MononobeOkabe, CoefficientRefusal::VerticalUnity},
        {"negative root argument: sin(δ + φ) < 0", angles(30, -40, 0), CoefficientFormula::Coulomb,
         CoefficientRefusal::UndefinedAngles},
        {"seismic case without a method", angles(30, 15, 0), CoefficientFormula::None,
         CoefficientRefusal::NoFormula},
    };
    for (const Case& c : cases)
        EXPECT_EQ(memberCoefficient(c.in, c.formula).refusal, c.expected) << c.why;
}

}  // namespace
}  // namespace pelzaro::members
