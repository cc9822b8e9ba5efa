#pragma once
// The wall pages driven without a display: the main window (for its toolbar), the design
// conditions for case and standard, the ground shape and a realistic wall typed in.

#include <string>

#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form21.h"
#include "stability/form23.h"
#include "stability/form26.h"
#include "state/module1.h"
#include "support/scenario.h"

namespace pelzaro {

struct WallPagesTest : ScenarioTest {
    Form3& conditions = conditionsPage();

    void normalCase() { conditions.cmd1_Click(); }
    void seismicCase() { conditions.cmd2_Click(); }

    // The two-metre wall typed in, without the design conditions behind it.
    void fillWall() {
        enterWall(twoMetreWall());
        // An ordinary backfill, so that the stability calculation has earth pressure to work on.
        app.m.KA = 0.3f, app.m.Gamma_S = 18.0f, app.m.Gamma_C = 24.0f, app.m.Mu = 0.6f;
    }

    std::string focusedName(const Window& w) const {
        return w.ActiveControl() ? w.ActiveControl()->name() : std::string("(none)");
    }

    bool toolbar(int index) { return main.Toolbar1.button(index).isEnabled(); }
    void enableToolbar() {
        for (int i : {3, 5, 6}) main.Toolbar1.button(i).enabled = true;
    }
};

}  // namespace pelzaro
