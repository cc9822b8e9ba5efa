// The sliding check of report page 4: both width rules, the contact factor of a lifted base,
// the safety factor of each case with and without a key, and the early end of a failing
// normal-case factor without a key.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "kentou_page.h"

namespace pelzaro {
namespace {

std::vector<std::string> slidingLines(const std::vector<std::string>& all) {
    std::vector<std::string> part =
        shown(between(all, "            ３）滑り出しに対する検討", "L 9500 3800"));
    part.erase(part.begin());
    return part;
}

const std::string kSumH = "0                 水 平 力 の 総 和 ΣH=20.500kN/m";
const std::string kFactorPass =
    "0                 滑 動 安 全 率      F=RH/ΣH=36.000/20.500=1.756 > 1.5  ∴ O.K";

// A 6 m base; e = 1.5 m lifts it (|e|/B = 1/4), with Xn = 3 (3 - 1.5) = 4.5 m in contact.
KentouPage withCohesion(float e) {
    KentouPage page;
    page.m.B = 6.0f, page.m.e = e, page.m.Xn = 4.5f, page.m.C = 10.0f;
    page.m.A_eff = 6.0f - 2.0f * std::fabs(e);
    return page;
}

TEST(KentouSliding, TheWidthRules) {
    struct Row {
        const char* why;
        float e, C;
        bool PageChoices::*width;
        bool PageChoices::*staleWidth;
        std::vector<std::string> lines;
    } rows[] = {
        {"base width, whole base in contact",
         0.5f,
         10.0f,
         &PageChoices::n_baseWidth,
         nullptr,
         {kSumH,
          "0                 滑動に対する抵抗力 RH=C･B＋ΣV･μ=10.0×6.000＋60.000×0.6=36.000kN/m",
          kFactorPass}},
        {"base width, lifted: the contact factor |Xn|/B",
         1.5f,
         10.0f,
         &PageChoices::n_baseWidth,
         nullptr,
         {kSumH,
          "0                 滑動に対する抵抗力 "
          "RH=C･B＋ΣV･μ=10.0×(6.000×0.750)＋60.000×0.6=36.000kN/m",
          kFactorPass}},
        {"base width at exactly 1/6 counts as fully loaded",
         1.0f,
         10.0f,
         &PageChoices::s_baseWidth,
         nullptr,
         {kSumH,
          "0                 滑動に対する抵抗力 RH=C･B＋ΣV･μ=10.0×6.000＋60.000×0.6=36.000kN/m",
          kFactorPass}},
        {"effective width A' = B - 2|e|",
         -0.5f,
         12.5f,
         &PageChoices::n_effectiveWidth,
         nullptr,
         {"0                 底版の有効載荷面積 A'=B-2e=6.000－2×0.500=5.000m2/m", kSumH,
          "0                 滑動に対する抵抗力 RH=C･A'＋ΣV･μ=12.5×5.000＋60.000×0.6=36.000kN/m",
          kFactorPass}},
        {"no cohesion: the base width whatever the rule",
         0.5f,
         0.0f,
         &PageChoices::n_effectiveWidth,
         nullptr,
         {kSumH,
          "0                 滑動に対する抵抗力 RH=C･B＋ΣV･μ=0.0×6.000＋60.000×0.6=36.000kN/m",
          kFactorPass}},
        {"a base-width rule left in the seismic dialog comes first",
         0.5f,
         10.0f,
         &PageChoices::n_effectiveWidth,
         &PageChoices::s_baseWidth,
         {kSumH,
          "0                 滑動に対する抵抗力 RH=C･B＋ΣV･μ=10.0×6.000＋60.000×0.6=36.000kN/m",
          kFactorPass}},
        {"cohesion and no rule: no resistance line", 0.5f, 10.0f, nullptr, nullptr, {kFactorPass}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        KentouPage page = withCohesion(r.e);
        page.m.C = r.C;
        if (r.width) page.opt.*r.width = true;
        if (r.staleWidth) page.opt.*r.staleWidth = true;
        EXPECT_EQ(slidingLines(page.draw()), r.lines);
        EXPECT_EQ(page.error, "");
    }
}

TEST(KentouSliding, SafetyFactorByCaseAndKey) {
    const std::string rh =
        "0                 滑動に対する抵抗力 RH=C･B＋ΣV･μ=0.0×2.400＋60.000×0.6=36.000kN/m";
    const std::string line = "                滑 動 安 全 率      F=RH/ΣH=36.000/20.500=";
    struct Row {
        const char* why;
        bool seismic, key, road;
        bool PageChoices::*criterion;
        float F;
        std::vector<std::string> lines;
    } rows[] = {
        {"normal, no key, exactly 1.5",
         false,
         false,
         false,
         nullptr,
         1.5f,
         {kSumH, rh, "0 " + line + "1.500 > 1.5  ∴ O.K"}},
        {"seismic, no key, 1.0 met",
         true,
         false,
         false,
         &PageChoices::s_slideF10,
         1.0f,
         {kSumH, rh, "0 " + line + "1.000 > 1.0  ∴ O.K"}},
        {"seismic, no key, below 1.0",
         true,
         false,
         false,
         &PageChoices::s_slideF10,
         0.99f,
         {kSumH, rh, "13 " + line + "0.990 < 1.0", "BEEP"}},
        {"seismic, no key, 1.2 as stored",
         true,
         false,
         false,
         &PageChoices::s_slideF12,
         1.2f,
         {kSumH, rh, "0 " + line + "1.200 > 1.2  ∴ O.K"}},
        {"seismic, no key, below 1.2",
         true,
         false,
         false,
         &PageChoices::s_slideF12,
         1.19f,
         {kSumH, rh, "13 " + line + "1.190 < 1.2", "BEEP"}},
        {"seismic, no criterion: no factor line", true, false, false, nullptr, 0.5f, {kSumH, rh}},
        {"normal, key, residential: 1.0 leads to the key",
         false,
         true,
         false,
         nullptr,
         1.2f,
         {kSumH, rh, "0 " + line + "1.200 > 1.0  ――-> 突起を設ける"}},
        {"normal, key, residential, below 1.0",
         false,
         true,
         false,
         nullptr,
         0.9f,
         {kSumH, rh, "13 " + line + "0.900 < 1.0", "BEEP"}},
        {"seismic, key, residential, 1.2 chosen: still 1.0",
         true,
         true,
         false,
         &PageChoices::s_slideF12,
         1.1f,
         {kSumH, rh, "0 " + line + "1.100 > 1.0  ――-> 突起を設ける"}},
        {"key under the road guideline: the compact force line only",
         false,
         true,
         true,
         nullptr,
         0.5f,
         {"0                 水平力の総和 ΣH=20.500kN/m"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        KentouPage page;
        page.opt.case_N = !r.seismic, page.opt.case_S = r.seismic;
        page.opt.n_F15AndBOver6 = false;
        page.opt.keyNone = !r.key, page.opt.keyPresent = r.key;
        page.opt.std_T = !r.road, page.opt.std_D = r.road;
        if (r.criterion) page.opt.*r.criterion = true;
        page.m.F_Katsudou = r.F;
        std::vector<std::string> lines = slidingLines(page.draw());
        lines.resize(std::min(lines.size(), r.lines.size()));
        EXPECT_EQ(lines, r.lines);
        EXPECT_EQ(page.error, "");
    }
}

TEST(KentouSliding, AFailingNormalFactorWithoutKeyEndsTheSection) {
    KentouPage page;
    page.m.F_Katsudou = 1.4f;
    page.m.Kentou_OfsY = 300;  // left by an earlier drawing
    const std::vector<std::string> all = page.draw();
    EXPECT_EQ(all.back(), "BEEP");
    EXPECT_EQ(
        all.at(all.size() - 2),
        "T 0 6820 11 13 \"                滑 動 安 全 率      F=RH/ΣH=36.000/20.500=1.400 < 1.5\"");
    for (const std::string& line : all) EXPECT_NE(line.rfind("L ", 0), 0u) << "no diagram";
    EXPECT_EQ(page.m.Kentou_OfsY, 300);
    EXPECT_EQ(page.pri.fontSize(), 11);
    EXPECT_EQ(page.pri.foreColor(), 0);
    // A failing seismic factor does not end it.
    page.opt.case_N = false, page.opt.case_S = true, page.opt.s_slideF10 = true;
    page.m.F_Katsudou = 0.9f;
    EXPECT_EQ(page.draw().back(), "T 10650 4450 9 0 \"σmin\"");
    EXPECT_EQ(page.m.Kentou_OfsY, 0);
}

TEST(KentouSliding, SymmetricOrNoShape) {
    KentouPage page;
    page.opt.shapeOneSided = false, page.opt.shapeTwoSided = true;
    EXPECT_EQ(slidingLines(page.draw()),
              (std::vector<std::string>{"0                 対称土圧の為､滑動は生じない｡"}));
    page.opt.shapeTwoSided = false;
    EXPECT_EQ(slidingLines(page.draw()), (std::vector<std::string>{}));
    // The sketch without a key follows either way.
    EXPECT_NE(between(page.draw(), "L 9500 3800 11000 3800", "").size(), 0u);
}

}  // namespace
}  // namespace pelzaro
