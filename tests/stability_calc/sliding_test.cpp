// Sliding without a key: friction on the total vertical force plus the cohesion on the loaded
// width that the check-method dialog chooses.

#include <gtest/gtest.h>

#include <cmath>

#include "example_walls.h"

namespace pelzaro {
namespace {

constexpr float kKept = 77.0f;  // a previous run's value

struct SlidingCase {
    StabilityInput (*wall)();
    float c;
    LoadedWidth width;
    // The cohesion width from the stored B, e: the resistance is c x width + 0.6 x SumV.
    double (*cohesionWidth)(const StabilityWork&);
    const char* why;
};

double none(const StabilityWork&) {
    return 0.0;
}
double wholeBase(const StabilityWork& w) {
    return w.B;
}
double effective(const StabilityWork& w) {
    return w.B - 2.0 * std::fabs(w.e);
}
double contactLength(const StabilityWork& w) {
    return 3.0 * (w.B / 2.0 - std::fabs(w.e));
}

TEST(SlidingWithoutKey, CohesionActsOnTheChosenWidth) {
    const SlidingCase cases[] = {
        {exampleWall, 0, LoadedWidth::Width_Full, none,
         "no cohesion: friction only; A' is stored all the same, for the report"},
        {exampleWall, 10, LoadedWidth::Width_Full, wholeBase,
         "all in contact: the whole base"},
        {exampleWall, 10, LoadedWidth::Width_Reduced, effective, "A' = B - 2|e|"},
        {frontUpliftWall, 10, LoadedWidth::Width_Full, contactLength,
         "uplift: only the length in contact"},
        {frontUpliftWall, 10, LoadedWidth::Width_Reduced, effective, "uplift, A' as ever"},
        {rearUpliftWall, 10, LoadedWidth::Width_Full, contactLength,
         "uplift at the toe end: the contact length as well"},
    };
    for (const SlidingCase& c : cases) {
        SCOPED_TRACE(c.why);
        StabilityInput in = c.wall();
        in.cond.C = c.c;
        in.width = c.width;
        StabilityWork w;
        w.A_eff = kKept;
        ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
        const double rh = c.c * c.cohesionWidth(w) + 0.6 * w.SumV;
        expectClose(w.RH, rh, "RH");
        expectClose(w.F_Katsudou, rh / w.SumH, "F_Katsudou");
        // A' is stored on every run, whatever the cohesion and the width rule.
        expectClose(w.A_eff, effective(w), "A_eff");
    }
}

// Example wall with cohesion 10: RH = 10 x 4.2 + 94.008563 = 136.008563 and
// 10 x (4.2 - 0.694576) + 94.008563 = 129.062807, over SumH = 22.905010.
TEST(SlidingWithoutKey, HandWorkedCohesion) {
    StabilityInput in = exampleWall();
    in.cond.C = 10.0f;
    StabilityWork w;
    in.width = LoadedWidth::Width_Full;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    expectClose(w.RH, 136.00856, "RH, whole base");
    in.width = LoadedWidth::Width_Reduced;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    expectClose(w.RH, 129.06281, "RH, effective width");
    expectClose(w.A_eff, 3.5054244, "A_eff");
    expectClose(w.F_Katsudou, 5.6346976, "F_Katsudou");
}

TEST(SlidingWithoutKey, NoWidthChosenKeepsTheResistance) {
    StabilityInput in = exampleWall();
    in.cond.C = 10.0f;
    StabilityWork w;
    w.RH = kKept;
    ASSERT_EQ(runStability(in, w), StabilityOutcome::Ok);
    EXPECT_EQ(w.RH, kKept);
    expectClose(w.F_Katsudou, kKept / 22.90501, "F_Katsudou from the kept resistance");
}

}  // namespace
}  // namespace pelzaro
