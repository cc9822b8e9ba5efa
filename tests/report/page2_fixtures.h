#pragma once
// Three walls for the load-calculation page, their design state from the stability
// calculation, and the page's two sections drawn on a recording surface.
//  - battered: toe and heel with haunches, both walls battered, surcharges 10 / 5 / 3 kN/m2,
//    one-sided ground, normal case (the worked example of the stability tests);
//  - plain: no toe, no heel, vertical faces, a back surcharge only, one-sided ground, seismic
//    case by the road guideline with wall inertia;
//  - symmetric: the battered wall in the two-sided shape, seismic case of the residential-land
//    standard with Kh 0.25.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/page_choices.h"
#include "report/recording_sink.h"
#include "report/report_page.h"
#include "report/sections.h"
#include "stability/calc/stability_calc.h"
#include "stability_calc/example_walls.h"
#include "state/module1.h"
#include "support/report_support.h"

namespace pelzaro {

// The worked example of the stability tests.
inline StabilityInput batteredWallInput() {
    return exampleWall();
}

// Front wall 0.8 m above a 1.2 m front ground, back ground 1.6 m, rear wall 0.4 m above it;
// both walls 0.3 m thick, 1.4 m apart; slab 0.3 m; centre soil 0.5 m; back surcharge 10.
inline StabilityInput plainWallInput() {
    StabilityInput in = batteredWallInput();
    WallDimensions& w = in.wall;
    w.Syou_No = "2";
    w.Kigou = "A";
    w.H1 = 0.8f, w.H2 = 1.2f, w.H3 = 1.6f, w.H4 = 0.4f;
    w.T1_Mae = 0.3f, w.N_Mae_In = 0.0f, w.T1_Usiro = 0.3f, w.N_Usiro_In = 0.0f;
    w.B_Tumasaki = 0.0f, w.T2_Mae = 0.3f, w.B_Tyuuou = 1.4f, w.T2_Usiro = 0.3f;
    w.B_Kakato = 0.0f;
    w.D_Teiban = 0.3f, w.D_Tumasaki = 0.3f, w.D_Kakato = 0.3f, w.H_Tyuuou = 0.5f;
    w.Q_Haimen = 10.0f, w.Q_Tyuuou = 0.0f, w.Q_Zenmen = 0.0f;
    in.standard = DesignStandard::Std_D;
    in.calcCase = CalcCase::Case_S;
    in.method = SeismicMethod::Method_K2;
    in.cond.Kh = 0.2f;
    return in;
}

inline StabilityInput symmetricWallInput() {
    StabilityInput in = batteredWallInput();
    in.wall.Syou_No = "4";
    in.wall.Kigou = "Ｂ";
    in.wall.Q_Zenmen = 0.0f;  // the symmetric shape loads the front as the back
    in.shape = GroundShape::Shape_TwoSided;
    in.calcCase = CalcCase::Case_S;
    in.method = SeismicMethod::Method_K1;
    in.cond.Kh = 0.25f;
    return in;
}

// The design state after the stability calculation, with the design conditions the page reads.
inline Module1 stateOf(const StabilityInput& in) {
    Module1 m;
    EXPECT_EQ(calculateStability(in, m), StabilityOutcome::Ok);
    m.Gamma_C = in.cond.Gamma_C;
    m.Gamma_S = in.cond.Gamma_S;
    m.Kh = in.cond.Kh;
    return m;
}

inline PageChoices choicesOf(const StabilityInput& in) {
    PageChoices c;
    c.std_T = in.standard == DesignStandard::Std_T;
    c.std_D = in.standard == DesignStandard::Std_D;
    c.case_N = in.calcCase == CalcCase::Case_N;
    c.case_S = in.calcCase == CalcCase::Case_S;
    c.method_K1 = in.method == SeismicMethod::Method_K1;
    c.method_K2 = in.method == SeismicMethod::Method_K2;
    c.method_D1 = in.method == SeismicMethod::Method_D1;
    c.shapeOneSided = in.shape == GroundShape::Shape_OneSided;
    c.shapeTwoSided = in.shape == GroundShape::Shape_TwoSided;
    return c;
}

struct Drawn {
    std::vector<ReportEvent> events;
    std::vector<std::string> lines;
    std::string error;
    double size = 0;
    int colour = -1, style = -1;
    double x = -1;
};

// Runs the given sections on a fresh page over the state and choices.
inline Drawn drawOn(Module1& m, const PageChoices& opt, std::vector<SectionPrinter> sections) {
    const DrawnPage p = drawPage(m, opt, sections);
    return {p.events, p.lines, p.error, p.fontSize, p.foreColor, p.drawStyle, p.endX};
}

}  // namespace pelzaro
