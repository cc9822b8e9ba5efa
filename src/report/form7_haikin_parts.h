#pragma once
// The three parts of the member-design chapter page, drawn in this order by Form7_HAIKIN: the
// section figure with its loads, ground reaction and dimensions; the neutral axis, ordinates,
// loads and angles; the earth-pressure coefficient. The ground reaction is the one the member
// calculation computes from the current stability result, passed in so that the figure and
// the lines show the same ordinates.

#include "members/calc/ground_reaction.h"

namespace pelzaro {

struct ReportContext;

namespace haikin {

// Where the reaction's maximum lies and how it ends, as the figure and the lines tell it.
enum class ReactionCase {
    Uniform,        // e = 0
    Trapezoid,      // within the middle third, either sign of e
    ToeTriangle,    // e > 0 beyond the middle third: zero point Xn behind the toe end
    HeelTriangle,   // e < 0 beyond the middle third: zero point Xn in front of the heel end
};
ReactionCase reactionCase(const members::GroundReaction& r, float e);

// The lines under the figure start at this height, whatever the figure occupies.
constexpr double kLinesUnderFigureY = 6900.0;

// The figure below the heading that ends at `headingEnd`.
void drawFigure(ReportContext& c, const members::GroundReaction& r, double headingEnd);
void printReactionAndLoads(ReportContext& c, const members::GroundReaction& r);
void printCoefficient(ReportContext& c);

}  // namespace haikin
}  // namespace pelzaro
