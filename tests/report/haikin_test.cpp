// The member-design chapter page: the heading, the section figure with its two scales, the
// neutral axis, the ordinate and load lines, the angles and the earth-pressure coefficient
// blocks. Expected transcripts are worked out by hand from the wall of each fixture.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "report/design_spacing.h"
#include "report/form7_haikin_scale.h"
#include "report/page_choices.h"
#include "report/recording_sink.h"
#include "report/sections.h"
#include "state/module1.h"
#include "support/report_support.h"
#include "support/samples.h"
#include "support/test_host.h"
#include "transcript_lines.h"

namespace pelzaro {
namespace {

const std::string kHeadingNormal = "－３ 断面の検討（常時）";
const std::string kUniformV = "            V=";
const std::string kKN = "KN/m2";
const std::string kW1 = "            W1=(";
const std::string kW2 = "            W2=(";
const std::string kW3 = "            W3=(";
const std::string kW4 = "            W4=(";
const std::string kW5 = "            W5=(";
const std::string kTimes = "×";
const std::string kSoilPlus = ")＋(";
const std::string kPlus = ")＋";
const std::string kBeta = "            地表面と水平面とのなす角度    ：β=";
const std::string kDeg = "ﾟ";
const std::string kTheta = "            後壁背面と鉛直面とのなす角度  ：θ=";
const std::string kRankine1 = "              主働土圧係数";
const std::string kRankine2 = "               KA=tan^2(45ﾟ-φ/2)";
const std::string kRankine3 = "                 =tan^2(45ﾟ-";
const std::string kRankine3End = "ﾟ/2)";
const std::string kRankine4 = "                 =tan^2(";
const std::string kRankine4End = "ﾟ)";
const std::string kRankine5 = "                 =";
const std::string kXnHeading = "            中立軸までの距離";
const std::string kXnTrap = "            Xn=(B/2)･[1＋{B/(6e)}]=(";
const std::string kXnTrapB = "/2)×[1＋{";
const std::string kXnTrapE = "/(6×";
const std::string kXnTrapEq = ")}]=";
const std::string kXnTri = "            Xn=3･{(B/2)-e}=3×{(";
const std::string kXnTriB = "/2)-";
const std::string kXnTriEq = "}=";
const std::string kTypedKA = "            主働土圧係数 KA=";
const std::string kFirstV1 = "            V1=";
const std::string kFirstV5 = "            V5=";
const std::string kFirstVP = "            VP=";
const std::string kV1 = "  V1=";
const std::string kV2 = "  V2=";
const std::string kV3 = "  V3=";
const std::string kV4 = "  V4=";
const std::string kVP = "  VP=";
const std::string kVR = "  VR=";
const std::string kSeismicKh = "水平震度Kh=";
const std::string kSeismicKv = "    鉛直震度Kv=";
const std::string kThetaK = "地震合成角θk=Atn{Kh/(1－Kv)}";
const std::string kAtn = "Atn{";
const std::string kAtnDiv = "/(1－";
const std::string kAtnOver = ")}=";
const std::string kAtnEnd = "ﾟ";
const std::string kCoulombBar = "=─────────────────────";
const std::string kOnePlus = "1＋";
const std::string kShortBar = "────────";
const std::string kShortCoulombBar = "=────────";
const std::string kTimesSign = "×";
const std::string kTwo = "2";

// A page drawn on a recording surface from a design state and page choices set by hand.
struct HaikinPage : ::testing::Test, SectionBench {
    HaikinPage() : SectionBench(Form7_HAIKIN) {}

    // The scales the section works out, kept with the design state as the report keeps them.
    ReportVars& layout = m;

    // A 2 m wall (H4 0.5 + H3 1.5) with a 0.5 m toe and a 0.6 m heel, vertical faces, a
    // 0.3 m base slab; normal case, residential-land standard, one-sided ground with the front
    // soil, KA computed with every angle 0 (Rankine).
    void SetUp() override {
        m.Syou_No = "1";
        m.H1 = 0.5f, m.H2 = 0.5f, m.H3 = 1.5f, m.H4 = 0.5f;
        wall(true, true);
        m.T1_Mae = 0.3f, m.T1_Usiro = 0.3f;
        m.H_Haimen = 1.2f, m.H_Tyuuou = 1.0f, m.H_Zenmen = 0.2f;
        m.Q_Tyuuou = 10.0f, m.Q_Haimen = 10.0f, m.Q_Zenmen = 0.0f;
        m.Gamma_S = 18.0f, m.Gamma_C = 24.5f;
        m.W1 = 35.35f, m.W2 = 38.95f, m.W3 = 38.95f, m.W4 = 10.95f, m.W5 = 10.95f;
        m.Phi = 30.0f, m.Delta_Danmen = 0.0f, m.Beta = 0.0f, m.Theta_Danmen = 0.0f;
        m.KA_Danmen = 0.333f;
        m.e = 0.0f, m.Sigma_max = 50.0f;
        opt.std_T = opt.case_N = true;
        opt.shapeOneSided = opt.frontSoilIn = true;
        opt.memberKaComputed = true;
    }

