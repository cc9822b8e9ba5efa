#include "report/figure_fit.h"

#include <algorithm>
#include <optional>

#include "report/recording_sink.h"
#include "report/report_error.h"
#include "report/text_width.h"

namespace pelzaro {

namespace {

bool inside(const ReportEvent& e, const FigureRoom& room) {
    double left = e.x1, right = e.x1, top = e.y1, bottom = e.y1;
    switch (e.kind) {
        case ReportEvent::Text:
            right = e.x1 + textWidthTwips(e.text, e.size);
            bottom = e.y1 + e.size * Surface::kLineTwipsPerPoint;
            break;
        case ReportEvent::Segment:
            left = std::min(e.x1, e.x2), right = std::max(e.x1, e.x2);
            top = std::min(e.y1, e.y2), bottom = std::max(e.y1, e.y2);
            break;
        case ReportEvent::Beep:
            return true;
    }
    return left >= room.left && right <= room.right && top >= room.top && bottom <= room.bottom;
}

// Empty when the figure cannot be drawn at these factors.
std::optional<bool> measure(const Surface& like, const FigureRoom& room, const FigureAt& draw,
                            FigureFactors factors) {
    RecordingSink sink;
    Surface trial(sink, like);
    try {
        draw(trial, factors);
    } catch (const ReportError&) {
        return std::nullopt;
    }
    return std::all_of(sink.events.begin(), sink.events.end(),
                       [&](const ReportEvent& e) { return inside(e, room); });
}

// The largest factor in (0, 1] at which `at(factor)` fits; 1 when it fits as it is or when
// nothing fits. Every position is a fixed offset plus the factor times a scaled length, so the
// factors that fit run from 0 up to the one sought: halve the gap until it is far below a
// twip.
template <class At>
double largestFitting(const Surface& like, const FigureRoom& room, const FigureAt& draw, At at) {
    if (measure(like, room, draw, at(1.0)).value_or(true)) return 1.0;
    double fits = 0.0, leaves = 1.0;
    for (int step = 0; step < 40; ++step) {
        const double trial = (fits + leaves) / 2.0;
        (figureFits(like, room, draw, at(trial)) ? fits : leaves) = trial;
    }
    return fits > 0.0 ? fits : 1.0;
}

}  // namespace

bool figureFits(const Surface& like, const FigureRoom& room, const FigureAt& draw,
                FigureFactors factors) {
    return measure(like, room, draw, factors).value_or(false);
}

FigureFactors fittingFactors(const Surface& like, const FigureRoom& room, const FigureAt& draw) {
    FigureFactors f;
    if (measure(like, room, draw, f).value_or(true)) return f;
    f.wall = largestFitting(like, room, draw, [](double w) { return FigureFactors{w, 0.0}; });
    f.load = largestFitting(like, room, draw, [&](double l) { return FigureFactors{f.wall, l}; });
    return f;
}

}  // namespace pelzaro
