// The self-weight table, its centroid lines and the surcharge loads: alignment bands, rounded
// and stored cells, dashes by seismic method, the area templates and the surcharge block.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "page2_fixtures.h"

namespace pelzaro {
namespace {

// The table's values (size 10) on one baseline.
std::vector<const ReportEvent*> textsAt(const Drawn& d, double y) {
    std::vector<const ReportEvent*> found;
    for (const ReportEvent& e : d.events)
        if (e.kind == ReportEvent::Text && e.size == 10 && e.y1 == y) found.push_back(&e);
    return found;
}

// A state with one part only: the slab between the walls (row 3, baseline 9650).
Module1 slabOnly(float gamma, float area, float x, float y) {
    Module1 m;
    m.Gamma_C = gamma;
    m.Gamma_S = 18.0f;
    m.A3 = area;
    m.X3 = x;
    m.Y3 = y;
    m.B_Tyuuou = 2.0f;
    m.D_Teiban = 0.4f;
    m.SumW = 1.0f;  // the totals are the calculation's; any non-zero ΣW will do here
    return m;
}

struct Cell {
    double x;
    std::string text;
};

// Each right-aligned cell by its value rounded to four decimals: area below 10 at 5050, then
// 4950 and 4850; weight 6900, 6800, 6700; W·x 9400, 9300, 9200 and 9100 from 1000; W·y 10500,
// 10400, 10300, 10200. A bound belongs to the band above it.
TEST(SelfWeightTable, AlignmentBandsAtTheirLimits) {
    struct Case {
        float gamma, area, x, y;
        Cell areaCell, weight, wx, wy;
    } cases[] = {
        {1, 9.9999f, 1, 1, {5050, "9.9999"}, {6900, "9.9999"}, {9400, "9.9999"}, {10500, "9.9999"}},
        // 9.99995 is stored as 9.9999504..., which rounds to 10.0000.
        {1,
         9.99995f,
         1,
         0.1f,
         {4950, "10.0000"},
         {6800, "10.0000"},
         {9300, "10.0000"},
         {10500, "1.0000"}},
        {10,
         10,
         10,
         1,
         {4950, "10.0000"},
         {6700, "100.0000"},
         {9100, "1000.0000"},
         {10300, "100.0000"}},
        {24,
         100,
         0.5f,
         0.25f,
         {4850, "100.0000"},
         {6700, "2400.0000"},
         {9100, "1200.0000"},
         {10300, "600.0000"}},
        {1,
         99.99f,
         10,
         0.5f,
         {4950, "99.9900"},
         {6800, "99.9900"},
         {9200, "999.9000"},
         {10400, "49.9950"}},
        {1,
         1000,
         1,
         1,
         {4850, "1000.0000"},
         {6700, "1000.0000"},
         {9100, "1000.0000"},
         {10200, "1000.0000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.area);
        Module1 m = slabOnly(c.gamma, c.area, c.x, c.y);
        PageChoices opt;
        opt.case_S = true;
        opt.method_D1 = true;
        const Drawn d = drawOn(m, opt, {Form4_JIJYUU});
        ASSERT_EQ(d.error, "");
        // Template, "＝", area, unit weight, W, x, W·x, y, W·y.
        const auto row = textsAt(d, 9650);
        ASSERT_EQ(row.size(), 9u);
        EXPECT_EQ(row[1]->text, "＝");
        EXPECT_EQ(row[1]->x1, 4700);
        const Cell expected[] = {c.areaCell, c.weight, c.wx, c.wy};
        const int index[] = {2, 4, 6, 8};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(row[index[i]]->text, expected[i].text);
            EXPECT_EQ(row[index[i]]->x1, expected[i].x) << row[index[i]]->text;
        }
        EXPECT_EQ(row[3]->x1, 6000);
        EXPECT_EQ(row[5]->x1, 7700);
        EXPECT_EQ(row[7]->x1, 8400);
    }
}

// Rows 1, 2 and 7 print the area rounded half up first; the others print it as stored, where
// the pattern rounds a half away from zero. Both place the cell by the rounded value.
TEST(SelfWeightTable, RoundedAndStoredAreaCells) {
    struct Case {
        int row;
        float area;
        const char* text;
    } cases[] = {
        {1, -0.03125f, "-0.0312"}, {3, -0.03125f, "-0.0313"}, {8, -0.03125f, "-0.0313"},
        {7, -0.03125f, "-0.0312"}, {2, 2.71875f, "2.7188"},   {5, 2.71875f, "2.7188"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        Module1 m;
        m.Gamma_C = 24.0f;
        m.Gamma_S = 18.0f;
        m.SumW = 1.0f;
        m.B_Kakato = 0.5f;  // a heel, so that the back soil is shown
        float* areas[] = {&m.A1, &m.A2, &m.A3, &m.A4, &m.A5, &m.A6, &m.A7, &m.A8};
        *areas[c.row - 1] = c.area;
        PageChoices opt;
        opt.case_N = true;
        const Drawn d = drawOn(m, opt, {Form4_JIJYUU});
        ASSERT_EQ(d.error, "");
        const double baseline = 8650 + 500 * (c.row - 1);
        bool found = false;
        for (const ReportEvent* e : textsAt(d, baseline))
            if (e->x1 == 5050) found = e->text == c.text;
        EXPECT_TRUE(found) << c.text;
    }
}

struct DashCase {
    const char* name;
    bool N, S, K1, K2, D1;
    int rowDashes, totalDashes;
    bool heights;
};

// The y arms and W·y count only with wall inertia (K2, D1); the normal case and K1 draw dashes
// in their place. The method options are read whatever the case.
TEST(SelfWeightTable, DashesBySeismicMethod) {
    const DashCase cases[] = {
        {"normal", true, false, false, false, false, 8, 4, false},
        {"K1", false, true, true, false, false, 8, 4, false},
        {"K2", false, true, false, true, false, 0, 3, true},
        {"D1", false, true, false, false, true, 0, 3, true},
        {"seismic without a method", false, true, false, false, false, 0, 3, false},
        {"normal with K2 left in the dialog", true, false, false, true, false, 8, 4, true},
    };
    const StabilityInput in = plainWallInput();  // rows 1, 2, 3 and 6 shown
    for (const DashCase& c : cases) {
        SCOPED_TRACE(c.name);
        Module1 m = stateOf(in);
        PageChoices opt = choicesOf(in);
        opt.case_N = c.N, opt.case_S = c.S;
        opt.method_K1 = c.K1, opt.method_K2 = c.K2, opt.method_D1 = c.D1;
        const Drawn d = drawOn(m, opt, {Form4_JIJYUU});
        int rowDashes = 0, totalDashes = 0, yCells = 0, yLines = 0;
        for (const ReportEvent& e : d.events) {
            if (e.kind == ReportEvent::Segment && e.y1 == e.y2 && e.x2 - e.x1 == 300) {
                if (e.y1 == 12750)
                    ++totalDashes;
                else
                    ++rowDashes;
            }
            if (e.kind == ReportEvent::Text && e.x1 == 8400) ++yCells;
            if (e.kind == ReportEvent::Text && e.text.find("ｙ=ΣW･y/ΣW=") != std::string::npos) {
                ++yLines;
                EXPECT_EQ(e.text, "　　 ｙ=ΣW･y/ΣW=37.242/51.480=0.723m");
            }
        }
        EXPECT_EQ(rowDashes, c.rowDashes);
        EXPECT_EQ(totalDashes, c.totalDashes);
        EXPECT_EQ(yCells, c.heights ? 4 : 0);
        EXPECT_EQ(yLines, c.heights ? 1 : 0);
    }
}

// A wall to change case by case: rear wall 0.4 m at the foot, 2.4 m above the slab with the
// back ground 0.6 m below its top (the outer batter of 0.1 m sets back 0.1 x 0.6 / 3 = 0.02 m at
// the ground); front wall 0.4 m at the foot, 1.0 m above the slab with 0.4 m above the front
// ground (its 0.1 m outer batter sets back 0.1 x 0.4 / 1 = 0.04 m).
Module1 templateWall() {
    Module1 m;
    m.Gamma_C = 24.0f, m.Gamma_S = 18.0f, m.SumW = 1.0f;
    m.A1 = m.A2 = m.A3 = m.A4 = m.A5 = m.A6 = m.A7 = m.A8 = 1.0f;
    m.H1 = 0.4f, m.H2 = 1.0f, m.H3 = 2.8f, m.H4 = 0.6f;
    m.H_Zenmen = 0.6f, m.H_Haimen = 2.4f, m.H_Tyuuou = 0.5f;
    m.T1_Mae = 0.2f, m.N_Mae_In = 0.1f, m.N_Mae_Out = 0.1f, m.T2_Mae = 0.4f;
    m.T1_Usiro = 0.25f, m.N_Usiro_In = 0.05f, m.N_Usiro_Out = 0.1f, m.T2_Usiro = 0.4f;
    m.B_Tumasaki = 0.6f, m.B_Tyuuou = 2.0f, m.B_Kakato = 0.8f;
    m.D_Teiban = 0.4f, m.D_Tumasaki = 0.3f, m.D_Kakato = 0.3f;
    m.D_Tumasaki_H = 0.1f, m.D_Kakato_H = 0.1f;
    return m;
}

void verticalRear(Module1& m) {
    m.T1_Usiro = 0.4f, m.N_Usiro_In = 0.0f, m.N_Usiro_Out = 0.0f;
}
void levelHeel(Module1& m) {
    m.D_Kakato = 0.4f, m.D_Kakato_H = 0.0f;
}
void verticalFront(Module1& m) {
    m.T1_Mae = 0.4f, m.N_Mae_In = 0.0f, m.N_Mae_Out = 0.0f;
}
void levelToe(Module1& m) {
    m.D_Tumasaki = 0.4f, m.D_Tumasaki_H = 0.0f;
}

struct TemplateCase {
    const char* name;
    int row;
    std::function<void(Module1&)> change;
    std::vector<std::string> lines;  // "x y text"
};

TEST(SelfWeightTable, AreaTemplates) {
    const TemplateCase cases[] = {
        {"back soil, heel, vertical face, level heel",
         7,
         [](Module1& m) { verticalRear(m), levelHeel(m); },
         {"2100 11650 0.800×2.400"}},
        {"back soil, heel, battered face, level heel",
         7,
         levelHeel,
         {"2100 11650 (0.800＋0.880)×2.400/2"}},
        {"back soil, heel, vertical face, haunch",
         7,
         verticalRear,
         {"2100 11650 0.800×(2.400＋2.500)/2"}},
        {"back soil, heel, battered face, haunch",
         7,
         [](Module1&) {},
         {"2100 11550 2.400×(0.800＋0.880)/2", "2900 11750 ＋0.800×0.100/2"}},
        {"back soil, no heel, battered face",
         7,
         [](Module1& m) { m.B_Kakato = 0.0f; },
         {"2100 11650 0.080×2.400/2"}},
        {"back soil, no heel, vertical face: not shown",
         7,
         [](Module1& m) { m.B_Kakato = 0.0f, verticalRear(m); },
         {}},
        {"front soil, vertical face, level toe",
         8,
         [](Module1& m) { verticalFront(m), levelToe(m); },
         {"2100 12150 0.600×0.600"}},
        {"front soil, battered face, level toe",
         8,
         levelToe,
         {"2100 12150 0.600×(0.600＋0.660)/2"}},
        {"front soil, vertical face, haunch",
         8,
         verticalFront,
         {"2100 12150 0.600×(0.600＋0.700)/2"}},
        {"front soil, battered face, haunch",
         8,
         [](Module1&) {},
         {"2100 12050 0.600×(0.600＋0.660)/2", "2900 12250 ＋0.600×0.100/2"}},
        {"front wall of one thickness with batters: both forms",
         1,
         [](Module1& m) { m.T1_Mae = 0.4f, m.N_Mae_Out = -0.1f; },
         {"2100 8650 0.400×1.400", "2100 8550 1.000×(0.400＋0.400)/2", "3200 8750 ＋0.400×0.400"}},
        {"front wall, vertical", 1, verticalFront, {"2100 8650 0.400×1.400"}},
        {"rear wall, battered",
         2,
         [](Module1&) {},
         {"2100 9050 3.000×(0.250＋0.400)/2", "3200 9250 ＋0.400×0.400"}},
        {"heel with haunch", 4, [](Module1&) {}, {"2100 10150 0.800×(0.400＋0.300)/2"}},
        {"level toe", 5, levelToe, {"2100 10650 0.600×0.400"}},
        // 0.5 x 0.1 / 1.0 + 2.0 + 0.5 x 0.05 / 3.0 = 2.058
        {"centre soil between battered faces",
         6,
         [](Module1&) {},
         {"2100 11150 0.500×(2.000＋2.058)/2"}},
        {"centre soil between vertical faces",
         6,
         [](Module1& m) { m.N_Mae_In = 0.0f, m.N_Usiro_In = 0.0f; },
         {"2100 11150 2.000×0.500"}},
    };
    for (const TemplateCase& c : cases) {
        SCOPED_TRACE(c.name);
        Module1 m = templateWall();
        c.change(m);
        PageChoices opt;
        opt.case_N = true;
        const Drawn d = drawOn(m, opt, {Form4_JIJYUU});
        ASSERT_EQ(d.error, "");
        const double baseline = 8650 + 500 * (c.row - 1);
        std::vector<std::string> lines;
        for (const ReportEvent& e : d.events)
            if (e.kind == ReportEvent::Text && e.size == 10 && std::fabs(e.y1 - baseline) <= 100 &&
                (e.x1 == 2100 || e.x1 == 2900 || e.x1 == 3200))
                lines.push_back(std::to_string(std::lround(e.x1)) + " " +
                                std::to_string(std::lround(e.y1)) + " " + e.text);
        EXPECT_EQ(lines, c.lines);
    }
}

// The surcharge block: two empty lines, the heading, one empty line, then only the loads
// there are, one under the other; the intensity with two or three decimals.
TEST(SurchargeLoads, OnlyTheLoadsThereAre) {
    struct Case {
        float qBack, wBack, qFront, wFront;
        std::vector<std::string> lines;
    } cases[] = {
        {0,
         0,
         3.0f,
         1.98f,
         {"T 0 14060 11 0 \"　          ２）上載荷重\"",
          "T 0 14500 11 0 \"                前面上載荷重･･･W=3.00×0.6600=1.9800kN/m\""}},
        {12.25f,
         10.78f,
         1.125f,
         0.7425f,
         {"T 0 14060 11 0 \"　          ２）上載荷重\"",
          "T 0 14500 11 0 \"                背面上載荷重･･･W=12.25×0.8800=10.7800kN/m\"",
          "T 0 14720 11 0 \"                前面上載荷重･･･W=1.125×0.6600=0.7425kN/m\""}},
        {0, 0, 0, 0, {"T 0 14060 11 0 \"　          ２）上載荷重\""}},
    };
    for (const Case& c : cases) {
        Module1 m = templateWall();
        m.Q_Haimen = c.qBack, m.W_Q_Haimen = c.wBack;
        m.Q_Zenmen = c.qFront, m.W_Q_Zenmen = c.wFront;
        PageChoices opt;
        opt.case_N = true;
        const Drawn d = drawOn(m, opt, {Form4_JIJYUU});
        ASSERT_EQ(d.error, "");
        std::vector<std::string> tail;
        for (const std::string& l : d.lines)
            if (l.rfind("T 0 ", 0) == 0 && l.find(" 11 0 ") != std::string::npos &&
                l.find("自 重") == std::string::npos)
                tail.push_back(l);
        EXPECT_EQ(tail, c.lines);
        EXPECT_EQ(d.size, 11);
        EXPECT_EQ(d.x, 0);
    }
}

// The table's rows add up to the ΣW it prints, also for front soil that the calculation counted
// in the one-sided shape without a toe (a battered front wall leaves a wedge of it).
TEST(SelfWeightTable, RowsAddUpToTheTotal) {
    StabilityInput in = plainWallInput();
    in.wall.T1_Mae = 0.2f;  // 0.1 m outer batter on the front wall
    in.frontSoil = FrontSoil::FrontSoil_In;
    Module1 m = stateOf(in);
    ASSERT_NE(m.A8, 0.0f);
    const Drawn d = drawOn(m, choicesOf(in), {Form4_JIJYUU});
    double sum = 0;
    int rows = 0;
    for (const ReportEvent& e : d.events)
        if (e.kind == ReportEvent::Text && e.size == 10 && e.x1 >= 6700 && e.x1 <= 6900 &&
            e.y1 < 12650)
            sum += std::stod(e.text), ++rows;
    EXPECT_EQ(rows, 5);  // rows 1, 2, 3, 6 and 8
    EXPECT_NEAR(sum, m.SumW, 5e-4);
}

// A wall without weight (unit weights of 0) has no centroid: each centroid line states its
// sums and a dash stands for the quotient, without a unit; the surcharges follow.
TEST(SelfWeightTable, AWallWithoutWeightPrintsADashForItsCentroid) {
    StabilityInput in = symmetricWallInput();
    in.method = SeismicMethod::Method_K2;  // both centroid lines
    in.cond.Gamma_C = in.cond.Gamma_S = 0.0f;
    Module1 m = stateOf(in);
    ASSERT_EQ(m.SumW, 0.0f);
    const Drawn d = drawOn(m, choicesOf(in), {Form4_JIJYUU});
    EXPECT_EQ(d.error, "");
    std::vector<std::string> centroid;
    for (const PlacedText& t : placedTexts(d.lines))
        if (t.x == 1850) centroid.push_back(t.text);
    EXPECT_EQ(centroid, (std::vector<std::string>{"重心 ｘ=ΣW･x/ΣW=0.000/0.000=――",
                                                  "　　 ｙ=ΣW･y/ΣW=0.000/0.000=――"}));
    EXPECT_NE(d.lines.back().find("前面上載荷重"), std::string::npos) << d.lines.back();
}

}  // namespace
}  // namespace pelzaro
