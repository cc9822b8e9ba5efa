#pragma once
// Drawing report pages in tests: the sections of a page run on a recording surface, and what
// they drew is kept as a transcript with the error that ended them, if any.

#include <initializer_list>
#include <string>
#include <vector>

#include "report/recording_sink.h"
#include "report/report_page.h"

namespace pelzaro {

class App;

struct DrawnPage {
    std::vector<std::string> lines;  // the transcript
    std::vector<std::string> texts;  // the printed texts alone
    int beeps = 0;
    std::string error;  // the ReportError that ended a section, if any
    // The surface's state after the last section: size 11, colour 0, solid when clean.
    double fontSize = 0;
    int foreColor = -1;
    int drawStyle = -1;
    bool endsClean() const { return fontSize == 11 && foreColor == 0 && drawStyle == 0; }
};

DrawnPage drawPage(App& app, std::initializer_list<SectionPrinter> sections);

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

// The first of "inf", "nan" and "-0.000" that a printed text holds, or "" when it holds none:
// numbers a report must never print.
std::string badNumberIn(const std::string& text);

}  // namespace pelzaro
