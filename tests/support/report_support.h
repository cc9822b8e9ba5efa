#pragma once
// Drawing report pages in tests: the sections of a page run on a recording surface, and what
// they drew is kept as a transcript with the error that ended them, if any. The sections read
// either a program's state and page choices, or a design state and page choices set by hand.

#include <initializer_list>
#include <string>
#include <vector>

#include "report/page_choices.h"
#include "report/recording_sink.h"
#include "report/report_page.h"
#include "report/surface.h"
#include "state/module1.h"

namespace pelzaro {

class App;

struct DrawnPage {
    std::vector<ReportEvent> events;  // what was drawn, for checks of its geometry
    std::vector<std::string> lines;   // the transcript
    std::vector<std::string> texts;   // the printed texts alone
    int beeps = 0;
    std::string error;  // the ReportError that ended a section, if any
    // The surface's state after the last section: size 11, colour 0, solid when clean.
    double fontSize = 0;
    int foreColor = -1;
    int drawStyle = -1;
    bool endsClean() const { return fontSize == 11 && foreColor == 0 && drawStyle == 0; }
    double endX = 0, endY = 0;  // where the last section left the surface's position
};

// The sections on a fresh page, over the program's state and its page choices.
DrawnPage drawPage(App& app, std::initializer_list<SectionPrinter> sections);
DrawnPage drawPage(App& app, const std::vector<SectionPrinter>& sections);
// Report page 1 .. 9 on a fresh page: the sections that the page plan gives it for the wall's
// parts, over the program's state and its page choices.
DrawnPage drawReportPage(App& app, int page);
// The sections on a fresh page, over a design state and page choices set by hand; the layout
// values the sections write go into the design state, as in the program.
DrawnPage drawPage(Module1& m, const PageChoices& opt, const std::vector<SectionPrinter>& sections);

// One section drawn alone, over a design state and page choices the test sets, on a surface
// that stays, so that a test can look at it between drawings.
struct SectionBench {
    explicit SectionBench(SectionPrinter section) : section_(section) {}

    Module1 m;
    PageChoices opt;
    RecordingSink sink;
    Surface pri{sink};
    std::string error;  // the ReportError that ended the last drawing, if any

    // Draws the section on a fresh page of the same surface; returns the transcript.
    std::vector<std::string> draw();
    // The surface is at size 11, colour 0 and solid, as a section leaves it.
    bool endsClean() const;

  private:
    SectionPrinter section_;
};

// A printed text where a transcript puts it, with the cell it takes in the fixed-pitch face.
struct PlacedText {
    double x, y, size;
    std::string text;
    double right() const;
    double bottom() const;
};

// The texts of a transcript, in the order printed.
std::vector<PlacedText> placedTexts(const std::vector<std::string>& lines);

// Whether two texts' cells overlap, so that one would be printed over the other.
bool overlap(const PlacedText& a, const PlacedText& b);

// A rectangle of the page in twips, y downward: the room a figure must keep to.
struct Room {
    double left, top, right, bottom;
};

// The lines of a transcript that a page's figure drew: those after its first `headingTexts`
// texts (the headings) and before the first text at the left edge at `linesBelowY` (the lines
// printed under the figure).
std::vector<std::string> figureLines(const std::vector<std::string>& lines, int headingTexts,
                                     double linesBelowY);

// The transcript lines whose stroke or text cell (in the fixed-pitch face) leaves the room.
std::vector<std::string> leavingRoom(const std::vector<std::string>& lines, const Room& room);

// The least distance from a stroke or text cell of the lines to an edge of the room: a figure
// shrunk just enough to fit touches an edge.
double leastClearance(const std::vector<std::string>& lines, const Room& room);

// The ends x1, y1, x2, y2 of a stroke's transcript line.
std::vector<double> strokeEnds(const std::string& line);

// The first of "inf", "nan" and "-0.000" that a printed text holds, or "" when it holds none:
// numbers a report must never print.
std::string badNumberIn(const std::string& text);

}  // namespace pelzaro
