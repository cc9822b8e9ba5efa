#pragma once
// Report page 3 drawn from a design state and page choices set by hand, so that every printed
// number can be worked out on paper: the earth-pressure section, then the load summary, on one
// recording surface that starts a fresh page.

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "report/page_choices.h"
#include "report/report_page.h"
#include "report/sections.h"
#include "state/module1.h"
#include "support/report_support.h"

namespace pelzaro {

struct Page3 {
    Module1 m;
    PageChoices opt;

    using Drawn = DrawnPage;

    Drawn draw(std::initializer_list<SectionPrinter> sections = {Form4_Doatu, Form4_Doatu2}) {
        return drawPage(m, opt, sections);
    }
};

// The lines of `all` from the first one equal to `first`, `count` of them (fewer at the end).
inline std::vector<std::string> blockFrom(const std::vector<std::string>& all,
                                          const std::string& first, size_t count) {
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i] == first)
            return std::vector<std::string>(
                all.begin() + static_cast<long>(i),
                all.begin() + static_cast<long>(std::min(all.size(), i + count)));
    return {};
}

}  // namespace pelzaro
