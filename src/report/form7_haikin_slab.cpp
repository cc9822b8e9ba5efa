#include "report/form7_haikin_slab.h"

#include "report/conventions.h"
#include "report/member_part_print.h"
#include "report/report_context.h"

namespace pelzaro {

using members::MemberPart;

namespace {

// The forces of a slab part and the loads and ordinates they were computed from.
struct Slab {
    const members::SlabInput* in = nullptr;
    std::string W1, B, V2, V4, V;  // V: the uniform reaction Sigma_max
    const members::SlabPartForces* f = nullptr;
};

Slab slabOf(const members::DesignedPart& d) {
    const members::SlabInput& in = d.slab;
    return Slab{&in, n3(in.W1), n3(in.B_Tyuuou), n3(in.V2), n3(in.V4), n3(in.Sigma_max),
                &d.forces.slab};
}

// A fixed-end moment of the trapezoid, written from the smaller ordinate up to the larger:
// C21 with the share B²/20 (the end with the larger ordinate), C22 with B²/30.
void fixedEndLines(Surface& pri, const Slab& s, bool frontLarger, const char* name, int share,
                   double value) {
    const char* loName = frontLarger ? "V4" : "V2";
    const char* hiName = frontLarger ? "V2" : "V4";
    const std::string& lo = frontLarger ? s.V4 : s.V2;
    const std::string& hi = frontLarger ? s.V2 : s.V4;
    const std::string shareText = std::to_string(share);
    pri.Print({std::string("                 ") + name + "=(" + loName + "･B^2/12)＋{(" + hiName +
               "-" + loName + ")･B^2/" + shareText + "}"});
    pri.Print({"                    =(", lo, "×", s.B, "^2)/12＋{(", hi, "－", lo, ")×", s.B,
               "^2)/" + shareText + "}=", n3(value), "KNm/m"});
}

void c21Lines(Surface& pri, const Slab& s, bool frontLarger) {
    fixedEndLines(pri, s, frontLarger, "C21", 20, s.f->span.C21);
}

void c22Lines(Surface& pri, const Slab& s, bool frontLarger) {
    fixedEndLines(pri, s, frontLarger, "C22", 30, s.f->span.C22);
}

void c1Line(Surface& pri, const Slab& s) {
    pri.Print({"                  C1=(W1･B^2)/12=(", s.W1, "×", s.B, "^2)/12=", n3(s.f->span.C1),
               "KNm/m"});
}

// Part C: mid-span.
void midSpanReaction(ReportContext& c, const Slab& s) {
    const members::SlabPartForces& f = *s.f;
    if (s.in->e == 0.0f) {
        c.pri.Print(
            {"                 C2=(V･B^2)/12=(", s.V, "×", s.B, "^2)/12=", n3(f.span.C2), "KNm/m"});
        c.pri.Print({"                 M2=(V･B^2)/8－C2=(", s.V, "×", s.B, "^2)/8－", n3(f.span.C2),
                     "=", n3(f.M2), "KNm/m"});
        return;
    }
    // Either form gives the same numbers when V2 = V4.
    const bool frontLarger = s.in->V2 >= s.in->V4;
    const std::string& lo = frontLarger ? s.V4 : s.V2;
    const std::string& hi = frontLarger ? s.V2 : s.V4;
    c21Lines(c.pri, s, frontLarger);
    c22Lines(c.pri, s, frontLarger);
    c.pri.Print({frontLarger
                     ? "                  M2=(V4･B^2/8)＋(V2-V4)･B^2/(9･Sqr(3))－(C21＋C22)/2"
                     : "                  M2=(V2･B^2/8)＋(V4-V2)･B^2/(9･Sqr(3))－(C21＋C22)/2"});
    c.pri.Print({"                    =(", lo, "×", s.B, "^2)/8＋(", hi, "－", lo, ")×", s.B,
                 "^2/(9×Sqr(3))"});
    c.pri.Print({"                    －(", n3(f.span.C21), "＋", n3(f.span.C22), ")/2=", n3(f.M2),
                 "KNm/m"});
}

void midSpan(ReportContext& c, const Slab& s) {
    const members::SlabPartForces& f = *s.f;
    c1Line(c.pri, s);
    c.pri.Print({"                  M1=(W1･B^2)/8－C1=(", s.W1, "×", s.B, "^2)/8－", n3(f.span.C1),
                 "=", n3(f.M1), "KNm/m"});
    midSpanReaction(c, s);
    c.pri.Print({"                   M=|M1-M2|=|", n3(f.M1), "-", n3(f.M2),
                 "|×10^5=", Num(f.M, "0"), "Ncm/m"});
    c.pri.Print();
}

// Parts D and E: the end carries the larger ordinate (C21, S2 with 1/3) or the smaller one
// (C22, S2 with 1/6), as the calculation decided for it.
void endReaction(ReportContext& c, const Slab& s, bool front) {
    const members::SlabPartForces& f = *s.f;
    if (s.in->e == 0.0f) {
        c.pri.Print({"                  C2=(V･B^2)/12=(", s.V, "×", s.B, "^2)/12=", n3(f.span.C2),
                     "KNm/m"});
        c.pri.Print({"                  M2=C2=", n3(f.M2), "KNm/m"});
        c.pri.Print({"                  S2=(V･B)/2=(", s.V, "×", s.B, ")/2=", n3(f.S2), "KN/m"});
        return;
    }
    const float here = front ? s.in->V2 : s.in->V4, there = front ? s.in->V4 : s.in->V2;
    const bool largerEnd = here >= there;
    const bool frontLarger = front == largerEnd;
    const std::string& lo = frontLarger ? s.V4 : s.V2;
    const std::string& hi = frontLarger ? s.V2 : s.V4;
    if (largerEnd) {
        c21Lines(c.pri, s, frontLarger);
        c.pri.Print({"                  M2=C21=", n3(f.M2), "KNm/m"});
        printFormula(c.pri,
                     frontLarger ? "                  S2=(V4･B)/2＋(V2－V4)･B/3"
                                 : "                  S2=(V2･B)/2＋(V4－V2)･B/3",
                     {"=(", lo, "×", s.B, ")/2＋(", hi, "－", lo, ")×", s.B, "/3=", n3(f.S2),
                      "KN/m"});
    } else {
        c22Lines(c.pri, s, frontLarger);
        c.pri.Print({"                  M2=C22=", n3(f.M2), "KNm/m"});
        printFormula(c.pri,
                     frontLarger ? "                  S2=(V4･B)/2＋(V2－V4)･B/6"
                                 : "                  S2=(V2･B)/2＋(V4－V2)･B/6",
                     {"=(", lo, "×", s.B, ")/2＋(", hi, "－", lo, ")×", s.B, "/6=", n3(f.S2),
                      "KN/m"});
    }
}

void slabEnd(ReportContext& c, const Slab& s, bool front) {
    const members::SlabPartForces& f = *s.f;
    c1Line(c.pri, s);
    c.pri.Print({"                  M1=C1=", n3(f.M1), "KNm/m"});
    c.pri.Print({"                  S1=(W1･B)/2=(", s.W1, "×", s.B, ")/2=", n3(f.S1), "KN/m"});
    endReaction(c, s, front);
    printMomentAndShear(c.pri, f);
}

void heading(ReportContext& c, MemberPart part) {
    if (part == MemberPart::C) {
        blankLines(c.pri, c.layout.Loop_i, 5);
        c.pri.Print({"              ３）底版（中央部）"});
    } else if (part == MemberPart::D) {
        blankLines(c.pri, c.layout.Loop_i, 2);
        c.pri.Print({"              ４）底版（前面固定部）"});
    } else {
        blankLines(c.pri, c.layout.Loop_i, 5);
        c.pri.Print({"              ５）底版（後面固定部）"});
    }
}

}  // namespace

void printSlabSection(ReportContext& c, MemberPart part) {
    const MemberPartPrint p = memberPartPrint(c, part);
    heading(c, part);
    if (!p.refusal.empty()) {
        printRefusal(c, p.refusal);
        return;
    }
    const Slab s = slabOf(p.design);
    if (part == MemberPart::C)
        midSpan(c, s);
    else
        slabEnd(c, s, part == MemberPart::D);
    printStressBlock(c.pri, c.opt, p.block);
}

}  // namespace pelzaro
