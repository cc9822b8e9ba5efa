// The solid lines of the wall drawing, in their order: the outline of the two walls and the
// base slab, the ground and centre-soil surfaces, the surcharges with their hatching, and the
// dimension lines with their ticks.

#include <cmath>

#include "numeric/rounding.h"
#include "report/report_error.h"
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
    const double hwMae = frontWallHeightAboveSlab(m);
    const double hwUsiro = rearWallHeightAboveSlab(m);
    OutlinePoints p{};
    const double tihyouHaimen = double(m.B) - m.B_Kakato - m.N_Usiro_Out +
                                quotient(double(m.N_Usiro_Out) * m.H4, hwUsiro,
                                         "the back ground on the rear wall (wall height above the slab)");
    const double tihyouZenmen =
        m.B_Tumasaki + quotient(double(m.N_Mae_Out) * m.H_Zenmen, hwMae,
                                "the front ground on the front wall (wall height above the slab)");
    const double tihyouTyuuouMae =
        double(m.B_Tumasaki) + m.T2_Mae -
        quotient(double(m.N_Mae_In) * m.H_Tyuuou, hwMae, "the centre soil on the front wall");
    const double tihyouTyuuouUsiro =
        double(m.B) - m.B_Kakato - m.T2_Usiro +
        quotient(double(m.N_Usiro_In) * m.H_Tyuuou, hwUsiro, "the centre soil on the rear wall");
    p.xb = d.X(tihyouHaimen);
    p.xf = d.X(tihyouZenmen);
    p.xm = d.X(tihyouTyuuouMae);
    p.xu = d.X(tihyouTyuuouUsiro);
    p.t = std::tan(degToRad(m.Beta));
    return p;
}

}  // namespace

