// The member-part sections with states set by hand: the stems' earth-pressure, moment and
// shear variants, the slab's trapezoid forms, the heel, toe and key lines, the empty lines
// before the headings for every combination of heel, toe and key, and refused parts.

#include <gtest/gtest.h>

#include <algorithm>

#include "haikin_fixture.h"
#include "members/calc/bar_table.h"
#include "members/calc/refusal_messages.h"
#include "report/page_plan.h"
#include "report/conventions.h"
#include "report/sections.h"
#include "support/report_support.h"

namespace pelzaro::haikin_test {
namespace {

// The row of the first transcript line that begins with `head`; -1 when none does.
int rowOf(const Drawn& d, const std::string& head) {
    for (const std::string& line : d.lines) {
        const size_t q = line.find('"');
        if (line.rfind("T ", 0) != 0 || line.compare(q + 1, head.size(), head) != 0) continue;
        const size_t y0 = line.find(' ', 2) + 1;
        return std::stoi(line.substr(y0, line.find(' ', y0) - y0)) / 220;
    }
    return -1;
}

bool printed(const Drawn& d, const std::string& text) {
    return std::find(d.texts.begin(), d.texts.end(), text) != d.texts.end();
}

// A stem of 2.45 m of back soil under KA 0.3, gamma 18, delta 20, theta 0, q 10: by hand
// h = 1.225, cos 20 = 0.9397, PAX = 0.5 x 0.3 x 18 x 1.225^2 x 0.9397 = 3.807,
// dPAX = 0.3 x 10 x 1.225 x 0.9397 = 3.453, M = (3.807 x 1.225/3 + 3.453 x 1.225/2) x 10^5
// = 366985, S = 7261.
Module1 stemWall() {
    Module1 m = uniformWall();
    m.H_Haimen = 2.45f, m.H4 = 0.5f, m.T1_Usiro = 0.3f, m.B_Haimen = 0.5f;
    m.Q_Haimen = 10.0f, m.Gamma_S = 18.0f, m.Gamma_C = 24.5f, m.Kh = 0.2f;
    m.KA_Danmen = 0.3f, m.Delta_Danmen = 20.0f, m.Theta_Danmen = 0.0f;
    m.A7 = 1.0f, m.Y7 = 1.5f, m.Hq_Danmen = 2.0f;
    return m;
}

TEST(StemSections, PressureAndNormalCaseLinesOfSectionA) {
    Module1 m = stemWall();
    const Drawn d = draw(m, residentialNormal(), {Form7_HAIKIN_A});
    EXPECT_EQ(d.texts.at(1), std::string("                  PAX=1/2･KA･γ･H^2･cos(") + "20.00" +
                                 "ﾟ" + "＋" + "0.00" + "ﾟ)=1/2×" + "0.30" + "×" + "18.0" + "×" +
                                 "1.225" + "^2×" + "0.9397" + "=" + "3.807" + "kN/m");
    EXPECT_EQ(d.texts.at(2), std::string("                △PAX=KA･q･H･cos(") + "20.00" + "ﾟ" +
                                 "＋" + "0.00" + "ﾟ)=" + "0.30" + "×" + "10.0" + "×" + "1.225" +
                                 "×" + "0.9397" + "=" + "3.453" + "kN/m");
    EXPECT_EQ(d.texts.at(3), std::string("                  M=PAX･n＋△PAX･n={") + "3.807" + "×(" +
                                 "1.225" + "/3)＋" + "3.453" + "×(" + "1.225" +
                                 "/2)}×10^5=" + "366985" + "Ncm/m");
    EXPECT_EQ(d.texts.at(4), std::string("                  S=PAX＋△PAX=(") + "3.807" + "＋" +
                                 "3.453" + ")×10^3=" + "7261" + "N/m");
    EXPECT_EQ(rowOf(d, "              １）たて壁（中央部）"), 5);
    EXPECT_EQ(rowOf(d, "                  D="), 12);
}

TEST(StemSections, SurchargeLessFiveBelowZeroShowsTheReductionAndNoPressure) {
    Module1 m = stemWall();
    m.Q_Haimen = 3.0f;
    PageChoices o = residentialNormal();
    o.surchargeLess5 = true;
    const Drawn d = draw(m, o, {Form7_HAIKIN_A});
    EXPECT_EQ(d.texts.at(2), std::string("                △PAX=KA･q･H･cos(") + "20.00" + "ﾟ" +
                                 "＋" + "0.00" + "ﾟ)=" + "0.30" + "×(" + "3.0" + "-5.0)×" +
                                 "1.225" + "×" + "0.9397" + "=" + "0.000" + "kN/m");
}

// The lines of the moment and shear by case, seismic method and the surcharge-inertia box,
// as the heads they begin with, and the row where the block begins.
TEST(StemSections, MomentAndShearVariants) {
    struct Case {
        const char* why;
        bool caseN, caseS, K1, K2, D1, inertiaBox;
        std::vector<std::string> heads;  // after the heading
        int blockRowA, headingRowB;
    };
    const std::vector<std::string> a = {
        "                  PAX=1/2･KA･γ･H^2･cos(", "                △PAX=KA･q･H･cos(",
        "                  M=PAX･n＋△PAX･n={", "                  S=PAX＋△PAX=("};
    const std::vector<std::string> b = {"                  PAX=1/2･KA･γ･H^2･cos(",
                                        "                △PAX=KA･q･H･cos(",
                                        "                 たて壁重量 W=",
                                        "                  M=PAX･n＋△PAX･n＋W･Kh･y",
                                        "                   ={",
                                        "                  S=PAX＋△PAX＋W･Kh=("};
    const std::vector<std::string> c = {
        "                  PAX=1/2･KA･γ･H^2･cos(",
        "                △PAX=KA･q･H･cos(",
        "                 たて壁重量 W1=",
        "                  M=PAX･n＋△PAX･n＋W1･Kh･y1＋W2･Kh･y2＋q･Kh･y3",
        "                   ={",
        "                    ＋",
        "                  S=PAX＋△PAX＋W1･Kh＋W2･Kh＋q･Kh",
        "                   =(",
        "                   ="};
    const std::vector<std::string> none = {"                  PAX=1/2･KA･γ･H^2･cos(",
                                           "                △PAX=KA･q･H･cos("};
    const Case cases[] = {
        {"a: normal case", true, false, false, false, false, false, a, 12, 2},
        {"a: normal case, box ticked: no empty line after the heading", true, false, false, false,
         false, true, a, 11, 1},
        {"a: seismic earth pressure alone", false, true, true, false, false, false, a, 12, 2},
        {"b: wall inertia (K2)", false, true, false, true, false, false, b, 13, 2},
        {"b: wall inertia (D1)", false, true, false, false, true, false, b, 13, 2},
        {"c: wall, soil and surcharge inertia", false, true, false, true, false, true, c, 15, 1},
        {"d: seismic case without a method", false, true, false, false, false, false, none, 9, 2},
        {"d: no case", false, false, false, false, false, false, none, 9, 2},
    };
    for (const Case& k : cases) {
        Module1 m = stemWall();
        PageChoices o = residentialNormal();
        o.case_N = k.caseN, o.case_S = k.caseS;
        o.method_K1 = k.K1, o.method_K2 = k.K2, o.method_D1 = k.D1;
        o.memberSurchargeInertia = k.inertiaBox;
        const Drawn d = draw(m, o, {Form7_HAIKIN_A});
        ASSERT_EQ(d.error, "") << k.why;
        for (size_t i = 0; i < k.heads.size(); ++i)
            EXPECT_EQ(d.texts.at(i + 1).rfind(k.heads[i], 0), 0u) << k.why << " line " << i;
        EXPECT_EQ(d.texts.at(k.heads.size() + 1).rfind("                  D=", 0), 0u) << k.why;
        EXPECT_EQ(rowOf(d, "                  D="), k.blockRowA) << k.why;
        const Drawn db = draw(m, o, {Form7_HAIKIN_B});
        EXPECT_EQ(rowOf(db, "              ２）たて壁（固定部）"), k.headingRowB) << k.why;
        EXPECT_EQ(
            rowOf(db, "                  D=") - rowOf(db, "              ２）たて壁（固定部）"),
            k.blockRowA - 5)
            << k.why;
    }
}

// Variant c: the surcharge inertia's arm y3 at section A is Hq / (t + H) x ((H4 + H)/2 - H4)
// = 2 / 2.85 x 0.975 = 0.684; at section B Hq - t = 1.600. A section at or above the back
// ground (H4 beyond H) has no soil above it: the arm the calculation uses is 0.
TEST(StemSections, SurchargeInertiaArms) {
    PageChoices o = residentialNormal();
    o.case_N = false, o.case_S = true, o.method_K2 = true, o.memberSurchargeInertia = true;
    struct Case {
        float H4;
        const char* armA;
    };
    for (const Case& k : {Case{0.5f, "0.684"}, Case{3.0f, "0.000"}}) {
        Module1 m = stemWall();
        m.H4 = k.H4;
        const Drawn d = draw(m, o, {Form7_HAIKIN_A, Form7_HAIKIN_B});
        std::vector<std::string> plusLines;
        for (const std::string& t : d.texts)
            if (t.rfind("                    ＋", 0) == 0) plusLines.push_back(t);
        ASSERT_EQ(plusLines.size(), 2u);
        EXPECT_NE(plusLines[0].find(std::string("×") + k.armA + "}"), std::string::npos)
            << plusLines[0];
        EXPECT_NE(plusLines[1].find("×1.600}"), std::string::npos) << plusLines[1];
    }
}

// A trapezoid reaction V2 50, V4 40 on the 2 m span, W1 30. By hand: C1 10, C21 = 40 x 4/12
// + 10 x 4/20 = 15.333, C22 = 13.333 + 10 x 4/30 = 14.667; S2 at the front (larger) end
// 40 + 10 x 2/3 = 46.667, at the rear end 40 + 10 x 2/6 = 43.333.
Module1 trapezoidWall(float V2, float V4, float e) {
    Module1 m = uniformWall();
    m.e = e, m.Xn = 10.0f;
    m.V2 = V2, m.V4 = V4;
    return m;
}

TEST(SlabSections, TrapezoidFormsFollowTheLargerOrdinate) {
    Module1 m = trapezoidWall(50, 40, 0.2f);
    Drawn d = draw(m, residentialNormal(), {Form7_HAIKIN_F});
    EXPECT_TRUE(printed(d, "                 C21=(V4･B^2/12)＋{(V2-V4)･B^2/20}"));
    EXPECT_TRUE(printed(d, std::string("                    =(") + "40.000×2.000" + "^2)/12＋{(" +
                               "50.000" + "－" + "40.000" + ")×" + "2.000" + "^2)/20}=" + "15.333" +
                               "KNm/m"));
    EXPECT_TRUE(printed(d, std::string("                  M2=C21=") + "15.333" + "KNm/m"));
    EXPECT_TRUE(printed(d, std::string("                  S2=(V4･B)/2＋(V2－V4)･B/3=(") +
                               "40.000×2.000" + ")/2＋(" + "50.000" + "－" + "40.000" + ")×" +
                               "2.000" + "/3=" + "46.667" + "KN/m"));
    d = draw(m, residentialNormal(), {Form7_HAIKIN_G});
    EXPECT_TRUE(printed(d, "                 C22=(V4･B^2/12)＋{(V2-V4)･B^2/30}"));
    EXPECT_TRUE(printed(d, std::string("                  M2=C22=") + "14.667" + "KNm/m"));
    EXPECT_TRUE(printed(d, std::string("                  S2=(V4･B)/2＋(V2－V4)･B/6=(") +
                               "40.000×2.000" + ")/2＋(" + "50.000" + "－" + "40.000" + ")×" +
                               "2.000" + "/6=" + "43.333" + "KN/m"));
    d = draw(m, residentialNormal(), {Form7_HAIKIN_E});
    for (const char* head :
         {"                 C21=(V4･B^2/12)＋{(V2-V4)･B^2/20}",
          "                 C22=(V4･B^2/12)＋{(V2-V4)･B^2/30}",
          "                  M2=(V4･B^2/8)＋(V2-V4)･B^2/(9･Sqr(3))－(C21＋C22)/2"})
        EXPECT_TRUE(printed(d, head)) << head;
    EXPECT_EQ(rowOf(d, "                    －(") -
                  rowOf(d, "                 C21=(V4･B^2/12)＋{(V2-V4)･B^2/20}"),
              6);

    // The mirror image: the larger ordinate at the rear.
    m = trapezoidWall(40, 50, -0.2f);
    d = draw(m, residentialNormal(), {Form7_HAIKIN_F, Form7_HAIKIN_G, Form7_HAIKIN_E});
    for (const char* head :
         {"                 C22=(V2･B^2/12)＋{(V4-V2)･B^2/30}",
          "                  M2=C22=", "                  S2=(V2･B)/2＋(V4－V2)･B/6=(",
          "                 C21=(V2･B^2/12)＋{(V4-V2)･B^2/20}",
          "                  M2=C21=", "                  S2=(V2･B)/2＋(V4－V2)･B/3=(",
          "                  M2=(V2･B^2/8)＋(V4-V2)･B^2/(9･Sqr(3))－(C21＋C22)/2"})
        EXPECT_GE(rowOf(d, head), 0) << head;
    EXPECT_EQ(d.beeps, 0);
}

// Ground pressures of thousands of kN/m2 under a slab 12 m wide: the shear line of the front
// end would run past the sheet (109 places of 110 twips), so its values go on the next line,
// under the symbols. By hand, S2 = 1400 x 12/2 + (2400 - 1400) x 12/3 = 8400 + 4000 = 12400.
TEST(SlabSections, AShearLineTooWideForTheSheetGoesOnTwoLines) {
    Module1 m = trapezoidWall(2400, 1400, 0.2f);
    m.B_Tyuuou = 12.0f, m.B = 13.0f, m.Xn = 100.0f;
    const Drawn d = draw(m, residentialNormal(), {Form7_HAIKIN_F});
    const int row = rowOf(d, "                  S2=(V4･B)/2＋(V2－V4)･B/3");
    ASSERT_GE(row, 0);
    EXPECT_TRUE(printed(d, "                  S2=(V4･B)/2＋(V2－V4)･B/3"));
    EXPECT_TRUE(printed(d, std::string("                   =(") + "1400.000×12.000" + ")/2＋(" +
                               "2400.000" + "－" + "1400.000" + ")×" + "12.000" + "/3=" +
                               "12400.000" + "KN/m"));
    for (const PlacedText& t : placedTexts(d.lines))
        EXPECT_LE(t.right(), kPrintableWidthTwips) << t.text;
}

// The allowable steel stress by bar size, decided for the part's own bar and written nowhere:
// in the normal case under the residential-land standard "  D25" (5.067 cm2) takes the
// long-term 50 entered, "D25,D29" (5.745 cm2) takes 195; in the seismic case, or under the
// road guideline, the value in use (here 300) stays.
TEST(SlabSections, BarSizeRuleDecidedForThePartsOwnBar) {
    struct Case {
        int listIndex;
        bool normalCase, road;
        const char* ft;
        const char* limit;
    };
    const Case cases[] = {
        {10, true, false, "/(5000×", "σsa=50N/mm2"},
        {11, true, false, "/(19500×", "σsa=195N/mm2"},
        {11, false, false, "/(30000×", "σsa=300N/mm2"},
        {11, true, true, "/(30000×", "σsa=300N/mm2"},
    };
    for (const Case& k : cases) {
        Module1 m = uniformWall();
        const members::BarKind bar = *members::barKindAt(k.listIndex);
        m.Tekkin_D = bar.designation, m.a1_D = bar.areaCm2, m.U_D = bar.perimeterCm;
        m.dk_D = 60.0f + bar.coverAdditionMm;
        m.Sigma_sa = 300.0f, m.Sigma_sa_N = 50.0f;
        PageChoices o = residentialNormal();
        o.case_N = k.normalCase, o.case_S = !k.normalCase;
        o.std_T = !k.road, o.std_D = k.road;
        const Drawn d = draw(m, o, {Form7_HAIKIN_F});
        int ft = 0, limit = 0;
        for (const std::string& t : d.texts) {
            ft += t.rfind("                 at=M/(ft･j)=", 0) == 0 &&
                  t.find(k.ft) != std::string::npos;
            limit += t.find(k.limit) != std::string::npos;
        }
        EXPECT_EQ(ft, 1) << bar.listEntry << " " << k.ft;
        EXPECT_EQ(limit, 1) << bar.listEntry << " " << k.limit;
        EXPECT_EQ(m.Sigma_sa, 300.0f);
        const std::string barLine = std::string("                 配筋 ") + bar.designation + "-";
        EXPECT_GE(rowOf(d, barLine), 0) << bar.listEntry;
    }
}

// Heel 1 m with W2 40, W3 35 and a uniform reaction 60: M1 = (40 + 2 x 35) / 6 = 18.333,
// S1 = 37.5, M2 = (60 + 120) / 6 = 30, S2 = 60, M = 1166667, S = 22500.
// Key: P 100 kN/m2, H0 0.5 m: M = 100 x 0.25 / 2 x 10^5 = 1250000, S = 50000.
TEST(CantileverSections, HeelAndKeyValues) {
    Module1 m = uniformWall();
    m.B_Kakato = 1.0f, m.B = 4.0f, m.W2 = 40.0f, m.W3 = 35.0f;
    m.H0 = 0.5f, m.P_Tokki = 100.0f;
    const Drawn d = draw(m, residentialNormal(), {Form7_HAIKIN_H, Form7_HAIKIN_J});
    EXPECT_TRUE(printed(d, std::string("                 M1=(W2＋2･W3)･B^2/6=(") + "40.000" +
                               "＋2×" + "35.000" + ")×" + "1.000" + "^2/6=" + "18.333" + "KNm/m"));
    EXPECT_TRUE(printed(d, std::string("                 S1=(W2＋W3)･B/2=(") + "40.000" + "＋" +
                               "35.000" + ")×" + "1.000" + "/2=" + "37.500" + "KN/m"));
    EXPECT_TRUE(printed(d, std::string("                 M2=(V5＋2･VR)･B^2/6=(") + "60.000" +
                               "＋2×" + "60.000" + ")×" + "1.000" + "^2/6=" + "30.000" + "KNm/m"));
    EXPECT_TRUE(printed(d, std::string("                  M=|M1-M2|=|") + "18.333-30.000" +
                               "|×10^5=" + "1166667" + "Ncm/m"));
    EXPECT_TRUE(printed(d, std::string("                  S=|S1-S2|=|") + "37.500-60.000" +
                               "|×10^3=" + "22500" + "N/m"));
    EXPECT_TRUE(printed(d, std::string("                  P=") + "100.000" + "KN/m"));
    EXPECT_TRUE(printed(d, std::string("                  M=P･H0^2/2=(") + "100.000×0.500" +
                               "^2/2)×10^5=" + "1250000" + "Ncm/m"));
    EXPECT_TRUE(printed(d, std::string("                  S=P･H0=(") + "100.000×0.500" +
                               ")×10^3=" + "50000" + "N/m"));
    EXPECT_EQ(d.beeps, 0);
}

// Contact ending on the heel with the maximum at the toe: e 0.8 on a 4 m base gives
// Xn = 3 x (2 - 0.8) = 3.6 and the loaded length L' = 3.6 - 3.5 = 0.100; a zero point before
// the heel's root (Xn 3.4) loads nothing: L' 0.000, never negative.
TEST(CantileverSections, HeelTriangleWithItsLoadedLength) {
    struct Case {
        float Xn;
        const char* L;
        const char* M2;
        const char* S2;
    };
    for (const Case& k :
         {Case{3.6f, "0.100", "0.008", "0.250"}, Case{3.4f, "0.000", "0.000", "0.000"}}) {
        Module1 m = uniformWall();
        m.B_Tumasaki = 0.5f, m.B_Kakato = 0.5f, m.B = 4.0f, m.e = 0.8f, m.Xn = k.Xn;
        m.V5 = 5.0f, m.VR = 0.0f, m.W2 = m.W3 = 40.0f;
        const Drawn d = draw(m, residentialNormal(), {Form7_HAIKIN_H});
        EXPECT_TRUE(printed(d, std::string("                 M2=V2･B^2/6=") + "5.000" + "×" + k.L +
                                   "^2/6=" + k.M2 + "kNm/m"))
            << k.L;
        EXPECT_TRUE(printed(d, std::string("                 S2=V2･B/2=") + "5.000" + "×" + k.L +
                                   "/2=" + k.S2 + "kN/m"));
        EXPECT_TRUE(printed(d, std::string("                 M1=(W2･B^2)/2=(") + "40.000" + "×" +
                                   "0.500" + "^2)/2=" + "5.000" + "KNm/m"));
    }
}

// Parts the calculation refuses print their heading and the page's reason, failing, and no
// force. The reason is too long for one line of the sheet: it goes on two, broken after its
// first sentence.
TEST(RefusedParts, HeadingAndThePagesReason) {
    const std::vector<std::string> reason = {
        "                 地盤反力がこの部材の途中で0になるため、この計算方法の適用範囲外です。",
        "                 寸法を見直してください。"};
    struct Case {
        const char* why;
        SectionPrinter section;
        const char* heading;
        float e, Xn;
    };
    const Case cases[] = {
        {"heel: maximum at the heel, contact ends on it", Form7_HAIKIN_H,
         "              ６）かかと版（固定部）", -1.7f, 0.4f},
        {"slab centre: contact ends inside the span", Form7_HAIKIN_E,
         "              ３）底版（中央部）", 1.0f, 2.0f},
        {"slab front end: the same", Form7_HAIKIN_F, "              ４）底版（前面固定部）", 1.0f,
         2.0f},
        {"toe: maximum at the heel, contact ends on the toe", Form7_HAIKIN_I,
         "              ７）つま先版（固定部）", -0.1f, 4.2f},
    };
    for (const Case& k : cases) {
        Module1 m = uniformWall();
        m.B_Tumasaki = 0.5f, m.B_Kakato = 1.0f, m.B = 4.5f, m.e = k.e, m.Xn = k.Xn;
        m.M1_F = m.M_F = 123456.0f;  // a force of an earlier run
        const Drawn d = draw(m, residentialNormal(), {k.section});
        ASSERT_GE(d.texts.size(), 2u) << k.why;
        EXPECT_EQ(d.texts[0], k.heading) << k.why;
        EXPECT_EQ(std::vector<std::string>(d.texts.begin() + 1, d.texts.end()), reason) << k.why;
        EXPECT_EQ(d.beeps, 1) << k.why;
        EXPECT_TRUE(d.endsClean) << k.why;
        EXPECT_NE(d.lines[1].find(" 11 13 "), std::string::npos) << k.why;
        EXPECT_NE(d.lines[2].find(" 11 13 "), std::string::npos) << k.why;
    }
}

// Pages 8 and 9 for every combination of heel, toe and key: the heel follows the slab's rear
// end after two empty lines; a section that opens a page begins with five, one that follows
// another with two.
TEST(HeelToeKey, EmptyLinesBeforeTheHeadingsForEveryCombination) {
    for (int bits = 0; bits < 8; ++bits) {
        const bool heel = bits & 1, toe = bits & 2, key = bits & 4;
        Module1 m = uniformWall();
        m.B_Kakato = heel ? 0.5f : 0.0f, m.B_Tumasaki = toe ? 0.5f : 0.0f;
        m.B = 3.0f + m.B_Kakato + m.B_Tumasaki;
        m.H0 = key ? 0.5f : 0.0f, m.P_Tokki = 100.0f;
        m.W2 = m.W3 = m.W4 = m.W5 = 30.0f;
        const WallParts parts{heel, toe, key};
        struct Heading {
            const char* text;
            bool present;
            int blanks;
        };
        const Heading headings[] = {
            {"              ６）かかと版（固定部）", heel, 2},
            {"              ７）つま先版（固定部）", toe, heel ? 5 : 2},
            {"              ８）突起部", key, heel != toe ? 5 : 2},
        };
        for (const Heading& h : headings) {
            int found = 0;
            for (int page : {8, 9}) {
                const std::vector<SectionPrinter> sections = pageSections(page, parts);
                RecordingSink sink;
                Surface pri(sink);
                pri.startPage();
                PageChoices o = residentialNormal();
                ReportContext context{pri, m, o, m};
                for (SectionPrinter s : sections) s(context);
                int previous = -1;
                for (const ReportEvent& e : sink.events) {
                    if (e.kind != ReportEvent::Text) continue;
                    const int row = static_cast<int>(e.y1 / 220);
                    if (e.text == h.text) {
                        ++found;
                        EXPECT_EQ(row - previous - 1, h.blanks) << bits << " " << h.text;
                        // Five empty lines only where the section opens its page.
                        EXPECT_EQ(h.blanks == 5, previous == -1) << bits << " " << h.text;
                    }
                    previous = row;
                }
                EXPECT_EQ(sink.beeps(), 0) << bits;
                EXPECT_EQ(pri.foreColor(), 0) << bits;
            }
            EXPECT_EQ(found, h.present ? 1 : 0) << bits << " " << h.text;
        }
    }
}

}  // namespace
}  // namespace pelzaro::haikin_test
