#pragma once
// Transcript lines written out by hand, for the pages' expected drawings: texts at a point or
// on a row of the left edge, a figure's labels and its solid lines.

#include <string>

namespace pelzaro {

// A text at (x, y) in twips, `size` points, colour 0.
inline std::string text(int x, int y, int size, const std::string& t) {
    return "T " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(size) +
           " 0 \"" + t + "\"";
}

// A label of a figure: a text in the 9-point face.
inline std::string label(int x, int y, const std::string& t) {
    return text(x, y, 9, t);
}

// A solid segment in colour 0.
inline std::string seg(int x1, int y1, int x2, int y2) {
    return "L " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) + " " +
           std::to_string(y2) + " solid 0";
}

// A text at row `row` (220 twips a row at 11 pt) from the left edge.
inline std::string textAt(int row, const std::string& t, int colour = 0) {
    return "T 0 " + std::to_string(220 * row) + " 11 " + std::to_string(colour) + " \"" + t + "\"";
}

}  // namespace pelzaro
