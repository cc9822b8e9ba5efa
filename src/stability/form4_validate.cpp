// "安定性の検討": copies ten fields into the design state, then tests the page and the chosen
// check methods in a fixed order; the first failure speaks and nothing is calculated.

#include <vector>

#include "forms/app.h"
#include "forms/host.h"
#include "stability/form14.h"
#include "stability/form21.h"
#include "stability/form4.h"
#include "stability/links.h"
#include "stability/single_text.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
bool missingText(const TextBox& box) {
    return box.Text().empty() || box.Text() == "0";
}

// The field named by a failing test gets the focus with the caret at the start of its text.
void focusField(TextBox& box) {
    box.SetFocus();
    box.setSelStart(0);
}
}  // namespace

void Form4::copyStabilityInputs() {
    Module1& m = state();
    m.H1 = readSingle(txt3.Text());
    m.H2 = readSingle(txt4.Text());
    m.H3 = readSingle(txt5.Text());
    m.H4 = readSingle(txt6.Text());
    m.B_Tumasaki = readSingle(txt12.Text());
    m.B_Kakato = readSingle(txt16.Text());
    m.D_Tumasaki = readSingle(txt18.Text());
    m.D_Kakato = readSingle(txt19.Text());
    m.H_Tyuuou = readSingle(txt20.Text());
    m.Q_Haimen = readSingle(txt21.Text());
    lbl33.setCaption(singleText(m.Q_Haimen));
}

// Steps 1 to 7: the boxes; the first failure names its field and message.
// A required box is missing when it is exactly empty; in a slab pair (heel before toe, the
// length before the thickness) also when it is exactly "0".
Form4::FieldFailure Form4::firstBadField() {
    struct FieldTest {
        bool applies;
        bool pair;
        std::vector<TextBox*> boxes;
        const char* message;
    };
    const char* dimensions = "寸法を入力してください。";
    const Module1& m = state();
    const FieldTest tests[] = {
        {true, false, {&txt1}, "§番号を入力してください。"},
        {true, false, {&txt2}, "擁壁の記号を入力してください。"},
        {shapeOneSided(app()), false, {&txt3, &txt4}, dimensions},
        {true,
         false,
         {&txt5, &txt6, &txt7, &txt8, &txt9, &txt10, &txt12, &txt13, &txt14, &txt15, &txt17},
         dimensions},
        {true, false, {&txt21, &txt22}, "上載荷重を入力してください。"},
        {m.B_Kakato != 0.0f || m.D_Kakato != 0.0f, true, {&txt16, &txt19}, dimensions},
        {m.B_Tumasaki != 0.0f || m.D_Tumasaki != 0.0f, true, {&txt12, &txt18}, dimensions},
    };
    for (const FieldTest& t : tests) {
        if (!t.applies) continue;
        for (TextBox* box : t.boxes) {
            if (t.pair ? missingText(*box) : box->Text().empty()) return {box, t.message};
        }
    }
    return {};
}

// Steps 9 to 13: the check methods of the current case. Returns false after the message and
// the dialog.
bool Form4::checkMethodsChosen() {
    bool cohesive = state().C != 0.0f;
    if (caseNormal(app())) {
        Form14& d = app().get<Form14>();
        if (!d.overturningChosen()) {
            showError(host(), "転倒に対する検討方法を選択してください。");
            d.ShowModal();
            return false;
        }
        if (cohesive && !d.widthChosen()) {
            showError(host(), "底版の有効載荷面積に対する検討方法を選択してください。");
            for (Control* c : {static_cast<Control*>(&d.lbl1), static_cast<Control*>(&d.opt4),
                               static_cast<Control*>(&d.opt5)}) {
                c->setEnabled(true);
            }
            d.ShowModal();
            return false;
        }
    }
    if (caseSeismic(app())) return seismicMethodsChosen(cohesive);
    return true;
}

bool Form4::seismicMethodsChosen(bool cohesive) {
    Form21& d = app().get<Form21>();
    if (!d.overturningChosen()) {
        showError(host(), "転倒に対する検討方法を選択してください。");
        for (OptionButton* o : {&d.opt1, &d.opt2, &d.opt3, &d.opt4, &d.opt5, &d.opt6}) {
            o->setValue(false);
        }
        d.ShowModal();
        return false;
    }
    if (!d.slidingChosen()) {
        showError(host(), "滑動に対する検討方法を選択してください。");
        d.ShowModal();
        return false;
    }
    if (cohesive && !d.widthChosen()) {
        showError(host(), "底版の有効載荷面積に対する検討方法を選択してください。");
        for (Control* c : {static_cast<Control*>(&d.lbl1), static_cast<Control*>(&d.opt7),
                           static_cast<Control*>(&d.opt8)}) {
            c->setEnabled(true);
        }
        d.ShowModal();
        return false;
    }
    return true;
}

void Form4::cmd3_Click() {
    ProgramAction busy(*this);
    copyStabilityInputs();
    const FieldFailure bad = firstBadField();
    if (bad.box != nullptr) {
        showError(host(), bad.message);
        focusField(*bad.box);
        return;
    }
    if (Frame2.Visible() && !opt3.Value() && !opt4.Value()) {
        showError(host(), "前面土荷重の計算の有無を選択してください。");
        return;
    }
    if (!checkMethodsChosen()) return;
    if (Frame1.Enabled() && !opt1.Value() && !opt2.Value()) {
        showError(host(), "土圧の鉛直成分の参入の有無を選択してください。");
        opt1.setValue(true);
        return;
    }
    GamenHyouji();
    cmd1.SetFocus();
}

}  // namespace pelzaro