void drawWallOutline(ReportContext& c, const WallDrawing& d) {
    Surface& pri = c.pri;
    const Module1& m = d.m;
    const PageChoices& opt = c.opt;
    float& loop = c.layout.Loop_i;
    const OutlinePoints p = outlinePoints(d);

    const double H = double(m.H4) + m.H3;  // depth of the base underside
    const double yb = d.Y(H);
    const double yc = d.Y(H - m.D_Teiban - m.H_Tyuuou);
    const double yk = d.Y(H - m.D_Kakato - m.D_Kakato_H);
    const double yt = d.Y(H - m.D_Tumasaki - m.D_Tumasaki_H);
    const double yFrontTop = d.Y(H - m.H2 - m.H1);
    const double yFrontGround = d.Y(H - m.H2);
    const double yBackGround = d.Y(m.H4);
    const double ySlabTop = d.Y(H - m.D_Teiban);
    const double yToeEnd = d.Y(H - m.D_Tumasaki);
    const double yHeelEnd = d.Y(H - m.D_Kakato);
    const double qh = 10.0 * m.Q_Haimen, qz = 10.0 * m.Q_Zenmen, qc = 10.0 * m.Q_Tyuuou;

    // Corners of the section, from the front end of the base.
    const double frontOuterFoot = m.B_Tumasaki;
    const double frontOuterTop = double(m.B_Tumasaki) + m.N_Mae_Out;
    const double frontInnerTop = frontOuterTop + m.T1_Mae;
    const double frontInnerFoot = double(m.B_Tumasaki) + m.T2_Mae;
    const double rearInnerFoot = double(m.B) - m.B_Kakato - m.T2_Usiro;
    const double rearOuterTop = double(m.B) - m.B_Kakato - m.N_Usiro_Out;
    const double rearInnerTop = rearOuterTop - m.T1_Usiro;
    const double rearOuterFoot = double(m.B) - m.B_Kakato;
    const double xB = d.X(m.B);

    // The two walls and the base slab.
    pri.Line(d.X(frontOuterTop), yFrontTop, d.X(frontInnerTop), yFrontTop);
    pri.Line(d.X(frontOuterTop), yFrontTop, d.X(frontOuterFoot), yt);
    pri.Line(d.X(frontInnerFoot - m.N_Mae_In), yFrontTop, d.X(frontInnerFoot), yt);
    pri.Line(d.X(rearInnerTop), 2600, d.X(rearOuterTop), 2600);
    pri.Line(d.X(rearInnerTop), 2600, d.X(rearInnerTop - m.N_Usiro_In), yk);
    pri.Line(d.X(rearOuterTop), 2600, d.X(rearOuterFoot), yk);
    pri.Line(d.X(frontInnerFoot), yk, d.X(rearInnerFoot), yk);
    pri.Line(d.X(frontOuterFoot), yb, d.X(rearOuterFoot), yb);
    if (m.B_Kakato != 0.0f) {
        pri.Line(d.X(rearOuterFoot), yk, xB, yHeelEnd);
        pri.Line(xB, yHeelEnd, xB, yb);
        pri.Line(d.X(rearOuterFoot), yb, xB, yb);
    } else {
        pri.Line(d.X(rearOuterFoot), yk, d.X(rearOuterFoot), yb);
    }
    if (m.B_Tumasaki != 0.0f) {
        pri.Line(d.X(frontOuterFoot), yt, 2850, yToeEnd);
        pri.Line(2850, yToeEnd, 2850, yb);
        pri.Line(d.X(frontOuterFoot), yb, 2850, yb);
    } else {
        pri.Line(d.X(frontOuterFoot), ySlabTop, d.X(frontOuterFoot), yb);
    }

    // The ground in front of and behind the wall, and the centre soil.
    pri.Line(p.xb, yBackGround, xB + 900, yBackGround - p.t * (xB + 900 - p.xb));
    const bool frontOnSlab = m.D_Teiban > m.H2;
    if (opt.shapeOneSided) {
        pri.Line(1300, yFrontGround, frontOnSlab ? 2850 : p.xf, yFrontGround);
    } else if (opt.shapeTwoSided) {
        pri.Line(1600, yBackGround, p.xf, yBackGround);
    }
    pri.Line(p.xm, yc, p.xu, yc);

    // The surcharges: outline and hatching, the strokes 100 twips apart.
    if (m.Q_Haimen != 0.0f) {
        pri.Line(p.xb, yBackGround - qh, p.xb + 1200, yBackGround - qh - 1200 * p.t);
        pri.Line(p.xb, yBackGround, p.xb, yBackGround - qh);
        countedLoop(loop, 1, 12, [&](double i) {
            const double x = p.xb + 100 * i, y = yBackGround - 100 * i * p.t;
            pri.Line(x, y, x, y - qh);
        });
    }
    if (m.Q_Zenmen != 0.0f) {
        // The front surcharge lies on the front ground, or on the slab top where the front
        // ground lies below it.
        double ground = 0, left = 0;
        int strokes = 0;
        if (opt.shapeOneSided && !frontOnSlab) {
            ground = yFrontGround, left = d.X(m.B_Tumasaki) - 1200, strokes = 12;
        } else if (opt.shapeOneSided) {
            ground = d.Y(double(m.H4) + m.H_Haimen), left = d.X(m.B_Tumasaki) - 700, strokes = 7;
        } else if (opt.shapeTwoSided) {
            ground = yBackGround, left = d.X(m.B_Tumasaki) - 1100, strokes = 12;
        }
        if (strokes != 0) {
            pri.Line(left, ground - qz, p.xf, ground - qz);
            countedLoop(loop, 0, strokes, [&](double i) {
                pri.Line(p.xf - 100 * i, ground, p.xf - 100 * i, ground - qz);
            });
        }
    }
    if (m.Q_Tyuuou != 0.0f) {
        pri.Line(p.xm, yc - qc, p.xu, yc - qc);
        countedLoop(loop, 0, 7, [&](double i) {
            pri.Line(p.xm + 100 * i, yc, p.xm + 100 * i, yc - qc);
            pri.Line(p.xu - 100 * i, yc, p.xu - 100 * i, yc - qc);
        });
    }

    // Dimension lines. The top chain between the outer top corners, with the batters.
    pri.Line(d.X(frontOuterTop), 2100, d.X(rearOuterTop), 2100);
    pri.Line(d.X(frontOuterTop), 2100, d.X(frontOuterTop), 2500);
    pri.Line(d.X(rearOuterTop), 2100, d.X(rearOuterTop), 2500);
    pri.Line(d.X(frontInnerTop), 2100, d.X(frontInnerTop), 2500);
    pri.Line(d.X(rearInnerTop), 2100, d.X(rearInnerTop), 2500);
    if (m.N_Mae_Out != 0.0f) {
        pri.Line(d.X(frontOuterTop), 2100, d.X(frontOuterFoot), 2100);
        pri.Line(d.X(frontOuterFoot), 2100, d.X(frontOuterFoot), 2500);
    }
    if (m.N_Usiro_Out != 0.0f) {
        pri.Line(d.X(rearOuterTop), 2100, d.X(rearOuterFoot), 2100);
        pri.Line(d.X(rearOuterFoot), 2100, d.X(rearOuterFoot), 2500);
    }
    // Left: the front wall's height and the front end of the slab.
    pri.Line(1600, yFrontTop, 1600, yb);
    pri.Line(1600, yFrontTop, 2750, yFrontTop);
    pri.Line(1600, yb, 2750, yb);
    pri.Line(2100, yToeEnd, 2100, yb);
    pri.Line(2100, yToeEnd, 2750, yToeEnd);
    if (m.B_Tumasaki == 0.0f && opt.shapeTwoSided) pri.Line(2100, ySlabTop, 2750, ySlabTop);
    if (opt.shapeTwoSided) pri.Line(2100, yToeEnd, 2100, yBackGround);
    // Right: the back ground, the heel end and the rear wall above the ground.
    pri.Line(xB + 1250, yBackGround, xB + 1250, yb);
    pri.Line(xB + 1250, yBackGround, xB + 150, yBackGround);
    pri.Line(xB + 1250, yb, xB + 150, yb);
    const double yRightTick = m.D_Kakato != 0.0f ? yHeelEnd : ySlabTop;
    pri.Line(xB + 750, yRightTick, xB + 150, yRightTick);
    pri.Line(xB + 750, yBackGround, xB + 750, yb);
    if (m.H4 != 0.0f) {
        pri.Line(xB + 1250, 2600, xB + 1250, yBackGround);
        pri.Line(xB + 1250, 2600, xB + 150, 2600);
    }
    // Centre: the centre soil and the slab under it.
    const double xQuarter = d.X(frontInnerFoot + m.B_Tyuuou / 4.0);
    pri.Line(xQuarter, yc, xQuarter, yb);
    // Bottom: the chain of the base parts and the total width.
    pri.Line(2850, yb + 600, xB, yb + 600);
    pri.Line(2850, yb + 900, xB, yb + 900);
    pri.Line(2850, yb + 900, 2850, yb + 200);
    pri.Line(d.X(frontOuterFoot), yb + 600, d.X(frontOuterFoot), yb + 200);
    pri.Line(d.X(frontInnerFoot), yb + 600, d.X(frontInnerFoot), yb + 200);
    pri.Line(d.X(rearInnerFoot), yb + 600, d.X(rearInnerFoot), yb + 200);
    pri.Line(d.X(rearOuterFoot), yb + 600, d.X(rearOuterFoot), yb + 200);
    pri.Line(xB, yb + 900, xB, yb + 200);
}

}  // namespace pelzaro
