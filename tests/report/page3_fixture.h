#pragma once
// Report page 3 drawn from a design state and page choices set by hand, so that every printed
// number can be worked out on paper: the earth-pressure section, then the load summary, on one
// recording surface that starts a fresh page.

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "report/page_choices.h"
#include "report/recording_sink.h"
#include "report/report_context.h"
#include "report/report_error.h"
#include "report/report_page.h"
#include "report/sections.h"
#include "state/module1.h"

namespace pelzaro {

struct Page3 {
    Module1 m;
    PageChoices opt;

    struct Drawn {
        std::vector<std::string> lines;
        std::string error;
        double fontSize = 0;
        int foreColor = -1;
        int drawStyle = -1;
        bool endsClean() const { return fontSize == 11 && foreColor == 0 && drawStyle == 0; }
    };

    Drawn draw(std::initializer_list<SectionPrinter> sections = {Form4_Doatu, Form4_Doatu2}) {
        RecordingSink sink;
        Surface pri(sink);
        pri.startPage();
        ReportContext c{pri, m, opt, m};
        Drawn d;
        try {
            for (SectionPrinter s : sections) s(c);
        } catch (const ReportError& e) {
            d.error = e.what();
        }
        d.lines = sink.lines();
        d.fontSize = pri.fontSize();
        d.foreColor = pri.foreColor();
        d.drawStyle = pri.drawStyle();
        return d;
    }
};

// The lines of `all` from the first one equal to `first`, `count` of them (fewer at the end).
inline std::vector<std::string> blockFrom(const std::vector<std::string>& all,
                                          const std::string& first, size_t count) {
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i] == first)
            return std::vector<std::string>(all.begin() + static_cast<long>(i),
                                            all.begin() + static_cast<long>(std::min(all.size(), i + count)));
    return {};
}

}  // namespace pelzaro
