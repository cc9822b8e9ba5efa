#include "report/recording_sink.h"

#include <cmath>
#include <cstdio>

namespace pelzaro {

namespace {
// Whole twips, halves away from zero; a negative zero prints as 0.
std::string twips(double v) {
    long long r = std::llround(v);
    return std::to_string(r);
}
std::string points(double size) {
    if (size == std::floor(size)) return std::to_string(static_cast<long long>(size));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", size);
    return buf;
}
}  // namespace

ReportEvent ReportEvent::textAt(double x, double top, double size, int colour, std::string t) {
    ReportEvent e;
    e.kind = Text;
    e.x1 = x;
    e.y1 = top;
    e.size = size;
    e.colour = colour;
    e.text = std::move(t);
    return e;
}

ReportEvent ReportEvent::segmentOf(double x1, double y1, double x2, double y2, int style,
                                   int colour) {
    ReportEvent e;
    e.kind = Segment;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    e.style = style;
    e.colour = colour;
    return e;
}

void RecordingSink::text(double x, double top, double size, int colour, const std::string& t) {
    events.push_back(ReportEvent::textAt(x, top, size, colour, t));
}

void RecordingSink::segment(double x1, double y1, double x2, double y2, int style, int colour) {
    events.push_back(ReportEvent::segmentOf(x1, y1, x2, y2, style, colour));
}

void RecordingSink::beep() {
    ReportEvent e;
    e.kind = ReportEvent::Beep;
    events.push_back(e);
}

std::string transcriptLine(const ReportEvent& e) {
    switch (e.kind) {
        case ReportEvent::Text:
            return "T " + twips(e.x1) + " " + twips(e.y1) + " " + points(e.size) + " " +
                   std::to_string(e.colour) + " \"" + e.text + "\"";
        case ReportEvent::Segment:
            return "L " + twips(e.x1) + " " + twips(e.y1) + " " + twips(e.x2) + " " + twips(e.y2) +
                   (e.style == DrawStyle_Dot ? " dot " : " solid ") + std::to_string(e.colour);
        case ReportEvent::Beep:
            break;
    }
    return "BEEP";
}

std::vector<std::string> RecordingSink::lines() const {
    std::vector<std::string> out;
    out.reserve(events.size());
    for (const ReportEvent& e : events) out.push_back(transcriptLine(e));
    return out;
}

std::string RecordingSink::transcript() const {
    std::string out;
    for (const std::string& line : lines()) out += line + "\n";
    return out;
}

std::vector<std::string> RecordingSink::texts() const {
    std::vector<std::string> out;
    for (const ReportEvent& e : events)
        if (e.kind == ReportEvent::Text) out.push_back(e.text);
    return out;
}

int RecordingSink::beeps() const {
    int n = 0;
    for (const ReportEvent& e : events) n += e.kind == ReportEvent::Beep;
    return n;
}

}  // namespace pelzaro
