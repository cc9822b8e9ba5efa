// The solid lines of the wall drawing, in their order: the outline of the two walls and the
// base slab, the ground and centre-soil surfaces, the surcharges with their hatching, and the
// dimension lines with their ticks.

#include <cmath>

#include "numeric/rounding.h"
#include "report/conventions.h"
#include "report/report_error.h"
#include "report/self_weight.h"
#include "report/wall_drawing.h"
#include "stability/calc/soil_surfaces.h"

namespace pelzaro {

namespace {

struct OutlinePoints {
    double xb, xf, xm, xu;  // ground and centre-soil surfaces where they meet the walls
    double t;               // slope of the back ground
};

// Where the soil surfaces meet the battered faces, each batter spread over its wall's height
// above the slab top, which must not be zero.
OutlinePoints outlinePoints(const WallDrawing& d) {
    const Module1& m = d.m;
    OutlinePoints p{};
    const double tihyouHaimen = backGroundOnRearFace(m);
    const SoilSetBacks s = reportedSoilSetBacks(m);
    const double tihyouZenmen = m.B_Tumasaki + s.groundFront;
    const double tihyouTyuuouMae = double(m.B_Tumasaki) + m.T2_Mae - s.centreFront;
    const double tihyouTyuuouUsiro = double(m.B) - m.B_Kakato - m.T2_Usiro + s.centreRear;
    p.xb = d.X(tihyouHaimen);
    p.xf = d.X(tihyouZenmen);
    p.xm = d.X(tihyouTyuuouMae);
    p.xu = d.X(tihyouTyuuouUsiro);
    p.t = std::tan(degToRad(m.Beta));
    return p;
}

// The positions of one drawing, in twips: levels (y), corners and ground points (x).
struct Section {
    const WallDrawing& d;
    const Module1& m;
    OutlinePoints p;
    double H;  // depth of the base underside below the rear wall's top, metres
    double yb, yc, yk, yt, yFrontTop, yFrontGround, yBackGround, ySlabTop, yToeEnd, yHeelEnd;
    // Corners of the section, metres from the front end of the base.
    double frontOuterFoot, frontOuterTop, frontInnerTop, frontInnerFoot;
    double rearInnerFoot, rearOuterTop, rearInnerTop, rearOuterFoot;
    double xB;
};

Section sectionOf(const WallDrawing& d) {
    const Module1& m = d.m;
    const double H = double(m.H4) + m.H3;
    Section s{d,
              m,
              outlinePoints(d),
              H,
              d.Y(H),
              d.Y(H - m.D_Teiban - m.H_Tyuuou),
              d.Y(H - m.D_Kakato - m.D_Kakato_H),
              d.Y(H - m.D_Tumasaki - m.D_Tumasaki_H),
              d.Y(H - m.H2 - m.H1),
              d.Y(H - m.H2),
              d.Y(m.H4),
              d.Y(H - m.D_Teiban),
              d.Y(H - m.D_Tumasaki),
              d.Y(H - m.D_Kakato),
              0,
              0,
              0,
              0,
              0,
              0,
              0,
              0,
              d.X(m.B)};
    s.frontOuterFoot = m.B_Tumasaki;
    s.frontOuterTop = double(m.B_Tumasaki) + m.N_Mae_Out;
    s.frontInnerTop = s.frontOuterTop + m.T1_Mae;
    s.frontInnerFoot = double(m.B_Tumasaki) + m.T2_Mae;
    s.rearInnerFoot = double(m.B) - m.B_Kakato - m.T2_Usiro;
    s.rearOuterTop = double(m.B) - m.B_Kakato - m.N_Usiro_Out;
    s.rearInnerTop = s.rearOuterTop - m.T1_Usiro;
    s.rearOuterFoot = double(m.B) - m.B_Kakato;
    return s;
}

// The two walls and the slab between them, then the heel and the toe or the plain ends.
void wallsAndSlab(Surface& pri, const Section& s) {
    const WallDrawing& d = s.d;
    const Module1& m = s.m;
    pri.Line(d.X(s.frontOuterTop), s.yFrontTop, d.X(s.frontInnerTop), s.yFrontTop);
    pri.Line(d.X(s.frontOuterTop), s.yFrontTop, d.X(s.frontOuterFoot), s.yt);
    pri.Line(d.X(s.frontInnerFoot - m.N_Mae_In), s.yFrontTop, d.X(s.frontInnerFoot), s.yt);
    pri.Line(d.X(s.rearInnerTop), 2600, d.X(s.rearOuterTop), 2600);
    pri.Line(d.X(s.rearInnerTop), 2600, d.X(s.rearInnerTop - m.N_Usiro_In), s.yk);
    pri.Line(d.X(s.rearOuterTop), 2600, d.X(s.rearOuterFoot), s.yk);
    pri.Line(d.X(s.frontInnerFoot), s.yk, d.X(s.rearInnerFoot), s.yk);
    pri.Line(d.X(s.frontOuterFoot), s.yb, d.X(s.rearOuterFoot), s.yb);
}

void heelAndToe(Surface& pri, const Section& s) {
    const WallDrawing& d = s.d;
    const Module1& m = s.m;
    if (m.B_Kakato != 0.0f) {
        pri.Line(d.X(s.rearOuterFoot), s.yk, s.xB, s.yHeelEnd);
        pri.Line(s.xB, s.yHeelEnd, s.xB, s.yb);
        pri.Line(d.X(s.rearOuterFoot), s.yb, s.xB, s.yb);
    } else {
        pri.Line(d.X(s.rearOuterFoot), s.yk, d.X(s.rearOuterFoot), s.yb);
    }
    if (m.B_Tumasaki != 0.0f) {
        pri.Line(d.X(s.frontOuterFoot), s.yt, 2850, s.yToeEnd);
        pri.Line(2850, s.yToeEnd, 2850, s.yb);
        pri.Line(d.X(s.frontOuterFoot), s.yb, 2850, s.yb);
    } else {
        pri.Line(d.X(s.frontOuterFoot), s.ySlabTop, d.X(s.frontOuterFoot), s.yb);
    }
}

// The ground in front of and behind the wall, and the centre soil. A front ground below the
// slab top stops at the front end of the base.
void groundSurfaces(Surface& pri, const Section& s, const PageChoices& opt) {
    const OutlinePoints& p = s.p;
    pri.Line(p.xb, s.yBackGround, s.xB + 900, s.yBackGround - p.t * (s.xB + 900 - p.xb));
    if (opt.shapeOneSided) {
        pri.Line(1300, s.yFrontGround, s.m.D_Teiban > s.m.H2 ? 2850 : p.xf, s.yFrontGround);
    } else if (opt.shapeTwoSided) {
        pri.Line(1600, s.yBackGround, p.xf, s.yBackGround);
    }
    pri.Line(p.xm, s.yc, p.xu, s.yc);
}

// Each surcharge: its outline and hatch strokes 100 twips apart, 10 twips high per kN/m2.
void backSurcharge(Surface& pri, const Section& s, float& loop) {
    const OutlinePoints& p = s.p;
    const double qh = s.d.surchargeHeight(s.m.Q_Haimen);
    pri.Line(p.xb, s.yBackGround - qh, p.xb + 1200, s.yBackGround - qh - 1200 * p.t);
    pri.Line(p.xb, s.yBackGround, p.xb, s.yBackGround - qh);
    countedLoop(loop, 1, 12, [&](double i) {
        const double x = p.xb + 100 * i, y = s.yBackGround - 100 * i * p.t;
        pri.Line(x, y, x, y - qh);
    });
}

// The front surcharge lies on the front ground, or on the slab top where the front ground lies
// below it; with no ground shape there is no front ground to load.
void frontSurcharge(Surface& pri, const Section& s, const PageChoices& opt, float& loop) {
    const WallDrawing& d = s.d;
    const Module1& m = s.m;
    double ground = 0, left = 0;
    int strokes = 0;
    if (opt.shapeOneSided && !(m.D_Teiban > m.H2)) {
        ground = s.yFrontGround, left = d.X(m.B_Tumasaki) - 1200, strokes = 12;
    } else if (opt.shapeOneSided) {
        ground = d.Y(double(m.H4) + m.H_Haimen), left = d.X(m.B_Tumasaki) - 700, strokes = 7;
    } else if (opt.shapeTwoSided) {
        ground = s.yBackGround, left = d.X(m.B_Tumasaki) - 1100, strokes = 12;
    } else {
        return;
    }
    const double qz = d.surchargeHeight(m.Q_Zenmen), xf = s.p.xf;
    pri.Line(left, ground - qz, xf, ground - qz);
    countedLoop(loop, 0, strokes,
                [&](double i) { pri.Line(xf - 100 * i, ground, xf - 100 * i, ground - qz); });
}

void centreSurcharge(Surface& pri, const Section& s, float& loop) {
    const OutlinePoints& p = s.p;
    const double qc = s.d.surchargeHeight(s.m.Q_Tyuuou);
    pri.Line(p.xm, s.yc - qc, p.xu, s.yc - qc);
    countedLoop(loop, 0, 7, [&](double i) {
        pri.Line(p.xm + 100 * i, s.yc, p.xm + 100 * i, s.yc - qc);
        pri.Line(p.xu - 100 * i, s.yc, p.xu - 100 * i, s.yc - qc);
    });
}

// The top chain between the outer top corners of the walls, with the outer batters.
void topChain(Surface& pri, const Section& s) {
    const WallDrawing& d = s.d;
    pri.Line(d.X(s.frontOuterTop), 2100, d.X(s.rearOuterTop), 2100);
    for (double a : {s.frontOuterTop, s.rearOuterTop, s.frontInnerTop, s.rearInnerTop})
        pri.Line(d.X(a), 2100, d.X(a), 2500);
    if (s.m.N_Mae_Out != 0.0f) {
        pri.Line(d.X(s.frontOuterTop), 2100, d.X(s.frontOuterFoot), 2100);
        pri.Line(d.X(s.frontOuterFoot), 2100, d.X(s.frontOuterFoot), 2500);
    }
    if (s.m.N_Usiro_Out != 0.0f) {
        pri.Line(d.X(s.rearOuterTop), 2100, d.X(s.rearOuterFoot), 2100);
        pri.Line(d.X(s.rearOuterFoot), 2100, d.X(s.rearOuterFoot), 2500);
    }
}

// Left: the front wall's height and the front end of the slab (and the front soil of the
// symmetric shape).
void leftDimensions(Surface& pri, const Section& s, const PageChoices& opt) {
    pri.Line(1600, s.yFrontTop, 1600, s.yb);
    pri.Line(1600, s.yFrontTop, 2750, s.yFrontTop);
    pri.Line(1600, s.yb, 2750, s.yb);
    pri.Line(2100, s.yToeEnd, 2100, s.yb);
    pri.Line(2100, s.yToeEnd, 2750, s.yToeEnd);
    if (s.m.B_Tumasaki == 0.0f && opt.shapeTwoSided) pri.Line(2100, s.ySlabTop, 2750, s.ySlabTop);
    if (opt.shapeTwoSided) pri.Line(2100, s.yToeEnd, 2100, s.yBackGround);
}

// Right: the back ground, the heel end and the rear wall above the ground.
void rightDimensions(Surface& pri, const Section& s) {
    const double xB = s.xB;
    pri.Line(xB + 1250, s.yBackGround, xB + 1250, s.yb);
    pri.Line(xB + 1250, s.yBackGround, xB + 150, s.yBackGround);
    pri.Line(xB + 1250, s.yb, xB + 150, s.yb);
    const double yTick = s.m.D_Kakato != 0.0f ? s.yHeelEnd : s.ySlabTop;
    pri.Line(xB + 750, yTick, xB + 150, yTick);
    pri.Line(xB + 750, s.yBackGround, xB + 750, s.yb);
    if (s.m.H4 != 0.0f) {
        pri.Line(xB + 1250, 2600, xB + 1250, s.yBackGround);
        pri.Line(xB + 1250, 2600, xB + 150, 2600);
    }
}

// The centre soil and slab under it, then the chain of the base parts and the total width.
void centreAndBottomDimensions(Surface& pri, const Section& s) {
    const WallDrawing& d = s.d;
    const double xQuarter = d.X(s.frontInnerFoot + s.m.B_Tyuuou / 4.0);
    pri.Line(xQuarter, s.yc, xQuarter, s.yb);
    const double yb = s.yb;
    pri.Line(2850, yb + 600, s.xB, yb + 600);
    pri.Line(2850, yb + 900, s.xB, yb + 900);
    pri.Line(2850, yb + 900, 2850, yb + 200);
    for (double a : {s.frontOuterFoot, s.frontInnerFoot, s.rearInnerFoot, s.rearOuterFoot})
        pri.Line(d.X(a), yb + 600, d.X(a), yb + 200);
    pri.Line(s.xB, yb + 900, s.xB, yb + 200);
}

}  // namespace

// The back ground meets the rear face H4 below the wall's top.
double backGroundOnRearFace(const Module1& m) {
    return double(m.B) - m.B_Kakato - m.N_Usiro_Out +
           quotient(double(m.N_Usiro_Out) * m.H4, rearWallHeightAboveSlab(m),
                    "the back ground on the rear wall (wall height above the slab)");
}

void drawWallOutline(ReportContext& c, const WallDrawing& d) {
    Surface& pri = c.pri;
    const Section s = sectionOf(d);
    wallsAndSlab(pri, s);
    heelAndToe(pri, s);
    groundSurfaces(pri, s, c.opt);
    if (d.m.Q_Haimen != 0.0f) backSurcharge(pri, s, c.layout.Loop_i);
    if (d.m.Q_Zenmen != 0.0f) frontSurcharge(pri, s, c.opt, c.layout.Loop_i);
    if (d.m.Q_Tyuuou != 0.0f) centreSurcharge(pri, s, c.layout.Loop_i);
    topChain(pri, s);
    leftDimensions(pri, s, c.opt);
    rightDimensions(pri, s);
    centreAndBottomDimensions(pri, s);
}

}  // namespace pelzaro
