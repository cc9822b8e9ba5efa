#pragma once
// Fixed lines of a window's drawing that no code moves, kept as line controls so that the
// binder draws them with the rest of the window.

#include <memory>
#include <string>
#include <vector>

#include "forms/controls.h"

namespace pelzaro {

struct FigureLine {
    int x1, y1, x2, y2, style;  // style 3: dashed
};

// Adds the lines named namePrefix1, namePrefix2, ... continuing the count of `into`.
template <class Lines>
void addFigureLines(Window& owner, std::vector<std::unique_ptr<Line>>& into,
                    const std::string& namePrefix, const Lines& lines) {
    for (const FigureLine& g : lines) {
        auto line = std::make_unique<Line>(owner, namePrefix + std::to_string(into.size() + 1),
                                           g.x1, g.y1, g.x2, g.y2);
        line->BorderStyle = g.style;
        into.push_back(std::move(line));
    }
}

}  // namespace pelzaro
