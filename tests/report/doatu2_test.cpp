// The load summary of report page 3 and the offsets that place it: the offset rules of both
// sections, the alignment bands of the cells, which cells carry values, dashes or nothing,
// the guarded divisions, and the forces kept as the calculation stored them.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "page3_fixture.h"
#include "report/form4_doatu2_steps.h"

namespace pelzaro {
namespace {

using Lines = std::vector<std::string>;

// A plain one-sided wall with every value the table reads set to something printable.
Page3 plainWall() {
    Page3 p;
    p.opt.std_T = p.opt.shapeOneSided = p.opt.pvCounted = true;
    Module1& m = p.m;
    m.KA = 0.3f;
    m.Gamma_S = 18.0f;
    m.Phi = 30.0f;
    m.Delta = 20.0f;
    m.H = 3.0f;
    m.B = 3.0f;
    m.B_Kakato = 0.5f;
    m.PA = 24.3f;
    m.PAX = 22.8f;
    m.PAY = 8.3f;
    m.SumW = 100.0f;
    m.SumWx = 150.0f;
    m.SumWy = 50.0f;
    m.SumV = 108.3f;
    m.Mo = 22.8f;
    m.Kh = 0.2f;
    return p;
}

// The y of the table's top border, the first rule across the whole table.
int topBorder(const Lines& lines) {
    for (const std::string& l : lines) {
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (std::sscanf(l.c_str(), "L %d %d %d %d", &x1, &y1, &x2, &y2) == 4 && x1 == 1600 &&
            x2 == 10900 && y1 == y2)
            return y1;
    }
    return -1;
}

TEST(LoadSummaryOffsets, BothSectionsPlaceTheTable) {
    enum Ka { Typed, Computed, Neither };
    struct Case {
        Ka ka;
        bool seismic, k1, k2, d1;
        int flag;
        int doatuOfsY;
        int top;  // 9500 + both offsets
        const char* why;
    } cases[] = {
        {Typed, false, false, false, false, 0, 0, 6000, "typed: one line, the table 3500 up"},
        {Typed, false, false, true, false, 0, 0, 6400,
         "typed with a stale K2 choice: 3100 up, the case is not tested"},
        {Typed, true, false, true, false, 1, 2600, 9000, "K2, delta derived: 2600 - 3100"},
        {Typed, true, true, false, false, 1, 2000, 8000, "K1, delta derived: 2000 - 3500"},
        {Computed, true, false, true, false, 0, 0, 8900, "K2, Coulomb: 600 up"},
        {Computed, true, false, true, false, 1, 2600, 11500, "K2, delta derived: 2600 - 600"},
        {Computed, true, false, false, true, 1, 2000, 11500, "D1, delta derived"},
        {Computed, true, true, false, false, 0, 0, 9500, "K1, delta typed"},
        {Computed, false, false, false, false, 0, 0, 9500, "normal case, Coulomb"},
        {Computed, false, false, false, false, 1, 2000, 11500,
         "normal case with a derived delta: the room stays empty"},
        {Computed, false, false, false, false, 2, 0, 9500,
         "a flag other than 0 and 1 draws no derivation and needs no room"},
        {Neither, false, false, false, false, 0, 0, 9500, "no coefficient chosen"},
    };
    for (const Case& c : cases) {
        Page3 p = plainWall();
        p.opt.kaTyped = c.ka == Typed;
        p.opt.kaComputed = c.ka == Computed;
        p.opt.case_N = !c.seismic;
        p.opt.case_S = c.seismic;
        p.opt.method_K1 = c.k1;
        p.opt.method_K2 = c.k2;
        p.opt.method_D1 = c.d1;
        p.m.Flg_DeltaCalc = c.flag;
        p.m.Doatu_OfsY = 2600;   // left by an earlier drawing
        p.m.Doatu2_OfsY = -600;  // left by a drawing that an error ended
        Page3::Drawn d = p.draw();
        EXPECT_EQ(d.error, "") << c.why;
        EXPECT_EQ(p.m.Doatu_OfsY, c.doatuOfsY) << c.why;
        EXPECT_EQ(topBorder(d.lines), c.top) << c.why;
        EXPECT_EQ(p.m.Doatu2_OfsY, 0) << c.why;
    }
}

// A stale seismic method in the normal case is read as it stands: with a computed coefficient
// both the Coulomb and the seismic layout print, in that order.
TEST(LoadSummaryOffsets, AStaleSeismicMethodCountsInTheNormalCase) {
    Page3 p = plainWall();
    p.opt.case_N = p.opt.kaComputed = p.opt.method_D1 = true;
    Page3::Drawn d = p.draw({Form4_Doatu});
    size_t coulomb = 0, seismic = 0;
    for (size_t i = 0; i < d.lines.size(); ++i) {
        if (d.lines[i] == "T 1300 1500 11 0 \"主働土圧係数\"") coulomb = i;
        if (d.lines[i] == "T 1300 2100 11 0 \"地震時主働土圧係数\"") seismic = i;
    }
    EXPECT_GT(coulomb, 0u);
    EXPECT_GT(seismic, coulomb);
    EXPECT_TRUE(d.endsClean());
}

// The position of a force cell follows the value after rounding to four decimals; there is
// no band for 1000 and above; a negative value stands at the base.
TEST(LoadSummaryCells, AlignmentBandsAtTheirLimits) {
    struct Case {
        float sumV;
        const char* text;
        int x;
    } cases[] = {
        {9.99994f, "9.9999", 3500},    {9.99996f, "10.0000", 3400}, {99.9999f, "99.9999", 3400},
        {99.99996f, "100.0000", 3300}, {1234.5f, "1234.5000", 3300}, {-25.0f, "-25.0000", 3500},
        {0.0f, "0.0000", 3500},
    };
    for (const Case& c : cases) {
        Page3 p = plainWall();
        p.opt.case_N = p.opt.kaComputed = true;
        p.m.SumV = c.sumV;
        Page3::Drawn d = p.draw({Form4_Doatu2});
        const std::string cell =
            "T " + std::to_string(c.x) + " 12800 11 0 \"" + std::string(c.text) + "\"";
        EXPECT_EQ(blockFrom(d.lines, cell, 1).size(), 1u) << c.sumV;
    }
}

TEST(LoadSummaryCells, RulesByOptions) {
    PageChoices normal, k1, k2, d1, k2Inertia, noMethod, twoSided, noShape;
    for (PageChoices* o : {&normal, &k1, &k2, &d1, &k2Inertia, &noMethod, &twoSided})
        o->shapeOneSided = true;
    normal.case_N = true;
    for (PageChoices* o : {&k1, &k2, &d1, &k2Inertia, &noMethod}) o->case_S = true;
    k1.method_K1 = true;
    k2.method_K2 = k2Inertia.method_K2 = d1.method_D1 = true;
    k2Inertia.s_surchargeInertia = true;
    twoSided.shapeOneSided = false;
    twoSided.shapeTwoSided = twoSided.case_S = twoSided.method_D1 = true;
    struct Case {
        const PageChoices* opt;
        Cell selfWeight, surcharge;
        const char* why;
    } cases[] = {
        {&normal, Cell::Dash, Cell::Dash, "normal case: no inertia"},
        {&k1, Cell::Dash, Cell::Dash, "K1: seismic earth pressure only"},
        {&k2, Cell::Value, Cell::Dash, "K2: the wall's inertia, not the surcharges'"},
        {&d1, Cell::Value, Cell::Dash, "D1 likewise"},
        {&k2Inertia, Cell::Value, Cell::Value, "the seismic dialog counts the surcharges"},
        {&noMethod, Cell::Blank, Cell::Blank, "seismic without a method"},
        {&twoSided, Cell::Dash, Cell::Dash, "symmetric: no wall inertia in the table"},
        {&noShape, Cell::Blank, Cell::Blank, "no shape and no case chosen"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(selfWeightInertiaCell(*c.opt), c.selfWeight) << c.why;
        EXPECT_EQ(surchargeInertiaCell(*c.opt), c.surcharge) << c.why;
    }
    PageChoices counted, notCounted, none;
    counted.pvCounted = notCounted.pvNotCounted = true;
    EXPECT_EQ(verticalComponentCell(counted), Cell::Value);
    EXPECT_EQ(verticalComponentCell(notCounted), Cell::Dash);
    EXPECT_EQ(verticalComponentCell(none), Cell::Blank);
}

// K2 with the surcharges' inertia counted: both surcharge rows show Kh x W at their heights,
// and the horizontal total holds them. Back: W 10 at x 2.7, Hq 2.0; centre: W 6 at x 1.5,
// H_Tyuuou + D_Teiban = 1.2.
TEST(LoadSummaryCells, SurchargeInertiaInTheRowsAndTheTotal) {
    Page3 p = plainWall();
    p.opt.case_S = p.opt.kaComputed = p.opt.method_K2 = p.opt.s_surchargeInertia = true;
    Module1& m = p.m;
    m.A7 = 1.0f;
    m.Q_Haimen = 10.0f;
    m.W_Q_Haimen = 10.0f;
    m.X_Q_Haimen = 2.75f;
    m.Hq = 2.0f;
    m.Q_Tyuuou = 5.0f;
    m.W_Q_Tyuuou = 6.0f;
    m.X_Q_Tyuuou = 1.5f;
    m.H_Tyuuou = 0.75f;
    m.D_Teiban = 0.5f;
    Page3::Drawn d = p.draw({Form4_Doatu2});
    // Offset -600: rows at 11000 and 11400, the total at 12200.
    const Lines back = {
        "T 3400 11000 11 0 \"10.0000\"", "T 4800 11000 11 0 \"2.0000\"",
        "T 6200 11000 11 0 \"2.750\"",   "T 7500 11000 11 0 \"2.000\"",
        "T 8600 11000 11 0 \"27.5000\"", "T 10000 11000 11 0 \"4.0000\"",
        "T 3500 11400 11 0 \"6.0000\"",  "T 4800 11400 11 0 \"1.2000\"",
        "T 6200 11400 11 0 \"1.500\"",   "T 7500 11400 11 0 \"1.250\"",
        "T 8700 11400 11 0 \"9.0000\"",  "T 10000 11400 11 0 \"1.5000\"",
    };
    EXPECT_EQ(blockFrom(d.lines, back[0], back.size()), back);
    // ΣH = 0.2 x 100 + 22.8 + 0 + 0.2 x 10 + 0.2 x 6 = 46.0.
    EXPECT_EQ(blockFrom(d.lines, "T 4700 12200 11 0 \"46.0000\"", 1).size(), 1u);
}

// A wall without weight (unit weights of 0) has no centroid, and the table prints whole: the
// self-weight row shows ΣW = 0 and Kh x ΣW = 0.2 x 0 = 0, dashes for both lever arms, and its
// moments as the self-weight table summed them: V·x = ΣW·x = 150, H·y = Kh x ΣW·y = 0.2 x 50
// = 10. The table goes on to its totals.
TEST(LoadSummaryCells, AWallWithoutWeightPrintsItsRowWithDashedArms) {
    Page3 p = plainWall();
    p.opt.case_S = p.opt.kaComputed = p.opt.method_K2 = true;
    p.m.SumW = 0.0f;
    Page3::Drawn d = p.draw({Form4_Doatu2});
    EXPECT_EQ(d.error, "");
    // Offset -600: the self-weight row at 9800; the dashes 100 below it.
    const Lines row = {
        "T 3500 9800 11 0 \"0.0000\"",   "T 4800 9800 11 0 \"0.0000\"",
        "L 6100 9900 6600 9900 solid 0", "L 7400 9900 7900 9900 solid 0",
        "T 8500 9800 11 0 \"150.0000\"", "T 9900 9800 11 0 \"10.0000\"",
    };
    EXPECT_EQ(blockFrom(d.lines, row[0], row.size()), row);
    EXPECT_EQ(d.lines.back(), "T 9900 12200 11 0 \"22.8000\"");
    EXPECT_EQ(p.m.Doatu2_OfsY, 0);
}

// The reduction of 5 kN/m2 on a smaller surcharge gives a negative force, printed as stored;
// without a surcharge the block goes, but the stored negative component keeps its point of
// action. delta 0 leaves the x arms out.
TEST(EarthPressureForces, TheReductionAndZeroComponentsAsStored) {
    Page3 p = plainWall();
    p.opt.case_N = p.opt.kaTyped = p.opt.surchargeLess5 = true;
    Module1& m = p.m;
    m.Delta = 0.0f;
    m.PAX = 24.3f;
    m.PAY = 0.0f;
    m.Q_Haimen = 3.0f;
    m.DeltaPA = -1.8f;  // 0.30 x (3 - 5) x 3.0
    m.DeltaPAX = -1.8f;
    m.DeltaPAY = 0.0f;
    Page3::Drawn d = p.draw({Form4_Doatu});
    const Lines expected = {
        "T 0 3520 11 0 \"                △PA=KA･q･H=0.30×(3.0-5.0)×3.000=-1.8000kN/m\"",
        "T 0 3740 11 0 \"                △PAX=△PA･cosδ=△PA･cos0.00ﾟ=-1.8000×1.0000=-1.8000kN/m\"",
        "T 0 3960 11 0 \"                △PAY=△PA･sinδ=△PA･sin0.00ﾟ=-1.8000×0.0000=0.0000kN/m\"",
        "T 0 4400 11 0 \"               作用点の位置\"",
        "T 0 4620 11 0 \"                  PAX：y=H/3=3.000/3=1.000m\"",
        "T 0 4840 11 0 \"                △PAX：y=H/2=3.000/2=1.500m\"",
    };
    EXPECT_EQ(blockFrom(d.lines, expected[0], expected.size()), expected);

    m.Q_Haimen = 0.0f;
    m.DeltaPA = m.DeltaPAX = -4.5f;  // 0.30 x (0 - 5) x 3.0
    d = p.draw({Form4_Doatu});
    const Lines without = {
        "T 0 2640 11 0 \"                PAY=PA･sinδ=PA･sin0.00ﾟ=24.3000×0.0000=0.0000kN/m\"",
        "T 0 3080 11 0 \"               作用点の位置\"",
        "T 0 3300 11 0 \"                  PAX：y=H/3=3.000/3=1.000m\"",
        "T 0 3520 11 0 \"                △PAX：y=H/2=3.000/2=1.500m\"",
    };
    EXPECT_EQ(blockFrom(d.lines, without[0], without.size()), without);
    EXPECT_EQ(d.lines.back(), without.back());
}

}  // namespace
}  // namespace pelzaro
