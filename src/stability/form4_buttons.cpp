// The buttons of the wall-dimensions page that lead to the check methods and away from it.

#include "conditions/form3.h"
#include "forms/app.h"
#include "forms/host.h"
#include "members/open_member_page.h"
#include "stability/form14.h"
#include "stability/form21.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "stability/links.h"
#include "state/module1.h"

namespace pelzaro {

void Form4::wireButtons() {
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    cmd3.Click = [this] { cmd3_Click(); };
    cmd4.Click = [this] { cmd4_Click(); };
    cmd5.Click = [this] { cmd5_Click(); };
    cmd6.Click = [this] { cmd6_Click(); };
}

// "断面計算 >": the member design is built on the stability result shown on the page, so it
// opens only while that result is the one of the current inputs.
void Form4::cmd1_Click() {
    if (!stabilityResultShown(app())) {
        ProgramAction busy(*this);
        showError(host(), "安定性の検討をしてください。");
        cmd3.SetFocus();
        return;
    }
    openMemberDesignPage(app());
}

void Form4::cmd2_Click() {
    Hide();
    Form23& shapes = app().get<Form23>();
    shapes.Show();
}

namespace {
void offerLoadedWidth(bool cohesive, Label& heading, OptionButton& reduced, OptionButton& full) {
    heading.setEnabled(cohesive);
    if (!cohesive) {
        reduced.setValue(false);
        full.setValue(false);
    }
    reduced.setEnabled(cohesive);
    full.setEnabled(cohesive);
}
}  // namespace

// "安定性の検討方法": the dialog of the current case, with the loaded-width group only for a
// cohesive foundation and the surcharge inertia only for the seismic methods that have it.
void Form4::cmd4_Click() {
    ProgramAction busy(*this);
    bool cohesive = state().C != 0.0f;
    if (caseNormal(app())) {
        Form14& d = app().get<Form14>();
        offerLoadedWidth(cohesive, d.lbl1, d.opt4, d.opt5);
        d.ShowModal();
    }
    if (caseSeismic(app())) {
        Form21& d = app().get<Form21>();
        offerLoadedWidth(cohesive, d.lbl1, d.opt7, d.opt8);
        SeismicMethod method = seismicMethod(app());
        if (method == SeismicMethod::Method_K2 || method == SeismicMethod::Method_D1) {
            d.chk1.setEnabled(true);
        } else {
            d.chk1.setValue(0);
            d.chk1.setEnabled(false);
        }
        d.ShowModal();
    }
}

}  // namespace pelzaro

namespace pelzaro {

void focusStabilityButton(App& app) {
    Form4& page = app.get<Form4>();
    ProgramAction busy(page);
    page.cmd3.SetFocus();
}

bool stabilityResultShown(App& app) {
    const Form4* page = app.find<Form4>();
    return app.m.Sigma_max != 0.0f && (page == nullptr || page->stabilityDisplayCurrent());
}

}  // namespace pelzaro
