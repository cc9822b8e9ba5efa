#pragma once
// Small fixtures for the member-part sections: a design state set directly (the member
// calculation's inputs, no pages), the page choices, and the sections drawn on a recording
// surface.

#include <initializer_list>
#include <string>
#include <vector>

#include "report/page_choices.h"
#include "report/recording_sink.h"
#include "report/report_page.h"
#include "state/module1.h"
#include "transcript_lines.h"

namespace pelzaro::haikin_test {

struct Drawn {
    std::vector<std::string> lines;  // the transcript
    std::vector<std::string> texts;
    int beeps = 0;
    std::string error;
    bool endsClean = false;  // size 11, colour 0, solid
    double endY = 0;
};

Drawn draw(Module1& m, const PageChoices& opt, std::initializer_list<SectionPrinter> sections);

// A wall with a uniform ground reaction (e = 0): clear span 2 m, W1 30 kN/m2, Sigma_max
// 60 kN/m2, slab 0.40 m; every part with "D16" (1.986 cm2, perimeter 5 cm) at a cover of
// 60 mm (8 mm to the bar centre); allowable stresses 7 / 160 / 0.7 N/mm2, bond 1.4 N/mm2.
Module1 uniformWall();
// Residential-land standard, normal case, spacings 250 (C), 200 (D) and 200 elsewhere.
PageChoices residentialNormal();

}  // namespace pelzaro::haikin_test
