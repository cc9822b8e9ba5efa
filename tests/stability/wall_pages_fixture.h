#pragma once
// The wall pages driven without a display: the main window (for its toolbar), the design
// conditions for case and standard, the ground shape and a realistic wall typed in.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form21.h"
#include "stability/form23.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/test_host.h"

namespace pelzaro {

struct WallPagesTest : ::testing::Test {
    TestHost host;
    App app{host};
    MDIForm1& main = app.get<MDIForm1>();
    Form3& conditions = app.get<Form3>();

    Form4& page() { return app.get<Form4>(); }

    void normalCase() { conditions.cmd1_Click(); }
    void seismicCase() { conditions.cmd2_Click(); }

    // Chooses the shape and goes on to the wall dimensions, as the user does.
    Form4& showWall(bool oneSided) {
        Form23& shapes = app.get<Form23>();
        (oneSided ? shapes.opt1 : shapes.opt2).click();
        shapes.cmd1.click();
        return page();
    }

    // A two-metre U-wall with a toe and a heel, every required box filled.
    void fillWall() {
        Form4& p = page();
        const std::vector<std::pair<TextBox*, const char*>> values = {
            {&p.txt1, "1"},    {&p.txt2, "A"},     {&p.txt3, "0.5"},  {&p.txt4, "0.8"},
            {&p.txt5, "2.0"},  {&p.txt6, "0.3"},   {&p.txt7, "0.2"},  {&p.txt8, "0.05"},
            {&p.txt9, "0.2"},  {&p.txt10, "0.05"}, {&p.txt12, "0.5"}, {&p.txt13, "0.3"},
            {&p.txt14, "2.0"}, {&p.txt15, "0.3"},  {&p.txt16, "0.6"}, {&p.txt17, "0.4"},
            {&p.txt18, "0.3"}, {&p.txt19, "0.3"},  {&p.txt20, "0.5"}, {&p.txt21, "10"},
            {&p.txt22, "5"},   {&p.txt23, "5"}};
        for (const auto& [box, text] : values) box->setText(text);
        // An ordinary backfill, so that the stability calculation has earth pressure to work on.
        app.m.KA = 0.3f, app.m.Gamma_S = 18.0f, app.m.Gamma_C = 24.0f, app.m.Mu = 0.6f;
    }

    // Choices that let "安定性の検討" pass in the normal case.
    void chooseNormalMethods() {
        app.get<Form14>().opt1.setValue(true);
        page().opt3.setValue(true);
        page().opt1.setValue(true);
    }

    std::string focusedName(const Window& w) const {
        return w.ActiveControl() ? w.ActiveControl()->name() : std::string("(none)");
    }

    bool toolbar(int index) { return main.Toolbar1.button(index).enabled; }
    void enableToolbar() {
        for (int i : {3, 5, 6}) main.Toolbar1.button(i).enabled = true;
    }
};

}  // namespace pelzaro
