#pragma once
// A sink that writes what is drawn as a transcript, one event a line, in drawing order and in
// whole twips:
//   T x y size colour "text"
//   L x1 y1 x2 y2 solid|dot colour
//   BEEP
// Tests compare transcripts; the development tool writes them beside the PDF.

#include <string>
#include <vector>

#include "report/report_sink.h"

namespace pelzaro {

struct ReportEvent {
    enum Kind { Text, Segment, Beep };
    Kind kind = Text;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // text: x1, y1 is its position
    double size = 0;
    int colour = 0;
    int style = 0;
    std::string text;

    static ReportEvent textAt(double x, double top, double size, int colour, std::string text);
    static ReportEvent segmentOf(double x1, double y1, double x2, double y2, int style, int colour);
};

class RecordingSink : public ReportSink {
  public:
    std::vector<ReportEvent> events;

    void text(double x, double top, double size, int colour, const std::string& text) override;
    void segment(double x1, double y1, double x2, double y2, int style, int colour) override;
    void beep() override;

    // The transcript lines, as described above.
    std::vector<std::string> lines() const;
    std::string transcript() const;  // the lines joined with "\n", one at the end of each
    // Texts only, in order: handy where a test looks at the words of a page.
    std::vector<std::string> texts() const;
    int beeps() const;
    void clear() { events.clear(); }
};

// One event as a transcript line.
std::string transcriptLine(const ReportEvent& e);

}  // namespace pelzaro
