#pragma once
// Keeping a scale drawing of the wall in the room its page leaves it. The figure is drawn on a
// measuring surface at trial factors of its two scales, and every stroke and every text cell,
// as the fixed-pitch face prints it (text_width.h, one line of 20 twips per point high), must
// lie inside the room. A figure that fits at its own scales keeps them exactly; the texts keep
// their size whatever the factors.

#include <functional>

#include "report/report_context.h"
#include "report/surface.h"

namespace pelzaro {

// A rectangle of the page in twips, y downward.
struct FigureRoom {
    double left, top, right, bottom;
};

// Factors, each in (0, 1], of a figure's two scales: the wall's, alike in both directions so
// that the drawing stays true to the wall, and that of the loads drawn on it (surcharges,
// slab loads, ground reactions) in twips per kN/m2.
struct FigureFactors {
    double wall = 1.0, load = 1.0;
};

// Draws a figure on the surface it is given, at the factors given.
using FigureAt = std::function<void(Surface&, FigureFactors)>;

// The factors for the figure `draw` draws, measured on a surface in the state of `like`:
// (1, 1) when it fits as it is. Otherwise the wall shrinks as far as it needs to fit
// with flat loads, then the loads as far as they need to fit on that wall, their labels
// landing on no text that they meet neither at full height nor flat: a wall that fits keeps
// its scale when only its loads are too tall. A scale that no factor would make fit, or a
// figure that cannot be drawn at all (its own drawing then reports why), keeps factor 1.
FigureFactors fittingFactors(const Surface& like, const FigureRoom& room, const FigureAt& draw);

// The same for a section's figure, measured on a copy of its context whose layout values are
// scratch: measuring changes nothing of the page or of the report's values.
using SectionFigureAt = std::function<void(ReportContext&, FigureFactors)>;
FigureFactors fittingFactors(const ReportContext& c, const FigureRoom& room,
                             const SectionFigureAt& draw);

}  // namespace pelzaro
