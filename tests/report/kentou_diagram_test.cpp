// The ground-pressure sketch that ends report page 4: its variants without a key (N1 to N5) and
// with a key (K1 to K4) under each standard, as tables of segments and labels.

#include <gtest/gtest.h>

#include "kentou_page.h"
#include "transcript_lines.h"

namespace pelzaro {
namespace {

Lines diagram(KentouPage& page) {
    return between(page.draw(), "L 9500 3800", "");
}

const Lines kFrame = {seg(9500, 3800, 11000, 3800),  seg(9500, 3800, 9500, 3550),
                      seg(11000, 3800, 11000, 3550), seg(9500, 5200, 11000, 5200),
                      seg(9500, 5200, 9500, 4800),   seg(11000, 5200, 11000, 4800),
                      label(10150, 5000, "Ｂ")};

TEST(KentouDiagram, WithoutKey) {
    struct Row {
        const char* why;
        float e;
        Lines reaction;
    } rows[] = {
        {"N1: trapezoid larger at the front",
         0.5f,
         {seg(9500, 4100, 11000, 4100), seg(9500, 4100, 9500, 4600), seg(11000, 4100, 11000, 4350),
          seg(9500, 4600, 11000, 4350), label(9000, 4250, "σmax"), label(10650, 4450, "σmin")}},
        {"N2: trapezoid larger at the back",
         -0.5f,
         {seg(9500, 4100, 11000, 4100), seg(9500, 4100, 9500, 4350), seg(11000, 4100, 11000, 4600),
          seg(9500, 4350, 11000, 4600), label(10650, 4650, "σmax"), label(9000, 4150, "σmin")}},
        {"N3: rectangle",
         0.0f,
         {seg(9500, 4100, 11000, 4100), seg(9500, 4100, 9500, 4475), seg(11000, 4100, 11000, 4475),
          seg(9500, 4475, 11000, 4475), label(10000, 4550, "σmax")}},
        {"N4: triangle at the front, from |e|/B = 1/6 on",
         1.0f,
         {seg(9500, 4100, 10750, 4100), seg(9500, 4600, 10750, 4100), seg(9500, 4100, 9500, 4600),
          label(9000, 4350, "σmax")}},
        {"N5: triangle at the back",
         -1.5f,
         {seg(9500, 4100, 11000, 4100), seg(11000, 4600, 11000, 4100), seg(9750, 4100, 11000, 4600),
          label(10650, 4650, "σmax")}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        KentouPage page;
        page.m.B = 6.0f, page.m.e = r.e;
        page.m.Kentou_OfsY = 500;  // reset to 0 before the sketch
        EXPECT_EQ(diagram(page), kFrame + r.reaction);
        EXPECT_EQ(page.m.Kentou_OfsY, 0);
        EXPECT_EQ(page.pri.fontSize(), 11);
    }
}

Lines keyFrame(bool T) {
    Lines f = {seg(9500, 3800, 10250, 3800),  seg(10450, 3800, 11000, 3800),
               seg(9500, 3800, 9500, 3550),   seg(11000, 3800, 11000, 3550),
               seg(10250, 3800, 10250, 4050), seg(10450, 3800, 10450, 4050),
               seg(10250, 4050, 10450, 4050)};
    if (T) {
        f = f + Lines{seg(10250, 4050, 9900, 3800), seg(10130, 3950, 10250, 3900),
                      seg(10180, 3910, 10050, 3650), label(10000, 3500, "45ﾟ＋φB/2")};
    }
    return f + Lines{seg(10800, 3800, 10800, 4050), seg(10800, 4050, 10550, 4050),
                     label(10600, 3850, "H0"),      seg(9500, 5400, 11000, 5400),
                     seg(9500, 5400, 9500, 4850),   seg(11000, 5400, 11000, 4850),
                     label(10150, 5230, "Ｂ")};
}

enum Std { T, D, Neither };

TEST(KentouDiagram, WithKeyUnderEachStandard) {
    // The trapezoid larger at the front under the road guideline, also for e = 0.
    const Lines kK1Road = {
        seg(9500, 5150, 11000, 5150),  seg(10250, 5150, 10250, 4850), label(9800, 4980, "L1"),
        label(10550, 4980, "L2"),      seg(9500, 4200, 11000, 4200),  seg(9500, 4200, 9500, 4700),
        seg(11000, 4200, 11000, 4450), seg(9500, 4700, 11000, 4450),  seg(10250, 4200, 10250, 4590),
        label(9200, 4350, "ｑ1"),      label(10750, 4550, "ｑ2"),     label(10300, 4280, "ｑ3")};
    struct Row {
        const char* why;
        Std std;
        float e;
        Lines variant;
    } rows[] = {
        {"K1 road", D, 0.5f, kK1Road},
        {"K1 with e = 0", D, 0.0f, kK1Road},
        {"K2 residential",
         T,
         -0.5f,
         {seg(9500, 5150, 11000, 5150), seg(9900, 5150, 9900, 4850), seg(10250, 5150, 10250, 4850),
          label(9600, 4980, "L1"), label(10050, 4980, "L"), label(10550, 4980, "L2"),
          seg(9500, 4200, 11000, 4200), seg(9500, 4200, 9500, 4450), seg(11000, 4200, 11000, 4700),
          seg(9500, 4450, 11000, 4700), seg(9900, 4200, 9900, 4520), seg(10250, 4200, 10250, 4590),
          label(10550, 4350, "σmax"), label(9000, 4250, "σmin"), label(9600, 4280, "σ1"),
          label(10300, 4330, "σ2")}},
        {"K2 road",
         D,
         -0.5f,
         {seg(9500, 5150, 11000, 5150), seg(10250, 5150, 10250, 4850), label(9800, 4980, "L1"),
          label(10550, 4980, "L2"), seg(9500, 4200, 11000, 4200), seg(9500, 4200, 9500, 4450),
          seg(11000, 4200, 11000, 4700), seg(9500, 4450, 11000, 4700),
          seg(10250, 4200, 10250, 4590), label(10750, 4350, "ｑ1"), label(9200, 4250, "ｑ2"),
          label(10300, 4330, "ｑ3")}},
        {"K3 residential, |e|/B exactly 1/6",
         T,
         1.0f,
         {seg(9500, 5150, 10750, 5150), seg(9900, 5150, 9900, 4850), seg(10750, 5150, 10750, 4850),
          seg(10250, 5150, 10250, 4850), label(9600, 4980, "L1"), label(10050, 4980, "L"),
          label(10450, 4980, "L2"), seg(9500, 4300, 11000, 4300), seg(9500, 4300, 9500, 4700),
          seg(9500, 4700, 10750, 4300), seg(9900, 4300, 9900, 4590), seg(10250, 4300, 10250, 4490),
          label(9000, 4450, "σmax"), label(9600, 4380, "σ1"), label(10300, 4440, "σ2")}},
        {"K3 road",
         D,
         1.5f,
         {seg(9500, 5150, 10750, 5150), seg(10750, 5150, 10750, 4850),
          seg(10250, 5150, 10250, 4850), label(9800, 4980, "L1"), label(10450, 4980, "L2"),
          seg(9500, 4300, 11000, 4300), seg(9500, 4300, 9500, 4700), seg(9500, 4700, 10750, 4300),
          seg(10250, 4300, 10250, 4490), label(9200, 4450, "ｑ1"), label(10300, 4440, "ｑ3")}},
        {"K4 residential",
         T,
         -1.5f,
         {seg(9750, 5150, 11000, 5150), seg(9750, 5150, 9750, 4850), seg(9900, 5150, 9900, 4850),
          seg(10250, 5150, 10250, 4850), label(9550, 4980, "L1"), label(10050, 4980, "L"),
          label(10450, 4980, "L2"), seg(9500, 4300, 11000, 4300), seg(11000, 4300, 11000, 4700),
          seg(9750, 4300, 11000, 4700), seg(9900, 4300, 9900, 4370), seg(10250, 4300, 10250, 4490),
          label(10550, 4450, "σmax"), label(9600, 4380, "σ1"), label(10300, 4320, "σ2")}},
        {"K4 road",
         D,
         -1.5f,
         {seg(9750, 5150, 11000, 5150), seg(9750, 5150, 9750, 4850), seg(10250, 5150, 10250, 4850),
          label(9750, 4980, "L1"), label(10450, 4980, "L2"), seg(9500, 4300, 11000, 4300),
          seg(11000, 4300, 11000, 4700), seg(9750, 4300, 11000, 4700),
          seg(10250, 4300, 10250, 4490), label(10750, 4450, "ｑ1"), label(10300, 4320, "ｑ3")}},
        {"K1 without a standard: no lengths and no reaction labels",
         Neither,
         0.5f,
         {seg(9500, 5150, 11000, 5150), seg(10250, 5150, 10250, 4850), seg(9500, 4200, 11000, 4200),
          seg(9500, 4200, 9500, 4700), seg(11000, 4200, 11000, 4450), seg(9500, 4700, 11000, 4450),
          seg(10250, 4200, 10250, 4590)}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        KentouPage page;
        page.opt.keyNone = false, page.opt.keyPresent = true;
        page.opt.std_T = r.std == T, page.opt.std_D = r.std == D;
        page.m.B = 6.0f, page.m.e = r.e, page.m.Xn = 4.5f;
        EXPECT_EQ(diagram(page), keyFrame(r.std == T) + r.variant);
        EXPECT_EQ(page.pri.fontSize(), 11);
    }
}

TEST(KentouDiagram, NeitherKeyOptionDrawsNothing) {
    KentouPage page;
    page.opt.keyNone = false;
    page.m.Kentou_OfsY = 700;
    EXPECT_EQ(diagram(page), Lines{});
    EXPECT_EQ(page.m.Kentou_OfsY, 0);
    EXPECT_EQ(page.pri.fontSize(), 11);
}

}  // namespace
}  // namespace pelzaro
