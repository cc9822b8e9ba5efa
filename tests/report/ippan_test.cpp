// The design-conditions page of the report: two pages written out line by line beforehand
// (the residential-land standard in the seismic case with a computed coefficient and the
// friction coefficient from tanφ; the road guideline in the normal case with a typed
// coefficient), then a table of the variants of single lines.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/mdiform1.h"
#include "report/page_choices.h"
#include "report/recording_sink.h"
#include "report/report_error.h"
#include "report/sections.h"
#include "state/module1.h"
#include "support/report_support.h"
#include "support/samples.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

// A text line of the section: always at the left edge, size 11, colour 0.
std::string T(int y, const std::string& text) {
    return "T 0 " + std::to_string(y) + " 11 0 \"" + text + "\"";
}

struct Ippan : ::testing::Test, SectionBench {
    Ippan() : SectionBench(Form3_Ippan) {}

    // The line printed at y, or "" when none is.
    std::string at(int y) {
        std::string prefix = "T 0 " + std::to_string(y) + " ";
        for (const std::string& line : sink.lines())
            if (line.rfind(prefix, 0) == 0) return line;
        return "";
    }
    bool printed(const std::string& text) {
        std::vector<std::string> t = sink.texts();
        return std::find(t.begin(), t.end(), text) != t.end();
    }

    // Residential-land standard, seismic case (Kh 0.125, wall inertia and normal earth
    // pressure), KA computed, the wall friction angle for stability computed, mu = tan(35°).
    void residentialSeismic() {
        opt.std_T = opt.case_S = opt.kaComputed = opt.muTanPhi = opt.method_K2 = true;
        m.Tikuzouti = "東京都八王子市";
        m.Fc = 21.0f;
        m.Sigma_ca = 14.0f;
        m.Tau_a1 = 1.05f;
        m.Tau_0a = 2.1f;
        m.Sigma_sa_N = 195.0f;
        m.Sigma_sa_S = 295.0f;
        m.Gamma_C = 24.5f;
        m.Dositu_Haimen = "砂質土";
        m.Gamma_S = 18.0f;
        m.Phi = 30.0f;
        m.Flg_DeltaCalc = 1;
        m.Delta = 17.3f;
        m.Delta_Danmen = 20.0f;
        m.KA = 0.4412f;
        m.Kh = 0.125f;
        m.Dositu_Kiso = "砂礫";
        m.Phi_B = 35.0f;
        m.C = 0.0f;
        m.Qa = 300.0f;
        m.Mu = static_cast<float>(std::tan(35.0 * 3.14159 / 180.0));  // 0.70020...
    }

    // Road guideline, normal case, KA typed, mu typed, the friction angle typed, no site.
    void roadNormal() {
        opt.std_D = opt.case_N = opt.kaTyped = opt.muTyped = true;
        m.Tikuzouti = "";
        m.Fc = 24.0f;
        m.Sigma_ca = 8.0f;
        m.Tau_a1 = 0.23f;
        m.Tau_0a = 1.6f;
        m.Sigma_sa_N = 180.0f;
        m.Sigma_sa_S = 300.0f;
        m.Gamma_C = 24.5f;
        m.Dositu_Haimen = "粘性土";
        m.Gamma_S = 19.0f;
        m.Phi = 25.0f;
        m.Flg_DeltaCalc = 0;
        m.Delta = 16.67f;
        m.Delta_Danmen = 16.666666f;
        m.KA = 0.297f;
        m.Kh = 0.0f;
        m.Dositu_Kiso = "礫質土";
        m.Phi_B = 35.0f;
        m.C = 12.5f;
        m.Qa = 200.0f;
        m.Mu = 0.6f;
    }
};

