#include "report/member_stress_block.h"

#include <cmath>

#include "report/conventions.h"
#include "report/page_choices.h"
#include "report/surface.h"

namespace pelzaro {

const char* const kNoCheckLine =
    "                 ※配筋間隔が未入力のため､応力度の照査を行っていない｡";

namespace {

using members::hasShear;

// The effective depth in mm, in single precision as the formulas print it.
float depthMm(const StressBlock& b) {
    return b.d * 10.0f;
}

void sectionLines(Surface& pri, const StressBlock& b) {
    pri.Print({"                  D=", Num(b.D, "0.00#"), "cm    d=", Num(b.d, "0.00#"),
               "cm    j=", Num(b.j, "0.000"), "cm"});
    const double ft = 100.0 * static_cast<double>(b.Sigma_sa);
    pri.Print({"                 at=M/(ft･j)=", Num(b.M, "0"), "/(", Num(ft, "0"), "×",
               Num(b.j, "0.000"), ")=", Num(b.At, "0.000"), "cm2/m"});
    if (hasShear(b.part)) {
        const double fa = 100.0 * static_cast<double>(b.Tau_0a);
        pri.Print({"                 φ=S/(fa･j)=", Num(b.S, "0"), "/(", Num(fa, "0.00"), "×",
                   Num(b.j, "0.000"), ")=", Num(b.PhiReq, "0.000"), "cm/m"});
    }
    pri.Print();
}

void barLines(Surface& pri, const StressBlock& b) {
    const double computed = std::floor(static_cast<double>(b.KankakuReq));
    pri.Print({"                 配筋 ", b.Tekkin, "-", Num(computed, "0"), "@  -----> ∴ ",
               b.Tekkin, "-", Num(b.spacingMm, "0"), "@  とする"});
    pri.Print({"                ───────────────────────"});
    // The toe's block alone has an empty line between the rule and "n=15".
    if (b.part == members::MemberPart::G) pri.Print();
}

void ratioLines(Surface& pri, const StressBlock& b) {
    const members::StressResult& r = b.stress;
    const std::string p = Num(r.p, "0.00000");
    pri.Print({"                 n=15    b=100cm"});
    pri.Print({"                 p=As/(b･d)=", Num(r.As, "0.000"), "/(1000×",
               Num(depthMm(b), "0.00"), ")=", p});
    pri.Print({"                 k=sqr{2n･p＋(n･p)^2}－n･p=sqr{2×15×", p, "＋(15×", p, ")^2}－15×",
               p, "=", Num(r.k, "0.000")});
    pri.Print({"                 j1=1－(k/3)=1－(", Num(r.k, "0.000"), "/3)=", Num(r.j1, "0.000")});
    pri.Print();
}

// A check group: black when it passes, the failing presentation (colour 13, one beep) when it
// fails; `first` lines stay black either way (the shear heading, Ce and Cpt).
void group(Surface& pri, const std::vector<ReportLine>& first, std::vector<ReportLine> lines,
           bool fails) {
    for (const ReportLine& line : first) pri.Print(line);
    if (fails) {
        Pri_NG(pri, lines);
        return;
    }
    for (const ReportLine& line : lines) pri.Print(line);
}

void concreteCheck(Surface& pri, const StressBlock& b) {
    const members::StressResult& r = b.stress;
    const bool fails = r.sigmaCFails;
    ReportLine verdict = {fails ? "                                     >σca="
                                : "                                     <σca=",
                          Num(b.Sigma_ca, "0.0"), fails ? "N/mm2" : "N/mm2  ∴ O.K"};
    group(pri, {},
          {{"                 ・コンクリートの曲げ圧縮応力度"},
           {"                   σc=2M/(k･j1･b･d^2)=2×(", Num(b.M, "0"), "×10)/(", Num(r.k, "0.000"),
            "×", Num(r.j1, "0.000"), "×1000×", Num(depthMm(b), "0.00"),
            "^2)=", Num(r.Sigma_c, "0.000"), "N/mm2"},
           verdict},
          fails);
}

void steelCheck(Surface& pri, const StressBlock& b) {
    const members::StressResult& r = b.stress;
    const bool fails = r.sigmaSFails;
    ReportLine formula;
    if (hasShear(b.part)) {
        formula = {"                   σs=M/(As･j1･d)=(", Num(b.M, "0"), "×10)/("};
    } else {
        // The slab centre prints M x 10 as one number, formed in single precision.
        formula = {"                   σs=M/(As･j1･d)=", Num(b.M * 10.0f, "0"), "/("};
    }
    for (const std::string& item : {Num(r.As, "0.000"), std::string("×"), Num(r.j1, "0.000"),
                                    std::string("×"), Num(depthMm(b), "0.00"), std::string(")="),
                                    Num(r.Sigma_s, "0.000"), std::string("N/mm2")})
        formula.push_back(item);
    ReportLine verdict = {
        fails ? "                                 >σsa=" : "                                 <σsa=",
        Num(b.Sigma_sa, "0"), fails ? "N/mm2" : "N/mm2  ∴ O.K"};
    group(pri, {}, {{"                 ・鉄筋の引張応力度"}, formula, verdict}, fails);
}

void shearCheckT(Surface& pri, const StressBlock& b) {
    const members::StressResult& r = b.stress;
    const bool fails = r.tauCFails;
    group(
        pri, {{"                 ・コンクリートのせん断応力度"}},
        {{"                   τc=S/(b･j1･d)=", Num(b.S, "0"), "/(1000×", Num(r.j1, "0.000"), "×",
          Num(depthMm(b), "0.00"), ")=", Num(r.Tau_c, "0.000"), "N/mm2"},
         {fails ? "                                >τca=" : "                                <τca=",
          Num(b.Tau_a1, "0.0##"), fails ? "N/mm2" : "N/mm2  ∴ O.K"}},
        fails);
}

void shearCheckD(Surface& pri, const StressBlock& b) {
    const members::StressResult& r = b.stress;
    const bool fails = r.tauCFails;
    const std::string Ce = Num(r.Ce, "0.00#"), Cpt = Num(r.Cpt, "0.00#");
    group(pri,
          {{"                 ・コンクリートのせん断応力度"},
           {"                   部材断面の有効高に関する補正係数Ce=", Ce},
           {"                   軸方向引張鉄筋比Ptに関する補正係数Cpt=", Cpt}},
          {{"                   τc=S/(b･d)=", Num(b.S, "0"), "/(1000×", Num(depthMm(b), "0.00"),
            ")=", Num(r.Tau_c, "0.000"), "N/mm2"},
           {fails ? "                                >τca=τa1･Ce･Cpt="
                  : "                                <τca=τa1･Ce･Cpt=",
            Num(b.Tau_a1, "0.0##"), "×(", Ce, "×", Cpt, ")=", Num(r.Tau_ca, "0.0##"),
            fails ? "N/mm2" : "N/mm2  ∴ O.K"}},
          fails);
}

void checks(Surface& pri, const PageChoices& choices, const StressBlock& b) {
    concreteCheck(pri, b);
    // The slab centre always separates its two checks; the others only under the
    // residential-land standard.
    if (choices.std_T || !hasShear(b.part)) pri.Print();
    steelCheck(pri, b);
    if (!hasShear(b.part)) return;
    if (choices.std_T) {
        pri.Print();
        shearCheckT(pri, b);
    } else if (choices.std_D) {
        shearCheckD(pri, b);
    } else {
        pri.Print({"                 ・コンクリートのせん断応力度"});
    }
}

}  // namespace

void printStressBlock(Surface& pri, const PageChoices& choices, const StressBlock& b) {
    sectionLines(pri, b);
    if (!b.checked) {
        Pri_NG(pri, {{b.notCheckedLine.empty() ? std::string(kNoCheckLine) : b.notCheckedLine}});
        return;
    }
    barLines(pri, b);
    ratioLines(pri, b);
    checks(pri, choices, b);
}

}  // namespace pelzaro
