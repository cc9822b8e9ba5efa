#pragma once
// Fixed captions of a page's drawing that no code refers to, kept as labels so that the
// binder places them with the rest of the page.

#include <memory>
#include <string>
#include <vector>

#include "forms/controls.h"

namespace pelzaro {

struct StaticText {
    const char* caption;
    int left, top, width, height;
};

inline void addStaticTexts(Window& owner, std::vector<std::unique_ptr<Label>>& into,
                           const std::string& namePrefix, const std::vector<StaticText>& texts) {
    for (const StaticText& t : texts) {
        auto label =
            std::make_unique<Label>(owner, namePrefix + std::to_string(into.size() + 1), t.caption);
        label->geometry = {t.left, t.top, t.width, t.height};
        into.push_back(std::move(label));
    }
}

}  // namespace pelzaro