    // The widths of the base with or without toe and heel; a missing toe or heel has no
    // thickness, so its haunch is the whole slab.
    void wall(bool toe, bool heel) {
        m.B_Tumasaki = toe ? 0.5f : 0.0f;
        m.B_Kakato = heel ? 0.6f : 0.0f;
        m.T2_Mae = 0.3f, m.B_Tyuuou = 1.2f, m.T2_Usiro = 0.3f;
        m.B = m.B_Tumasaki + m.T2_Mae + m.B_Tyuuou + m.T2_Usiro + m.B_Kakato;
        m.D_Teiban = 0.3f;
        m.D_Tumasaki = toe ? 0.2f : 0.0f;
        m.D_Tumasaki_H = m.D_Teiban - m.D_Tumasaki;
        m.D_Kakato = heel ? 0.2f : 0.0f;
        m.D_Kakato_H = m.D_Teiban - m.D_Kakato;
    }
};

std::vector<std::string> segments(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& l : lines)
        if (l.rfind("L ", 0) == 0) out.push_back(l);
    return out;
}

// True when `part` appears in `whole` as consecutive lines.
bool containsRun(const std::vector<std::string>& whole, const std::vector<std::string>& part) {
    return std::search(whole.begin(), whole.end(), part.begin(), part.end()) != whole.end();
}

TEST(HaikinScales, TheWallIsDrawnAtMostOneThousandOverPointThreeTwipsHigh) {
    struct Case {
        float H4, H3, scale;
    } cases[] = {
        {0.2f, 0.3f, 0.3f},
        {0.4f, 0.6f, 0.3f},
        {0.5f, 1.5f, 0.6f},
        {1.0f, 3.0f, 1.2f},
    };
    for (const Case& c : cases) EXPECT_FLOAT_EQ(figureScale(c.H4, c.H3), c.scale) << c.H4 + c.H3;
}

TEST(HaikinScales, TheLoadScaleFollowsTheBandsAndContinuesAboveOneThousand) {
    struct Case {
        float sigma, scale;
    } cases[] = {
        {50.0f, 5.0f},
        {100.0f, 10.0f},
        {150.0f, 3.0f},
        {200.0f, 4.0f},
        {200.5f, 2.005f},
        {300.0f, 3.0f},
        {450.0f, 2.25f},
        {1000.0f, 10000.0f / 4500.0f},
        {1000.5f, 2.001f},
        {1100.0f, 2.2f},
        {1500.0f, 15000.0f / 7000.0f},
        {2000.0f, 20000.0f / 9500.0f},
    };
    for (const Case& c : cases) EXPECT_FLOAT_EQ(loadScale(c.sigma), c.scale) << c.sigma;
}

TEST_F(HaikinPage, TheBaseUndersideLiesAtTheHeightOfTheScale) {
    // A clear width of 0.3 m (B = 2.0 m) keeps the low walls on the sheet at 1000 / 0.3 twips a
    // metre. The underside from the toe root (a = 0.5) to the heel root (a = 1.4) is the eighth
    // segment of the outline.
    m.B_Tyuuou = 0.3f, m.B = 2.0f;
    struct Case {
        float H4, H3, scale;
        const char* underside;
    } cases[] = {
        {0.2f, 0.3f, 0.3f, "L 4517 3367 7517 3367 solid 0"},  // 0.5 m: 1700 + 500 / 0.3
        {0.4f, 0.6f, 0.3f, "L 4517 5033 7517 5033 solid 0"},  // 1 m: 1700 + 1000 / 0.3
        {0.5f, 1.5f, 0.6f, "L 3683 5033 5183 5033 solid 0"},  // 2 m at 0.6: also 1000 / 0.3
    };
    for (const Case& c : cases) {
        m.H4 = c.H4, m.H3 = c.H3;
        m.H_Haimen = c.H3 - m.D_Teiban;
        m.H1 = m.H2 = (c.H4 + c.H3) / 4.0f;
        std::vector<std::string> lines = segments(draw());
        ASSERT_GE(lines.size(), 8u);
        EXPECT_EQ(lines[7], c.underside) << c.H4 + c.H3;
        EXPECT_FLOAT_EQ(layout.Syukusyaku, c.scale);
    }
}

// Page 5 of the wall of the fixture with e = 0 and the Rankine coefficient, event by event.
TEST_F(HaikinPage, UniformReactionWithRankineAsWorkedByHand) {
    m.D_Tumasaki = 0.3f, m.D_Tumasaki_H = 0.0f, m.D_Kakato = 0.3f, m.D_Kakato_H = 0.0f;
    const std::vector<std::string> expected = {
        text(0, 1100, 11, "            1" + kHeadingNormal),
        // outline
        seg(3683, 3367, 4183, 3367),
        seg(3683, 3367, 3683, 4533),
        seg(4183, 3367, 4183, 4533),
        seg(6183, 1700, 6683, 1700),
        seg(6183, 1700, 6183, 4533),
        seg(6683, 1700, 6683, 4533),
        seg(4183, 4533, 6183, 4533),
        seg(3683, 5033, 6683, 5033),
        seg(6683, 4533, 7683, 4533),
        seg(7683, 4533, 7683, 5033),
        seg(6683, 5033, 7683, 5033),
        seg(3683, 4533, 2850, 4533),
        seg(2850, 4533, 2850, 5033),
        seg(3683, 5033, 2850, 5033),
        // ground surface and back-soil boundary
        seg(6833, 2533, 6683, 2533),
        seg(6833, 2533, 7183, 4533),
        seg(7183, 4533, 6683, 4533),
        // loads: W1 35.35 x 5, W2 = W3 38.95 x 5, W4 = W5 10.95 x 5 twips
        seg(4183, 4357, 6183, 4357),
        seg(6683, 4339, 7683, 4339),
        seg(7683, 4339, 7683, 4533),
        seg(6683, 4533, 6683, 4339),
        seg(2850, 4479, 3683, 4479),
        seg(2850, 4533, 2850, 4479),
        // uniform reaction 50 x 5 twips
        seg(2850, 5033, 2850, 5283),
        seg(7683, 5033, 7683, 5283),
        seg(2850, 5283, 7683, 5283),
        // dimension lines
        seg(2100, 4533, 2100, 5033),
        seg(2100, 4533, 2750, 4533),
        seg(2100, 5033, 2750, 5033),
        seg(9033, 1700, 9033, 5033),
        seg(8533, 2533, 8533, 5033),
        seg(9033, 1700, 7783, 1700),
        seg(9033, 2533, 7783, 2533),
        seg(8533, 4533, 7783, 4533),
        seg(9033, 5033, 7783, 5033),
        seg(2850, 5983, 7683, 5983),
        seg(2850, 6283, 7683, 6283),
        seg(2850, 5583, 2850, 6283),
        seg(3683, 5583, 3683, 5983),
        seg(4183, 5583, 4183, 5983),
        seg(6183, 5583, 6183, 5983),
        seg(6683, 5583, 6683, 5983),
        seg(7683, 5583, 7683, 6283),
        // labels
        text(5083, 4157, 11, "W1"),
        text(7183, 4139, 11, "W2"),
        text(3167, 4279, 11, "W4"),
        text(5083, 5313, 11, "V"),
        // millimetres
        text(1900, 4733, 9, "300"),
        text(8833, 3733, 9, "1,500"),
        text(9083, 2042, 9, "500"),
        text(8333, 3483, 9, "1,200"),
        text(8333, 4733, 9, "300"),
        text(5117, 6083, 9, "2,900"),
        text(3117, 5783, 9, "500"),
        text(3833, 5783, 9, "300"),
        text(5033, 5783, 9, "1,200"),
        text(6283, 5783, 9, "300"),
        text(7033, 5783, 9, "600"),
        // reaction, loads, angles, coefficient
        text(0, 6900, 11, kUniformV + "50.000" + kKN),
        text(0, 7340, 11,
             kW1 + "1.000" + kTimes + "18.0" + kSoilPlus + "0.300" + kTimes + "24.5" + kPlus +
                 "10.00=35.350" + kKN),
        text(0, 7560, 11,
             kW2 + "1.200" + kTimes + "18.0" + kSoilPlus + "0.300" + kTimes + "24.5" + kPlus +
                 "10.00=38.950" + kKN),
        text(0, 7780, 11,
             kW4 + "0.200" + kTimes + "18.0" + kSoilPlus + "0.300" + kTimes + "24.5" + kPlus +
                 "0.00=10.950" + kKN),
        text(0, 8220, 11, kBeta + "0.00" + kDeg),
        text(0, 8440, 11, kTheta + "0.00" + kDeg),
        text(0, 8660, 11, kRankine1),
        text(0, 8880, 11, kRankine2),
        text(0, 9100, 11, kRankine3 + "30.00" + kRankine3End),
        text(0, 9320, 11, kRankine4 + "30.00" + kRankine4End),
        text(0, 9540, 11, kRankine5 + "0.333"),
    };
    std::vector<std::string> lines = draw();
    EXPECT_EQ(error, "");
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "event " << i;
    EXPECT_TRUE(endsClean());
    EXPECT_EQ(pri.y(), 9760);
    EXPECT_FLOAT_EQ(layout.Syukusyaku, 0.6f);
    EXPECT_FLOAT_EQ(layout.Syukusyaku_V, 5.0f);
}

// The texts printed at the left edge from y 6900 on, in order.
std::vector<std::string> flowingTexts(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& l : lines) {
        std::istringstream in(l);
        std::string kind;
        int x = 0, y = 0;
        in >> kind >> x >> y;
        if (kind == "T" && x == 0 && y >= 6900) {
            size_t q = l.find('"');
            out.push_back(l.substr(q + 1, l.size() - q - 2));
        }
    }
    return out;
}

