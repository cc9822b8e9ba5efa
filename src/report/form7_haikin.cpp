#include "members/calc/member_state.h"
#include "members/calc/refusal_messages.h"
#include "report/conventions.h"
#include "report/form7_haikin_parts.h"
#include "report/form7_haikin_texts.h"
#include "report/report_context.h"
#include "report/sections.h"

namespace pelzaro {

namespace haikin {

ReactionCase reactionCase(const members::GroundReaction& r, float e) {
    switch (r.shape) {
        case members::ReactionShape::Uniform:
            return ReactionCase::Uniform;
        case members::ReactionShape::Trapezoid:
            return ReactionCase::Trapezoid;
        case members::ReactionShape::Triangle:
            break;
    }
    return e > 0.0f ? ReactionCase::ToeTriangle : ReactionCase::HeelTriangle;
}

}  // namespace haikin

// The design spacings of parts B to H are not refreshed here: they are inputs of the stress
// check, and every member section reads its spacing box afresh when it is drawn
// (designSpacing), so this page writes nothing into the design state but its two scales.
void Form7_HAIKIN(ReportContext& c) {
    using namespace haikin;
    blankLines(c.pri, c.layout.Loop_i, 5);
    Midashi_Case(c.pri, c.opt, c.m.Kh, {kIndent, c.m.Syou_No, kHeading});
    const double headingEnd = c.pri.y();
    c.pri.Print();

    // The reaction of the current stability result, never ordinates left from an earlier run.
    const members::ReactionOutcome reaction = members::groundReaction(members::reactionInput(c.m));
    if (!reaction.ok()) {
        Pri_NG(c.pri, {{kIndent, members::refusalMessage(reaction.refusal)}});
        return;
    }
    drawFigure(c, reaction.value, headingEnd);
    printReactionAndLoads(c, reaction.value);
    printCoefficient(c);
}

}  // namespace pelzaro
