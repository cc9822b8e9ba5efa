// The rows of the self-weight table against the wall section drawn as polygons: areas and
// centroids by the shoelace formula, an independent way to the same numbers.

#include <gtest/gtest.h>

#include <vector>

#include "example_walls.h"

namespace pelzaro {
namespace {

struct Pt {
    double x, y;
};

struct Region {
    double area, cx, cy;
};

Region shoelace(const std::vector<Pt>& p) {
    double a = 0, cx = 0, cy = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const Pt& s = p[i];
        const Pt& t = p[(i + 1) % p.size()];
        const double cross = s.x * t.y - t.x * s.y;
        a += cross;
        cx += (s.x + t.x) * cross;
        cy += (s.y + t.y) * cross;
    }
    a /= 2;
    return {a, cx / (6 * a), cy / (6 * a)};
}

// A free soil surface loaded by a surcharge: from x `from` to x `to`.
struct Span {
    double from, to;
};

// The section drawn from the wall's dimensions: x from the toe tip, y from the base underside.
struct SectionDrawing {
    std::vector<Region> rows;  // the eight regions, drawn counter-clockwise
    Span back, centre, front;  // the surfaces of the back, centre and front soil
};

SectionDrawing drawSection(const WallDimensions& d, bool twoSided) {
    const double h2 = twoSided ? d.H3 : d.H2, h1 = twoSided ? d.H4 : d.H1;
    const double dt = d.D_Teiban, bt = d.B_Tumasaki, bk = d.B_Kakato;
    const double frontTop = h2 + h1, rearTop = double(d.H3) + d.H4;
    const double x1 = bt, x2 = bt + d.T2_Mae, x3 = x2 + d.B_Tyuuou, x4 = x3 + d.T2_Usiro;
    const double b = x4 + bk;
    const double nMaeOut = double(d.T2_Mae) - d.T1_Mae - d.N_Mae_In;
    const double nUsiroOut = double(d.T2_Usiro) - d.T1_Usiro - d.N_Usiro_In;
    // Where a battered face meets a level y.
    auto frontOuter = [&](double y) { return x1 + nMaeOut * (y - dt) / (frontTop - dt); };
    auto frontInner = [&](double y) { return x2 - d.N_Mae_In * (y - dt) / (frontTop - dt); };
    auto rearInner = [&](double y) { return x3 + d.N_Usiro_In * (y - dt) / (rearTop - dt); };
    auto rearOuter = [&](double y) { return x4 - nUsiroOut * (y - dt) / (rearTop - dt); };
    const double yc = dt + d.H_Tyuuou, yb = d.H3, yf = h2;
    SectionDrawing s;
    s.rows = {
        shoelace({{x1, 0},
                  {x2, 0},
                  {x2, dt},
                  {frontInner(frontTop), frontTop},
                  {frontOuter(frontTop), frontTop},
                  {x1, dt}}),
        shoelace({{x3, 0},
                  {x4, 0},
                  {x4, dt},
                  {rearOuter(rearTop), rearTop},
                  {rearInner(rearTop), rearTop},
                  {x3, dt}}),
        shoelace({{x2, 0}, {x3, 0}, {x3, dt}, {x2, dt}}),
        shoelace({{x4, 0}, {b, 0}, {b, d.D_Kakato}, {x4, dt}}),
        shoelace({{0, 0}, {x1, 0}, {x1, dt}, {0, d.D_Tumasaki}}),
        shoelace({{x2, dt}, {x3, dt}, {rearInner(yc), yc}, {frontInner(yc), yc}}),
        shoelace({{x4, dt}, {b, d.D_Kakato}, {b, yb}, {rearOuter(yb), yb}}),
        shoelace({{0, d.D_Tumasaki}, {x1, dt}, {frontOuter(yf), yf}, {0, yf}}),
    };
    s.back = {rearOuter(yb), b};
    s.centre = {frontInner(yc), rearInner(yc)};
    s.front = {0, frontOuter(yf)};
    return s;
}

void expectLoadOn(const Span& span, double q, float load, float arm, const char* name) {
    SCOPED_TRACE(name);
    EXPECT_NEAR(load, q * (span.to - span.from), 2e-5);
    EXPECT_NEAR(arm, (span.from + span.to) / 2, 2e-6);
}

void expectRowsMatchPolygons(const StabilityInput& in) {
    StabilityWork w;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    const bool twoSided = in.shape == GroundShape::Shape_TwoSided;
    const SectionDrawing section = drawSection(in.wall, twoSided);
    const float areas[8] = {w.A1, w.A2, w.A3, w.A4, w.A5, w.A6, w.A7, w.A8};
    const float xs[8] = {w.X1, w.X2, w.X3, w.X4, w.X5, w.X6, w.X7, w.X8};
    const float ys[8] = {w.Y1, w.Y2, w.Y3, w.Y4, w.Y5, w.Y6, w.Y7, w.Y8};
    for (int row = 0; row < 8; ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row + 1);
        EXPECT_NEAR(areas[row], section.rows[row].area, 2e-6);
        EXPECT_NEAR(xs[row], section.rows[row].cx, 2e-6);
        EXPECT_NEAR(ys[row], section.rows[row].cy, 2e-6);
    }
    // Each surcharge loads the free surface of its soil.
    const WallDimensions& d = in.wall;
    expectLoadOn(section.back, d.Q_Haimen, w.W_Q_Haimen, w.X_Q_Haimen, "back surcharge");
    expectLoadOn(section.centre, d.Q_Tyuuou, w.W_Q_Tyuuou, w.X_Q_Tyuuou, "centre surcharge");
    expectLoadOn(section.front, twoSided ? d.Q_Haimen : d.Q_Zenmen, w.W_Q_Zenmen, w.X_Q_Zenmen,
                 "front surcharge");
}

TEST(SectionPolygons, OneSidedWallWithToeHeelAndBatters) {
    StabilityInput in = exampleWall();
    in.calcCase = CalcCase::Case_S;
    in.method = SeismicMethod::Method_K2;  // the centroid heights are computed for the wall inertia
    expectRowsMatchPolygons(in);
}

TEST(SectionPolygons, WallsOfDifferentHeightsAndSteepBatters) {
    StabilityInput in = exampleWall();
    in.method = SeismicMethod::Method_D1;
    in.wall.H1 = 1.7f, in.wall.H2 = 1.3f, in.wall.H3 = 3.2f, in.wall.H4 = 0.0f;
    in.wall.N_Mae_In = 0.25f, in.wall.T2_Mae = 0.6f;
    in.wall.N_Usiro_In = 0.15f, in.wall.T2_Usiro = 0.55f;
    in.wall.H_Tyuuou = 1.1f, in.wall.D_Tumasaki = 0.25f, in.wall.D_Kakato = 0.35f;
    expectRowsMatchPolygons(in);
}

TEST(SectionPolygons, TwoSidedWallTakesTheFrontHeightsFromTheRear) {
    StabilityInput in = exampleWall();
    in.shape = GroundShape::Shape_TwoSided;
    in.pv = PvInMoment::None;
    in.method = SeismicMethod::Method_K2;
    in.wall.H1 = 9.0f, in.wall.H2 = 7.0f;  // hidden front fields: they do not count
    expectRowsMatchPolygons(in);
}

}  // namespace
}  // namespace pelzaro
