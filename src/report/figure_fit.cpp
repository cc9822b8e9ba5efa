#include "report/figure_fit.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "report/recording_sink.h"
#include "report/report_error.h"
#include "report/text_width.h"

namespace pelzaro {

namespace {

struct Extent {
    double left, top, right, bottom;
};

Extent extentOf(const ReportEvent& e) {
    if (e.kind == ReportEvent::Text)
        return {e.x1, e.y1, e.x1 + textWidthTwips(e.text, e.size),
                e.y1 + e.size * Surface::kLineTwipsPerPoint};
    return {std::min(e.x1, e.x2), std::min(e.y1, e.y2), std::max(e.x1, e.x2), std::max(e.y1, e.y2)};
}

bool inside(const Extent& e, const FigureRoom& room) {
    return e.left >= room.left && e.right <= room.right && e.top >= room.top &&
           e.bottom <= room.bottom;
}

bool meet(const Extent& a, const Extent& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The texts printed on each other, as pairs of their places in the drawing order, which the
// factors do not change.
using Meetings = std::set<std::pair<size_t, size_t>>;

struct Measured {
    bool inside = true;
    Meetings meetings;
};

// Empty when the figure cannot be drawn at these factors.
std::optional<Measured> measure(const Surface& like, const FigureRoom& room, const FigureAt& draw,
                                FigureFactors factors) {
    RecordingSink sink;
    Surface trial(sink, like);
    try {
        draw(trial, factors);
    } catch (const ReportError&) {
        return std::nullopt;
    }
    Measured m;
    std::vector<std::pair<size_t, Extent>> texts;
    for (size_t i = 0; i < sink.events.size(); ++i) {
        const ReportEvent& e = sink.events[i];
        if (e.kind == ReportEvent::Beep) continue;
        const Extent x = extentOf(e);
        m.inside = m.inside && inside(x, room);
        if (e.kind == ReportEvent::Text && !e.text.empty()) texts.emplace_back(i, x);
    }
    for (size_t a = 0; a < texts.size(); ++a)
        for (size_t b = a + 1; b < texts.size(); ++b)
            if (meet(texts[a].second, texts[b].second))
                m.meetings.emplace(texts[a].first, texts[b].first);
    return m;
}

// The largest factor in (0, 1] at which the figure drawn at `at(factor)` is acceptable, none
// when no factor is. Every position is a fixed offset plus the factor times a scaled length, so
// the factors that fit run from 0 up to the one sought: halve the gap until it is far below a
// twip.
template <class At, class Acceptable>
std::optional<double> largestFitting(const Surface& like, const FigureRoom& room, const FigureAt& draw, At at,
                      Acceptable acceptable) {
    auto fits = [&](double factor) {
        const std::optional<Measured> m = measure(like, room, draw, at(factor));
        return m && acceptable(*m);
    };
    if (fits(1.0)) return 1.0;
    double good = 0.0, bad = 1.0;
    for (int step = 0; step < 40; ++step) {
        const double trial = (good + bad) / 2.0;
        (fits(trial) ? good : bad) = trial;
    }
    if (good > 0.0) return good;
    return std::nullopt;
}

// Loads drawn flat, yet drawn: a load of no height is left out of the figure with its label,
// while the label of a load however low still needs its room above the wall.
constexpr double kFlat = 1e-9;

bool within(const Meetings& found, const Meetings& allowed) {
    return std::includes(allowed.begin(), allowed.end(), found.begin(), found.end());
}

}  // namespace

FigureFactors fittingFactors(const Surface& like, const FigureRoom& room, const FigureAt& draw) {
    FigureFactors f;
    const std::optional<Measured> full = measure(like, room, draw, f);
    if (!full || full->inside) return f;
    f.wall = largestFitting(
                 like, room, draw,
                 [](double w) {
                     return FigureFactors{w, kFlat};
                 },
                 [](const Measured& m) { return m.inside; })
                 .value_or(1.0);
    // The loads' labels come down with the loads: they may not land on a text that they meet
    // neither at full height nor flat.
    const std::optional<Measured> flat = measure(like, room, draw, {f.wall, kFlat});
    Meetings allowed = full->meetings;
    if (flat) allowed.insert(flat->meetings.begin(), flat->meetings.end());
    const auto loadsAt = [&](double l) { return FigureFactors{f.wall, l}; };
    std::optional<double> load = largestFitting(
        like, room, draw, loadsAt,
        [&](const Measured& m) { return m.inside && within(m.meetings, allowed); });
    // Where every height that keeps the labels apart leaves the room (a surcharge of thousands
    // of kN/m2 on a wall of a few centimetres), staying on the sheet comes first.
    if (!load)
        load = largestFitting(like, room, draw, loadsAt,
                              [](const Measured& m) { return m.inside; });
    f.load = load.value_or(1.0);
    return f;
}

FigureFactors fittingFactors(const ReportContext& c, const FigureRoom& room,
                             const SectionFigureAt& draw) {
    return fittingFactors(c.pri, room, [&](Surface& trial, FigureFactors f) {
        ReportVars scratch = c.layout;
        ReportContext measured{trial, c.m, c.opt, scratch};
        draw(measured, f);
    });
}

}  // namespace pelzaro