TEST_F(HaikinPage, NeutralAxisAndOrdinatesForEachEccentricity) {
    m.Sigma_max = 100.0f;
    struct Case {
        float e;
        std::vector<std::string> lines;  // from the neutral axis to the blank line before W1
    } cases[] = {
        {0.3f,
         {kXnHeading,
          kXnTrap + "2.900" + kXnTrapB + "2.900" + kXnTrapE + "0.300" + kXnTrapEq + "3.786m",
          kFirstVP + "100.000" + kKN + kV1 + "86.794" + kKN + kV2 + "78.870" + kKN + kV3 +
              "63.023" + kKN + kV4 + "47.175" + kKN,
          kFirstV5 + "39.252" + kKN + kVR + "23.404" + kKN}},
        {-0.3f,  // the ordinates mirrored, the same lists
         {kXnHeading,
          kXnTrap + "2.900" + kXnTrapB + "2.900" + kXnTrapE + "0.300" + kXnTrapEq + "3.786m",
          kFirstVP + "23.404" + kKN + kV1 + "36.610" + kKN + kV2 + "44.534" + kKN + kV3 + "60.382" +
              kKN + kV4 + "76.229" + kKN,
          kFirstV5 + "84.153" + kKN + kVR + "100.000" + kKN}},
        {0.6f,  // Xn = 2.55 between the heel root (2.3) and the rear end: range 1
         {kXnHeading, kXnTri + "2.900" + kXnTriB + "0.600" + kXnTriEq + "2.550m",
          kFirstV1 + "80.392" + kKN + kV2 + "68.627" + kKN + kV3 + "45.098" + kKN + kV4 + "21.569" +
              kKN,
          kFirstV5 + "9.804" + kKN}},
        {0.75f,  // Xn = 2.1 within the rear wall: range 2, V5 lies beyond the zero point
         {kXnHeading, kXnTri + "2.900" + kXnTriB + "0.750" + kXnTriEq + "2.100m",
          kFirstV1 + "76.190" + kKN + kV2 + "61.905" + kKN + kV3 + "33.333" + kKN + kV4 + "4.762" +
              kKN + kVP + "100.000" + kKN}},
        {-0.6f,  // the mirror image from the heel end: Xn = 2.55 reaches into the toe
         {kXnHeading, kXnTri + "2.900" + kXnTriB + "0.600" + kXnTriEq + "2.550m",
          kFirstV5 + "76.471" + kKN + kV4 + "64.706" + kKN + kV3 + "41.176" + kKN + kV2 + "17.647" +
              kKN,
          kFirstV1 + "5.882" + kKN}},
    };
    for (const Case& c : cases) {
        m.e = c.e;
        std::vector<std::string> texts = flowingTexts(draw());
        ASSERT_GT(texts.size(), c.lines.size());
        std::vector<std::string> head(texts.begin(), texts.begin() + c.lines.size());
        EXPECT_EQ(head, c.lines) << "e = " << c.e;
        EXPECT_EQ(texts[c.lines.size()].rfind(kW1, 0), 0u) << "e = " << c.e;
    }
}

