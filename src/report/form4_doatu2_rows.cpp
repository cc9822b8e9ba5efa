// The rows of the load summary: self weight, earth pressure, surcharge earth pressure, the
// back, centre and front surcharges and the totals. Forces and moments are rounded half up to
// four decimals and placed by the magnitude of the rounded value; lever arms print as they
// are; a cell that does not apply gets a short dash. The lever arms of the self weight and
// every product are the printer's own, from the unrounded stored values.

#include "report/conventions.h"
#include "report/form4_doatu2_steps.h"
#include "report/report_error.h"
#include "report/shown_parts.h"

namespace pelzaro {

namespace {

// Base x of the right-aligned columns and the x of the lever arms and dashes.
constexpr double kV = 3500, kH = 4800, kVx = 8700, kHy = 10000;
constexpr double kArmX = 6200, kArmY = 7500;
constexpr double kDashV = 3500, kDashH = 4800, kDashX = 6100, kDashY = 7400, kDashVx = 8700,
                 kDashHy = 10000;

struct Row {
    Surface& pri;
    double y;  // the row's text position

    void force(double v, double x0) {
        cell4At(pri, finiteOr(v, "a force or moment of the load summary"), x0, false, y);
    }
    void arm(double v, double x) { printAt(pri, x, y, {Num(v, "0.000")}); }
    void dash(double xd) { pri.Line(xd, y + 100, xd + 500, y + 100); }
    // A cell by its rule; `value` is asked for only where the value is printed.
    template <typename F>
    void force(Cell cell, F value, double x0, double xd) {
        if (cell == Cell::Value) force(value(), x0);
        if (cell == Cell::Dash) dash(xd);
    }
    template <typename F>
    void arm(Cell cell, F value, double x, double xd) {
        if (cell == Cell::Value) arm(value(), x);
        if (cell == Cell::Dash) dash(xd);
    }
};

double selfWeightArm(float moment, float SumW, const char* what) {
    return quotient(moment, SumW, what);
}

// A wall without weight (unit weights of 0) has no centroid: its lever arms get a dash, and its
// moments are the sums of the self-weight table, which its arms times its weight stand for.
void weightlessSelfWeight(ReportContext& c, Row row) {
    const Module1& m = c.m;
    const Cell inertia = selfWeightInertiaCell(c.opt);
    row.force(m.SumW, kV);
    row.force(
        inertia, [&] { return double(m.Kh) * m.SumW; }, kH, kDashH);
    row.dash(kDashX);
    row.arm(
        inertia == Cell::Value ? Cell::Dash : inertia, [] { return 0.0; }, kArmY, kDashY);
    row.force(m.SumWx, kVx);
    row.force(
        inertia, [&] { return double(m.Kh) * m.SumWy; }, kHy, kDashHy);
}

void selfWeight(ReportContext& c, Row row) {
    const Module1& m = c.m;
    if (m.SumW == 0.0f) {
        weightlessSelfWeight(c, row);
        return;
    }
    const Cell inertia = selfWeightInertiaCell(c.opt);
    const double x = selfWeightArm(m.SumWx, m.SumW, "ΣW･x / ΣW");
    auto y = [&] { return selfWeightArm(m.SumWy, m.SumW, "ΣW･y / ΣW"); };
    row.force(m.SumW, kV);
    row.force(
        inertia, [&] { return double(m.Kh) * m.SumW; }, kH, kDashH);
    row.arm(x, kArmX);
    row.arm(inertia, y, kArmY, kDashY);
    row.force(x * m.SumW, kVx);
    row.force(
        inertia, [&] { return y() * (double(m.Kh) * m.SumW); }, kHy, kDashHy);
}

// The earth pressure of the soil (lever arm H/3) or of the back surcharge (H/2); the
// vertical component acts at the heel end, x = B.
void earthPressure(ReportContext& c, Row row, float vertical, float horizontal, double arm) {
    const Module1& m = c.m;
    const Cell v = verticalComponentCell(c.opt);
    row.force(
        v, [&] { return double(vertical); }, kV, kDashV);
    row.force(horizontal, kH);
    row.arm(
        v, [&] { return double(m.B); }, kArmX, kDashX);
    row.arm(arm, kArmY);
    row.force(
        v, [&] { return double(vertical) * m.B; }, kVx, kDashVx);
    row.force(double(horizontal) * arm, kHy);
}

// A surcharge load with its inertia at height `height`, where the case counts it.
void surcharge(ReportContext& c, Row row, float load, float x, double height) {
    const double kh = c.m.Kh;
    const Cell inertia = surchargeInertiaCell(c.opt);
    row.force(load, kV);
    row.force(
        inertia, [&] { return kh * load; }, kH, kDashH);
    row.arm(x, kArmX);
    row.arm(
        inertia, [&] { return height; }, kArmY, kDashY);
    row.force(double(x) * load, kVx);
    row.force(
        inertia, [&] { return kh * load * height; }, kHy, kDashHy);
}

void frontSurcharge(ReportContext& c, Row row) {
    const Module1& m = c.m;
    row.force(m.W_Q_Zenmen, kV);
    row.dash(kDashH);
    row.arm(m.X_Q_Zenmen, kArmX);
    row.dash(kDashY);
    row.force(double(m.X_Q_Zenmen) * m.W_Q_Zenmen, kVx);
    row.dash(kDashHy);
}

// The horizontal forces counted: the earth pressures, with the wall's inertia and, where the
// seismic dialog counts it, the surcharges' inertia.
Cell horizontalTotal(const ReportContext& c, double& sum) {
    const Module1& m = c.m;
    const PageChoices& opt = c.opt;
    if (opt.shapeTwoSided) return Cell::Dash;
    if (!opt.shapeOneSided) return Cell::Blank;
    sum = double(m.PAX) + m.DeltaPAX;
    if (opt.case_N || opt.method_K1) return Cell::Value;
    if (!opt.method_K2 && !opt.method_D1) return Cell::Blank;
    const double kh = m.Kh;
    sum = kh * m.SumW + m.PAX + m.DeltaPAX;
    if (opt.s_surchargeInertia) sum += kh * m.W_Q_Haimen + kh * m.W_Q_Tyuuou;
    return Cell::Value;
}

double verticalMomentTotal(const ReportContext& c) {
    const Module1& m = c.m;
    double sum = double(m.SumWx) + double(m.X_Q_Haimen) * m.W_Q_Haimen +
                 double(m.W_Q_Tyuuou) * m.X_Q_Tyuuou + double(m.X_Q_Zenmen) * m.W_Q_Zenmen;
    if (c.opt.shapeOneSided && c.opt.pvCounted)
        sum += double(m.PAY) * m.B + double(m.DeltaPAY) * m.B;
    return sum;
}

void totals(ReportContext& c, Row row) {
    const bool shaped = c.opt.shapeOneSided || c.opt.shapeTwoSided;
    row.force(c.m.SumV, kV);
    double sumH = 0.0;
    const Cell h = horizontalTotal(c, sumH);
    row.force(
        h, [&] { return sumH; }, kH, kDashH);
    if (shaped) row.force(verticalMomentTotal(c), kVx);
    row.dash(kDashX);
    row.dash(kDashY);
    if (c.opt.shapeOneSided)
        row.force(c.m.Mo, kHy);
    else if (c.opt.shapeTwoSided)
        row.dash(kDashHy);
}

}  // namespace

Cell verticalComponentCell(const PageChoices& opt) {
    if (opt.pvCounted) return Cell::Value;
    return opt.pvNotCounted ? Cell::Dash : Cell::Blank;
}

Cell selfWeightInertiaCell(const PageChoices& opt) {
    if (opt.shapeTwoSided) return Cell::Dash;
    if (!opt.shapeOneSided) return Cell::Blank;
    if (opt.case_N || opt.method_K1) return Cell::Dash;
    return opt.method_K2 || opt.method_D1 ? Cell::Value : Cell::Blank;
}

Cell surchargeInertiaCell(const PageChoices& opt) {
    if (opt.case_N) return Cell::Dash;
    if (!opt.case_S) return Cell::Blank;
    if (opt.method_K1) return Cell::Dash;
    if (opt.method_K2 || opt.method_D1) return opt.s_surchargeInertia ? Cell::Value : Cell::Dash;
    return Cell::Blank;
}

void doatu2Rows(ReportContext& c, int o) {
    const Module1& m = c.m;
    Surface& pri = c.pri;
    selfWeight(c, Row{pri, o + 10400.0});
    if (c.opt.shapeOneSided) {
        earthPressure(c, Row{pri, o + 10800.0}, m.PAY, m.PAX, double(m.H) / 3.0);
        earthPressure(c, Row{pri, o + 11200.0}, m.DeltaPAY, m.DeltaPAX, double(m.H) / 2.0);
    }
    // The back surcharge lies on the back soil: no row where the report shows no back soil.
    if (m.Q_Haimen != 0.0f && showsPart(m, 7))
        surcharge(c, Row{pri, o + 11600.0}, m.W_Q_Haimen, m.X_Q_Haimen, m.Hq);
    if (m.Q_Tyuuou != 0.0f)
        surcharge(c, Row{pri, o + 12000.0}, m.W_Q_Tyuuou, m.X_Q_Tyuuou,
                  double(m.H_Tyuuou) + m.D_Teiban);
    if (showsPart(m, 8) && m.Q_Zenmen != 0.0f) frontSurcharge(c, Row{pri, o + 12400.0});
    totals(c, Row{pri, o + 12800.0});
}

}  // namespace pelzaro
