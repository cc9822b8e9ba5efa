// The factors that keep a figure in its room, on figures of a few strokes and texts whose
// extent is known by hand.

#include "report/figure_fit.h"

#include <gtest/gtest.h>

#include "report/recording_sink.h"
#include "report/report_error.h"

namespace pelzaro {
namespace {

const FigureRoom kRoom{0, 1000, 11600, 6900};

struct FigureFit : ::testing::Test {
    RecordingSink sink;
    Surface pri{sink};
    FigureFit() { pri.startPage(); }
};

// A wall line 20000 twips wide at full scale from x 1000, a load 10000 twips tall from y 3000.
void wallAndLoad(Surface& s, FigureFactors f) {
    s.Line(1000, 2000, 1000 + 20000 * f.wall, 2000);
    s.Line(5000, 3000, 5000, 3000 + 10000 * f.load);
}

TEST_F(FigureFit, AFigureThatFitsKeepsFactorOneExactly) {
    const FigureFactors f = fittingFactors(pri, kRoom, [](Surface& s, FigureFactors k) {
        s.Line(1000, 2000, 1000 + 5000 * k.wall, 2000 + 1000 * k.load);
    });
    EXPECT_EQ(f.wall, 1.0);
    EXPECT_EQ(f.load, 1.0);
    EXPECT_TRUE(sink.events.empty()) << "measuring draws nothing on the page";
}

TEST_F(FigureFit, TheWallShrinksToTheWidthThenTheLoadToTheHeight) {
    const FigureFactors f = fittingFactors(pri, kRoom, wallAndLoad);
    EXPECT_NEAR(f.wall, (11600.0 - 1000.0) / 20000.0, 1e-9);
    EXPECT_NEAR(f.load, (6900.0 - 3000.0) / 10000.0, 1e-9);
}

// Only the load is too tall: the wall keeps its scale.
TEST_F(FigureFit, ALoadTooTallShrinksOnItsOwn) {
    const FigureFactors f = fittingFactors(pri, kRoom, [](Surface& s, FigureFactors k) {
        s.Line(1000, 2000, 1000 + 8000 * k.wall, 2000);
        s.Line(5000, 3000, 5000, 3000 + 10000 * k.load);
    });
    EXPECT_EQ(f.wall, 1.0);
    EXPECT_NEAR(f.load, 0.39, 1e-9);
}

// A text keeps its size: "W1" at 11 pt is 220 twips wide and high, so its left edge may go no
// further right than 11600 - 220.
TEST_F(FigureFit, TextsAreMeasuredAsTheFaceDrawsThem) {
    const FigureFactors f = fittingFactors(pri, kRoom, [](Surface& s, FigureFactors k) {
        s.CurrentX(1000 + 20000 * k.wall);
        s.CurrentY(2000);
        s.Print({"W1"});
    });
    EXPECT_NEAR(f.wall, (11600.0 - 220.0 - 1000.0) / 20000.0, 1e-9);
}

// A load's label with no room above another text (the room's top at 1000, the text from 1100
// to 1320) is not left on it: the load shrinks until its label stands just below the text.
TEST_F(FigureFit, ALoadsLabelStopsAboveATextItWouldLandOn) {
    const FigureFactors f = fittingFactors(pri, kRoom, [](Surface& s, FigureFactors k) {
        s.CurrentX(3000), s.CurrentY(1100);
        s.Print({"2,100"});
        s.CurrentX(3000), s.CurrentY(4000 - 5000 * k.load);
        s.Print({"上載荷重"});
    });
    EXPECT_EQ(f.wall, 1.0);
    EXPECT_NEAR(f.load, (4000.0 - 1320.0) / 5000.0, 1e-9);
}

// A wall 10000 twips tall standing on y 6000, a surcharge on its top with its label 300 twips
// above the load, drawn only where the load has a height (a surcharge of 0 is left out). Flat,
// the load still needs its label's room: the wall's top may come no higher than 1000 + 300, so
// the wall factor is (6000 - 1300)/10000 = 0.47, and the load then fits the 300 twips left
// only by shrinking to almost nothing.
TEST_F(FigureFit, ALowLoadsLabelStillNeedsItsRoomAboveTheWall) {
    const FigureFactors f = fittingFactors(pri, kRoom, [](Surface& s, FigureFactors k) {
        const double top = 6000 - 10000 * k.wall;
        s.Line(2000, 6000, 2000, top);
        const double load = 20000 * k.load;
        if (load <= 0) return;
        s.Line(2000, top, 2000, top - load);
        s.CurrentX(2000), s.CurrentY(top - load - 300);
        s.Print({"上載荷重"});
    });
    EXPECT_NEAR(f.wall, 0.47, 1e-6);  // the flat load still has a trace of height
    EXPECT_GT(f.load, 0.0);
    EXPECT_LT(f.load, 1e-6);
}

TEST_F(FigureFit, AFigureThatCannotBeDrawnIsLeftToReportWhy) {
    const FigureFactors f = fittingFactors(pri, kRoom, [](Surface&, FigureFactors) {
        throw ReportError("a figure position: division by zero");
    });
    EXPECT_EQ(f.wall, 1.0);
    EXPECT_EQ(f.load, 1.0);
}

}  // namespace
}  // namespace pelzaro
