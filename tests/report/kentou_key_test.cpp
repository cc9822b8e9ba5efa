// The shear key of report page 4: the bearing-wedge method of the residential-land standard
// with its four forms of W1 and its two factor groups, and the shear-resistance method of the
// road guideline in its variants. The lengths are those of base in contact, never negative.

#include <gtest/gtest.h>

#include "kentou_page.h"

namespace pelzaro {
namespace {

// A 6 m base with a key 0.3 m high at 3 m; the wedge is 0.5 m long; phiB 30 deg.
KentouPage keyedWall(bool road, float e) {
    KentouPage page;
    page.opt.keyNone = false, page.opt.keyPresent = true;
    page.opt.std_T = !road, page.opt.std_D = road;
    page.m.B = 6.0f, page.m.e = e, page.m.Xn = 4.5f;
    page.m.H0 = 0.3f, page.m.B1 = 3.0f, page.m.L_Tokki = 0.5f, page.m.Phi_B = 30.0f;
    page.m.Sigma_1 = 30.5f, page.m.Sigma_2 = 25.25f, page.m.Sigma_0 = 27.875f;
    page.m.P_Tokki = 83.625f, page.m.W1_Tokki = 40.75f, page.m.F_Tokki = 1.6f;
    page.m.Hk = 123.4567;
    return page;
}

std::vector<std::string> keyLines(const std::vector<std::string>& all) {
    return shown(between(all, "              ・突起の計算", "L 9500 3800"));
}

std::vector<std::string> w1Lines(KentouPage& page) {
    return shown(between(page.draw(), "W1=", "                滑動安全率 F=(C･B＋W1･μ＋P･H0)/∑H"));
}

TEST(KentouWedge, FourFormsOfW1) {
    struct Row {
        const char* why;
        float e, b1;
        bool sigmaMin;
        std::vector<std::string> lines;
    } rows[] = {
        {"whole base, maximum at the front",
         0.5f,
         3.0f,
         true,
         {"0                  W1={(σmax＋σ1)/2}･L1＋{(σ2＋σmin)/2}･L2",
          "0                    "
          "={(45.678＋30.500)/2}×2.500＋{(25.250＋4.321)/2}×3.000=40.750kN/m"}},
        {"whole base, maximum at the back",
         -0.5f,
         3.0f,
         true,
         {"0                  W1={(σmin＋σ1)/2}･L1＋{(σ2＋σmax)/2}･L2",
          "0                    "
          "={(4.321＋30.500)/2}×2.500＋{(25.250＋45.678)/2}×3.000=40.750kN/m"}},
        {"|e|/B exactly 1/6: the whole base, as the calculation takes it",
         1.0f,
         3.0f,
         true,
         {"0                  W1={(σmax＋σ1)/2}･L1＋{(σ2＋σmin)/2}･L2",
          "0                    "
          "={(45.678＋30.500)/2}×2.500＋{(25.250＋4.321)/2}×3.000=40.750kN/m"}},
        {"lifted, maximum at the front: L2 to the end of contact",
         1.5f,
         3.0f,
         false,
         {"0                  W1={(σmax＋σ1)/2}･L1＋(σ2/2)･L2",
          "0                    ={(45.678＋30.500)/2}×2.500＋(25.250/2)×1.500=40.750kN/m"}},
        {"lifted, maximum at the back: L1 from where contact begins",
         -1.5f,
         3.0f,
         false,
         {"0                  W1=(σ1)/2･L1＋{(σ2＋σmax)/2}･L2",
          "0                    =(30.500/2)×1.000＋{(25.250＋45.678)/2}×3.000=40.750kN/m"}},
        {"key beyond the contact at the front: nothing behind it",
         1.5f,
         5.0f,
         false,
         {"0                  W1={(σmax＋σ1)/2}･L1＋(σ2/2)･L2",
          "0                    ={(45.678＋30.500)/2}×4.500＋(25.250/2)×0.000=40.750kN/m"}},
        {"key in the lifted part at the front end: nothing before it",
         -1.5f,
         1.0f,
         false,
         {"0                  W1=(σ1)/2･L1＋{(σ2＋σmax)/2}･L2",
          "0                    =(30.500/2)×0.000＋{(25.250＋45.678)/2}×4.500=40.750kN/m"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        KentouPage page = keyedWall(false, r.e);
        page.m.B1 = r.b1;
        EXPECT_EQ(w1Lines(page), r.lines);
        EXPECT_EQ(page.textsWith("                σmin=").size(), r.sigmaMin ? 1u : 0u);
    }
}

TEST(KentouWedge, FixedLines) {
    KentouPage page = keyedWall(false, 0.5f);
    std::vector<std::string> lines = keyLines(page.draw());
    lines.resize(8);
    EXPECT_EQ(
        lines,
        (std::vector<std::string>{
            "0               ・突起の計算", "0                  H0=0.300m",
            "0                   L=H0･tan(45ﾟ＋φB/2)=0.300×tan{45ﾟ＋(30.00ﾟ/2)}=0.300×1.732=0.500m",
            "0                 σmin=4.321kN/m2",
            "0                 σ1=30.500kN/m2   σ2=25.250kN/m2",
            "0                 σ0=(σ1＋σ2)/2=(30.500＋25.250)/2=27.875kN/m2",
            "0                   P=σ0･tan^2(45ﾟ＋φB/2)",
            "0                    =27.875×tan^2{45ﾟ＋(30.00ﾟ/2)}=27.875×3.000=83.625kN/m2"}));
}

TEST(KentouWedge, FactorGroupsByTheWidthRule) {
    const std::string gB = "0                 滑動安全率 F=(C･B＋W1･μ＋P･H0)/∑H",
                      gA = "0                 滑動安全率 F=(C･A'＋W1･μ＋P･H0)/∑H",
                      ok = "0                             =1.600 > 1.5  ∴ O.K";
    const std::string tailB = "＋40.750×0.600＋83.625×0.300)/20.500";
    const std::string tailA = "＋40.750×0.6＋83.625×0.300)/20.500";
    struct Row {
        const char* why;
        float e, C;
        bool PageChoices::*width;
        bool PageChoices::*stale;
        float F;
        std::vector<std::string> lines;
    } rows[] = {
        {"base width, whole base",
         0.5f,
         10.0f,
         &PageChoices::n_baseWidth,
         nullptr,
         1.6f,
         {gB, "0                             =(10.0×6.000" + tailB, ok}},
        {"base width, lifted: times the contact factor",
         1.5f,
         10.0f,
         &PageChoices::n_baseWidth,
         nullptr,
         1.6f,
         {gB, "0                             =(10.0×6.000×0.750" + tailB, ok}},
        {"effective width",
         0.5f,
         10.0f,
         &PageChoices::n_effectiveWidth,
         nullptr,
         1.6f,
         {gA, "0                             =(10.0×5.000" + tailA, ok}},
        {"no cohesion with the effective width: both groups",
         0.5f,
         0.0f,
         &PageChoices::n_effectiveWidth,
         nullptr,
         1.6f,
         {gB, "0                             =(0.0×6.000" + tailB, ok, gA,
          "0                             =(0.0×5.000" + tailA, ok}},
        {"both groups failing: six coloured lines, two beeps",
         0.5f,
         0.0f,
         &PageChoices::n_effectiveWidth,
         nullptr,
         1.4f,
         {"13                 滑動安全率 F=(C･B＋W1･μ＋P･H0)/∑H",
          "13                             =(0.0×6.000" + tailB,
          "13                             =1.400 < 1.5", "BEEP",
          "13                 滑動安全率 F=(C･A'＋W1･μ＋P･H0)/∑H",
          "13                             =(0.0×5.000" + tailA,
          "13                             =1.400 < 1.5", "BEEP"}},
        {"cohesion with a base-width rule left in the other dialog: the rule the calculation used",
         0.5f,
         10.0f,
         &PageChoices::n_effectiveWidth,
         &PageChoices::s_baseWidth,
         1.6f,
         {gB, "0                             =(10.0×6.000" + tailB, ok}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        KentouPage page = keyedWall(false, r.e);
        page.m.C = r.C, page.m.F_Tokki = r.F, page.m.A_eff = 5.0f;
        if (r.width) page.opt.*r.width = true;
        if (r.stale) page.opt.*r.stale = true;
        std::vector<std::string> all = keyLines(page.draw());
        std::vector<std::string> groups(all.end() - static_cast<long>(r.lines.size()), all.end());
        EXPECT_EQ(groups, r.lines);
    }
}

TEST(KentouWedge, CriterionOfTheCase) {
    struct Row {
        const char* why;
        bool PageChoices::*criterion;
        float F;
        const char* verdict;
    } rows[] = {
        {"seismic 1.0", &PageChoices::s_slideF10, 1.0f,
         "0                             =1.000 > 1.0  ∴ O.K"},
        {"seismic 1.2 as stored", &PageChoices::s_slideF12, 1.2f,
         "0                             =1.200 > 1.2  ∴ O.K"},
        {"seismic below 1.2", &PageChoices::s_slideF12, 1.19f,
         "13                             =1.190 < 1.2"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        KentouPage page = keyedWall(false, 0.5f);
        page.opt.case_N = false, page.opt.case_S = true, page.opt.n_F15AndBOver6 = false;
        page.opt.*r.criterion = true;
        page.m.F_Tokki = r.F;
        // The result line is the last of the group (its text begins as the numbers line does).
        const std::vector<std::string> lines =
            shown(page.textsWith("                            ="));
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines.at(1), r.verdict);
    }
    KentouPage none = keyedWall(false, 0.5f);
    none.opt.case_N = false, none.opt.case_S = true;
    EXPECT_EQ(none.textsWith("                滑動安全率 F=(C･B＋W1･μ＋P･H0)/∑H").size(), 0u)
        << "no criterion: no group";
}

TEST(KentouShearResistance, EveryVariant) {
    const std::string n1 = "0                                ={(",
                      n2 = "0                                 ＋{(";
    const std::string t = "×0.577";
    struct Row {
        const char* why;
        float e, C;
        std::vector<std::string> lines;
    } rows[] = {
        {"1: no cohesion, front, whole base",
         0.5f,
         0.0f,
         {"0                 せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+{(q2+q3)/2}･L2･tanφB",
          n1 + "45.678＋25.250)/2}×3.000" + t, n2 + "4.321＋25.250)/2}×3.000" + t,
          "0                                =123.457kN/m"}},
        {"2: no cohesion, front, lifted",
         1.5f,
         0.0f,
         {"0                 せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+(q3/2)･L2･tanφB",
          n1 + "45.678＋25.250)/2}×3.000" + t,
          "0                                 ＋(25.250/2)×1.500" + t,
          "0                                =123.457kN/m"}},
        {"3: no cohesion, back, whole base",
         -0.5f,
         0.0f,
         {"0                 せん断抵抗力 Hk={(q2+q3)/2}･L1･tanφ+{(q1+q3)/2}･L2･tanφB",
          n1 + "4.321＋25.250)/2}×3.000" + t, n2 + "45.678＋25.250)/2}×3.000" + t,
          "0                                =123.457kN/m"}},
        {"4: back, lifted: contact from B - |Xn|, the reaction rising to the back",
         -1.5f,
         0.0f,
         {"0                 せん断抵抗力 Hk={(q2+q3)/2}･L1･tanφ+{(q1+q3)/2}･L2･tanφB",
          n1 + "4.321＋25.250)/2}×1.500" + t, n2 + "45.678＋25.250)/2}×3.000" + t,
          "0                                =123.457kN/m"}},
        {"5: cohesion, front, whole base",
         0.5f,
         10.0f,
         {"0                 せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+{(q2+q3)/2}･L2･tanφB+c･L1",
          n1 + "45.678＋25.250)/2}×3.000" + t, n2 + "4.321＋25.250)/2}×3.000" + t,
          "0                                 ＋10.0×3.000=123.457kN/m"}},
        {"6: cohesion, front, lifted",
         1.5f,
         10.0f,
         {"0                 せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+(q3/2)･L2･tanφB+c･L1",
          n1 + "45.678＋25.250)/2}×3.000" + t,
          "0                                 ＋(25.250/2)×1.500" + t,
          "0                                 ＋10.0×3.000=123.457kN/m"}},
        {"7: cohesion, back, whole base",
         -0.5f,
         10.0f,
         {"0                 せん断抵抗力 Hk={(q2+q3)/2}･L1･tanφ+{(q1+q3)/2}･L2･tanφB+c･L1",
          n1 + "4.321＋25.250)/2}×3.000" + t, n2 + "45.678＋25.250)/2}×3.000" + t,
          "0                                 ＋10.0×3.000=123.457kN/m"}},
        {"8: cohesion over L1 = B1 - (B - |Xn|)",
         -1.5f,
         10.0f,
         {"0                 せん断抵抗力 Hk={(q2+q3)/2}･L1･tanφ+{(q1+q3)/2}･L2･tanφB+c･L1",
          n1 + "4.321＋25.250)/2}×1.500" + t, n2 + "45.678＋25.250)/2}×3.000" + t,
          "0                                 ＋10.0×1.500=123.457kN/m"}},
        {"|e|/B exactly 1/6: the whole base",
         1.0f,
         0.0f,
         {"0                 せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+{(q2+q3)/2}･L2･tanφB",
          n1 + "45.678＋25.250)/2}×3.000" + t, n2 + "4.321＋25.250)/2}×3.000" + t,
          "0                                =123.457kN/m"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        KentouPage page = keyedWall(true, r.e);
        page.m.C = r.C;
        std::vector<std::string> lines = keyLines(page.draw());
        ASSERT_GE(lines.size(), 6u);
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 5), r.lines);
        EXPECT_EQ(lines.at(5),
                  "0                   滑動安全率  F=Hk/∑H=123.457/20.500=1.600 > 1.5  ∴ O.K");
    }
}

TEST(KentouShearResistance, FactorLineAndItsCriterion) {
    KentouPage page = keyedWall(true, 0.5f);
    page.m.F_Tokki = 1.4f;
    std::vector<std::string> lines = keyLines(page.draw());
    EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
              (std::vector<std::string>{
                  "13                   滑動安全率  F=Hk/∑H=123.457/20.500=1.400 < 1.5", "BEEP"}));
    // Seismic without a criterion: the terms and the empty line, no factor.
    page.opt.case_N = false, page.opt.case_S = true;
    const std::vector<std::string> all = page.draw();
    EXPECT_EQ(page.textsWith("                  滑動安全率  F=Hk/∑H=").size(), 0u);
    EXPECT_EQ(between(all, "=123.457kN/m", "").at(1), "L 9500 3800 10250 3800 solid 0");
}

TEST(KentouShearKey, NoStandardOrNoKey) {
    KentouPage page = keyedWall(false, 0.5f);
    page.opt.std_T = false;
    EXPECT_EQ(keyLines(page.draw()), (std::vector<std::string>{"0               ・突起の計算"}));
    page.opt.shapeOneSided = false, page.opt.shapeTwoSided = true;
    EXPECT_EQ(keyLines(page.draw()), (std::vector<std::string>{})) << "the symmetric shape";
}

}  // namespace
}  // namespace pelzaro
