// The earth-pressure coefficient of the member design as the chapter page derives it: typed,
// Rankine's formula, Coulomb's formula or the seismic (Mononobe-Okabe) formula, each first in
// symbols, then with the angles substituted, then with the trigonometric values, ending with
// the coefficient. The fractions stand at fixed positions on the page; root signs, brackets
// and the seismic fraction bars are drawn segments.

#include <string>
#include <vector>

#include "members/calc/member_coefficient.h"
#include "members/calc/member_state.h"
#include "members/calc/refusal_messages.h"
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
struct Segment {
    double x1, y1, x2, y2;
};

void draw(Surface& pri, const std::vector<Placed>& texts, const std::vector<Segment>& segments) {
    for (const Placed& p : texts) {
        pri.CurrentX(p.x);
        pri.CurrentY(p.y);
        pri.Print(p.pieces);
    }
    for (const Segment& s : segments) pri.Line(s.x1, s.y1, s.x2, s.y2);
}

std::string deg(float value) {
    return Num(value, "0.00");
}
std::string term(double value) {
    return Num(value, "0.0000");
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
    draw(pri,
         {
             {1200, 10100, {"主働土圧係数"}},
             {3800, 10300, {"cos^2(φ－θ）"}},
             {1300, 10500, {"KA=──────────────────────────"}},
             {4550, 10750, {"sin(φ＋δ)sin(φ－β)"}},
             {7300, 10750, {"2"}},
             {1700, 10950, {"cos^2θcos(θ＋δ)"}},
             {3875, 10950, {"1＋"}},
             {4450, 10950, {"──────────── "}},
             {4550, 11150, {"cos(θ＋δ)cos(θ－β)"}},
         },
         {
             {4175, 11225, 4200, 11150},
             {4200, 11150, 4250, 11350},
             {4250, 11350, 4400, 10700},
             {4400, 10700, 7050, 10700},
             {3875, 10700, 3775, 10800},
             {3775, 10800, 3775, 11300},
             {3775, 11300, 3875, 11400},
             {7100, 10700, 7200, 10800},
             {7200, 10800, 7200, 11300},
             {7200, 11300, 7100, 11400},
         });
    draw(pri,
         {
             {5100, 11450, {"cos^2(", deg(m.Phi), "ﾟ－", deg(m.Theta_Danmen), "ﾟ)"}},
             {1500, 11650, {"=────────────────────────────────────────────"}},
             {6400,
              11900,
              {"sin(", deg(m.Phi), "ﾟ＋", deg(m.Delta_Danmen), "ﾟ)×sin(", deg(m.Phi), "ﾟ－",
               deg(m.Beta), "ﾟ)"}},
             {11150, 11900, {"2"}},
             {1700,
              12100,
              {"cos^2(", deg(m.Theta_Danmen), "ﾟ)×cos(", deg(m.Theta_Danmen), "ﾟ＋",
               deg(m.Delta_Danmen), "ﾟ)×"}},
             {5775, 12100, {"1＋"}},
             {6300, 12100, {"───────────────────── "}},
             {6400,
              12300,
              {"cos(", deg(m.Theta_Danmen), "ﾟ＋", deg(m.Delta_Danmen), "ﾟ)×cos(",
               deg(m.Theta_Danmen), "ﾟ－", deg(m.Beta), "ﾟ)"}},
         },
         {
             {6075, 12375, 6100, 12300},
             {6100, 12300, 6150, 12500},
             {6150, 12500, 6300, 11850},
             {6300, 11850, 10900, 11850},
             {5800, 11850, 5700, 11950},
             {5700, 11950, 5700, 12450},
             {5700, 12450, 5800, 12550},
             {10950, 11850, 11050, 11950},
             {11050, 11950, 11050, 12450},
             {11050, 12450, 10950, 12550},
         });
    if (m.Phi >= m.Beta) {
        draw(pri,
             {
                 {3500, 12600, {term(t.c1)}},
                 {1500, 12800, {"=─────────────────────"}},
                 {4350, 13050, {term(t.s1), "×", term(t.s2)}},
                 {6250, 13050, {"2"}},
                 {1700, 13250, {term(t.c2), "×", term(t.c3), "×"}},
                 {3675, 13250, {"1＋"}},
                 {4250, 13250, {"────────"}},
                 {4350, 13450, {term(t.c3), "×", term(t.c4)}},
                 {1500, 13750, {"=", Num(m.KA_Danmen, "0.000")}},
             },
             {
                 {3975, 13525, 4000, 13450},
                 {4000, 13450, 4050, 13650},
                 {4050, 13650, 4200, 13000},
                 {4200, 13000, 6000, 13000},
                 {3675, 13000, 3575, 13100},
                 {3575, 13100, 3575, 13600},
                 {3575, 13600, 3675, 13700},
                 {6050, 13000, 6150, 13100},
                 {6150, 13100, 6150, 13600},
                 {6150, 13600, 6050, 13700},
             });
    } else {
        // The back slope is steeper than the friction angle: the root term is left out.
        draw(pri,
             {
                 {2150, 12600, {term(t.c1)}},
                 {1500, 12800, {"=────────"}},
                 {1700, 13000, {term(t.c2), "×", term(t.c3)}},
                 {1500, 13300, {"=", Num(m.KA_Danmen, "0.000")}},
             },
             {});
    }
}

