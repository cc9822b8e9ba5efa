#include "support/report_support.h"

#include <algorithm>
#include <cstdio>

#include "forms/app.h"
#include "report/page_plan.h"
#include "report/report_error.h"
#include "report/text_width.h"

namespace pelzaro {

namespace {

// Runs `draw` on a recording surface that starts a fresh page, and keeps what it drew.
template <class Draw>
DrawnPage recorded(Draw draw) {
    RecordingSink sink;
    Surface pri(sink);
    pri.startPage();
    DrawnPage page;
    try {
        draw(pri);
    } catch (const ReportError& e) {
        page.error = e.what();
    }
    page.events = sink.events;
    page.lines = sink.lines();
    page.texts = sink.texts();
    page.beeps = sink.beeps();
    page.fontSize = pri.fontSize();
    page.foreColor = pri.foreColor();
    page.drawStyle = pri.drawStyle();
    page.endX = pri.x();
    page.endY = pri.y();
    return page;
}

}  // namespace

DrawnPage drawPage(App& app, std::initializer_list<SectionPrinter> sections) {
    return recorded([&](Surface& pri) { drawSections(app, pri, sections); });
}

DrawnPage drawPage(App& app, const std::vector<SectionPrinter>& sections) {
    return recorded([&](Surface& pri) { drawSections(app, pri, sections); });
}

DrawnPage drawReportPage(App& app, int page) {
    return drawPage(app, pageSections(page, wallParts(app.m)));
}

DrawnPage drawPage(Module1& m, const PageChoices& opt,
                   const std::vector<SectionPrinter>& sections) {
    return recorded([&](Surface& pri) {
        ReportContext context{pri, m, opt, m};
        for (SectionPrinter section : sections) section(context);
    });
}

std::vector<std::string> SectionBench::draw() {
    sink.clear();
    error.clear();
    pri.startPage();
    ReportContext context{pri, m, opt, m};
    try {
        section_(context);
    } catch (const ReportError& e) {
        error = e.what();
    }
    return sink.lines();
}

bool SectionBench::endsClean() const {
    return pri.fontSize() == 11 && pri.foreColor() == 0 && pri.drawStyle() == 0;
}

double PlacedText::right() const {
    return x + textWidthTwips(text, size);
}

double PlacedText::bottom() const {
    return y + Surface::kLineTwipsPerPoint * size;
}

std::vector<PlacedText> placedTexts(const std::vector<std::string>& lines) {
    std::vector<PlacedText> texts;
    for (const std::string& l : lines) {
        double x = 0, y = 0, size = 0;
        int colour = 0, used = 0;
        if (std::sscanf(l.c_str(), "T %lf %lf %lf %d %n", &x, &y, &size, &colour, &used) >= 4 &&
            used > 0)
            texts.push_back({x, y, size,
                             l.substr(static_cast<size_t>(used) + 1,
                                      l.size() - static_cast<size_t>(used) - 2)});
    }
    return texts;
}

bool overlap(const PlacedText& a, const PlacedText& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

std::vector<std::string> figureLines(const std::vector<std::string>& lines, int headingTexts,
                                     double linesBelowY) {
    std::vector<std::string> figure;
    int texts = 0;
    for (const std::string& l : lines) {
        const bool isText = l.rfind("T ", 0) == 0;
        if (isText && texts < headingTexts) {
            ++texts;
            continue;
        }
        if (isText && l.rfind("T 0 " + std::to_string(static_cast<int>(linesBelowY)) + " ", 0) == 0)
            break;
        if (texts == headingTexts) figure.push_back(l);
    }
    return figure;
}

namespace {

// The extent of a stroke or of a text's cell; false for a line that is neither.
bool extentOf(const std::string& line, Room& extent) {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (std::sscanf(line.c_str(), "L %lf %lf %lf %lf", &x1, &y1, &x2, &y2) == 4) {
        extent = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
        return true;
    }
    const std::vector<PlacedText> t = placedTexts({line});
    if (t.empty()) return false;
    extent = {t[0].x, t[0].y, t[0].right(), t[0].bottom()};
    return true;
}

}  // namespace

std::vector<std::string> leavingRoom(const std::vector<std::string>& lines, const Room& room) {
    std::vector<std::string> out;
    for (const std::string& l : lines) {
        Room e{};
        if (extentOf(l, e) && (e.left < room.left || e.right > room.right || e.top < room.top ||
                               e.bottom > room.bottom))
            out.push_back(l);
    }
    return out;
}

double leastClearance(const std::vector<std::string>& lines, const Room& room) {
    double least = 1e9;
    for (const std::string& l : lines) {
        Room e{};
        if (extentOf(l, e))
            least = std::min({least, e.left - room.left, room.right - e.right, e.top - room.top,
                              room.bottom - e.bottom});
    }
    return least;
}

std::vector<double> strokeEnds(const std::string& line) {
    std::vector<double> ends(4, 0.0);
    std::sscanf(line.c_str(), "L %lf %lf %lf %lf", &ends[0], &ends[1], &ends[2], &ends[3]);
    return ends;
}

std::string badNumberIn(const std::string& text) {
    for (const char* bad : {"inf", "nan", "-0.000"})
        if (text.find(bad) != std::string::npos) return bad;
    return "";
}

}  // namespace pelzaro