TEST_F(HaikinPage, AnEccentricityOfExactlyOneSixthIsStillATrapezoid) {
    wall(false, false);
    m.B = 3.0f, m.B_Tyuuou = 2.4f;
    m.e = 0.5f, m.Sigma_max = 100.0f;
    std::vector<std::string> texts = flowingTexts(draw());
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[1],
              kXnTrap + "3.000" + kXnTrapB + "3.000" + kXnTrapE + "0.500" + kXnTrapEq + "3.000m");
    EXPECT_EQ(texts[2].rfind(kFirstV1, 0), 0u) << "no toe, no heel: V1 to V5 on one line";
}

// The segments of the reaction sketch, for the wall of the fixture at 100 kN/m2 (10 twips
// each); Yb = 5033, the ordinates stand at x 2850 (VP), 3683, 4183, 5183, 6183, 6683, 7683 (VR).
// The heel and toe loads with haunches (heel 0.2 + 0.1, toe 0.2 + 0.1), the toe's soil as the
// loads were computed for each ground shape and front-soil choice.
TEST_F(HaikinPage, TheLoadLinesOfHeelAndToe) {
    m.W3 = 38.3f;
    const std::string W2 = kW2 + "1.200" + kTimes + "18.0" + kSoilPlus + "0.300" + kTimes + "24.5" +
                           kPlus + "10.00=38.950" + kKN;
    const std::string W3 = kW3 + "1.300" + kTimes + "18.0" + kSoilPlus + "0.200" + kTimes + "24.5" +
                           kPlus + "10.00=38.300" + kKN;
    struct Case {
        bool twoSided, frontSoilIn;
        float W4, W5;
        std::string line4, line5;
    } cases[] = {
        {false, true, 10.95f, 10.3f,
         kW4 + "0.200" + kTimes + "18.0" + kSoilPlus + "0.300" + kTimes + "24.5" + kPlus +
             "0.00=10.950" + kKN,
         kW5 + "0.300" + kTimes + "18.0" + kSoilPlus + "0.200" + kTimes + "24.5" + kPlus +
             "0.00=10.300" + kKN},
        {false, false, 7.35f, 4.9f, kW4 + "0.300" + kTimes + "24.5" + kPlus + "0.00=7.350" + kKN,
         kW5 + "0.200" + kTimes + "24.5" + kPlus + "0.00=4.900" + kKN},
        {true, false, 28.95f, 28.3f,
         kW4 + "1.200" + kTimes + "18.0" + kSoilPlus + "0.300" + kTimes + "24.5" + kPlus +
             "0.00=28.950" + kKN,
         kW5 + "1.300" + kTimes + "18.0" + kSoilPlus + "0.200" + kTimes + "24.5" + kPlus +
             "0.00=28.300" + kKN},
    };
    for (const Case& c : cases) {
        opt.shapeOneSided = !c.twoSided, opt.shapeTwoSided = c.twoSided;
        opt.frontSoilIn = c.frontSoilIn, opt.frontSoilOut = !c.frontSoilIn && !c.twoSided;
        m.W4 = c.W4, m.W5 = c.W5;
        std::vector<std::string> texts = flowingTexts(draw());
        auto w1 = std::find_if(texts.begin(), texts.end(),
                               [](const std::string& t) { return t.rfind(kW1, 0) == 0; });
        ASSERT_GE(texts.end() - w1, 6);
        std::vector<std::string> loads(w1 + 1, w1 + 5);
        EXPECT_EQ(loads, (std::vector<std::string>{W2, W3, c.line4, c.line5}))
            << "two-sided " << c.twoSided << " front soil " << c.frontSoilIn;
        EXPECT_EQ((w1 + 5)->rfind(kBeta, 0), 0u) << "the angles follow the toe";
    }
}

