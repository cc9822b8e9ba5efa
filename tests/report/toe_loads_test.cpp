// The toe's loads where the ground in front (one-sided) or behind (symmetric) lies below the
// top of the slab: a user opens a sample, lowers the ground on the wall-dimensions page, runs
// the stability check and the member design, and finds on the page and in the report the loads
// of their formulas, with the soil term negative, and the toe's forces that follow from them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "conditions/form3.h"
#include "members/form7.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "support/report_support.h"
#include "support/samples.h"
#include "support/scenario.h"

namespace pelzaro {
namespace {

using Edits = std::vector<std::pair<TextBox Form4::*, const char*>>;

// From the opened sample on to the wall dimensions, the boxes changed, "安定性の検討",
// "断面計算 >", D16 in every row the wall has, 100 mm typed as every design spacing and
// "応力度計算". Nothing on the way may raise a message.
void designWithChangedWall(OpenedSample& o, const Edits& edits) {
    shown<Form3>(o.app).cmd3.click();
    shown<Form23>(o.app).cmd1.click();
    Form4& wall = o.app.get<Form4>();
    ASSERT_TRUE(wall.Visible());
    for (const auto& [box, text] : edits) {
        (wall.*box).click();
        (wall.*box).userEdit(text);
    }
    wall.cmd3.click();
    ASSERT_EQ(o.host.messageTexts(), std::vector<std::string>{});
    ASSERT_NE(o.app.m.Sigma_max, 0.0f);
    wall.cmd1.click();
    Form7& page = o.app.get<Form7>();
    ASSERT_TRUE(page.Visible());
    for (const Form7Row& r : page.rows())
        if (r.barKind->Visible()) r.barKind->pick(4);  // "  D16"
    for (const Form7Row& r : page.rows()) {
        if (!r.designSpacing->Visible()) continue;
        r.designSpacing->click();
        r.designSpacing->type("100");
    }
    page.cmd1.click();
    ASSERT_EQ(o.host.messageTexts(), std::vector<std::string>{});
    ASSERT_EQ(o.app.m.Flg_Ouryoku, 1);
}

// The printed line of the member chapter (report pages 5 to 9) that begins with `head`.
std::string chapterLine(App& app, const std::string& head) {
    for (int page = 5; page <= 9; ++page) {
        const std::vector<std::string> texts = drawReportPage(app, page).texts;
        const auto it = std::find_if(texts.begin(), texts.end(),
                                     [&](const std::string& t) { return t.rfind(head, 0) == 0; });
        if (it != texts.end()) return *it;
    }
    return "(no line " + head + ")";
}

// The ground-reaction ordinate at x m from the edge of maximum pressure: Sigma_max falling
// linearly to zero at Xn.
double ordinate(const Module1& m, double x) {
    return m.Sigma_max * (m.Xn - x) / m.Xn;
}

bool close(double actual, double expected) {
    return std::fabs(actual - expected) <= 2e-5 * std::max(1.0, std::fabs(expected));
}

struct ToeCase {
    const char* why;
    const char* sample;
    Edits edits;
    double W4, W5;  // by hand
    const char* W4line;
    const char* W5line;
    double M1, S1;  // the toe's load share, by hand
    const char* M1line;
    const char* S1line;
};

// Both samples: soil 18.0, concrete 24.5 kN/m3, slab 0.4 m, toe 0.3 m at its tip (haunch 0.1).
//
// residential-normal-one-sided, front soil included, toe 0.5 m, front surcharge 5.00: the front
// ground 0.3 m above the base underside gives H_Zenmen = 0.3 - 0.3 - 0.1 = -0.1 m.
//   W4 = -0.1 x 18 + 0.4 x 24.5 + 5 = -1.8 + 9.8 + 5 = 13.000
//   W5 = (0.1 - 0.1) x 18 + 0.3 x 24.5 + 5 = 0 + 7.35 + 5 = 12.350
//   M1 = (13.0 + 2 x 12.35) x 0.5^2 / 6 = 37.7 x 0.25 / 6 = 1.570833
//   S1 = (13.0 + 12.35) x 0.5 / 2 = 6.3375
//
// road-normal-two-sided made symmetric (toe 0.6 m as the heel, heel 0.3 m at its tip with
// haunch 0.1 as the toe), the back ground 0.02 m above the base underside, 0.38 m below the
// slab's top (rear wall 2.28 m above it, so still 1.9 m above the slab), surcharge 10.00 on
// both sides: H_Haimen = 0.02 - 0.3 - 0.1 = -0.38 m, mirrored on the toe.
//   W2 = W4 = -0.38 x 18 + 0.4 x 24.5 + 10 = -6.84 + 9.8 + 10 = 12.960
//   W3 = W5 = (0.1 - 0.38) x 18 + 0.3 x 24.5 + 10 = -5.04 + 7.35 + 10 = 12.310
//   M1 = (12.96 + 2 x 12.31) x 0.6^2 / 6 = 37.58 x 0.36 / 6 = 2.2548
//   S1 = (12.96 + 12.31) x 0.6 / 2 = 7.581
const ToeCase kCases[] = {
    {"one-sided, front ground below the toe's top",
     "residential-normal-one-sided.qkz",
     {{&Form4::txt4, "0.3"}},
     13.0,
     12.35,
     "            W4=(-0.100×18.0)＋(0.400×24.5)＋5.00=13.000KN/m2",
     "            W5=(0.000×18.0)＋(0.300×24.5)＋5.00=12.350KN/m2",
     1.570833,
     6.3375,
     "                 M1=(W4＋2･W5)･B^2/6=(13.000＋2×12.350)×0.500^2/6=1.571KNm/m",
     "                 S1=(W4＋W5)･B/2=(13.000＋12.350)×0.500/2=6.338KN/m"},
    {"symmetric, back ground 0.38 m below the slab's top",
     "road-normal-two-sided.qkz",
     {{&Form4::txt5, "0.02"}, {&Form4::txt6, "2.28"}, {&Form4::txt12, "0.6"}},
     12.96,
     12.31,
     "            W4=(-0.380×18.0)＋(0.400×24.5)＋10.00=12.960KN/m2",
     "            W5=(-0.280×18.0)＋(0.300×24.5)＋10.00=12.310KN/m2",
     2.2548,
     7.581,
     "                 M1=(W4＋2･W5)･B^2/6=(12.960＋2×12.310)×0.600^2/6=2.255KNm/m",
     "                 S1=(W4＋W5)･B/2=(12.960＋12.310)×0.600/2=7.581KN/m"},
};

TEST(ToeLoadsBelowTheSlabTop, FollowTheirFormulasOnThePageAndInTheReport) {
    for (const ToeCase& c : kCases) {
        SCOPED_TRACE(c.why);
        OpenedSample o(samplePath(c.sample));
        designWithChangedWall(o, c.edits);
        const Module1& m = o.app.m;
        EXPECT_TRUE(close(m.W4, c.W4)) << m.W4;
        EXPECT_TRUE(close(m.W5, c.W5)) << m.W5;
        EXPECT_EQ(chapterLine(o.app, "            W4=("), c.W4line);
        EXPECT_EQ(chapterLine(o.app, "            W5=("), c.W5line);
        EXPECT_EQ(chapterLine(o.app, "                 M1=(W4"), c.M1line);
        EXPECT_EQ(chapterLine(o.app, "                 S1=(W4"), c.S1line);

        // The ground reaction under the toe, from the stability result: in both walls the
        // maximum lies at one end and the zero point beyond the other (trapezoid), so VP at the
        // toe tip and V1 at its root lie on the line from Sigma_max to zero at Xn.
        const double Lt = m.B_Tumasaki;
        const bool maxAtToe = m.e > 0.0f;
        const double VP = maxAtToe ? m.Sigma_max : ordinate(m, m.B);
        const double V1 = maxAtToe ? ordinate(m, Lt) : ordinate(m, m.B - Lt);
        EXPECT_TRUE(close(m.VP, VP)) << m.VP << " " << VP;
        EXPECT_TRUE(close(m.V1, V1)) << m.V1 << " " << V1;
        const double M2 = Lt * Lt * (VP + VP + V1) / 6.0, S2 = (VP + V1) * Lt / 2.0;
        EXPECT_TRUE(close(m.M1_G, c.M1)) << m.M1_G;
        EXPECT_TRUE(close(m.S1_G, c.S1)) << m.S1_G;
        EXPECT_TRUE(close(m.M_G, 1e5 * std::fabs(c.M1 - M2))) << m.M_G;
        EXPECT_TRUE(close(m.S_G, 1e3 * std::fabs(c.S1 - S2))) << m.S_G;
    }
}

// The symmetric wall's toe and heel are alike: the same loads at root and tip, the same load
// share of moment and shear. (The reaction differs: the back earth pressure moves the
// resultant forward.)
TEST(ToeLoadsBelowTheSlabTop, TheSymmetricToeCarriesWhatTheHeelCarries) {
    const ToeCase& c = kCases[1];
    OpenedSample o(samplePath(c.sample));
    designWithChangedWall(o, c.edits);
    const Module1& m = o.app.m;
    EXPECT_EQ(m.W4, m.W2);
    EXPECT_EQ(m.W5, m.W3);
    EXPECT_EQ(m.M1_G, m.M1_F);
    EXPECT_EQ(m.S1_G, m.S1_F);
    EXPECT_EQ(chapterLine(o.app, "            W2=("),
              "            W2=(-0.380×18.0)＋(0.400×24.5)＋10.00=12.960KN/m2");
    EXPECT_EQ(chapterLine(o.app, "            W3=("),
              "            W3=(-0.280×18.0)＋(0.300×24.5)＋10.00=12.310KN/m2");
}

}  // namespace
}  // namespace pelzaro
