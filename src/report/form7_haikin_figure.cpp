// The section figure of the member-design chapter: the wall's outline to scale, the ground and
// soil lines, the loads standing on the slabs, the ground reaction hanging below the base, the
// dimension lines, the labels and the dimensions in millimetres.

#include <string>

#include "report/conventions.h"
#include "report/figure_fit.h"
#include "report/form7_haikin_parts.h"
#include "report/form7_haikin_scale.h"
#include "report/report_context.h"
#include "report/report_error.h"

namespace pelzaro::haikin {
namespace {

// The scales of one drawing of the figure: those of the drawing rules, each with the factor
// (at most 1) that shrinks it where the figure would leave its room on the page.
struct FigureScales {
    float wall;  // metres of wall per 1000 twips
    float load;  // twips per kN/m2
    double wallFactor = 1.0, loadFactor = 1.0;

    FigureScales at(FigureFactors f) const { return {wall, load, f.wall, f.load}; }
};

// A point of the section is given by a, metres behind the front end of the base, and d, metres
// below the top of the rear wall; offsets in twips are added after the conversion.
class Figure {
  public:
    Figure(Surface& pri, const FigureScales& s) : pri_(pri), s_(s) {}

    double X(double a) const {
        return finite(quotient(a * 1000.0, s_.wall, "a figure position") * s_.wallFactor + 2850.0);
    }
    double Y(double d) const {
        return finite(quotient(d * 1000.0, s_.wall, "a figure position") * s_.wallFactor + 1700.0);
    }
    // The drawn height of a load or ground pressure.
    double h(float pressure) const {
        return finite(static_cast<double>(pressure) * s_.load * s_.loadFactor);
    }

    void line(double x1, double y1, double x2, double y2) { pri_.Line(x1, y1, x2, y2); }
    void label(double x, double y, const std::string& text) { printAt(pri_, x, y, {text}); }

