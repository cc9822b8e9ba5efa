#pragma once
// The width of a report text in the fixed-pitch report face: a half-width character (ASCII,
// half-width katakana) is half an em, every other character a full em; one em is 20 twips per
// point. Used to check that printed texts do not overlap, and to break a text that would run
// past the printable width.

#include <string>
#include <vector>

namespace pelzaro {

double textWidthTwips(const std::string& text, double points);

// A sentence broken into lines that each fit `widthTwips` with `indent` before it, every line
// beginning with the indent. A text that fits stays one line. Otherwise each line ends after
// the last "、" or "。" that fits, so that a clause stays whole; a clause too long for a line is
// filled as far as it fits, and a closing mark never begins a line.
std::vector<std::string> breakToWidth(const std::string& indent, const std::string& text,
                                      double points, double widthTwips);

}  // namespace pelzaro
