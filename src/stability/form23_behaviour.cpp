// The ground-shape choice and the way on to the wall dimensions, configured for the shape.

#include "conditions/form3.h"
#include "forms/app.h"
#include "forms/host.h"
#include "members/form7.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "stability/links.h"
#include "state/module1.h"

namespace pelzaro {

void Form23::opt1_Click() {
    shapeChosen();
}
void Form23::opt2_Click() {
    shapeChosen();
}

// A new shape withdraws everything computed for the old one; the wall-dimensions page is
// reached again only through "寸法の入力 >", which configures it for the new shape.
void Form23::shapeChosen() {
    Form4& page = app().get<Form4>();
    page.opt5.setValue(true);
    page.Hihyouji_1();
    page.Hihyouji_2();
    Form7& members = app().get<Form7>();
    members.Hihyouji_3();
    page.Hide();
    members.Hide();
}

void Form23::cmd2_Click() {
    Hide();
    app().get<Form3>().Show();
}

void Form23::cmd1_Click() {
    if (!opt1.Value() && !opt2.Value()) {
        showError(host(), "地盤の形状（1）又は（2）を選択してください。");
        opt1.SetFocus();
        return;
    }
    Form4& page = app().get<Form4>();
    page.Show();
    page.Surface.Cls();
    configureDimensionsPage();
}

void Form23::configureDimensionsPage() {
    Form4& page = app().get<Form4>();
    Module1& m = state();
    bool oneSided = opt1.Value();
    if (oneSided) {
        configureOneSided(page);
    } else {
        configureTwoSided(page);
    }
    showDiagramFor(page, oneSided);
    if (!oneSided) m.Q_Zenmen = m.Q_Haimen;
    // The surcharge reduction applies to a typed coefficient only.
    if (kaGiven(app())) {
        page.chk1.setEnabled(true);
    } else if (kaComputed(app())) {
        page.chk1.setValue(0);
        page.chk1.setEnabled(false);
    }
}

void Form23::configureOneSided(Form4& page) {
    page.Frame1.setEnabled(true);
    page.Label19.setEnabled(true);
    page.opt1.setEnabled(true);
    page.opt2.setEnabled(true);
    // The toe stored by the last calculation or validation decides, not the box's text.
    if (state().B_Tumasaki == 0.0f) page.withdrawFrontSoilChoice();
    page.Frame3.setVisible(true);
    if (page.opt5.Value()) page.cmd5.setVisible(false);
}

// The symmetric shape has no overturning, no sliding and so no vertical-component choice,
// no front-soil choice and no shear key.
void Form23::configureTwoSided(Form4& page) {
    page.Frame1.setEnabled(false);
    page.Label19.setEnabled(false);
    for (OptionButton* o : {&page.opt1, &page.opt2}) {
        o->setValue(false);
        o->setEnabled(false);
    }
    page.withdrawFrontSoilChoice();
    page.Frame3.setVisible(false);
    page.cmd5.setVisible(false);
}

// The 47 controls of the sketch that differ between the shapes.
void Form23::showDiagramFor(Form4& p, bool oneSided) {
    std::vector<Control*> front = {&p.Line120, &p.Line121, &p.Line122, &p.Line123, &p.Line124,
                                   &p.Line125, &p.Line126, &p.Line127, &p.Line128, &p.Line129,
                                   &p.Line130, &p.Line131, &p.Line132, &p.Line133, &p.Line134,
                                   &p.txt3,    &p.txt4,    &p.Label3,  &p.Label4,  &p.lbl5,
                                   &p.lbl6,    &p.Line150, &p.Line151, &p.Line152, &p.lbl22,
                                   &p.txt23,   &p.lbl23,   &p.lbl10,   &p.lbl45};
    std::vector<Control*> level = {&p.Line135, &p.Line136, &p.Line137, &p.Line138, &p.Line139,
                                   &p.Line140, &p.Line141, &p.Line142, &p.Line143, &p.Line144,
                                   &p.Line145, &p.Line146, &p.Line147, &p.Line148, &p.Line149,
                                   &p.lbl32,   &p.lbl33,   &p.lbl34};
    for (Control* c : front) c->setVisible(oneSided);
    for (Control* c : level) c->setVisible(!oneSided);
}

}  // namespace pelzaro