  private:
    static double finite(double v) { return finiteOr(v, "a figure position"); }
    Surface& pri_;
    FigureScales s_;
};

void drawAtScales(ReportContext& c, const members::GroundReaction& r, const FigureScales& scales) {
    const Module1& m = c.m;
    Figure f(c.pri, scales);

    const bool heel = m.B_Kakato != 0.0f, toe = m.B_Tumasaki != 0.0f;
    const bool twoSided = c.opt.shapeTwoSided;
    const float B = m.B, Bt = m.B_Tumasaki, Bk = m.B_Kakato, By = m.B_Tyuuou;
    const float T2M = m.T2_Mae, T2U = m.T2_Usiro;
    const float Hb = m.H4 + m.H3;
    const float Hf = m.H4 + m.H3 - (m.H2 + m.H1);
    const double Yb = f.Y(Hb);
    const double top = 1700.0;

    // The outline of the section.
    const float frontFoot = Hb - (m.D_Tumasaki + m.D_Tumasaki_H);
    const float rearFoot = Hb - (m.D_Kakato + m.D_Kakato_H);
    f.line(f.X(m.N_Mae_Out + Bt), f.Y(Hf), f.X(m.N_Mae_Out + Bt + m.T1_Mae), f.Y(Hf));
    f.line(f.X(m.N_Mae_Out + Bt), f.Y(Hf), f.X(Bt), f.Y(frontFoot));
    f.line(f.X(T2M + Bt - m.N_Mae_In), f.Y(Hf), f.X(T2M + Bt), f.Y(frontFoot));
    f.line(f.X(B - (m.N_Usiro_Out + Bk + m.T1_Usiro)), top, f.X(B - (m.N_Usiro_Out + Bk)), top);
    f.line(f.X(B - (m.N_Usiro_Out + Bk + m.T1_Usiro)), top,
           f.X(B - (m.N_Usiro_Out + Bk + m.T1_Usiro + m.N_Usiro_In)), f.Y(rearFoot));
    f.line(f.X(B - (m.N_Usiro_Out + Bk)), top, f.X(B - Bk), f.Y(rearFoot));
    f.line(f.X(T2M + Bt), f.Y(rearFoot), f.X(B - (T2U + Bk)), f.Y(rearFoot));
    f.line(f.X(Bt), Yb, f.X(B - Bk), Yb);
    if (heel) {
        f.line(f.X(B - Bk), f.Y(rearFoot), f.X(B), f.Y(Hb - m.D_Kakato));
        f.line(f.X(B), f.Y(Hb - m.D_Kakato), f.X(B), Yb);
        f.line(f.X(B - Bk), Yb, f.X(B), Yb);
    } else {
        f.line(f.X(B - Bk), Yb, f.X(B - Bk), f.Y(rearFoot));
    }
    if (toe) {
        f.line(f.X(Bt), f.Y(Hb - m.D_Tumasaki - m.D_Tumasaki_H), f.X(0), f.Y(Hb - m.D_Tumasaki));
        f.line(f.X(0), f.Y(Hb - m.D_Tumasaki), f.X(0), Yb);
        f.line(f.X(Bt), Yb, f.X(0), Yb);
    } else {
        f.line(f.X(0), f.Y(Hb - m.D_Teiban), f.X(0), Yb);
    }

    // The ground surface and the soil boundary behind the wall, and in front of it when the
    // ground is the same on both sides.
    // The share of the wall's height above the back ground surface; a surface at the top of
    // the wall (H4 = 0) meets the face at its top whatever the soil depth.
    const double fromTop = m.H4 == 0.0f ? 0.0
                                        : quotient(m.H4, static_cast<double>(m.H_Haimen) + m.H4,
                                                   "the depth of the ground surface");
    const double xr =
        B - (m.N_Usiro_Out + Bk) + (static_cast<double>(T2U) - m.T1_Usiro - m.N_Usiro_In) * fromTop;
    const double xf = static_cast<double>(m.N_Mae_Out) + Bt -
                      (static_cast<double>(T2M) - m.T1_Mae - m.N_Mae_In) * fromTop;
    const float heelTop = m.H_Haimen + m.H4;
    f.line(f.X(xr) + 150, f.Y(m.H4), f.X(xr), f.Y(m.H4));
    const double backEnd = heel ? f.Y(heelTop) : Yb;
    f.line(f.X(xr) + 150, f.Y(m.H4), f.X(B - Bk) + 500, backEnd);
    f.line(f.X(B - Bk) + 500, backEnd, f.X(B - Bk), backEnd);
    if (twoSided) {
        const double frontEnd = toe ? f.Y(heelTop) : Yb;
        f.line(f.X(xf) - 150, f.Y(m.H4), f.X(xf), f.Y(m.H4));
        f.line(f.X(xf) - 150, f.Y(m.H4), f.X(Bt) - 500, frontEnd);
        f.line(f.X(Bt) - 500, frontEnd, f.X(Bt), frontEnd);
    }

    // The loads standing on the slabs.
    const double slabTop = f.Y(Hb - m.D_Teiban);
    if (By != 0.0f) {
        f.line(f.X(T2M + Bt), slabTop - f.h(m.W1), f.X(T2M + Bt + By), slabTop - f.h(m.W1));
        if (m.N_Mae_In != 0.0f) f.line(f.X(T2M + Bt), slabTop, f.X(T2M + Bt), slabTop - f.h(m.W1));
        if (m.N_Usiro_In != 0.0f)
            f.line(f.X(T2M + Bt + By), slabTop, f.X(T2M + Bt + By), slabTop - f.h(m.W1));
    }
    const double heelTip = f.Y(m.H_Haimen + m.H4 + m.D_Kakato_H);
    if (heel) {
        f.line(f.X(B - Bk), f.Y(heelTop) - f.h(m.W2), f.X(B), heelTip - f.h(m.W3));
        f.line(f.X(B), heelTip - f.h(m.W3), f.X(B), heelTip);
        f.line(f.X(B - Bk), f.Y(heelTop), f.X(B - Bk), f.Y(heelTop) - f.h(m.W2));
    }
    const double toeTip = f.Y(Hb - m.D_Tumasaki);
    const double toeRoot = f.Y(Hb - m.D_Tumasaki - m.D_Tumasaki_H);
    if (toe) {
        f.line(f.X(0), toeTip - f.h(m.W5), f.X(Bt), toeRoot - f.h(m.W4));
        f.line(f.X(0), toeTip, f.X(0), toeTip - f.h(m.W5));
        if (m.N_Mae_Out != 0.0f) f.line(f.X(Bt), toeRoot, f.X(Bt), toeRoot - f.h(m.W4));
    }

    // The ground reaction hanging below the base.
    const double aP = 0, a1 = Bt, a2 = T2M + Bt, a3 = T2M + Bt + By / 2.0f, a4 = T2M + Bt + By,
                 a5 = T2M + Bt + By + T2U, aR = B;
    auto ordinate = [&](double a, float v) { f.line(f.X(a), Yb, f.X(a), Yb + f.h(v)); };
    auto innerOrdinates = [&] {
        ordinate(a1, r.V1);
        ordinate(a2, r.V2);
        ordinate(a3, r.V3);
        ordinate(a4, r.V4);
        ordinate(a5, r.V5);
    };
    const ReactionCase shape = reactionCase(r, m.e);
    const float xn = r.Xn.value_or(0.0f);
    switch (shape) {
        case ReactionCase::Uniform:
        case ReactionCase::Trapezoid:
            ordinate(aP, r.VP);
            ordinate(aR, r.VR);
            f.line(f.X(aP), Yb + f.h(r.VP), f.X(aR), Yb + f.h(r.VR));
            if (shape == ReactionCase::Trapezoid) innerOrdinates();
            break;
        case ReactionCase::ToeTriangle:
            ordinate(aP, r.VP);
            f.line(f.X(aP), Yb + f.h(r.VP), f.X(xn), Yb);
            innerOrdinates();
            break;
        case ReactionCase::HeelTriangle:
            // The mirror image of the toe-side triangle, measured from the heel end.
            ordinate(aR, r.VR);
            f.line(f.X(aR), Yb + f.h(r.VR), f.X(B - xn), Yb);
            ordinate(a5, r.V5);
            ordinate(a4, r.V4);
            ordinate(a3, r.V3);
            ordinate(a2, r.V2);
            ordinate(a1, r.V1);
            break;
    }

    // The dimension lines; the widths hang below the ordinate at the wall of maximum pressure.
    const double Yv = Yb + (m.e >= 0.0f ? f.h(r.V1) : f.h(r.V5));
    const double XB = f.X(B);
    f.line(2100, f.Y(frontFoot), 2100, Yb);
    f.line(2100, slabTop, 2750, slabTop);
    f.line(2100, Yb, 2750, Yb);
    f.line(XB + 1350, top, XB + 1350, Yb);
    f.line(XB + 850, f.Y(m.H4), XB + 850, Yb);
    f.line(XB + 1350, top, XB + 100, top);
    if (m.H4 != 0.0f) f.line(XB + 1350, f.Y(m.H4), XB + 100, f.Y(m.H4));
    f.line(XB + 850, slabTop, XB + 100, slabTop);
    f.line(XB + 1350, Yb, XB + 100, Yb);
    f.line(f.X(0), Yv + 700, XB, Yv + 700);
    f.line(f.X(0), Yv + 1000, XB, Yv + 1000);
    if (toe) {
        f.line(f.X(0), Yv + 300, f.X(0), Yv + 1000);
        f.line(f.X(Bt), Yv + 300, f.X(Bt), Yv + 700);
    } else {
        f.line(f.X(Bt), Yv + 300, f.X(Bt), Yv + 1000);
    }
    f.line(f.X(a2), Yv + 300, f.X(a2), Yv + 700);
    f.line(f.X(a4), Yv + 300, f.X(a4), Yv + 700);
    if (heel) {
        f.line(f.X(a5), Yv + 300, f.X(a5), Yv + 700);
        f.line(XB, Yv + 300, XB, Yv + 1000);
    } else {
        f.line(f.X(a5), Yv + 300, f.X(a5), Yv + 1000);
    }

    // The load labels.
    if (By != 0.0f) f.label(f.X(a3) - 100, slabTop - f.h(m.W1) - 200, "W1");
    if (heel) {
        if (m.W2 == m.W3) {
            f.label(f.X(B - Bk / 2.0f), f.Y(heelTop) - f.h(m.W2) - 200, "W2");
        } else {
            f.label(f.X(B - Bk) + 50, f.Y(heelTop) - f.h(m.W2) - 200, "W2");
            f.label(XB, heelTip - f.h(m.W3) - 200, "W3");
        }
    }
    if (toe) {
        if (m.W4 == m.W5) {
            f.label(f.X(Bt / 2.0f) - 100, toeTip - f.h(m.W4) - 200, "W4");
        } else {
            f.label(f.X(Bt) - 250, toeRoot - f.h(m.W4) - 200, "W4");
            f.label(2650, toeTip - f.h(m.W5) - 200, "W5");
        }
    }

    // The reaction labels, each just below its own ordinate.
    auto below = [&](float v) { return Yb + f.h(v) + 30; };
    switch (shape) {
        case ReactionCase::Uniform:
            f.label(f.X(a3) - 100, below(r.V3), "V");
            break;
        case ReactionCase::Trapezoid:
        case ReactionCase::HeelTriangle:
            f.label(f.X(a1) - 200, below(r.V1), "V1");
            f.label(f.X(a2) - 200, below(r.V2), "V2");
            f.label(f.X(a3) - 100, below(r.V3), "V3");
            f.label(f.X(a4) - 200, below(r.V4), "V4");
            f.label(f.X(a5), below(r.V5), "V5");
            // Behind the middle third at the heel the toe end has no pressure; VR stands at
            // the rear end as in the trapezoid, clear of the V5 label above its own ordinate.
            if (heel) f.label(XB, below(r.VR), "VR");
            if (toe && shape == ReactionCase::Trapezoid) f.label(2650, below(r.VP), "VP");
            break;
        case ReactionCase::ToeTriangle:
            f.label(f.X(a1) - 200, below(r.V1), "V1");
            f.label(f.X(a2), below(r.V2), "V2");
            f.label(f.X(a3) - 100, below(r.V3), "V3");
            f.label(f.X(a4) - 200, below(r.V4), "V4");
            f.label(f.X(a5), below(r.V5), "V5");
            if (toe) f.label(f.X(a1) - 200, below(r.VP), "VP");
            break;
    }

    // The dimensions in millimetres.
    c.pri.FontSize(9);
    auto mm = [](float metres) { return Num(static_cast<double>(metres) * 1000.0, "##,###"); };
    f.label(1900, f.Y(Hb - m.D_Teiban / 2.0f) - 50, mm(m.D_Teiban));
    f.label(XB + 1150, f.Y(m.H3 / 2.0f + m.H4) - 50, mm(m.H3));
    f.label(XB + 1400, f.Y(m.H4 / 2.0f) - 75, mm(m.H4));
    f.label(XB + 650, f.Y(Hb - m.D_Teiban - m.H_Haimen / 2.0f) - 50, mm(m.H_Haimen));
    f.label(XB + 650, f.Y(Hb - m.D_Teiban / 2.0f) - 50, mm(m.D_Teiban));
    f.label(f.X(B / 2.0f) - 150, Yv + 800, mm(B));
    if (toe) f.label(f.X(Bt / 2.0f) - 150, Yv + 500, mm(Bt));
    f.label(f.X(T2M / 2.0f + Bt) - 100, Yv + 500, mm(T2M));
    f.label(f.X(a3) - 150, Yv + 500, mm(By));
    f.label(f.X(T2M + Bt + By + T2U / 2.0f) - 150, Yv + 500, mm(T2U));
    if (heel) f.label(f.X(T2M + Bt + By + T2U + Bk / 2.0f) - 150, Yv + 500, mm(Bk));
}

}  // namespace

// The figure keeps the scales of the drawing rules where it fits between the heading, the
// printable width and the lines under it; otherwise they shrink just enough (figure_fit.h).
void drawFigure(ReportContext& c, const members::GroundReaction& r, double headingEnd) {
    FigureScales scales{figureScale(c.m.H4, c.m.H3), loadScale(c.m.Sigma_max)};
    const FigureRoom room{0.0, headingEnd, kPrintableWidthTwips, kLinesUnderFigureY};
    const FigureFactors k = fittingFactors(c, room, [&](ReportContext& trial, FigureFactors f) {
        drawAtScales(trial, r, scales.at(f));
    });
    scales = scales.at(k);
    c.layout.Syukusyaku = static_cast<float>(scales.wall / k.wall);
    c.layout.Syukusyaku_V = static_cast<float>(scales.load * k.load);
    drawAtScales(c, r, scales);
}

}  // namespace pelzaro::haikin