TEST_F(Ippan, ResidentialLandSeismicWithComputedCoefficientAndTanPhi) {
    residentialSeismic();
    const std::vector<std::string> expected = {
        T(1100, "          §１．設計条件（中地震時）"),
        T(1540, "            １－１ 工作物の概要"),
        T(1980, "              ・築造地 ： 東京都八王子市"),
        T(2420, "              ・形　式 ： Ｕ型鉄筋コンクリート造擁壁"),
        T(3080, "            １－２ 使用材料及び許容応力度"),
        T(3520, "                 ・ コンクリート"),
        T(3740, "                      設計基準強度     ： Ｆc= 21 N/mm2"),
        T(3960, "                      許容圧縮応力度   ：σca= 14.0 N/mm2"),
        T(4180, "                      許容せん断応力度 ：τca= 1.05 N/mm2"),
        T(4400, "                      許容付着応力度   ： ｆa= 2.1 N/mm2"),
        T(4840, "                 ・ 鉄　筋"),
        T(5060, "                      許容引張応力度   ：ｆt= 295.0 N/mm2"),
        T(5500, "             　  ・ 鉄筋コンクリート"),
        T(5720, "                      単位体積重量     ：γ= 24.5 kN/m3"),
        T(6380, "            １－３ 設計条件"),
        T(6820, "              ◎背面土"),
        T(7040, "             　  ・土質の種類          ： 砂質土"),
        T(7260, "             　  ・土の単位体積重量    ：γs= 18.0 kN/m3"),
        T(7480, "             　  ・内部摩擦角          ： φ= 30.0°"),
        T(7700, "               　・粘 着 力            ： Ｃ= 0 kN/m2"),
        T(7920, "             　  ・仮想背面と土との摩擦角：（安定計算時）δ= 計算による"),
        T(8140, "             　  ・壁背面と土との摩擦角  ：（断面計算時）δ=20.00°"),
        T(8580, "              ○土圧"),
        T(8800, "             　   クーロンの土圧式による。(水平震度 Kh＝0.13)"),
        T(9240, "              ◎基礎地盤"),
        T(9460, "             　  ・土質の種類          ： 砂礫"),
        T(9680, "             　  ・内部摩擦角          ： φ= 35.0°"),
        T(9900, "             　  ・粘 着 力            ： Ｃ= 0 kN/m2"),
        T(10120, "                 ・許容応力度(地耐力)  ： fe= 300 kN/m2"),
        T(10340, "             　  ・底面の摩擦係数      ： μ=tan35.0°= 0.70"),
        T(11000, "            １－４ 設計方針"),
        T(11440,
          "              ・　本計算は、片持梁式鉄筋コンクリート擁壁として、すべて土圧にて行う。"),
        T(11880,
          "              "
          "・　本計算は、宅地造成及び特定盛土等規制法、同施行令、建築基準法、同施行令"),
        T(12100,
          "                "
          "及び、日本建築学会諸基準「鉄筋コンクリート構造計算基準、建築基礎構造設計指針」"),
        T(12320, "                に準拠して行う｡ "),
        T(12540,
          "　　　            なお、応力計算は、日本土木学会「コンクリート標準示方書」による。"),
    };
    std::vector<std::string> drawn = draw();
    ASSERT_EQ(drawn.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(drawn[i], expected[i]) << "event " << i;
    EXPECT_EQ(error, "");
    // Running text only: the next section starts on the line after the last one.
    EXPECT_EQ(pri.x(), 0.0);
    EXPECT_EQ(pri.y(), 12760.0);
    EXPECT_EQ(pri.fontSize(), 11.0);
    EXPECT_EQ(pri.foreColor(), 0);
    EXPECT_EQ(pri.drawStyle(), 0);
}

TEST_F(Ippan, RoadGuidelineNormalCaseWithTypedCoefficient) {
    roadNormal();
    const std::vector<std::string> expected = {
        T(1100, "          §１．設計条件（常時）"),
        T(1540, "            １－１ 工作物の概要"),
        T(1980, "              ・築造地 ： "),
        T(2420, "              ・形　式 ： Ｕ型鉄筋コンクリート造擁壁"),
        T(3080, "            １－２ 使用材料及び許容応力度"),
        T(3520, "                 ・ コンクリート"),
        T(3740, "                      設計基準強度     ：σck= 24 N/mm2"),
        T(3960, "                      許容圧縮応力度   ：σca= 8.0 N/mm2"),
        T(4180, "                      許容せん断応力度 ：τca= 0.23 N/mm2"),
        T(4400, "                      許容付着応力度   ：τ0a= 1.6 N/mm2"),
        T(4840, "                 ・ 鉄　筋"),
        T(5060, "                      許容引張応力度   ：σsa= 180.0 N/mm2"),
        T(5500, "             　  ・ 鉄筋コンクリート"),
        T(5720, "                      単位体積重量     ：γ= 24.5 kN/m3"),
        T(6380, "            １－３ 設計条件"),
        T(6820, "              ◎背面土"),
        T(7040, "             　  ・土質の種類          ： 粘性土"),
        T(7260, "             　  ・土の単位体積重量    ：γs= 19.0 kN/m3"),
        T(7480, "             　  ・せん断抵抗角        ： φ= 25.0°"),
        T(7700, "               　・粘 着 力            ： Ｃ= 0 kN/m2"),
        T(7920, "             　  ・仮想背面と土との摩擦角：（安定計算時）δ=16.67°"),
        T(8140, "             　  ・壁背面と土との摩擦角  ：（断面計算時）δ=16.67°"),
        T(8580, "              ○土圧"),
        T(8800, "             　   直接入力 KA=0.3"),
        T(9240, "              ◎基礎地盤"),
        T(9460, "             　  ・土質の種類          ： 礫質土"),
        T(9680, "             　  ・せん断抵抗角        ： φ= 35.0°"),
        T(9900, "             　  ・粘 着 力            ： Ｃ= 12.5 kN/m2"),
        T(10120, "                 ・許容応力度(地耐力)  ：ｑa= 200 kN/m2"),
        T(10340, "             　  ・底面の摩擦係数      ： μ= 0.6"),
        T(11000, "            １－４ 設計方針"),
        T(11440,
          "              ・　本計算は、片持梁式鉄筋コンクリート擁壁として、すべて土圧にて行う。"),
        T(11880,
          "              ・　本計算は、(社)日本道路協会「道路土工(擁壁工指針)」及び、日本土木学会"),
        T(12100, "                「コンクリート標準示方書」に準拠して行う。"),
    };
    std::vector<std::string> drawn = draw();
    ASSERT_EQ(drawn.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(drawn[i], expected[i]) << "event " << i;
    EXPECT_EQ(error, "");
    EXPECT_EQ(pri.y(), 12320.0);
}

// One line of the page under a change of the state: where it stands and what it says ("" =
// no line there).
struct LineCase {
    const char* what;
    void (*change)(Module1&, PageChoices&);
    int y;
    const char* line;
};

TEST_F(Ippan, VariantsOfSingleLines) {
    const LineCase cases[] = {
        {"large earthquake at Kh 0.25", [](Module1& m, PageChoices&) { m.Kh = 0.25f; }, 1100,
         "          §１．設計条件（大地震時）"},
        {"medium earthquake just below 0.25",
         [](Module1& m, PageChoices&) { m.Kh = std::nextafter(0.25f, 0.0f); }, 1100,
         "          §１．設計条件（中地震時）"},
        {"road guideline seismic",
         [](Module1& m, PageChoices& o) {
             o.std_T = false;
             o.std_D = true;
             m.Kh = 0.3f;
         },
         1100, "          §１．設計条件（地震時）"},
        {"no case: no heading, the empty line still follows",
         [](Module1&, PageChoices& o) { o.case_S = false; }, 1100, ""},
        {"no case: the first block moves up one line",
         [](Module1&, PageChoices& o) { o.case_S = false; }, 1320,
         "            １－１ 工作物の概要"},
        {"seismic case prints the short-term steel stress",
         [](Module1& m, PageChoices&) { m.Sigma_sa_S = 294.5f; }, 5060,
         "                      許容引張応力度   ：ｆt= 294.5 N/mm2"},
        {"normal case prints the long-term steel stress",
         [](Module1&, PageChoices& o) {
             o.case_S = false;
             o.case_N = true;
         },
         5060, "                      許容引張応力度   ：ｆt= 195.0 N/mm2"},
        {"no case: no steel stress (its line and the heading's gone)",
         [](Module1&, PageChoices& o) { o.case_S = false; }, 5060,
         "             　  ・ 鉄筋コンクリート"},
        {"typed friction angle", [](Module1& m, PageChoices&) { m.Flg_DeltaCalc = 0; }, 7920,
         "             　  ・仮想背面と土との摩擦角：（安定計算時）δ=17.30°"},
        {"friction flag never set counts as typed",
         [](Module1& m, PageChoices&) { m.Flg_DeltaCalc = DeltaCalcFlag(); }, 7920,
         "             　  ・仮想背面と土との摩擦角：（安定計算時）δ=17.30°"},
        {"friction flag read as text 1",
         [](Module1& m, PageChoices&) { m.Flg_DeltaCalc.setText("1"); }, 7920,
         "             　  ・仮想背面と土との摩擦角：（安定計算時）δ= 計算による"},
        {"friction flag of another value prints no line",
         [](Module1& m, PageChoices&) { m.Flg_DeltaCalc = 2; }, 7920,
         "             　  ・壁背面と土との摩擦角  ：（断面計算時）δ=20.00°"},
        {"Mononobe-Okabe with a typed KA prints no KA",
         [](Module1&, PageChoices& o) {
             o.method_K2 = false;
             o.method_K1 = true;
             o.kaComputed = false;
             o.kaTyped = true;
         },
         8800, "             　   岡部･物部式による。(水平震度 Kh＝0.125)"},
        {"Mononobe-Okabe of the road method",
         [](Module1& m, PageChoices& o) {
             o.method_K2 = false;
             o.method_D1 = true;
             m.Kh = 0.2f;
         },
         8800, "             　   岡部･物部式による。(水平震度 Kh＝0.2)"},
        {"Coulomb in the seismic case: Kh to two decimals",
         [](Module1& m, PageChoices&) { m.Kh = 0.2f; }, 8800,
         "             　   クーロンの土圧式による。(水平震度 Kh＝0.2)"},
        {"typed KA in the seismic case: KA and Kh on one line",
         [](Module1&, PageChoices& o) {
             o.kaComputed = false;
             o.kaTyped = true;
         },
         8800, "             　   直接入力 KA=0.44 (水平震度 Kh＝0.125)"},
        {"seismic, wall inertia, no KA source: the heading alone",
         [](Module1&, PageChoices& o) { o.kaComputed = false; }, 8800, ""},
        {"seismic, wall inertia, no KA source: its heading",
         [](Module1&, PageChoices& o) { o.kaComputed = false; }, 8580, "              ○土圧"},
        {"seismic without a method: no earth-pressure lines",
         [](Module1&, PageChoices& o) { o.method_K2 = false; }, 8580, ""},
        {"seismic without a method: the foundation block moves up two lines",
         [](Module1&, PageChoices& o) { o.method_K2 = false; }, 8800, "              ◎基礎地盤"},
        {"normal case, Coulomb",
         [](Module1&, PageChoices& o) {
             o.case_S = false;
             o.case_N = true;
         },
         8800, "             　   クーロンの土圧式による。"},
        {"normal case, no KA source: the heading alone",
         [](Module1&, PageChoices& o) {
             o.case_S = false;
             o.case_N = true;
             o.kaComputed = false;
         },
         8800, ""},
        {"cohesion of the foundation", [](Module1& m, PageChoices&) { m.C = 12.25f; }, 9900,
         "             　  ・粘 着 力            ： Ｃ= 12.3 kN/m2"},
        {"typed friction coefficient",
         [](Module1& m, PageChoices& o) {
             o.muTanPhi = false;
             o.muTyped = true;
             m.Mu = 0.5f;
         },
         10340, "             　  ・底面の摩擦係数      ： μ= 0.5"},
        {"tan of 30°",
         [](Module1& m, PageChoices&) {
             m.Phi_B = 30.0f;
             m.Mu = 0.577f;
         },
         10340, "             　  ・底面の摩擦係数      ： μ=tan30.0°= 0.577"},
        {"no friction source: no line", [](Module1&, PageChoices& o) { o.muTanPhi = false; }, 10340,
         ""},
    };
    for (const LineCase& c : cases) {
        m = Module1();
        opt = PageChoices();
        residentialSeismic();
        c.change(m, opt);
        draw();
        EXPECT_EQ(at(c.y), c.line[0] ? T(c.y, c.line) : "") << c.what;
        EXPECT_EQ(error, "") << c.what;
    }
}

TEST_F(Ippan, WithoutAStandardTheStandardsLinesAreAbsentAndTheRestKeepsItsOrder) {
    residentialSeismic();
    opt.std_T = false;
    draw();
    // Rows without a standard: the labels of strength, bond, steel, both friction angles, the
    // bearing capacity and the policy lines.
    for (const char* label : {"                      設計基準強度     ： Ｆc= ",
                              "                      設計基準強度     ：σck= ",
                              "                      許容付着応力度   ： ｆa= ",
                              "                      許容付着応力度   ：τ0a= ",
                              "                      許容引張応力度   ：ｆt= ",
                              "                      許容引張応力度   ：σsa= ",
                              "             　  ・内部摩擦角          ： φ= ",
                              "             　  ・せん断抵抗角        ： φ= ",
                              "                 ・許容応力度(地耐力)  ： fe= ",
                              "                 ・許容応力度(地耐力)  ：ｑa= "}) {
        for (const std::string& t : sink.texts())
            EXPECT_EQ(t.rfind(label, 0), std::string::npos) << t;
    }
    for (const char* policy :
         {"              "
          "・　本計算は、宅地造成及び特定盛土等規制法、同施行令、建築基準法、同施行令",
          "              ・　本計算は、(社)日本道路協会「道路土工(擁壁工指針)」及び、日本土木学会"})
        EXPECT_FALSE(printed(policy));
    // Without a standard the seismic heading has no case either.
    EXPECT_EQ(at(1100), "");
    // Each absent row takes its line with it.
    EXPECT_EQ(at(1320), T(1320, "            １－１ 工作物の概要"));
    EXPECT_EQ(at(3520), T(3520, "                      許容圧縮応力度   ：σca= 14.0 N/mm2"));
    EXPECT_EQ(at(3740), T(3740, "                      許容せん断応力度 ：τca= 1.05 N/mm2"));
    EXPECT_EQ(at(3960), "");
    EXPECT_EQ(at(4180), T(4180, "                 ・ 鉄　筋"));
    EXPECT_EQ(at(4400), "");
    EXPECT_EQ(at(4620), T(4620, "             　  ・ 鉄筋コンクリート"));
    std::vector<std::string> t = sink.texts();
    EXPECT_EQ(
        t.back(),
        "              ・　本計算は、片持梁式鉄筋コンクリート擁壁として、すべて土圧にて行う。");
    EXPECT_EQ(error, "");
}

TEST_F(Ippan, AValueThatIsNotFiniteStopsThePageWithAReportError) {
    residentialSeismic();
    m.Gamma_S = std::numeric_limits<float>::infinity();
    std::vector<std::string> drawn = draw();
    EXPECT_NE(error, "");
    // What came before stays; nothing prints "inf".
    EXPECT_EQ(at(7040), T(7040, "             　  ・土質の種類          ： 砂質土"));
    for (const std::string& line : drawn) {
        EXPECT_EQ(line.find("inf"), std::string::npos) << line;
        EXPECT_EQ(line.find("nan"), std::string::npos) << line;
    }
}

TEST_F(Ippan, NeverDrawsALineChangesColourOrBeeps) {
    for (int variant = 0; variant < 2; ++variant) {
        m = Module1();
        opt = PageChoices();
        variant == 0 ? residentialSeismic() : roadNormal();
        draw();
        for (const ReportEvent& e : sink.events) {
            EXPECT_EQ(e.kind, ReportEvent::Text);
            EXPECT_EQ(e.colour, 0);
            EXPECT_EQ(e.size, 11.0);
            EXPECT_EQ(e.x1, 0.0);
        }
        EXPECT_EQ(sink.beeps(), 0);
    }
}

// Every sample project, opened as a user opens it: page 1 comes out whole, with the site as
// typed on the page and the case heading that its standard and case give.
TEST(IppanOfSamples, EverySamplePrintsItsConditionsPage) {
    int samples = 0;
    for (const std::string& file : sampleProjects()) {
        const std::string name = sampleName(file);
        OpenedSample s(file);
        App& app = s.app;
        ASSERT_TRUE(s.host.messages.empty()) << name << ": " << s.host.lastMessage().text;
        ++samples;

        DrawnPage page = drawPage(app, {Form3_Ippan});
        EXPECT_EQ(page.error, "") << name;
        EXPECT_TRUE(page.endsClean()) << name;
        EXPECT_EQ(page.beeps, 0) << name;
        const std::string site = "              ・築造地 ： " + app.get<Form3>().txt1.Text();
        EXPECT_NE(std::find(page.texts.begin(), page.texts.end(), site), page.texts.end()) << name;
        const bool residential = name.rfind("residential", 0) == 0;
        const bool seismic = name.find("-seismic-") != std::string::npos;
        const char* suffix = !seismic           ? "（常時）"
                             : !residential     ? "（地震時）"
                             : app.m.Kh < 0.25f ? "（中地震時）"
                                                : "（大地震時）";
        EXPECT_EQ(page.texts.at(0), std::string("          §１．設計条件") + suffix) << name;
        // The policy lines of the standard close the page.
        EXPECT_EQ(page.texts.back(),
                  residential ? "　　　            "
                                "なお、応力計算は、日本土木学会「コンクリート標準示方書」による。"
                              : "                「コンクリート標準示方書」に準拠して行う。")
            << name;
        for (const std::string& line : page.lines)
            for (const char* bad : {"inf", "nan", "-0.0"})
                EXPECT_EQ(line.find(bad), std::string::npos) << name << ": " << line;
    }
    EXPECT_GE(samples, 7);
}

}  // namespace
}  // namespace pelzaro
