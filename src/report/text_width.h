#pragma once
// The width of a report text in the fixed-pitch report face: a half-width character (ASCII,
// half-width katakana) is half an em, every other character a full em; one em is 20 twips per
// point. Used to check that printed texts do not overlap.

#include <string>

namespace pelzaro {

double textWidthTwips(const std::string& text, double points);

}  // namespace pelzaro
