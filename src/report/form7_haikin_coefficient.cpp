// The earth-pressure coefficient of the member design as the chapter page derives it: typed,
// Rankine's formula, Coulomb's formula or the seismic (Mononobe-Okabe) formula, each first in
// symbols, then with the angles substituted, then with the trigonometric values, ending with
// the coefficient. The fractions stand at fixed positions on the page; root signs, brackets
// and the seismic fraction bars are drawn segments.

#include <string>
#include <vector>

#include "conditions/earth_pressure.h"
#include "members/calc/member_coefficient.h"
#include "members/calc/member_state.h"
#include "members/calc/refusal_messages.h"
#include "report/coefficient_strokes.h"
#include "report/conventions.h"
#include "report/form7_haikin_parts.h"
#include "report/form7_haikin_texts.h"
#include "report/report_context.h"

namespace pelzaro::haikin {
namespace {

struct Placed {
    double x, y;
    std::vector<std::string> pieces;
};
void draw(Surface& pri, const std::vector<Placed>& texts) {
    for (const Placed& p : texts) {
        pri.CurrentX(p.x);
        pri.CurrentY(p.y);
        pri.Print(p.pieces);
    }
}

void rankine(Surface& pri, const Module1& m) {
    pri.Print({kRankine1});
    pri.Print({kRankine2});
    pri.Print({kRankine3, Num(m.Phi, "0.00"), kRankine3End});
    const float half = 45.0f - m.Phi / 2.0f;
    pri.Print({kRankine4, Num(half, "0.00"), kRankine4End});
    pri.Print({kRankine5, Num(m.KA_Danmen, "0.000")});
}

void coulomb(Surface& pri, const Module1& m, const members::CoefficientTerms& t) {
    draw(pri, {
                  {1200, 10100, {"主働土圧係数"}},
                  {3800, 10300, {"cos^2(φ－θ）"}},
                  {1300, 10500, {"KA=──────────────────────────"}},
                  {4550, 10750, {"sin(φ＋δ)sin(φ－β)"}},
                  {7300, 10750, {"2"}},
                  {1700, 10950, {"cos^2θcos(θ＋δ)"}},
                  {3875, 10950, {"1＋"}},
                  {4450, 10950, {"──────────── "}},
                  {4550, 11150, {"cos(θ＋δ)cos(θ－β)"}},
              });
    drawStrokes(pri, coulombStrokes().symbolic, 0, 8600);
    draw(pri, {
                  {5100, 11450, {"cos^2(", degrees(m.Phi), "ﾟ－", degrees(m.Theta_Danmen), "ﾟ)"}},
                  {1500, 11650, {"=────────────────────────────────────────────"}},
                  {6400,
                   11900,
                   {"sin(", degrees(m.Phi), "ﾟ＋", degrees(m.Delta_Danmen), "ﾟ)×sin(",
                    degrees(m.Phi), "ﾟ－", degrees(m.Beta), "ﾟ)"}},
                  {11150, 11900, {"2"}},
                  {1700,
                   12100,
                   {"cos^2(", degrees(m.Theta_Danmen), "ﾟ)×cos(", degrees(m.Theta_Danmen), "ﾟ＋",
                    degrees(m.Delta_Danmen), "ﾟ)×"}},
                  {5775, 12100, {"1＋"}},
                  {6300, 12100, {"───────────────────── "}},
                  {6400,
                   12300,
                   {"cos(", degrees(m.Theta_Danmen), "ﾟ＋", degrees(m.Delta_Danmen), "ﾟ)×cos(",
                    degrees(m.Theta_Danmen), "ﾟ－", degrees(m.Beta), "ﾟ)"}},
              });
    drawStrokes(pri, coulombStrokes().substituted, 0, 8600);
    if (!coulombRootVanishes(m.Phi, m.Beta)) {
        draw(pri, {
                      {3500, 12600, {term(t.c1)}},
                      {1500, 12800, {"=─────────────────────"}},
                      {4350, 13050, {term(t.s1), "×", term(t.s2)}},
                      {6250, 13050, {"2"}},
                      {1700, 13250, {term(t.c2), "×", term(t.c3), "×"}},
                      {3675, 13250, {"1＋"}},
                      {4250, 13250, {"────────"}},
                      {4350, 13450, {term(t.c3), "×", term(t.c4)}},
                      {1500, 13750, {"=", Num(m.KA_Danmen, "0.000")}},
                  });
        drawStrokes(pri, coulombStrokes().evaluated, 0, 8600);
    } else {
        // The back slope is steeper than the friction angle: the root term is left out.
        draw(pri, {
                      {2150, 12600, {term(t.c1)}},
                      {1500, 12800, {"=────────"}},
                      {1700, 13000, {term(t.c2), "×", term(t.c3)}},
                      {1500, 13300, {"=", Num(m.KA_Danmen, "0.000")}},
                  });
    }
}

void mononobeOkabe(Surface& pri, const Module1& m, const members::CoefficientTerms& t) {
    draw(pri, {
                  {1400, 10100, {"水平震度Kh=", degrees(m.Kh), "    鉛直震度Kv=", degrees(m.Kv)}},
                  {1400,
                   10300,
                   {"地震合成角θk=Atn{Kh/(1－Kv)}", "=", "Atn{", degrees(m.Kh), "/(1－",
                    degrees(m.Kv), ")}=", degrees(m.ThetaK), "ﾟ"}},
                  {1400, 10900, {"地震時主働土圧係数"}},
              });
    pri.FontSize(9);
    draw(pri, {
                  {3600, 11150, {"(1－Kv)cos^2(φ－θ－θk）"}},
                  {950, 11320, {"ＫAE="}},
                  {5020, 11550, {"sin(φ－β－θk)sin(φ＋δ)"}},
                  {7770, 11550, {"2"}},
                  {1500, 11750, {"cosθk cos^2θcos(δ＋θ＋θk)"}},
                  {4345, 11750, {"1＋"}},
                  {5020, 11950, {"cos(δ＋θ＋θk)cos(θ－β)"}},
              });
    drawStrokes(pri, mononobeOkabeStrokes().symbolic, -200, 8800);
    draw(pri, {
                  {4600,
                   12300,
                   {"(1－", degrees(m.Kv), ")×cos^2(", degrees(m.Phi), "ﾟ－",
                    degrees(m.Theta_Danmen), "ﾟ－", degrees(m.ThetaK), "ﾟ)"}},
                  {1030, 12470, {"="}},
                  {6700,
                   12700,
                   {"sin(", degrees(m.Phi), "ﾟ－", degrees(m.Beta), "ﾟ－", degrees(m.ThetaK),
                    "ﾟ)×sin(", degrees(m.Phi), "ﾟ＋", degrees(m.Delta_Danmen), "ﾟ)"}},
                  {11200, 12700, {"2"}},
                  {1230,
                   12900,
                   {"cos", degrees(m.ThetaK), "ﾟ×cos^2(", degrees(m.Theta_Danmen), "ﾟ)×cos(",
                    degrees(m.Delta_Danmen), "ﾟ＋", degrees(m.Theta_Danmen), "ﾟ＋",
                    degrees(m.ThetaK), "ﾟ)×"}},
                  {6075, 12900, {"1＋"}},
                  {6700,
                   13100,
                   {"cos(", degrees(m.Delta_Danmen), "ﾟ＋", degrees(m.Theta_Danmen), "ﾟ＋",
                    degrees(m.ThetaK), "ﾟ)×cos(", degrees(m.Theta_Danmen), "ﾟ－", degrees(m.Beta),
                    "ﾟ)"}},
              });
    drawStrokes(pri, mononobeOkabeStrokes().substituted, -200, 8800);
    if (!mononobeOkabeRootVanishes(m.Phi, m.Beta, m.ThetaK)) {
        draw(pri, {
                      {3030, 13450, {Num(t.k1, "0.00"), "×", term(t.m1)}},
                      {1030, 13620, {"="}},
                      {4230, 13850, {term(t.m2), "×", term(t.s1)}},
                      {5780, 13850, {"2"}},
                      {1230, 14050, {term(t.m3), "×", term(t.c2), "×", term(t.m4), "×"}},
                      {3555, 14050, {"1＋"}},
                      {4230, 14250, {term(t.m4), "×", term(t.c4)}},
                      {1030, 14550, {"=", Num(m.KA_Danmen, "0.000")}},
                  });
        drawStrokes(pri, mononobeOkabeStrokes().evaluated, -200, 8800);
    } else {
        draw(pri, {
                      {1680, 13450, {Num(t.k1, "0.00"), "×", term(t.m1)}},
                      {1030, 13620, {"="}},
                      {1230, 13800, {term(t.m3), "×", term(t.c2), "×", term(t.m4)}},
                      {1030, 14100, {"=", Num(m.KA_Danmen, "0.000")}},
                  });
        drawStrokes(pri, {{1180, 13700, 3380, 13700}}, 0, 0);  // fraction bar
    }
    pri.Print();
    pri.Print();
    pri.FontSize(11);
}

}  // namespace

void printCoefficient(ReportContext& c) {
    Surface& pri = c.pri;
    const Module1& m = c.m;
    const PageChoices& opt = c.opt;
    pri.DrawStyle(0);
    if (opt.memberKaTyped) pri.Print({kTypedKA, Num(m.KA_Danmen, "0.00#")});
    if (!opt.memberKaComputed) return;

    const members::CoefficientFormula formula =
        members::coefficientFormula(calcCaseOf(opt), seismicMethodOf(opt));
    if (formula == members::CoefficientFormula::None) return;
    // The coefficient is derived only when the current angles give one; otherwise the page
    // tells why, as the member-design page does, instead of a coefficient of an earlier run.
    const members::CoefficientInput in = members::coefficientInput(m);
    const members::CoefficientOutcome now = members::memberCoefficient(in, formula);
    if (!now.ok()) {
        Pri_NG(pri, {{kIndent, members::refusalMessage(now.refusal)}});
        return;
    }
    if (formula == members::CoefficientFormula::Coulomb) {
        if (m.Beta == 0.0f && m.Theta_Danmen == 0.0f && m.Delta_Danmen == 0.0f)
            rankine(pri, m);
        else
            coulomb(pri, m, members::coefficientTerms(in, 0.0f));
    } else {
        mononobeOkabe(pri, m, members::coefficientTerms(in, m.ThetaK));
    }
}

}  // namespace pelzaro::haikin
