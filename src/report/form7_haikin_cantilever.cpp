#include "report/form7_haikin_cantilever.h"

#include "members/calc/member_state.h"
#include "report/conventions.h"
#include "report/member_part_print.h"
#include "report/page_plan.h"
#include "report/report_context.h"

namespace pelzaro {

using members::MemberPart;

namespace {

// A cantilever's load or reaction as a trapezoid between the ordinate `near` at its wall and
// `tip` at its end, over the length L: the moment pair (near + 2·tip)·B²/6 and the shear
// (near + tip)·B/2, the symbols named as the ordinates are.
void trapezoidLines(Surface& pri, const char* M, const char* S, const char* nearName,
                    const char* tipName, float near, float tip, const std::string& L, double Mv,
                    double Sv) {
    const std::string pad = "                 ";
    const std::string a = n3(near), b = n3(tip);
    pri.Print({pad + M + "=(" + nearName + "＋2･" + tipName + ")･B^2/6=(", a, "＋2×", b, ")×", L,
               "^2/6=", n3(Mv), "KNm/m"});
    pri.Print({pad + S + "=(" + nearName + "＋" + tipName + ")･B/2=(", a, "＋", b, ")×", L,
               "/2=", n3(Sv), "KN/m"});
}

// The downward load: uniform where both ordinates are equal, else the trapezoid.
void loadLines(Surface& pri, const char* nearName, const char* tipName, float near, float tip,
               const std::string& L, const members::SlabPartForces& f) {
    if (near != tip) {
        trapezoidLines(pri, "M1", "S1", nearName, tipName, near, tip, L, f.M1, f.S1);
        return;
    }
    const std::string pad = "                 ", w = n3(near);
    pri.Print({pad + "M1=(" + nearName + "･B^2)/2=(", w, "×", L, "^2)/2=", n3(f.M1), "KNm/m"});
    pri.Print({pad + "S1=" + nearName + "･B=", w, "×", L, "=", n3(f.S1), "KN/m"});
}

// The reaction as the calculation took it: over the whole heel, or as a triangle from V5
// over the loaded length (never below 0).
void heelLines(ReportContext& c, const members::DesignedPart& d) {
    const members::SlabInput& in = d.slab;
    const members::SlabPartForces& f = d.forces.slab;
    const std::string L = n3(in.B_Kakato);
    loadLines(c.pri, "W2", "W3", in.W2, in.W3, L, f);
    if (members::heelReaction(in) == members::HeelReaction::WholeLength) {
        trapezoidLines(c.pri, "M2", "S2", "V5", "VR", in.V5, in.VR, L, f.M2, f.S2);
        return;
    }
    const std::string V5 = n3(in.V5), loaded = n3(members::heelLoadedLength(in));
    c.pri.Print({"                 M2=V2･B^2/6=", V5, "×", loaded, "^2/6=", n3(f.M2), "kNm/m"});
    c.pri.Print({"                 S2=V2･B/2=", V5, "×", loaded, "/2=", n3(f.S2), "kN/m"});
}

void toeLines(ReportContext& c, const members::DesignedPart& d) {
    const members::SlabInput& in = d.slab;
    const members::SlabPartForces& f = d.forces.slab;
    const std::string L = n3(in.B_Tumasaki);
    loadLines(c.pri, "W4", "W5", in.W4, in.W5, L, f);
    trapezoidLines(c.pri, "M2", "S2", "V1", "VP", in.V1, in.VP, L, f.M2, f.S2);
}

void keyLines(ReportContext& c, const members::DesignedPart& d) {
    const members::PartForces& f = d.forces;
    const std::string P = n3(d.slab.P_Tokki), H0 = n3(d.slab.H0);
    c.pri.Print({"                  P=", P, "KN/m"});
    c.pri.Print(
        {"                  M=P･H0^2/2=(", P, "×", H0, "^2/2)×10^5=", Num(f.M, "0"), "Ncm/m"});
    c.pri.Print({"                  S=P･H0=(", P, "×", H0, ")×10^3=", Num(f.S, "0"), "N/m"});
    c.pri.Print();
}

}  // namespace

void printHeelSection(ReportContext& c) {
    const MemberPartPrint p = memberPartPrint(c, MemberPart::F);
    blankLines(c.pri, c.layout.Loop_i, 2);
    c.pri.Print({"              ６）かかと版（固定部）"});
    if (!p.refusal.empty()) {
        printRefusal(c, p.refusal);
    } else {
        heelLines(c, p.design);
        printMomentAndShear(c.pri, p.design.forces.slab);
        printStressBlock(c.pri, c.opt, p.block);
    }
    blankLines(c.pri, c.layout.Loop_i, 2);
}

// The toe opens a new page after a heel section, else follows on the slab's page.
void printToeSection(ReportContext& c) {
    const MemberPartPrint p = memberPartPrint(c, MemberPart::G);
    blankLines(c.pri, c.layout.Loop_i, wallParts(c.m).heel ? 5 : 2);
    c.pri.Print({"              ７）つま先版（固定部）"});
    if (!p.refusal.empty()) {
        printRefusal(c, p.refusal);
        return;
    }
    toeLines(c, p.design);
    printMomentAndShear(c.pri, p.design.forces.slab);
    printStressBlock(c.pri, c.opt, p.block);
}

// The key opens a page when exactly one of heel and toe precedes it.
void printKeySection(ReportContext& c) {
    const MemberPartPrint p = memberPartPrint(c, MemberPart::H);
    const WallParts parts = wallParts(c.m);
    blankLines(c.pri, c.layout.Loop_i, parts.heel != parts.toe ? 5 : 2);
    c.pri.Print({"              ８）突起部"});
    if (!p.refusal.empty()) {
        printRefusal(c, p.refusal);
        return;
    }
    keyLines(c, p.design);
    printStressBlock(c.pri, c.opt, p.block);
}

}  // namespace pelzaro