void mononobeOkabe(Surface& pri, const Module1& m, const members::CoefficientTerms& t) {
    draw(pri,
         {
             {1400, 10100, {"水平震度Kh=", deg(m.Kh), "    鉛直震度Kv=", deg(m.Kv)}},
             {1400,
              10300,
              {"地震合成角θk=Atn{Kh/(1－Kv)}", "=", "Atn{", deg(m.Kh), "/(1－", deg(m.Kv),
               ")}=", deg(m.ThetaK), "ﾟ"}},
             {1400, 10900, {"地震時主働土圧係数"}},
         },
         {});
    pri.FontSize(9);
    draw(pri,
         {
             {3600, 11150, {"(1－Kv)cos^2(φ－θ－θk）"}},
             {950, 11320, {"ＫAE="}},
             {5020, 11550, {"sin(φ－β－θk)sin(φ＋δ)"}},
             {7770, 11550, {"2"}},
             {1500, 11750, {"cosθk cos^2θcos(δ＋θ＋θk)"}},
             {4345, 11750, {"1＋"}},
             {5020, 11950, {"cos(δ＋θ＋θk)cos(θ－β)"}},
         },
         {
             {1450, 11400, 7870, 11400},
             {4920, 11830, 7590, 11830},
             {4645, 12025, 4670, 11950},
             {4670, 11950, 4720, 12150},
             {4740, 12150, 4870, 11500},
             {4870, 11500, 7590, 11500},
             {4345, 11500, 4245, 11600},
             {4245, 11600, 4245, 12100},
             {4245, 12100, 4345, 12200},
             {7570, 11500, 7670, 11600},
             {7670, 11600, 7670, 12100},
             {7670, 12100, 7570, 12200},
         });
    draw(pri,
         {
             {4600,
              12300,
              {"(1－", deg(m.Kv), ")×cos^2(", deg(m.Phi), "ﾟ－", deg(m.Theta_Danmen), "ﾟ－",
               deg(m.ThetaK), "ﾟ)"}},
             {1030, 12470, {"="}},
             {6700,
              12700,
              {"sin(", deg(m.Phi), "ﾟ－", deg(m.Beta), "ﾟ－", deg(m.ThetaK), "ﾟ)×sin(", deg(m.Phi),
               "ﾟ＋", deg(m.Delta_Danmen), "ﾟ)"}},
             {11200, 12700, {"2"}},
             {1230,
              12900,
              {"cos", deg(m.ThetaK), "ﾟ×cos^2(", deg(m.Theta_Danmen), "ﾟ)×cos(",
               deg(m.Delta_Danmen), "ﾟ＋", deg(m.Theta_Danmen), "ﾟ＋", deg(m.ThetaK), "ﾟ)×"}},
             {6075, 12900, {"1＋"}},
             {6700,
              13100,
              {"cos(", deg(m.Delta_Danmen), "ﾟ＋", deg(m.Theta_Danmen), "ﾟ＋", deg(m.ThetaK),
               "ﾟ)×cos(", deg(m.Theta_Danmen), "ﾟ－", deg(m.Beta), "ﾟ)"}},
         },
         {
             {1200, 12550, 11250, 12550},
             {6650, 12980, 11000, 12980},
             {6375, 13175, 6400, 13100},
             {6400, 13100, 6450, 13300},
             {6450, 13300, 6600, 12650},
             {6600, 12650, 11000, 12650},
             {6100, 12650, 6000, 12750},
             {6000, 12750, 6000, 13250},
             {6000, 13250, 6100, 13350},
             {11030, 12650, 11130, 12750},
             {11130, 12750, 11130, 13250},
             {11130, 13250, 11030, 13350},
         });
    const float slopeAndQuake = m.Beta + m.ThetaK;
    if (slopeAndQuake <= m.Phi) {
        draw(pri,
             {
                 {3030, 13450, {Num(t.k1, "0.00"), "×", term(t.m1)}},
                 {1030, 13620, {"="}},
                 {4230, 13850, {term(t.m2), "×", term(t.s1)}},
                 {5780, 13850, {"2"}},
                 {1230, 14050, {term(t.m3), "×", term(t.c2), "×", term(t.m4), "×"}},
                 {3555, 14050, {"1＋"}},
                 {4230, 14250, {term(t.m4), "×", term(t.c4)}},
                 {1030, 14550, {"=", Num(m.KA_Danmen, "0.000")}},
             },
             {
                 {1180, 13700, 6030, 13700},
                 {4130, 14130, 5530, 14130},
                 {3855, 14325, 3880, 14250},
                 {3870, 14250, 3930, 14450},
                 {3930, 14450, 4080, 13800},
                 {4080, 13800, 5530, 13800},
                 {3555, 13800, 3455, 13900},
                 {3455, 13900, 3455, 14400},
                 {3455, 14400, 3555, 14500},
                 {5580, 13800, 5680, 13900},
                 {5680, 13900, 5680, 14400},
                 {5680, 14400, 5580, 14500},
             });
    } else {
        draw(pri,
             {
                 {1680, 13450, {Num(t.k1, "0.00"), "×", term(t.m1)}},
                 {1030, 13620, {"="}},
                 {1230, 13800, {term(t.m3), "×", term(t.c2), "×", term(t.m4)}},
                 {1030, 14100, {"=", Num(m.KA_Danmen, "0.000")}},
             },
             {
                 {1180, 13700, 3380, 13700},
             });
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

    const bool normal = opt.case_N || opt.method_K2;
    const bool seismic = opt.method_K1 || opt.method_D1;
    if (!normal && !seismic) return;
    // The coefficient is derived only when the current angles give one; otherwise the page
    // tells why, as the member-design page does, instead of a coefficient of an earlier run.
    const members::CoefficientInput in = members::coefficientInput(m);
    const members::CoefficientOutcome now =
        members::memberCoefficient(in, normal ? members::CoefficientFormula::Coulomb
                                              : members::CoefficientFormula::MononobeOkabe);
    if (!now.ok()) {
        Pri_NG(pri, {{kIndent, members::refusalMessage(now.refusal)}});
        return;
    }
    if (normal) {
        if (m.Beta == 0.0f && m.Theta_Danmen == 0.0f && m.Delta_Danmen == 0.0f)
            rankine(pri, m);
        else
            coulomb(pri, m, members::coefficientTerms(in, 0.0f));
    } else {
        mononobeOkabe(pri, m, members::coefficientTerms(in, m.ThetaK));
    }
}

}  // namespace pelzaro::haikin