// At σmax 90 kN/m2 (9 twips per kN/m2) the sketch and the widths below it stay clear of the
// lines from 6900.
TEST_F(HaikinPage, TheReactionSketchHasTheOrdinatesOfEachCase) {
    m.Sigma_max = 90.0f;
    struct Case {
        float e;
        std::vector<std::string> sketch;
    } cases[] = {
        {0.0f,
         {seg(2850, 5033, 2850, 5843), seg(7683, 5033, 7683, 5843), seg(2850, 5843, 7683, 5843)}},
        {0.3f,  // σmin = 90 (1 - 6 x 0.3 / 2.9) / (1 + 6 x 0.3 / 2.9) = 21.064
         {seg(2850, 5033, 2850, 5843), seg(7683, 5033, 7683, 5223), seg(2850, 5843, 7683, 5223),
          seg(3683, 5033, 3683, 5736), seg(4183, 5033, 4183, 5672), seg(5183, 5033, 5183, 5544),
          seg(6183, 5033, 6183, 5415), seg(6683, 5033, 6683, 5351)}},
        {-0.3f,
         {seg(2850, 5033, 2850, 5223), seg(7683, 5033, 7683, 5843), seg(2850, 5223, 7683, 5843),
          seg(3683, 5033, 3683, 5330), seg(4183, 5033, 4183, 5394), seg(5183, 5033, 5183, 5522),
          seg(6183, 5033, 6183, 5651), seg(6683, 5033, 6683, 5715)}},
        {0.6f,  // to the zero point at X(2.55) = 7100
         {seg(2850, 5033, 2850, 5843), seg(2850, 5843, 7100, 5033), seg(3683, 5033, 3683, 5685),
          seg(4183, 5033, 4183, 5589), seg(5183, 5033, 5183, 5399), seg(6183, 5033, 6183, 5208),
          seg(6683, 5033, 6683, 5113)}},
        {-0.6f,  // from the heel end to the zero point at X(2.9 - 2.55) = 3433
         {seg(7683, 5033, 7683, 5843), seg(7683, 5843, 3433, 5033), seg(6683, 5033, 6683, 5653),
          seg(6183, 5033, 6183, 5557), seg(5183, 5033, 5183, 5367), seg(4183, 5033, 4183, 5176),
          seg(3683, 5033, 3683, 5081)}},
    };
    for (const Case& c : cases) {
        m.e = c.e;
        EXPECT_TRUE(containsRun(segments(draw()), c.sketch)) << "e = " << c.e;
        EXPECT_EQ(error, "");
    }
}

TEST_F(HaikinPage, TheWidthsHangBelowTheOrdinateAtTheWallOfMaximumPressure) {
    m.Sigma_max = 90.0f;
    m.e = -0.3f;  // V5 = 75.737: Yv = 5033 + 681.6, the total width 1000 below
    EXPECT_TRUE(
        containsRun(segments(draw()), {seg(2850, 6415, 7683, 6415), seg(2850, 6715, 7683, 6715)}));
    m.e = 0.3f;  // V1 = 78.114
    EXPECT_TRUE(
        containsRun(segments(draw()), {seg(2850, 6436, 7683, 6436), seg(2850, 6736, 7683, 6736)}));
    // At σmax 100 (10 twips per kN/m2) V1 = 86.794 would put the total width at 6901, on the
    // lines from 6900: the loads shrink until it lies on 6900, the part widths 300 higher.
    m.Sigma_max = 100.0f;
    EXPECT_TRUE(
        containsRun(segments(draw()), {seg(2850, 6600, 7683, 6600), seg(2850, 6900, 7683, 6900)}));
}

// The figure's room: below the heading's line (1100 to 1320), above the lines from 6900 and
// within the printable width.
const Room kFigureRoom{0, 1320, 11600, 6900};

std::vector<std::string> figureOf(const std::vector<std::string>& lines) {
    return figureLines(lines, 1, 6900);
}

// A 0.9 m wall (H4 0.3 + H3 0.6) on a 2.6 m base: at 1000 / 0.3 twips a metre the rear end
// lies at X(2.6) = 11517 and the right-hand dimension lines at X(2.6) + 1350 = 12867. The
// wall shrinks alike in both directions until it fits; its loads of at most 50 kN/m2 fit on
// it and keep their scale.
TEST_F(HaikinPage, ALowWallOnAWideBaseShrinksToTheSheet) {
    m.H4 = 0.3f, m.H3 = 0.6f, m.H_Haimen = 0.3f, m.H1 = 0.4f, m.H2 = 0.5f, m.H_Tyuuou = 0.2f;
    m.B_Tyuuou = 0.9f;
    m.B = m.B_Tumasaki + m.T2_Mae + m.B_Tyuuou + m.T2_Usiro + m.B_Kakato;
    const std::vector<std::string> figure = figureOf(draw());
    EXPECT_EQ(error, "");
    EXPECT_EQ(leavingRoom(figure, kFigureRoom), std::vector<std::string>{});
    EXPECT_LE(leastClearance(figure, kFigureRoom), 1.0) << "shrunk more than needed";
    EXPECT_GT(layout.Syukusyaku, 0.3f);
    EXPECT_FLOAT_EQ(layout.Syukusyaku_V, 5.0f);
    // The underside from the toe root (0.5) to the heel root (2.0), 0.9 m below the top (1700).
    const std::vector<double> underside = strokeEnds(segments(figure)[7]);
    EXPECT_NEAR((underside[2] - underside[0]) / (underside[1] - 1700), 1.5 / 0.9, 0.01);
    EXPECT_NEAR(underside[1] - 1700, 900 / layout.Syukusyaku, 1.0);
    int widths = 0;  // the base keeps its real width, in the 9-point face
    for (const PlacedText& t : placedTexts(figure)) widths += t.text == "2,600" && t.size == 9;
    EXPECT_EQ(widths, 1);
    EXPECT_TRUE(endsClean());
}

