#include "report/form7_haikin_cantilever.h"

#include "members/calc/member_state.h"
#include "report/conventions.h"
#include "report/member_part_print.h"
#include "report/page_plan.h"
#include "report/report_context.h"

namespace pelzaro {

using members::MemberPart;

namespace {

std::string n3(double v) {
    return Num(v, "0.000");
}

void designLines(ReportContext& c, const members::SlabPartForces& f) {
    c.pri.Print({"                  M=|M1-M2|=|", n3(f.M1), "-", n3(f.M2), "|×10^5=", Num(f.M, "0"),
                 "Ncm/m"});
    c.pri.Print({"                  S=|S1-S2|=|", n3(f.S1), "-", n3(f.S2), "|×10^3=", Num(f.S, "0"),
                 "N/m"});
    c.pri.Print();
}

void heelLoadLines(ReportContext& c, const members::SlabPartForces& f) {
    const Module1& m = c.m;
    const std::string W2 = n3(m.W2), W3 = n3(m.W3), L = n3(m.B_Kakato);
    if (m.W2 == m.W3) {
        c.pri.Print({"                 M1=(W2･B^2)/2=(", W2, "×", L, "^2)/2=", n3(f.M1), "KNm/m"});
        c.pri.Print({"                 S1=W2･B=", W2, "×", L, "=", n3(f.S1), "KN/m"});
    } else {
        c.pri.Print({"                 M1=(W2＋2･W3)･B^2/6=(", W2, "＋2×", W3, ")×", L,
                     "^2/6=", n3(f.M1), "KNm/m"});
        c.pri.Print(
            {"                 S1=(W2＋W3)･B/2=(", W2, "＋", W3, ")×", L, "/2=", n3(f.S1), "KN/m"});
    }
}

// The reaction as the calculation took it: over the whole heel, or as a triangle from V5
// over the loaded length (never below 0).
void heelReactionLines(ReportContext& c, const members::SlabPartForces& f) {
    const Module1& m = c.m;
    const members::SlabInput in = members::slabInputOf(m);
    const std::string V5 = n3(m.V5);
    if (members::heelReaction(in) == members::HeelReaction::WholeLength) {
        const std::string VR = n3(m.VR), L = n3(m.B_Kakato);
        c.pri.Print({"                 M2=(V5＋2･VR)･B^2/6=(", V5, "＋2×", VR, ")×", L,
                     "^2/6=", n3(f.M2), "KNm/m"});
        c.pri.Print(
            {"                 S2=(V5＋VR)･B/2=(", V5, "＋", VR, ")×", L, "/2=", n3(f.S2), "KN/m"});
        return;
    }
    const std::string L = n3(members::heelLoadedLength(in));
    c.pri.Print({"                 M2=V2･B^2/6=", V5, "×", L, "^2/6=", n3(f.M2), "kNm/m"});
    c.pri.Print({"                 S2=V2･B/2=", V5, "×", L, "/2=", n3(f.S2), "kN/m"});
}

void toeLines(ReportContext& c, const members::SlabPartForces& f) {
    const Module1& m = c.m;
    const std::string W4 = n3(m.W4), W5 = n3(m.W5), L = n3(m.B_Tumasaki);
    if (m.W4 == m.W5) {
        c.pri.Print({"                 M1=(W4･B^2)/2=(", W4, "×", L, "^2)/2=", n3(f.M1), "KNm/m"});
        c.pri.Print({"                 S1=W4･B=", W4, "×", L, "=", n3(f.S1), "KN/m"});
    } else {
        c.pri.Print({"                 M1=(W4＋2･W5)･B^2/6=(", W4, "＋2×", W5, ")×", L,
                     "^2/6=", n3(f.M1), "KNm/m"});
        c.pri.Print(
            {"                 S1=(W4＋W5)･B/2=(", W4, "＋", W5, ")×", L, "/2=", n3(f.S1), "KN/m"});
    }
    const std::string V1 = n3(m.V1), VP = n3(m.VP);
    c.pri.Print({"                 M2=(V1＋2･VP)･B^2/6=(", V1, "＋2×", VP, ")×", L,
                 "^2/6=", n3(f.M2), "KNm/m"});
    c.pri.Print(
        {"                 S2=(V1＋VP)･B/2=(", V1, "＋", VP, ")×", L, "/2=", n3(f.S2), "KN/m"});
}

void keyLines(ReportContext& c, const members::PartForces& f) {
    const std::string P = n3(c.m.P_Tokki), H0 = n3(c.m.H0);
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
        heelLoadLines(c, p.forces.slab);
        heelReactionLines(c, p.forces.slab);
        designLines(c, p.forces.slab);
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
    toeLines(c, p.forces.slab);
    designLines(c, p.forces.slab);
    StressBlock block = p.block;
    block.blankAfterRule = true;
    printStressBlock(c.pri, c.opt, block);
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
    keyLines(c, p.forces);
    printStressBlock(c.pri, c.opt, p.block);
}

}  // namespace pelzaro
