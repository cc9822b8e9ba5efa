// The steel and stress-check block of a member-part section, on the worked example of the
// member calculation's stress check: M 2 000 000 N·cm/m, S 30 000 N/m, d 40 cm, "D16"
// (1.986 cm2) at 200 mm, allowable 7 / 160 / 0.7 N/mm2. By hand: As 993, p 0.0024825,
// k 0.23819, j1 0.92060, sigma_c 1.140, sigma_s 54.695, tau_c 0.081 (residential land,
// S/(b j1 d)) or 0.075 (road guideline, S/(b d)) with Ce 1.343 (d 400 mm), Pt 0.248 %,
// Cpt 0.948, tau_ca 0.7 x 1.343 x 0.948 = 0.891.

#include <gtest/gtest.h>

#include "members/calc/stress_check.h"
#include "report/member_stress_block.h"
#include "report/page_choices.h"
#include "report/recording_sink.h"
#include "report/surface.h"
#include "transcript_lines.h"

namespace pelzaro {
namespace {

using members::MemberPart;

members::StressInput workedInput(DesignStandard standard) {
    members::StressInput in;
    in.part = MemberPart::B;
    in.M = 2e6f, in.S = 30000.0f, in.d = 40.0f, in.a1 = 1.986f, in.spacing = 200.0f;
    in.standard = standard;
    in.loadCase = CalcCase::Case_N;
    in.Sigma_ca = 7.0f, in.Sigma_sa = 160.0f, in.Sigma_sa_N = 160.0f, in.Tau_a1 = 0.7f;
    return in;
}

// The block's own values besides the check: D 48 cm, j 35 cm, at = 2e6 / (16000 x 35) =
// 3.5714, phi = 30000 / (140 x 35) = 6.1224, a computed spacing of 237.9 mm.
StressBlock workedBlock(const members::StressInput& in) {
    StressBlock b;
    b.part = in.part;
    b.D = 48.0f, b.d = in.d, b.j = 35.0f, b.M = in.M, b.S = in.S;
    b.At = 3.5714286f, b.PhiReq = 6.1224489f;
    b.Sigma_sa = 160.0f, b.Sigma_ca = in.Sigma_ca, b.Tau_a1 = in.Tau_a1, b.Tau_0a = 1.4f;
    b.Tekkin = "D16";
    b.KankakuReq = 237.9f;
    b.spacingMm = in.spacing;
    b.stress = members::checkStress(in);
    b.checked = true;
    return b;
}

PageChoices choices(DesignStandard standard) {
    PageChoices o;
    o.std_T = standard == DesignStandard::Std_T;
    o.std_D = standard == DesignStandard::Std_D;
    o.case_N = true;
    return o;
}

struct Printed {
    std::vector<std::string> lines;
    int beeps = 0;
    double height = 0;  // rows
    int colour = 0;
};

Printed print(const StressBlock& b, const PageChoices& o) {
    RecordingSink sink;
    Surface pri(sink);
    pri.startPage();
    printStressBlock(pri, o, b);
    return {sink.lines(), sink.beeps(), pri.y() / 220.0, pri.foreColor()};
}

std::vector<std::string> commonLines() {
    return {
        textAt(0, std::string("                  D=") + "48.00" + "cm    d=" + "40.00" +
                      "cm    j=" + "35.000" + "cm"),
        textAt(1, std::string("                 at=M/(ft･j)=") + "2000000/(16000×35.000)=3.571" +
                      "cm2/m"),
        textAt(2, std::string("                 φ=S/(fa･j)=") + "30000/(140.00×35.000)=6.122" +
                      "cm/m"),
        textAt(4, std::string("                 配筋 ") + "D16-237" + "@  -----> ∴ " + "D16-200" +
                      "@  とする"),
        textAt(5, "                ───────────────────────"),
        textAt(6, "                 n=15    b=100cm"),
        textAt(7, std::string("                 p=As/(b･d)=") + "993.000/(1000×400.00)=0.00248"),
        textAt(8, std::string("                 k=sqr{2n･p＋(n･p)^2}－n･p=sqr{2×15×") + "0.00248" +
                      "＋(15×" + "0.00248" + ")^2}－15×" + "0.00248=0.238"),
        textAt(9, std::string("                 j1=1－(k/3)=1－(") + "0.238/3)=0.921"),
        textAt(11, "                 ・コンクリートの曲げ圧縮応力度"),
        textAt(12, std::string("                   σc=2M/(k･j1･b･d^2)=2×(") +
                       "2000000×10)/(0.238×0.921×1000×400.00^2)=1.140" + "N/mm2"),
        textAt(13,
               std::string("                                     <σca=") + "7.0" + "N/mm2  ∴ O.K"),
    };
}

TEST(StressBlock, WorkedExampleUnderTheResidentialLandStandard) {
    std::vector<std::string> expected = commonLines();
    for (const std::string& line : {
             textAt(15, "                 ・鉄筋の引張応力度"),
             textAt(16, std::string("                   σs=M/(As･j1･d)=(") +
                            "2000000×10)/(993.000×0.921×400.00)=54.695" + "N/mm2"),
             textAt(17,
                    std::string("                                 <σsa=") + "160" + "N/mm2  ∴ O.K"),
             textAt(19, "                 ・コンクリートのせん断応力度"),
             textAt(20, std::string("                   τc=S/(b･j1･d)=") +
                            "30000/(1000×0.921×400.00)=0.081" + "N/mm2"),
             textAt(21,
                    std::string("                                <τca=") + "0.7" + "N/mm2  ∴ O.K"),
         })
        expected.push_back(line);
    const Printed p =
        print(workedBlock(workedInput(DesignStandard::Std_T)), choices(DesignStandard::Std_T));
    EXPECT_EQ(p.lines, expected);
    EXPECT_EQ(p.beeps, 0);
    EXPECT_EQ(p.height, 22);
}

TEST(StressBlock, WorkedExampleUnderTheRoadGuideline) {
    std::vector<std::string> expected = commonLines();
    for (const std::string& line : {
             textAt(14, "                 ・鉄筋の引張応力度"),
             textAt(15, std::string("                   σs=M/(As･j1･d)=(") +
                            "2000000×10)/(993.000×0.921×400.00)=54.695" + "N/mm2"),
             textAt(16,
                    std::string("                                 <σsa=") + "160" + "N/mm2  ∴ O.K"),
             textAt(17, "                 ・コンクリートのせん断応力度"),
             textAt(18, std::string("                   部材断面の有効高に関する補正係数Ce=") +
                            "1.343"),
             textAt(19, std::string("                   軸方向引張鉄筋比Ptに関する補正係数Cpt=") +
                            "0.948"),
             textAt(20, std::string("                   τc=S/(b･d)=") +
                            "30000/(1000×400.00)=0.075" + "N/mm2"),
             textAt(21, std::string("                                <τca=τa1･Ce･Cpt=") +
                            "0.7×(1.343×0.948)=0.891" + "N/mm2  ∴ O.K"),
         })
        expected.push_back(line);
    const Printed p =
        print(workedBlock(workedInput(DesignStandard::Std_D)), choices(DesignStandard::Std_D));
    EXPECT_EQ(p.lines, expected);
    EXPECT_EQ(p.beeps, 0);
    EXPECT_EQ(p.height, 22);
}

TEST(StressBlock, NeitherStandardEndsTheShearCheckAfterItsHeading) {
    members::StressInput in = workedInput(DesignStandard::None);
    const Printed p = print(workedBlock(in), PageChoices{});
    ASSERT_FALSE(p.lines.empty());
    EXPECT_EQ(p.lines.back(), textAt(17, "                 ・コンクリートのせん断応力度"));
    EXPECT_EQ(p.height, 18);
}

// Each failing check: its lines in colour 13 (the shear heading and Ce, Cpt stay black), ">"
// for "<", the verdict ending after "N/mm2", one beep each.
TEST(StressBlock, EveryFailingCheckIsColouredAndBeepsOnce) {
    struct Case {
        const char* why;
        DesignStandard standard;
        float Sigma_ca, Sigma_sa, Tau_a1;
        std::vector<std::string> failing;  // the lines printed in colour 13
        int beeps;
    };
    const Case cases[] = {
        {"sigma_c over 1.1",
         DesignStandard::Std_T,
         1.1f,
         160,
         0.7f,
         {textAt(11, "                 ・コンクリートの曲げ圧縮応力度", 13),
          textAt(12,
                 std::string("                   σc=2M/(k･j1･b･d^2)=2×(") +
                     "2000000×10)/(0.238×0.921×1000×400.00^2)=1.140" + "N/mm2",
                 13),
          textAt(13, std::string("                                     >σca=") + "1.1" + "N/mm2",
                 13)},
         1},
        {"sigma_s over 54",
         DesignStandard::Std_T,
         7,
         54,
         0.7f,
         {textAt(15, "                 ・鉄筋の引張応力度", 13),
          textAt(16,
                 std::string("                   σs=M/(As･j1･d)=(") +
                     "2000000×10)/(993.000×0.921×400.00)=54.695" + "N/mm2",
                 13),
          textAt(17, std::string("                                 >σsa=") + "54" + "N/mm2", 13)},
         1},
        {"tau_c over 0.08",
         DesignStandard::Std_T,
         7,
         160,
         0.08f,
         {textAt(20,
                 std::string("                   τc=S/(b･j1･d)=") +
                     "30000/(1000×0.921×400.00)=0.081" + "N/mm2",
                 13),
          textAt(21, std::string("                                >τca=") + "0.08" + "N/mm2", 13)},
         1},
        {"road: tau_c over tau_ca 0.05 x 1.343 x 0.948",
         DesignStandard::Std_D,
         7,
         160,
         0.05f,
         {textAt(
              20,
              std::string("                   τc=S/(b･d)=") + "30000/(1000×400.00)=0.075" + "N/mm2",
              13),
          textAt(21,
                 std::string("                                >τca=τa1･Ce･Cpt=") +
                     "0.05×(1.343×0.948)=0.064" + "N/mm2",
                 13)},
         1},
        {"sigma_c and sigma_s both over", DesignStandard::Std_T, 1.1f, 54, 0.7f, {}, 2},
    };
    for (const Case& c : cases) {
        members::StressInput in = workedInput(c.standard);
        in.Sigma_ca = c.Sigma_ca, in.Sigma_sa = in.Sigma_sa_N = c.Sigma_sa, in.Tau_a1 = c.Tau_a1;
        StressBlock b = workedBlock(in);
        b.Sigma_sa = b.stress.Sigma_sa;
        const Printed p = print(b, choices(c.standard));
        std::vector<std::string> coloured;
        for (const std::string& line : p.lines)
            if (line.find(" 11 13 ") != std::string::npos) coloured.push_back(line);
        if (!c.failing.empty()) {
            EXPECT_EQ(coloured, c.failing) << c.why;
        }
        EXPECT_EQ(p.beeps, c.beeps) << c.why;
        EXPECT_EQ(p.colour, 0) << c.why;
        EXPECT_EQ(p.height, 22) << c.why;
    }
}

// A stress equal to its limit passes.
TEST(StressBlock, EqualityPasses) {
    members::StressInput in = workedInput(DesignStandard::Std_T);
    in.Tau_a1 = members::checkStress(in).tauC;
    StressBlock b = workedBlock(in);
    const Printed p = print(b, choices(DesignStandard::Std_T));
    EXPECT_EQ(p.beeps, 0);
}

// The allowable steel stress by bar size in the normal case under the residential-land
// standard: "D25" (5.067 cm2) takes the long-term value entered, "D25,D29" (5.745) takes 195.
TEST(StressBlock, BarSizeRuleAtD25AndD25D29) {
    struct Case {
        const char* bar;
        float a1;
        const char* ft;
        const char* limit;
    };
    const Case cases[] = {{"D25", 5.067f, "5000", "50"}, {"D25,D29", 5.745f, "19500", "195"}};
    for (const Case& c : cases) {
        members::StressInput in = workedInput(DesignStandard::Std_T);
        in.Sigma_sa = in.Sigma_sa_N = 50.0f;
        in.a1 = c.a1;
        StressBlock b = workedBlock(in);
        b.Tekkin = c.bar;
        b.Sigma_sa = b.stress.Sigma_sa;
        const Printed p = print(b, choices(DesignStandard::Std_T));
        EXPECT_NE(p.lines[1].find(std::string("/(") + c.ft + "×"), std::string::npos) << c.bar;
        const std::string limit = std::string("σsa=") + c.limit + "N/mm2";
        int found = 0;
        for (const std::string& line : p.lines) found += line.find(limit) != std::string::npos;
        EXPECT_EQ(found, 1) << c.bar;
    }
}

TEST(StressBlock, PartWithoutSpacingPrintsItsSteelAndOneFailingLine) {
    StressBlock b = workedBlock(workedInput(DesignStandard::Std_T));
    b.checked = false;
    b.spacingMm = 0;
    b.stress = {};
    const Printed p = print(b, choices(DesignStandard::Std_T));
    ASSERT_EQ(p.lines.size(), 5u);
    EXPECT_EQ(p.lines[2], textAt(2, std::string("                 φ=S/(fa･j)=") +
                                        "30000/(140.00×35.000)=6.122" + "cm/m"));
    EXPECT_EQ(
        p.lines[3],
        textAt(4, "                 ※配筋間隔が未入力のため､応力度の照査を行っていない｡", 13));
    EXPECT_EQ(p.lines[4], "BEEP");
    EXPECT_EQ(p.colour, 0);
}

// The slab centre: no phi line, the two checks always separated, M x 10 as one number.
TEST(StressBlock, SlabCentreVariant) {
    members::StressInput in = workedInput(DesignStandard::Std_D);
    in.part = MemberPart::C;
    StressBlock b = workedBlock(in);
    const Printed p = print(b, choices(DesignStandard::Std_D));
    EXPECT_EQ(p.height, 17);
    EXPECT_EQ(p.lines[1], textAt(1, std::string("                 at=M/(ft･j)=") +
                                        "2000000/(16000×35.000)=3.571" + "cm2/m"));
    EXPECT_EQ(p.lines[2], textAt(3, std::string("                 配筋 ") + "D16-237" +
                                        "@  -----> ∴ " + "D16-200" + "@  とする"));
    EXPECT_EQ(p.lines.back(), textAt(16, std::string("                                 <σsa=") +
                                             "160" + "N/mm2  ∴ O.K"));
    EXPECT_EQ(p.lines[p.lines.size() - 2],
              textAt(15, std::string("                   σs=M/(As･j1･d)=") +
                             "20000000/(993.000×0.921×400.00)=54.695" + "N/mm2"));
}

}  // namespace
}  // namespace pelzaro