// σmax 98.8 kN/m2 with 88 kN/m2 on the centre soil (W1 113.35): at 9.88 twips per kN/m2 the
// uniform reaction hangs 976 twips below the underside at 5033, and the total width would lie
// at 7009, through the lines from 6900. The wall fits and keeps 0.6 m per 1000 twips; the
// loads and ordinates shrink until the total width lies on 6900: (6900 - 1000 - 5033) / 98.8
// twips per kN/m2.
TEST_F(HaikinPage, HighPressuresShrinkOnTheirOwnScale) {
    m.Sigma_max = 98.8f, m.e = 0.0f;
    m.Q_Tyuuou = 88.0f, m.W1 = 113.35f;
    const std::vector<std::string> figure = figureOf(draw());
    EXPECT_EQ(error, "");
    EXPECT_EQ(leavingRoom(figure, kFigureRoom), std::vector<std::string>{});
    EXPECT_FLOAT_EQ(layout.Syukusyaku, 0.6f);
    EXPECT_NEAR(layout.Syukusyaku_V, (6900.0 - 1000.0 - (1700.0 + 2000.0 / 0.6)) / 98.8, 1e-4);
    const std::vector<std::string> strokes = segments(figure);
    EXPECT_EQ(strokes[7], seg(3683, 5033, 6683, 5033));  // the underside where it was
    EXPECT_TRUE(containsRun(strokes, {seg(2850, 6600, 7683, 6600), seg(2850, 6900, 7683, 6900)}));
}

// Above 1000 kN/m2 the bands go on (σ 1500: 15000 / 7000 twips per kN/m2): a W1 block of
// 1500 kN/m2 would rise 3214 twips over the slab top at 4533, its label at 1119 over the
// heading, and the ordinates would hang 3214 twips below the underside. The loads shrink until
// the total width lies on 6900.
TEST_F(HaikinPage, PressuresAboveOneThousandStayOnThePage) {
    m.Sigma_max = 1500.0f, m.e = 0.0f;
    m.W1 = 1500.0f;
    const std::vector<std::string> figure = figureOf(draw());
    EXPECT_EQ(error, "");
    EXPECT_EQ(leavingRoom(figure, kFigureRoom), std::vector<std::string>{});
    EXPECT_FLOAT_EQ(layout.Syukusyaku, 0.6f);
    EXPECT_NEAR(layout.Syukusyaku_V, (6900.0 - 1000.0 - (1700.0 + 2000.0 / 0.6)) / 1500.0, 1e-5);
}

// Each point where outline segments meet is the end of exactly two of them (even degree).
TEST_F(HaikinPage, TheOutlineClosesForEveryToeHeelAndShape) {
    for (bool toe : {true, false})
        for (bool heel : {true, false})
            for (bool twoSided : {false, true}) {
                wall(toe, heel);
                opt.shapeOneSided = !twoSided, opt.shapeTwoSided = twoSided;
                std::vector<std::string> lines = segments(draw());
                size_t count = 8 + (heel ? 3 : 1) + (toe ? 3 : 1);
                ASSERT_GE(lines.size(), count);
                std::map<std::pair<long, long>, int> degree;
                for (size_t i = 0; i < count; ++i) {
                    std::istringstream in(lines[i]);
                    std::string kind;
                    long x1, y1, x2, y2;
                    in >> kind >> x1 >> y1 >> x2 >> y2;
                    ++degree[{x1, y1}];
                    ++degree[{x2, y2}];
                }
                for (const auto& [point, n] : degree)
                    EXPECT_EQ(n % 2, 0) << "toe " << toe << " heel " << heel << " two-sided "
                                        << twoSided << " at " << point.first << "," << point.second;
                EXPECT_EQ(error, "");
                EXPECT_TRUE(endsClean());
            }
}

// The labels printed in the figure at size 11, in order.
std::vector<std::string> figureLabels(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& l : lines)
        if (l.rfind("T ", 0) == 0 && l.find(" 11 0 \"") != std::string::npos &&
            l.rfind("T 0 ", 0) != 0)
            out.push_back(l);
    return out;
}

TEST_F(HaikinPage, LoadAndReactionLabelsWhereLoadsDifferAndTheReactionIsATrapezoid) {
    m.Sigma_max = 90.0f, m.e = 0.3f;  // 9 twips per kN/m2
    m.W3 = 40.0f, m.W5 = 12.0f;       // haunched heel and toe: root and tip loads differ
    const std::vector<std::string> expected = {
        text(5083, 4015, 11, "W1"),  // Y(1.7) - 318.15 - 200
        text(6733, 3983, 11, "W2"),  // X(2.3) + 50, Y(1.7) - 350.55 - 200
        text(7683, 4140, 11, "W3"),  // X(2.9), Y(1.8) - 360 - 200
        text(3433, 4235, 11, "W4"),  // X(0.5) - 250, Y(1.7) - 98.55 - 200
        text(2650, 4392, 11, "W5"),  // Y(1.8) - 108 - 200
        text(3483, 5766, 11, "V1"), text(3983, 5702, 11, "V2"), text(5083, 5574, 11, "V3"),
        text(5983, 5445, 11, "V4"), text(6683, 5381, 11, "V5"), text(7683, 5253, 11, "VR"),
        text(2650, 5873, 11, "VP"),
    };
    EXPECT_EQ(figureLabels(draw()), expected);
}

