#pragma once
// Checks that hold on every drawing of the load-calculation page: the outline of the wall
// closes, no two texts overlap, nothing reaches the page number's band.

#include <cmath>
#include <string>
#include <vector>

#include "report/recording_sink.h"
#include "support/report_support.h"

namespace pelzaro {

// Every pair of printed texts whose cells (fixed-pitch width, one line high, where the
// transcript puts them) share an area.
inline std::vector<std::string> overlaps(const std::vector<ReportEvent>& events) {
    std::vector<std::string> lines;
    for (const ReportEvent& e : events)
        if (e.kind == ReportEvent::Text && !e.text.empty()) lines.push_back(transcriptLine(e));
    const std::vector<PlacedText> t = placedTexts(lines);
    std::vector<std::string> found;
    for (size_t i = 0; i < t.size(); ++i)
        for (size_t j = i + 1; j < t.size(); ++j)
            if (overlap(t[i], t[j]))
                found.push_back("\"" + t[i].text + "\" / \"" + t[j].text + "\"");
    return found;
}

// The lowest point that anything reaches: a text's bottom or a segment's end.
inline double lowestPoint(const std::vector<ReportEvent>& events) {
    double low = 0;
    for (const ReportEvent& e : events) {
        if (e.kind == ReportEvent::Text && !e.text.empty())
            low = std::max(low, e.y1 + 20.0 * e.size);
        if (e.kind == ReportEvent::Segment) low = std::max({low, e.y1, e.y2});
    }
    return low;
}

// The segments of the wall outline are the first ones of the page: the walls and the slab
// (eight), the heel (three, or the rear end of the base) and the toe (three, or its front end).
inline std::vector<ReportEvent> outlineSegments(const std::vector<ReportEvent>& events, bool heel,
                                                bool toe) {
    const size_t count = 8 + (heel ? 3 : 1) + (toe ? 3 : 1);
    std::vector<ReportEvent> outline;
    for (const ReportEvent& e : events)
        if (e.kind == ReportEvent::Segment && outline.size() < count) outline.push_back(e);
    return outline;
}

// The ends of the outline that meet no end of another outline segment (within a twip).
inline std::vector<std::string> openEnds(const std::vector<ReportEvent>& outline) {
    std::vector<std::string> open;
    auto meets = [](double ax, double ay, double bx, double by) {
        return std::fabs(ax - bx) <= 1.0 && std::fabs(ay - by) <= 1.0;
    };
    for (size_t i = 0; i < outline.size(); ++i) {
        const ReportEvent& s = outline[i];
        for (int end = 0; end < 2; ++end) {
            const double x = end ? s.x2 : s.x1, y = end ? s.y2 : s.y1;
            bool met = false;
            for (size_t j = 0; j < outline.size() && !met; ++j) {
                if (j == i) continue;
                const ReportEvent& o = outline[j];
                met = meets(x, y, o.x1, o.y1) || meets(x, y, o.x2, o.y2);
            }
            if (!met) open.push_back(transcriptLine(s) + (end ? " (end)" : " (start)"));
        }
    }
    return open;
}

}  // namespace pelzaro
