#pragma once
// The steps a user takes through a project without a display: a new project, the design
// conditions, the ground shape, the wall dimensions, the stability check and the member design.
// The page suites build their fixtures on it, so that a test reads as what the user does.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "stability/form4.h"
#include "support/test_host.h"

namespace pelzaro {

// One box of the wall-dimensions page and the text the user puts into it.
struct WallEntry {
    TextBox Form4::*box;
    const char* text;
};
using WallEntries = std::vector<WallEntry>;

// A two-metre U-wall with a 0.5 m toe and a 0.6 m heel, every required box filled, in the
// order of the boxes.
const WallEntries& twoMetreWall();

// A two-metre U-wall with a 0.5 m toe and a 0.8 m heel, in the order the Enter key leads the
// user through the one-sided page.
const WallEntries& twoMetreWallAlongTheEnterChain();

// The window as the user has it in front: a page shown, a dialog open without blocking the
// test. A user's action reaches only a window that is shown.
template <class W>
W& shown(App& app) {
    W& w = app.get<W>();
    if (!w.Visible()) w.Show();
    return w;
}

struct ScenarioTest : ::testing::Test {
    TestHost host;
    App app{host};
    MDIForm1& main = app.get<MDIForm1>();

    Form3& conditionsPage() { return app.get<Form3>(); }
    Form4& wallPage() { return app.get<Form4>(); }

    void startNewProject() { main.FileNew(); }

    // Every input of a normal-case design under the residential-land standard, KA computed.
    void fillNormalCaseConditions();
    // The seismic dialog answered with a method, Kh, Kv and (road guideline) a zone.
    void answerSeismicDialog(OptionButton Form25::*method, const std::string& kh,
                             const std::string& kv, OptionButton Form25::*zone = nullptr);
    // From the filled normal case to the seismic case: Kh 0.2, Kv 0, KA computed again.
    void switchToSeismicCase(OptionButton Form25::*method);
    void goOnToTheGroundShape() { conditionsPage().cmd3.click(); }

    // Chooses the ground shape (on the ground-shape page, shown if the test skipped the design
    // conditions) and goes on to the wall dimensions.
    Form4& showWall(bool oneSided);
    // Puts each text into its box at once, as a paste would (no Enter chain).
    void enterWall(const WallEntries& wall);
    // Clicks into the first box, then types each text and presses Enter, checking that the
    // chain leads to the next box and at last to "安定性の検討".
    void typeWallAlongTheEnterChain(const WallEntries& wall);
    // Choices that let "安定性の検討" pass in the normal case.
    void chooseNormalMethods();

    void runStabilityCheck() { wallPage().cmd3.click(); }
    Form7& openMemberDesign() {
        wallPage().cmd1.click();
        return app.get<Form7>();
    }
};

}  // namespace pelzaro