TEST_F(HaikinPage, ReactionLabelsOfTheTwoTriangles) {
    m.Sigma_max = 100.0f;
    auto reactionLabels = [&] {
        std::vector<std::string> labels = figureLabels(draw());
        return std::vector<std::string>(labels.begin() + 3, labels.end());  // after W1, W2, W4
    };
    m.e = 0.6f;  // V2 unshifted, VP beside V1
    EXPECT_EQ(reactionLabels(),
              (std::vector<std::string>{text(3483, 5867, 11, "V1"), text(4183, 5750, 11, "V2"),
                                        text(5083, 5514, 11, "V3"), text(5983, 5279, 11, "V4"),
                                        text(6683, 5161, 11, "V5"), text(3483, 6063, 11, "VP")}));
    m.e = -0.6f;  // the mirror: VR at the rear end, no VP (the toe end has no pressure)
    EXPECT_EQ(reactionLabels(),
              (std::vector<std::string>{text(3483, 5122, 11, "V1"), text(3983, 5240, 11, "V2"),
                                        text(5083, 5475, 11, "V3"), text(5983, 5710, 11, "V4"),
                                        text(6683, 5828, 11, "V5"), text(7683, 6063, 11, "VR")}));
}

TEST_F(HaikinPage, WithoutToeAndHeelOnlyTheirLabelsAndWidthsAreLeftOut) {
    wall(false, false);
    m.W2 = m.W3 = m.W4 = m.W5 = 0.0f;
    m.Sigma_max = 100.0f, m.e = 0.1f;
    std::vector<std::string> labels;
    for (const std::string& l : figureLabels(draw())) labels.push_back(l.substr(l.find('"')));
    EXPECT_EQ(labels, (std::vector<std::string>{"\"W1\"", "\"V1\"", "\"V2\"", "\"V3\"", "\"V4\"",
                                                "\"V5\""}));
    int widths = 0;  // the values on the line of the part widths
    for (const std::string& l : sink.lines()) widths += l.find(" 9 0 ") != std::string::npos;
    EXPECT_EQ(widths, 6 + 3) << "heights, slab and total width; wall, span, wall";
    EXPECT_TRUE(endsClean());
}

TEST_F(HaikinPage, AGroundSurfaceAtTheTopOfTheWallHasNoExtensionAndNoValue) {
    m.H4 = 0.0f, m.H3 = 2.0f, m.H_Haimen = 1.7f;
    std::vector<std::string> lines = draw();
    EXPECT_EQ(error, "");
    int values = 0;
    for (const std::string& l : lines) values += l.find(" 9 0 ") != std::string::npos;
    EXPECT_EQ(values, 10) << "the H4 value prints nothing";
    int atTop = 0;  // the extension at the top of the rear wall, not a second one at H4
    for (const std::string& l : segments(lines)) atTop += l == seg(9033, 1700, 7783, 1700);
    EXPECT_EQ(atTop, 1);
    EXPECT_TRUE(endsClean());
}

TEST_F(HaikinPage, AReactionTheCalculationRefusesPrintsItsReasonAndNoFigure) {
    m.e = 1.45f;  // the resultant at the front edge: no contact length
    std::vector<std::string> lines = draw();
    EXPECT_EQ(error, "");
    EXPECT_TRUE(segments(lines).empty());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], text(0, 1100, 11, "            1" + kHeadingNormal));
    EXPECT_EQ(lines[1].rfind("T 0 1540 11 13 \"            ", 0), 0u) << lines[1];
    EXPECT_NE(lines[1].find("地盤反力"), std::string::npos) << lines[1];
    EXPECT_EQ(lines[2], "BEEP");
    EXPECT_TRUE(endsClean());
}

TEST_F(HaikinPage, ATypedCoefficientPrintsOneLine) {
    opt.memberKaComputed = false, opt.memberKaTyped = true;
    for (auto [ka, shown] : {std::pair<float, const char*>{0.3f, "0.30"}, {0.297f, "0.297"}}) {
        m.KA_Danmen = ka;
        std::vector<std::string> texts = flowingTexts(draw());
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back(), kTypedKA + shown);
        EXPECT_TRUE(endsClean());
    }
    opt.memberKaTyped = false;
    std::vector<std::string> texts = flowingTexts(draw());
    EXPECT_EQ(texts.back().rfind(kTheta, 0), 0u) << "neither option: nothing after the angles";
}

// Coulomb with phi 30, delta 15: KA 0.301.
TEST_F(HaikinPage, TheCoulombBlockWithItsValues) {
    m.Delta_Danmen = 15.0f, m.KA_Danmen = 0.301f;
    std::vector<std::string> lines = draw();
    const std::vector<std::string> values = {
        text(3500, 12600, 11, "0.7500"),
        text(1500, 12800, 11, kCoulombBar),
        text(4350, 13050, 11, "0.7071" + kTimesSign + "0.5000"),
        text(6250, 13050, 11, kTwo),
        text(1700, 13250, 11, "1.0000" + kTimesSign + "0.9659" + kTimesSign),
        text(3675, 13250, 11, kOnePlus),
        text(4250, 13250, 11, kShortBar),
        text(4350, 13450, 11, "0.9659" + kTimesSign + "1.0000"),
        text(1500, 13750, 11, "=0.301"),
        seg(3975, 13525, 4000, 13450),
        seg(4000, 13450, 4050, 13650),
        seg(4050, 13650, 4200, 13000),
        seg(4200, 13000, 6000, 13000),
        seg(3675, 13000, 3575, 13100),
        seg(3575, 13100, 3575, 13600),
        seg(3575, 13600, 3675, 13700),
        seg(6050, 13000, 6150, 13100),
        seg(6150, 13100, 6150, 13600),
        seg(6150, 13600, 6050, 13700),
    };
    EXPECT_TRUE(containsRun(lines, values));
    EXPECT_EQ(lines.back(), values.back()) << "the block ends the page";
    EXPECT_EQ(segments(lines).size(), 43u + 30u) << "the figure, then three groups of ten";
    EXPECT_TRUE(endsClean());

    m.Beta = 35.0f;  // steeper than phi: no root term
    lines = draw();
    EXPECT_TRUE(containsRun(
        lines, {text(2150, 12600, 11, "0.7500"), text(1500, 12800, 11, kShortCoulombBar),
                text(1700, 13000, 11, "1.0000" + kTimesSign + "0.9659"),
                text(1500, 13300, 11, "=0.301")}));
}

