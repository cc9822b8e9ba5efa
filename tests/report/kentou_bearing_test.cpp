// The bearing-pressure check of report page 4: the formula of the fully loaded or the partly
// lifted base by |e|/B against 1/6 in single precision, the resultant lines that the
// overturning criteria did not print, and the one verdict line.

#include <gtest/gtest.h>

#include "kentou_page.h"

namespace pelzaro {
namespace {

std::vector<std::string> bearingLines(KentouPage& page) {
    std::vector<std::string> part =
        shown(between(page.draw(), "            ２）地盤支持力(接地圧)に対する検討",
                      "            ３）滑り出しに対する検討"));
    part.erase(part.begin());
    return part;
}

// A 6 m base, so that |e| = 1 m is exactly 1/6 of it.
KentouPage sixMetreBase(float e) {
    KentouPage page;
    page.m.B = 6.0f;
    page.m.e = e;
    page.m.d = 3.0f - e;
    return page;
}

const std::string kFullMax = "0                 最 大 接 地 圧 σmax=(ΣV/B)･{1＋(6e/B)}";
const std::string kFullMin = "0                 最 小 接 地 圧 σmin=(ΣV/B)･{1－(6e/B)}";
const std::string kMaxResult = "0                           　　      =45.678kN/m2";
const std::string kMinResult = "0                           　　      =4.321kN/m2";

TEST(KentouBearing, FormulaByTheRatioAgainstOneSixth) {
    struct Row {
        const char* why;
        float e;
        std::vector<std::string> lines;
    } rows[] = {
        {"r below 1/6: both pressures",
         0.9f,
         {kFullMax, "0                            　　     =(60.000/6.000)×{1＋(6×0.900/6.000)}",
          kMaxResult, kFullMin,
          "0                            　　     =(60.000/6.000)×{1－(6×0.900/6.000)}", kMinResult,
          "0                                σmax,σmin < 150.0kN/m2  ∴ O.K"}},
        {"r exactly 1/6: still the whole base, sigma_min as stored",
         1.0f,
         {kFullMax, "0                            　　     =(60.000/6.000)×{1＋(6×1.000/6.000)}",
          kMaxResult, kFullMin,
          "0                            　　     =(60.000/6.000)×{1－(6×1.000/6.000)}", kMinResult,
          "0                                σmax,σmin < 150.0kN/m2  ∴ O.K"}},
        {"r above 1/6: the lifted base, sigma_min 0",
         1.1f,
         {"0                 最 大 接 地 圧 σmax=(ΣV/B)･[2/{3×(1/2－e/B)}]",
          "0                            　　     =(60.000/6.000)×[2/{3×(1/2－1.100/6.000)}]",
          kMaxResult, "0                 最 小 接 地 圧 σmin=0kN/m2",
          "0                                σmax,σmin < 150.0kN/m2  ∴ O.K"}},
        {"a negative e shows its size",
         -0.9f,
         {kFullMax, "0                            　　     =(60.000/6.000)×{1＋(6×0.900/6.000)}",
          kMaxResult, kFullMin,
          "0                            　　     =(60.000/6.000)×{1－(6×0.900/6.000)}", kMinResult,
          "0                                σmax,σmin < 150.0kN/m2  ∴ O.K"}},
        {"e = 0: sigma_max alone",
         0.0f,
         {kFullMax, "0                            　　     =(60.000/6.000)×{1＋(6×0.000/6.000)}",
          kMaxResult, "0                                σmax < 150.0kN/m2  ∴ O.K"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        KentouPage page = sixMetreBase(r.e);
        EXPECT_EQ(bearingLines(page), r.lines);
    }
}

TEST(KentouBearing, OneVerdictLine) {
    struct Row {
        const char* why;
        float e, smax, smin;
        std::vector<std::string> verdict;
    } rows[] = {
        {"sigma_max at qa passes",
         0.9f,
         150.0f,
         4.0f,
         {"0                                σmax,σmin < 150.0kN/m2  ∴ O.K"}},
        {"sigma_max above, sigma_min below",
         0.9f,
         160.0f,
         4.0f,
         {"13                                σmax > 150.0kN/m2  ∴ NG", "BEEP"}},
        {"sigma_min at qa: sigma_max alone named",
         0.9f,
         160.0f,
         150.0f,
         {"13                                σmax > 150.0kN/m2  ∴ NG", "BEEP"}},
        {"both above",
         0.9f,
         200.0f,
         160.0f,
         {"13                                σmax,σmin > 150.0kN/m2  ∴ NG", "BEEP"}},
        {"both above with e = 0: sigma_min never printed",
         0.0f,
         200.0f,
         200.0f,
         {"13                                σmax > 150.0kN/m2  ∴ NG", "BEEP"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        KentouPage page = sixMetreBase(r.e);
        page.m.Sigma_max = r.smax, page.m.Sigma_min = r.smin;
        std::vector<std::string> lines = bearingLines(page);
        lines.erase(lines.begin(), lines.end() - static_cast<long>(r.verdict.size()));
        EXPECT_EQ(lines, r.verdict);
    }
}

TEST(KentouBearing, TheResultantWhereTheOverturningCheckDidNotPrintIt) {
    const std::string d =
        "0                 合力の作用位置 d=(Mr－Mo)/ΣV=(100.123－40.000)/60.000=1.001m";
    const std::string eN = "0                 偏  心  距  離 e=(B/2)－d=(2.400/2)－1.001=0.199m";
    const std::string eS = "0                 偏　心　距　離 e=(B/2)－d=(2.400/2)－1.001=0.199m";
    struct Row {
        const char* why;
        bool seismic;
        bool PageChoices::*option;
        std::vector<std::string> lines;
    } rows[] = {
        {"F >= 1.5: d and e", false, &PageChoices::n_F15, {d, eN}},
        {"d >= B/3: e alone", false, &PageChoices::n_BOver3, {eN}},
        {"e <= B/6: printed above already", false, &PageChoices::n_BOver6, {}},
        {"F >= 1.5 and e <= B/6: printed above", false, &PageChoices::n_F15AndBOver6, {}},
        {"seismic F >= 1.0: d and the seismic e", true, &PageChoices::s_F10, {d, eS}},
        {"seismic F >= 1.2: d and the seismic e", true, &PageChoices::s_F12, {d, eS}},
        {"seismic F >= 1.0 and e <= B/2: printed above", true, &PageChoices::s_F10AndBOver2, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        KentouPage page;
        page.opt.n_F15AndBOver6 = false;
        page.opt.case_N = !r.seismic, page.opt.case_S = r.seismic;
        page.opt.*r.option = true;
        std::vector<std::string> lines = bearingLines(page);
        lines.resize(r.lines.size());
        EXPECT_EQ(lines, r.lines);
        EXPECT_EQ(bearingLines(page).at(r.lines.size()), kFullMax);
    }
}

TEST(KentouBearing, SymmetricShapePrintsTheMomentsHere) {
    KentouPage page;
    page.opt.shapeOneSided = false, page.opt.shapeTwoSided = true;
    page.opt.n_F15AndBOver6 = false, page.opt.n_F15 = true;
    std::vector<std::string> lines = bearingLines(page);
    lines.resize(5);
    EXPECT_EQ(
        lines,
        (std::vector<std::string>{
            "0                 抵抗モーメント Mr=ΣV･x=100.123kNm/m",
            "0                 転倒モーメント Mo=ΣH･y=0kNm/m",
            "0                 合力の作用位置 d=(Mr－Mo)/ΣV=(100.123－40.000)/60.000=1.001m",
            "0                 偏  心  距  離 e=(B/2)－d=(2.400/2)－1.001=0.199m", kFullMax}));
}

}  // namespace
}  // namespace pelzaro
