// The numeric basis of the base-slab design under the section figure: the distance to the
// neutral axis, the ground-reaction ordinates at the member sections, the downward loads on
// the slab parts with their formulas, and the angles of the member earth pressure.

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "members/calc/slab_loads.h"
#include "report/conventions.h"
#include "report/form7_haikin_parts.h"
#include "report/form7_haikin_texts.h"
#include "report/report_context.h"

namespace pelzaro::haikin {
namespace {

// An ordinate as a line prints it: the label with twelve blanks where it opens a line (only
// the ordinates that ever open one have it), with two blanks after another ordinate.
struct Ordinate {
    const char* first;
    const char* next;
    float value;
};

void printOrdinateLines(Surface& pri, const std::vector<std::vector<Ordinate>>& lines) {
    for (const std::vector<Ordinate>& line : lines) {
        std::vector<std::string> items;
        for (size_t i = 0; i < line.size(); ++i) {
            items.push_back(i == 0 ? line[i].first : line[i].next);
            items.push_back(Num(line[i].value, "0.000"));
            items.push_back(kPressureUnit);
        }
        pri.Print(items);
    }
}

// The ordinates of a triangular reaction whose zero point Xn lies in the slab part beyond the
// far cantilever (of length farSlab) and its wall (farWall): from the maximum end up to the
// last loaded section, closed by the ordinate at the tip (zero there). `o` lists the ordinates
// from the maximum end; each range bound is rounded to single precision.
void triangleOrdinates(Surface& pri, const Module1& m, float xn, float farSlab, float farWall,
                       const Ordinate (&o)[5], const Ordinate& tip) {
    const float b1 = m.B - farSlab;
    const float b2 = b1 - farWall;
    const float b3 = b2 - m.B_Tyuuou / 2.0f;
    const float b4 = b2 - m.B_Tyuuou;
    if (b1 <= xn && xn < m.B)
        printOrdinateLines(pri, {{o[0], o[1], o[2], o[3]}, {o[4]}});
    else if (b2 <= xn && xn < b1)
        printOrdinateLines(pri, {{o[0], o[1], o[2], o[3], tip}});
    else if (b3 <= xn && xn < b2)
        printOrdinateLines(pri, {{o[0], o[1], o[2], tip}});
    else if (b4 <= xn && xn < b3)
        printOrdinateLines(pri, {{o[0], o[1], tip}});
}

void printNeutralAxis(Surface& pri, const Module1& m, ReactionCase shape, float xn) {
    const std::string B = Num(m.B, "0.000");
    const std::string e = Num(std::fabs(m.e), "0.000");
    pri.Print({kXnHeading});
    if (shape == ReactionCase::Trapezoid)
        pri.Print({kXnTrapezoid, B, kXnTrapezoidB, B, kXnTrapezoidE, e, kXnTrapezoidEq,
                   Num(xn, "0.000"), kMetre});
    else
        pri.Print({kXnTriangle, B, kXnTriangleB, e, kXnTriangleEq, Num(xn, "0.000"), kMetre});
    pri.Print();
}

void printOrdinates(Surface& pri, const Module1& m, const members::GroundReaction& r,
                    ReactionCase shape) {
    const Ordinate VP{kFirstVP, kNextVP, r.VP}, V1{kFirstV1, kNextV1, r.V1},
        V2{nullptr, kNextV2, r.V2}, V3{nullptr, kNextV3, r.V3}, V4{kFirstV4, kNextV4, r.V4},
        V5{kFirstV5, kNextV5, r.V5}, VR{nullptr, kNextVR, r.VR};
    const bool heel = m.B_Kakato != 0.0f, toe = m.B_Tumasaki != 0.0f;
    const float xn = r.Xn.value_or(0.0f);
    switch (shape) {
        case ReactionCase::Uniform:
            pri.Print({kUniformV, Num(r.V1, "0.000"), kPressureUnit});
            return;
        case ReactionCase::Trapezoid:
            if (heel && toe)
                printOrdinateLines(pri, {{VP, V1, V2, V3, V4}, {V5, VR}});
            else if (heel)
                printOrdinateLines(pri, {{V1, V2, V3, V4}, {V5, VR}});
            else if (toe)
                printOrdinateLines(pri, {{VP, V1, V2, V3}, {V4, V5}});
            else
                printOrdinateLines(pri, {{V1, V2, V3, V4, V5}});
            return;
        case ReactionCase::ToeTriangle:
            triangleOrdinates(pri, m, xn, m.B_Kakato, m.T2_Usiro, {V1, V2, V3, V4, V5}, VP);
            return;
        case ReactionCase::HeelTriangle:
            // The mirror image: the same ranges measured from the heel end, front and rear
            // exchanged.
            triangleOrdinates(pri, m, xn, m.B_Tumasaki, m.T2_Mae, {V5, V4, V3, V2, V1}, VR);
            return;
    }
}

void printLoads(Surface& pri, const Module1& m, const PageChoices& opt) {
    const std::string gs = Num(m.Gamma_S, "0.0#"), gc = Num(m.Gamma_C, "0.0#");
    auto withSoil = [&](const char* label, float h, float t, float q, float w) {
        pri.Print({label, Num(h, "0.000"), kTimes, gs, kSoilPlusConcrete, Num(t, "0.000"), kTimes,
                   gc, kPlusSurcharge, Num(q, "0.00"), kEquals, Num(w, "0.000"), kPressureUnit});
    };
    auto withoutSoil = [&](const char* label, float t, float q, float w) {
        pri.Print({label, Num(t, "0.000"), kTimes, gc, kPlusSurcharge, Num(q, "0.00"), kEquals,
                   Num(w, "0.000"), kPressureUnit});
    };
    withSoil(kLoadW1, m.H_Tyuuou, m.D_Teiban, m.Q_Tyuuou, m.W1);
    if (m.B_Kakato != 0.0f) {
        withSoil(kLoadW2, m.H_Haimen, m.D_Teiban, m.Q_Haimen, m.W2);
        if (m.W2 != m.W3)
            withSoil(kLoadW3, m.H_Haimen + m.D_Kakato_H, m.D_Kakato, m.Q_Haimen, m.W3);
    }
    if (m.B_Tumasaki == 0.0f) return;
    // The toe's soil by the rule its loads were computed with; a depth below zero is printed
    // as the negative term it is.
    const std::optional<float> h = members::toeSoilDepth(
        members::toeSoil(groundShapeOf(opt), frontSoilOf(opt)), m.H_Zenmen, m.H_Haimen);
    if (h) {
        withSoil(kLoadW4, *h, m.D_Teiban, m.Q_Zenmen, m.W4);
        if (m.W4 != m.W5) withSoil(kLoadW5, *h + m.D_Tumasaki_H, m.D_Tumasaki, m.Q_Zenmen, m.W5);
    } else {
        withoutSoil(kLoadW4, m.D_Teiban, m.Q_Zenmen, m.W4);
        if (m.W4 != m.W5) withoutSoil(kLoadW5, m.D_Tumasaki, m.Q_Zenmen, m.W5);
    }
}

}  // namespace

void printReactionAndLoads(ReportContext& c, const members::GroundReaction& r) {
    Surface& pri = c.pri;
    const Module1& m = c.m;
    pri.FontSize(11);
    pri.CurrentY(kLinesUnderFigureY);
    const ReactionCase shape = reactionCase(r, m.e);
    if (shape != ReactionCase::Uniform) printNeutralAxis(pri, m, shape, r.Xn.value_or(0.0f));
    printOrdinates(pri, m, r, shape);
    pri.Print();
    printLoads(pri, m, c.opt);
    pri.Print();
    pri.Print({kBetaLine, Num(m.Beta, "0.00#"), kDegree});
    pri.Print({kThetaLine, Num(m.Theta_Danmen, "0.00"), kDegree});
}

}  // namespace pelzaro::haikin