// Mononobe-Okabe with phi 30, delta 15, Kh 0.2, Kv 0: thetaK 11.31, KAE 0.452.
TEST_F(HaikinPage, TheSeismicBlockWithItsValues) {
    opt.case_N = false, opt.case_S = true, opt.method_K1 = true;
    m.Kh = 0.2f, m.Kv = 0.0f, m.ThetaK = 11.309942f;
    m.Delta_Danmen = 15.0f, m.KA_Danmen = 0.452f;
    std::vector<std::string> lines = draw();
    EXPECT_TRUE(containsRun(
        lines,
        {text(1400, 10100, 11, kSeismicKh + "0.20" + kSeismicKv + "0.00"),
         text(1400, 10300, 11,
              kThetaK + "=" + kAtn + "0.20" + kAtnDiv + "0.00" + kAtnOver + "11.31" + kAtnEnd)}));
    EXPECT_TRUE(containsRun(
        lines, {
                   text(3030, 13450, 9, "1.00" + kTimesSign + "0.8973"),
                   text(1030, 13620, 9, "="),
                   text(4230, 13850, 9, "0.3204" + kTimesSign + "0.7071"),
                   text(5780, 13850, 9, kTwo),
                   text(1230, 14050, 9,
                        "0.9806" + kTimesSign + "1.0000" + kTimesSign + "0.8964" + kTimesSign),
                   text(3555, 14050, 9, kOnePlus),
                   text(4230, 14250, 9, "0.8964" + kTimesSign + "1.0000"),
                   text(1030, 14550, 9, "=0.452"),
               }));
    EXPECT_TRUE(endsClean());
    // The last bracket segment ends at y 14500; two empty lines at size 9 follow.
    EXPECT_EQ(pri.y(), 14500 + 2 * 180);
}

TEST_F(HaikinPage, TheSeismicBlockWithoutSeismicCoefficientsIsCoulomb) {
    opt.case_N = false, opt.case_S = true, opt.method_D1 = true;
    m.Kh = 0.0f, m.Kv = 0.0f, m.ThetaK = 0.0f;
    m.Delta_Danmen = 15.0f, m.KA_Danmen = 0.301f;
    std::vector<std::string> lines = draw();
    EXPECT_EQ(error, "");
    EXPECT_TRUE(containsRun(lines, {text(1400, 10300, 11,
                                         kThetaK + "=" + kAtn + "0.00" + kAtnDiv + "0.00" +
                                             kAtnOver + "0.00" + kAtnEnd)}));
    EXPECT_TRUE(containsRun(lines, {text(3030, 13450, 9, "1.00" + kTimesSign + "0.7500")}));
    EXPECT_TRUE(containsRun(lines, {text(4230, 13850, 9, "0.5000" + kTimesSign + "0.7071")}));
    EXPECT_TRUE(containsRun(lines, {text(1030, 14550, 9, "=0.301")}));
    EXPECT_TRUE(endsClean());
}

TEST_F(HaikinPage, ACoefficientTheCalculationRefusesPrintsTheReason) {
    opt.case_N = false, opt.case_S = true, opt.method_K1 = true;
    m.Kh = 0.2f, m.Kv = 1.0f;
    std::vector<std::string> lines = draw();
    EXPECT_EQ(error, "");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.back(), "BEEP");
    EXPECT_NE(lines[lines.size() - 2].find(" 11 13 \"            鉛直震度"), std::string::npos)
        << lines[lines.size() - 2];
    EXPECT_TRUE(endsClean());
}

TEST(DesignSpacing, TheBoxAsItReadsNow) {
    PageChoices c;
    c.designSpacingText = {"125", "250", "200mm", "", "abc", " 150", "1e60", "-100"};
    using members::MemberPart;
    struct Case {
        MemberPart part;
        float mm;
    } cases[] = {
        {MemberPart::A, 125}, {MemberPart::B, 250}, {MemberPart::C, 200}, {MemberPart::D, 0},
        {MemberPart::E, 0},   {MemberPart::F, 150}, {MemberPart::G, 0},   {MemberPart::H, -100},
    };
    for (const Case& k : cases)
        EXPECT_EQ(designSpacing(c, k.part), k.mm) << static_cast<int>(k.part);
}

// Every sample project: the page ends clean, prints no impossible number and changes no
// result of the calculation.
TEST(HaikinSamples, EverySampleDrawsPageFiveCleanly) {
    int drawn = 0;
    for (const std::string& file : sampleProjects()) {
        OpenedSample s(file);
        App& app = s.app;
        const Module1 before = app.m;
        DrawnPage page = drawPage(app, {Form7_HAIKIN});
        const std::string name = sampleName(file);
        EXPECT_EQ(page.error, "") << name;
        EXPECT_TRUE(page.endsClean()) << name;
        EXPECT_EQ(page.beeps, 0) << name;
        for (const std::string& t : page.texts) EXPECT_EQ(badNumberIn(t), "") << name << ": " << t;
        EXPECT_GT(page.lines.size(), 60u) << name;
        EXPECT_EQ(app.m.Kankaku_B, before.Kankaku_B) << name;
        EXPECT_EQ(app.m.V1, before.V1) << name;
        EXPECT_EQ(app.m.Xn, before.Xn) << name;
        ++drawn;
    }
    EXPECT_EQ(drawn, 7);
}

}  // namespace
}  // namespace pelzaro
