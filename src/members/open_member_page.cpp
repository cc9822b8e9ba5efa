#include "members/open_member_page.h"

#include "forms/host.h"
#include "members/form7.h"
#include "members/page_context.h"
#include "numeric/format.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
using Choices = OpeningChoices;

void showHeightRow(Form7& page, bool shown) {
    for (Control* c : {static_cast<Control*>(&page.chk_1), static_cast<Control*>(&page.txt_1),
                       static_cast<Control*>(&page.lbl_1), static_cast<Control*>(&page.lbl_2)}) {
        c->setVisible(shown);
    }
}

void enableHeightRow(Form7& page, bool boxEnabled, bool heightEnabled) {
    page.chk_1.setEnabled(boxEnabled);
    page.txt_1.setEnabled(heightEnabled);
    page.lbl_1.setEnabled(heightEnabled);
    page.lbl_2.setEnabled(heightEnabled);
}

// The surcharge inertia counts only in the seismic case with the wall's inertia; its height
// is kept only while the box is ticked. The tick itself is the user's and stays.
void configureSurchargeInertia(Form7& page, const Choices& c) {
    if (c.calcCase == CalcCase::Case_N) {
        page.txt_1.setText("");
        showHeightRow(page, false);
        return;
    }
    if (c.calcCase != CalcCase::Case_S || c.method == SeismicMethod::None) return;
    showHeightRow(page, true);
    const bool inertiaMethod = c.method != SeismicMethod::Method_K1;
    const bool ticked = inertiaMethod && page.chk_1.Value() == 1;
    if (!ticked) page.txt_1.setText("");
    enableHeightRow(page, inertiaMethod, ticked);
}

void showRow(const Form7Row& r, bool shown) {
    for (Control* c : {static_cast<Control*>(r.caption), static_cast<Control*>(r.barKind),
                       static_cast<Control*>(r.cover), static_cast<Control*>(r.designSpacing),
                       static_cast<Control*>(r.computedSpacing)}) {
        c->setVisible(shown);
    }
}

// One-sided earth pressure shows the front ground level; the symmetric shape shows the earth
// pressure on the front wall instead.
void configureFigure(Form7& page, GroundShape shape) {
    if (shape == GroundShape::None) return;
    const bool twoSided = shape == GroundShape::Shape_TwoSided;
    page.Line100.setVisible(!twoSided);
    for (Control* c : std::initializer_list<Control*>{
             &page.Line101, &page.Line102, &page.Line103, &page.Line104, &page.Line105,
             &page.Line106, &page.Line107, &page.Line108, &page.Line109, &page.Label100,
             &page.Label101, &page.Label102}) {
        c->setVisible(twoSided);
    }
}

// The KA of the member design follows its source on the design-conditions page: the typed
// KA is shown as typed (two decimals at most), a computed one is computed for the members.
void configureKa(Form7& page, Choices::KaSource source, float ka) {
    if (source == Choices::KaSource::None) return;
    const std::string shownBefore = page.txt_ka.Text();
    const bool given = source == Choices::KaSource::Given;
    OptionButton& chosen = given ? page.opt1 : page.opt2;
    OptionButton& other = given ? page.opt2 : page.opt1;
    chosen.setEnabled(true);
    (given ? page.cmd4 : page.cmd5).setEnabled(true);
    chosen.setValue(true);
    if (given) {
        page.txt_ka.setText(Format(ka, "0.0#"));
        page.txt_ka.BorderStyle = 1;
    } else {
        page.Doatu();
    }
    page.txt_ka.SetFocus();
    other.setValue(false);
    other.setEnabled(false);
    (given ? page.cmd5 : page.cmd4).setEnabled(false);
    // Rows A and B were designed with the KA the box showed (one the user may have typed); a
    // page entered again with another KA empties them, as an edit of the box does.
    if (!shownBefore.empty() && page.txt_ka.Text() != shownBefore) page.emptyRowsByEdit({'A', 'B'});
}
}  // namespace

void openMemberDesignPage(App& app) {
    if (app.m.Sigma_max == 0.0f) {
        showError(app.host(), "安定性の検討をしてください。");
        focusStabilityCheck(app);
        return;
    }
    Form7& page = app.get<Form7>();
    page.TEKKIN();
    page.Show();
    const Choices choices = readOpeningChoices(app);
    configureSurchargeInertia(page, choices);
    showRow(page.row('G'), toeExists(app));
    showRow(page.row('F'), heelExists(app));
    showRow(page.row('H'), keyExists(app));
    configureFigure(page, choices.shape);
    configureKa(page, choices.kaSource, app.m.KA);
    if (page.txt_ka.Text().empty()) setToolbarButton(app, 5, false);
}

}  // namespace pelzaro
