// The annotations of the wall drawing: the dimensions in millimetres, the surcharge values,
// the numbers of the parts of the self-weight table, the dotted boundaries of the parts in the
// slab, and the three lines under the drawing.

#include <cmath>
#include <string>

#include "numeric/rounding.h"
#include "report/conventions.h"
#include "report/report_error.h"
#include "report/shown_parts.h"
#include "report/wall_drawing.h"
#include "report/wall_drawing_texts.h"

namespace pelzaro {

namespace {

// A dimension in millimetres; a dimension of 0 prints nothing.
std::string mm(double metres) {
    return Num(metres * 1000.0, "##,###");
}

// The top row over the wall tops: thicknesses, outer batters and the clear width.
void topRowLabels(Surface& pri, const WallDrawing& d) {
    const Module1& m = d.m;
    printAt(pri, d.X(double(m.N_Mae_Out) + m.B_Tumasaki + m.T1_Mae / 2.0) - 100, 1900,
          {mm(m.T1_Mae)});
    if (m.N_Mae_Out != 0.0f) printAt(pri, d.X(m.B_Tumasaki) - 200, 1900, {mm(m.N_Mae_Out)});
    printAt(pri, d.X(double(m.N_Mae_Out) + m.B_Tumasaki + m.T1_Mae + m.B_Tyuuou_Ue / 2.0) - 200, 1900,
          {mm(m.B_Tyuuou_Ue)});
    printAt(pri, d.X(m.B - (double(m.N_Usiro_Out) + m.B_Kakato + m.T1_Usiro / 2.0)) - 150, 1900,
          {mm(m.T1_Usiro)});
    if (m.N_Usiro_Out != 0.0f) printAt(pri, d.X(double(m.B) - m.B_Kakato), 1900, {mm(m.N_Usiro_Out)});
}

// The heights, left and right. The front wall's label stands halfway down H1 + H4.
void heightLabels(Surface& pri, const WallDrawing& d, const PageChoices& opt) {
    const Module1& m = d.m;
    const double H = double(m.H4) + m.H3;
    const double xB = d.X(m.B);
    if (opt.shapeOneSided) {
        printAt(pri, 1400, d.Y(H - m.H2 - (double(m.H1) + m.H4) / 2.0) - 50, {mm(m.H1)});
        printAt(pri, 1400, d.Y(H - m.H2 / 2.0) - 75, {mm(m.H2)});
    }
    if (m.H4 != 0.0f) {
        printAt(pri, xB + 1300, d.Y(m.H4 / 2.0) - 50, {mm(m.H4)});
        if (opt.shapeTwoSided) printAt(pri, 1400, d.Y(m.H4 / 2.0) - 50, {mm(m.H4)});
    }
    printAt(pri, xB + 1050, d.Y(m.H4 + m.H3 / 2.0) - 50, {mm(m.H3)});
    if (opt.shapeTwoSided) printAt(pri, 1400, d.Y(m.H4 + m.H3 / 2.0) - 50, {mm(m.H3)});
}

// The soil depths and slab thicknesses beside the heel, the toe and between the walls.
void soilAndSlabLabels(Surface& pri, const WallDrawing& d, const PageChoices& opt) {
    const Module1& m = d.m;
    const double H = double(m.H4) + m.H3;
    const double xB = d.X(m.B);
    if (m.B_Kakato != 0.0f) {
        const double h = double(m.H_Haimen) + m.D_Kakato_H;
        printAt(pri, xB + 400, d.Y(m.H4 + h / 2.0) - 50, {mm(h)});
    }
    if (m.B_Tumasaki != 0.0f && opt.shapeTwoSided) {
        const double h = double(m.H_Haimen) + m.D_Tumasaki_H;
        printAt(pri, 2000, d.Y(m.H4 + h / 2.0) - 50, {mm(h)});
    }
    if (m.B_Tumasaki == 0.0f && opt.shapeTwoSided)
        printAt(pri, 2000, d.Y(m.H4 + m.H_Haimen / 2.0) - 50, {mm(double(m.H3) - m.D_Teiban)});
    if (m.B_Kakato == 0.0f) {
        printAt(pri, xB + 400, d.Y(m.H4 + m.H_Haimen / 2.0) - 50, {mm(m.H_Haimen)});
        printAt(pri, xB + 450, d.Y(H - m.D_Teiban / 2.0) - 75, {mm(m.D_Teiban)});
    }
    const double xQuarter = d.X(double(m.T2_Mae) + m.B_Tumasaki + m.B_Tyuuou / 4.0) - 100;
    printAt(pri, xQuarter, d.Y(H - m.D_Teiban / 2.0) - 75, {mm(m.D_Teiban)});
    if (m.B_Tumasaki == 0.0f && opt.shapeTwoSided)
        printAt(pri, 2150, d.Y(H - m.D_Teiban / 2.0) - 75, {mm(m.D_Teiban)});
    printAt(pri, xQuarter, d.Y(H - m.D_Teiban - m.H_Tyuuou / 2.0) - 75, {mm(m.H_Tyuuou)});
    if (m.B_Kakato != 0.0f) printAt(pri, xB + 450, d.Y(H - m.D_Kakato / 2.0) - 75, {mm(m.D_Kakato)});
    if (m.B_Tumasaki != 0.0f)
        printAt(pri, 2150, d.Y(H - m.D_Tumasaki / 2.0) - 75, {mm(m.D_Tumasaki)});
}

// The bottom rows: the base parts, then the whole width.
void bottomLabels(Surface& pri, const WallDrawing& d) {
    const Module1& m = d.m;
    const double yBase = d.Y(double(m.H4) + m.H3);
    const double yParts = yBase + 400;
    if (m.B_Tumasaki != 0.0f) printAt(pri, d.X(m.B_Tumasaki / 2.0) - 150, yParts, {mm(m.B_Tumasaki)});
    printAt(pri, d.X(m.B_Tumasaki + m.T2_Mae / 2.0) - 100, yParts, {mm(m.T2_Mae)});
    printAt(pri, d.X(double(m.T2_Mae) + m.B_Tumasaki + m.B_Tyuuou / 2.0) - 200, yParts,
          {mm(m.B_Tyuuou)});
    printAt(pri, d.X(double(m.B) - m.B_Kakato - m.T2_Usiro / 2.0) - 100, yParts, {mm(m.T2_Usiro)});
    if (m.B_Kakato != 0.0f) printAt(pri, d.X(m.B - m.B_Kakato / 2.0) - 100, yParts, {mm(m.B_Kakato)});
    printAt(pri, d.X(m.B / 2.0) - 200, yBase + 700, {mm(m.B)});
}

void dimensionLabels(ReportContext& c, const WallDrawing& d) {
    topRowLabels(c.pri, d);
    heightLabels(c.pri, d, c.opt);
    soilAndSlabLabels(c.pri, d, c.opt);
    bottomLabels(c.pri, d);
}

// A surcharge's two lines: its name, then its value in kN/m2, 400 and 200 twips above the top
// of its marks.
void surchargeLabel(Surface& pri, const char* name, double xa, double ya, double xb, float q) {
    printAt(pri, xa, ya, {name});
    printAt(pri, xb, ya + 200, {Num(q, "0.0#"), drawing_text::kPerSquareMetre});
}

// Where the back surcharge's label stands, metres from the front end of the base: where the
// rear outer face, taken straight from its top to the base underside (H = H4 + H3), meets the
// back ground. A ground at the wall's top (H4 = 0) meets the face at its top corner, whatever
// the height below it. A face without height (a back ground as far below the base underside as
// the wall's top is above it) has no slope to follow: the label stands over its marks, where the
// drawing lays the ground against the face.
double backSurchargeAnchor(const Module1& m, double H) {
    if (m.H4 == 0.0f) return double(m.B) - m.N_Usiro_Out - m.B_Kakato;
    if (H == 0.0) return backGroundOnRearFace(m);
    return double(m.B) - m.N_Usiro_Out - m.B_Kakato +
           quotient(double(m.N_Usiro_Out) * m.H4, H,
                    "the back surcharge label (height of the rear wall)");
}

void surchargeLabels(ReportContext& c, const WallDrawing& d) {
    using namespace drawing_text;
    const Module1& m = d.m;
    const PageChoices& opt = c.opt;
    const double H = double(m.H4) + m.H3;
    if (m.Q_Haimen != 0.0f) {
        const double a = backSurchargeAnchor(m, H);
        const double x = d.X(a) + 300;
        const double y = d.Y(m.H4) -
                         (d.surchargeHeight(m.Q_Haimen) + 1200.0 * std::tan(degToRad(m.Beta))) -
                         400;
        surchargeLabel(c.pri, kSurcharge, x, y, x, m.Q_Haimen);
    }
    if (m.Q_Tyuuou != 0.0f) {
        const double x =
            d.X(double(m.N_Mae_Out) + m.B_Tumasaki + m.N_Mae_In + m.B_Tyuuou / 2.0) - 100;
        const double y = d.Y(H - m.D_Teiban - m.H_Tyuuou) - d.surchargeHeight(m.Q_Tyuuou) - 400;
        surchargeLabel(c.pri, kSurcharge, x, y, x, m.Q_Tyuuou);
    }
    if (m.Q_Zenmen != 0.0f && (opt.shapeOneSided || opt.shapeTwoSided)) {
        const double xa = d.X(m.B_Tumasaki) - 950, xb = d.X(m.B_Tumasaki) - 900;
        const double q = d.surchargeHeight(m.Q_Zenmen);
        if (opt.shapeOneSided && !(m.D_Teiban > m.H2)) {
            surchargeLabel(c.pri, kSurcharge, xa, d.Y(H - m.H2) - q - 400, xb, m.Q_Zenmen);
        } else if (opt.shapeOneSided) {
            surchargeLabel(c.pri, kSurchargeWide, xa, d.Y(H - m.D_Teiban) - q - 400, xb,
                           m.Q_Zenmen);
        } else {
            surchargeLabel(c.pri, kSurcharge, xa, d.Y(m.H4) - q - 400, xb, m.Q_Zenmen);
        }
    }
}

void partNumbers(ReportContext& c, const WallDrawing& d) {
    using namespace drawing_text;
    Surface& pri = c.pri;
    const Module1& m = d.m;
    const double H = double(m.H4) + m.H3;
    const double xToe = d.X(m.B_Tumasaki / 2.0) - 100;
    const double xHeel = d.X(m.B - m.B_Kakato / 2.0) - 100;
    const double xMiddle = d.X(double(m.T2_Mae) + m.B_Tumasaki + m.B_Tyuuou / 2.0);
    if (showsPart(m, 1))
        printAt(pri, d.X(m.B_Tumasaki + m.T2_Mae / 2.0) - 100,
              d.Y(((H - m.H2 - m.H1) + (H - m.D_Teiban)) / 2.0) - 50, {kPartNumber[0]});
    if (showsPart(m, 2))
        printAt(pri, d.X(double(m.B) - m.B_Kakato - m.T2_Usiro / 2.0) - 100, d.Y(H / 2.0) - 50,
              {kPartNumber[1]});
    if (showsPart(m, 3)) printAt(pri, xMiddle - 50, d.Y(H - m.D_Teiban / 2.0) - 50, {kPartNumber[2]});
    if (showsPart(m, 4)) printAt(pri, xHeel, d.Y(H - m.D_Kakato / 2.0) - 50, {kPartNumber[3]});
    if (showsPart(m, 5)) printAt(pri, xToe, d.Y(H - m.D_Tumasaki / 2.0) - 50, {kPartNumber[4]});
    if (showsPart(m, 6))
        printAt(pri, xMiddle + 100, d.Y(H - m.D_Teiban - m.H_Tyuuou / 2.0) - 50, {kPartNumber[5]});
    if (showsPart(m, 7)) printAt(pri, xHeel, d.Y(m.H4 + m.H_Haimen / 2.0) - 50, {kPartNumber[6]});
    // The front soil is numbered where its ground lies; without a ground shape there is none.
    if (showsPart(m, 8) && c.opt.shapeOneSided)
        printAt(pri, xToe, d.Y(H - m.D_Teiban - m.H_Zenmen / 2.0) - 25, {kPartNumber[7]});
    else if (showsPart(m, 8) && c.opt.shapeTwoSided)
        printAt(pri, xToe, d.Y(m.H4 + m.H_Haimen / 2.0) - 25, {kPartNumber[7]});
}

// The virtual back face, the front end of the base bounding the front soil, and the
// boundaries of the parts in the slab.
void dottedLines(ReportContext& c, const WallDrawing& d) {
    Surface& pri = c.pri;
    const Module1& m = d.m;
    const double H = double(m.H4) + m.H3;
    const double yb = d.Y(H), ySlabTop = d.Y(H - m.D_Teiban);
    pri.DrawStyle(DrawStyle_Dot);
    pri.Line(d.X(m.B), d.Y(H - m.D_Kakato), d.X(m.B), d.Y(m.H4));
    if (showsPart(m, 8) && (c.opt.shapeOneSided || c.opt.shapeTwoSided)) {
        const double top = c.opt.shapeOneSided ? d.Y(H - m.H2) : d.Y(m.H4);
        pri.Line(2850, top, 2850, d.Y(H - m.D_Tumasaki));
    }
    if (m.B_Tumasaki != 0.0f) pri.Line(d.X(m.B_Tumasaki), ySlabTop, d.X(m.B_Tumasaki), yb);
    const double xFront = d.X(double(m.T2_Mae) + m.B_Tumasaki);
    pri.Line(xFront, ySlabTop, xFront, yb);
    const double xRear = d.X(m.B - (double(m.T2_Usiro) + m.B_Kakato));
    pri.Line(xRear, ySlabTop, xRear, yb);
    if (m.B_Kakato != 0.0f) {
        const double xHeelRoot = d.X(double(m.B) - m.B_Kakato);
        pri.Line(xHeelRoot, yb, xHeelRoot, ySlabTop);
    }
    pri.DrawStyle(DrawStyle_Solid);
}

}  // namespace

void annotateWallDrawing(ReportContext& c, const WallDrawing& d) {
    c.pri.FontSize(9);
    dimensionLabels(c, d);
    surchargeLabels(c, d);
    partNumbers(c, d);
    dottedLines(c, d);
}

// Under the drawing, whatever its size: the ground slope, the virtual back face and the
// height of the earth pressure.
void closeWallDrawing(ReportContext& c) {
    using namespace drawing_text;
    Surface& pri = c.pri;
    pri.FontSize(11);
    pri.CurrentX(0);
    pri.CurrentY(kClosingLinesY);
    pri.Print({kBetaLine});
    pri.Print({kThetaLead, Num(c.m.Theta, "0.00#"), kThetaTail});
    pri.Print({kHeightLead, Num(c.m.H, "0.000"), kMetre});
    pri.Print();
}

}  // namespace pelzaro
