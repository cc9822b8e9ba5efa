// The overturning check of report page 4: every criterion of both check-method dialogs,
// passing, at its limit and failing. Expected lines written by hand; "13 " marks a failing
// line, "BEEP" the beep after a failing block.

#include <gtest/gtest.h>

#include "kentou_page.h"

namespace pelzaro {
namespace {

const std::string kMr = "0                 抵抗モーメント Mr=ΣV･x=100.123kNm/m";
const std::string kMo = "0                 転倒モーメント Mo=ΣH･y=40.000kNm/m";
const std::string kD = "                合力の作用位置  d=(Mr－Mo)/ΣV=(100.123－40.000)/60.000=";

struct Row {
    const char* why;
    bool seismic;
    bool PageChoices::*option;
    float e, d, F;
    std::vector<std::string> lines;  // after the title and its empty line
};

TEST(KentouOverturning, EachCriterionPassingAndFailing) {
    const float sixth = 2.4f / 6.0f, half = 2.4f / 2.0f, third = 2.4f / 3.0f;
    const Row rows[] = {
        {"F >= 1.5 passes",
         false,
         &PageChoices::n_F15,
         0.199f,
         1.001f,
         2.503f,
         {kMr, kMo, "0                 転 倒 安 全 率  F=Mr/Mo=100.123/40.000=2.503 > 1.5  ∴ O.K"}},
        {"F exactly 1.5 passes",
         false,
         &PageChoices::n_F15,
         0.199f,
         1.001f,
         1.5f,
         {kMr, kMo, "0                 転 倒 安 全 率  F=Mr/Mo=100.123/40.000=1.500 > 1.5  ∴ O.K"}},
        {"F below 1.5 fails",
         false,
         &PageChoices::n_F15,
         0.199f,
         1.001f,
         1.4999f,
         {kMr, kMo, "13                 転 倒 安 全 率  F=Mr/Mo=100.123/40.000=1.500 < 1.5",
          "BEEP"}},
        {"d >= B/3 in two lines",
         false,
         &PageChoices::n_BOver3,
         0.199f,
         1.001f,
         2.503f,
         {kMr, kMo, "0                 合力の作用位置  d=(Mr－Mo)/ΣV",
          "0                                  =(100.123－40.000)/60.000=1.001m > "
          "B/3=2.400/3=0.800m ∴ O.K"}},
        {"d at B/3 passes",
         false,
         &PageChoices::n_BOver3,
         0.4f,
         third,
         2.503f,
         {kMr, kMo, "0                 合力の作用位置  d=(Mr－Mo)/ΣV",
          "0                                  =(100.123－40.000)/60.000=0.800m > "
          "B/3=2.400/3=0.800m ∴ O.K"}},
        {"d below B/3: both lines fail, one beep",
         false,
         &PageChoices::n_BOver3,
         0.5f,
         0.7f,
         2.503f,
         {kMr, kMo, "13                 合力の作用位置  d=(Mr－Mo)/ΣV",
          "13                                  =(100.123－40.000)/60.000=0.700m < "
          "B/3=2.400/3=0.800m",
          "BEEP"}},
        {"a negative e is judged by its size",
         false,
         &PageChoices::n_BOver6,
         -0.25f,
         1.45f,
         2.503f,
         {kMr, kMo, "0 " + kD + "1.450m",
          "0                 偏　心　距　離  e=(B/2)－d=(2.400/2)－1.450=-0.250m < "
          "B/6=2.400/6=0.400m ∴ O.K"}},
        {"e at B/6 passes",
         false,
         &PageChoices::n_BOver6,
         sixth,
         0.8f,
         2.503f,
         {kMr, kMo, "0 " + kD + "0.800m",
          "0                 偏　心　距　離  e=(B/2)－d=(2.400/2)－0.800=0.400m < "
          "B/6=2.400/6=0.400m ∴ O.K"}},
        {"e beyond B/6 fails",
         false,
         &PageChoices::n_BOver6,
         0.401f,
         0.799f,
         2.503f,
         {kMr, kMo, "0 " + kD + "0.799m",
          "13                 偏　心　距　離  e=(B/2)－d=(2.400/2)－0.799=0.401m > "
          "B/6=2.400/6=0.400m",
          "BEEP"}},
        {"F and e: each fails with its own beep",
         false,
         &PageChoices::n_F15AndBOver6,
         0.401f,
         0.799f,
         1.2f,
         {kMr, kMo, "0 " + kD + "0.799m",
          "13                 偏　心　距　離  e=(B/2)－d=(2.400/2)－0.799=0.401m > "
          "B/6=2.400/6=0.400m",
          "BEEP", "13                 転 倒 安 全 率  F=Mr/Mo=100.123/40.000=1.200 < 1.5", "BEEP"}},
        {"seismic F >= 1.0",
         true,
         &PageChoices::s_F10,
         0.199f,
         1.001f,
         1.0f,
         {kMr, kMo, "0                 転 倒 安 全 率  F=Mr/Mo=100.123/40.000=1.000 > 1.0  ∴ O.K"}},
        {"seismic F below 1.0",
         true,
         &PageChoices::s_F10,
         0.199f,
         1.001f,
         0.9f,
         {kMr, kMo, "13                 転 倒 安 全 率  F=Mr/Mo=100.123/40.000=0.900 < 1.0",
          "BEEP"}},
        {"seismic F = 1.2 as stored passes",
         true,
         &PageChoices::s_F12,
         0.199f,
         1.001f,
         1.2f,
         {kMr, kMo, "0                 転 倒 安 全 率  F=Mr/Mo=100.123/40.000=1.200 > 1.2  ∴ O.K"}},
        {"seismic F below 1.2",
         true,
         &PageChoices::s_F12,
         0.199f,
         1.001f,
         1.19f,
         {kMr, kMo, "13                 転 倒 安 全 率  F=Mr/Mo=100.123/40.000=1.190 < 1.2",
          "BEEP"}},
        {"e at B/2 passes",
         true,
         &PageChoices::s_BOver2,
         half,
         0.0f,
         2.503f,
         {kMr, kMo, "0 " + kD + "0.000m",
          "0                 偏　心　距　離  e=(B/2)－d=(2.400/2)－0.000=1.200m < "
          "B/2=2.400/2=1.200m ∴ O.K"}},
        {"e beyond B/2 fails",
         true,
         &PageChoices::s_BOver2,
         -1.25f,
         2.45f,
         2.503f,
         {kMr, kMo, "0 " + kD + "2.450m",
          "13                 偏　心　距　離  e=(B/2)－d=(2.400/2)－2.450=-1.250m > "
          "B/2=2.400/2=1.200m",
          "BEEP"}},
        {"e at B/3 passes",
         true,
         &PageChoices::s_BOver3,
         third,
         0.4f,
         2.503f,
         {kMr, kMo, "0 " + kD + "0.400m",
          "0                 偏　心　距　離  e=(B/2)－d=(2.400/2)－0.400=0.800m < "
          "B/3=2.400/3=0.800m ∴ O.K"}},
        {"e beyond B/3 fails",
         true,
         &PageChoices::s_BOver3,
         0.81f,
         0.39f,
         2.503f,
         {kMr, kMo, "0 " + kD + "0.390m",
          "13                 偏　心　距　離  e=(B/2)－d=(2.400/2)－0.390=0.810m > "
          "B/3=2.400/3=0.800m",
          "BEEP"}},
        {"F >= 1.0 and e <= B/2",
         true,
         &PageChoices::s_F10AndBOver2,
         0.199f,
         1.001f,
         2.503f,
         {kMr, kMo, "0 " + kD + "1.001m",
          "0                 偏　心　距　離  e=(B/2)－d=(2.400/2)－1.001=0.199m < "
          "B/2=2.400/2=1.200m ∴ O.K",
          "0                 転 倒 安 全 率  F=Mr/Mo=100.123/40.000=2.503 > 1.0  ∴ O.K"}},
        {"F >= 1.2 and e <= B/3, F failing",
         true,
         &PageChoices::s_F12AndBOver3,
         0.199f,
         1.001f,
         1.1f,
         {kMr, kMo, "0 " + kD + "1.001m",
          "0                 偏　心　距　離  e=(B/2)－d=(2.400/2)－1.001=0.199m < "
          "B/3=2.400/3=0.800m ∴ O.K",
          "13                 転 倒 安 全 率  F=Mr/Mo=100.123/40.000=1.100 < 1.2", "BEEP"}},
        {"no criterion chosen: the moments only",
         false,
         nullptr,
         0.199f,
         1.001f,
         2.503f,
         {kMr, kMo}},
        {"the normal dialog is not read in the seismic case",
         true,
         &PageChoices::n_F15,
         0.199f,
         1.001f,
         0.5f,
         {kMr, kMo}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        KentouPage page;
        page.opt.n_F15AndBOver6 = false;
        page.opt.case_N = !r.seismic;
        page.opt.case_S = r.seismic;
        if (r.option) page.opt.*r.option = true;
        page.m.e = r.e, page.m.d = r.d, page.m.F_Tentou = r.F;
        const std::vector<std::string> all = page.draw();
        std::vector<std::string> part =
            shown(between(all, "            １）転倒に対する検討",
                          "            ２）地盤支持力(接地圧)に対する検討"));
        part.erase(part.begin());  // the title
        EXPECT_EQ(part, r.lines);
        EXPECT_GE(failingBlocks(all), 0);
    }
}

TEST(KentouOverturning, TheGroundShapeDecides) {
    KentouPage page;
    page.opt.shapeOneSided = false;
    page.opt.shapeTwoSided = true;
    std::vector<std::string> all = page.draw();
    EXPECT_EQ(shown(between(all, "            １）転倒に対する検討",
                            "            ２）地盤支持力(接地圧)に対する検討")),
              (std::vector<std::string>{"0             １）転倒に対する検討",
                                        "0                 対称土圧の為、転倒は生じない。"}));
    page.opt.shapeTwoSided = false;
    all = page.draw();
    EXPECT_EQ(shown(between(all, "            １）転倒に対する検討",
                            "            ２）地盤支持力(接地圧)に対する検討")),
              (std::vector<std::string>{"0             １）転倒に対する検討"}));
    // The title stands two empty lines above the next check's title either way.
    EXPECT_EQ(between(all, "            １）転倒に対する検討", "").at(1),
              "T 0 2420 11 0 \"            ２）地盤支持力(接地圧)に対する検討\"");
}

TEST(KentouOverturning, HeadingByCase) {
    struct Case {
        bool n, s, T, D;
        float kh;
        const char* suffix;
    } cases[] = {
        {true, false, true, false, 0.3f, "（常時）"},
        {false, true, true, false, 0.2f, "（中地震時）"},
        {false, true, true, false, 0.25f, "（大地震時）"},
        {false, true, false, true, 0.3f, "（地震時）"},
    };
    for (const Case& c : cases) {
        KentouPage page;
        page.opt.case_N = c.n, page.opt.case_S = c.s, page.opt.std_T = c.T, page.opt.std_D = c.D;
        page.m.Kh = c.kh;
        EXPECT_EQ(page.draw().at(0),
                  std::string("T 0 1100 11 0 \"            1－２ 安定性の検討") + c.suffix + "\"");
    }
    KentouPage none;
    none.opt.case_N = false;
    // No case: no heading, but its empty line stays.
    EXPECT_EQ(none.draw().at(0), "T 0 1320 11 0 \"            １）転倒に対する検討\"");
}

}  // namespace
}  // namespace pelzaro
