// OK and Cancel of the seismic-case check methods, and the surcharge inertia force with its
// height Hq, which the calculation, the report and the project file use as the dialog shows it.

#include "forms/app.h"
#include "forms/host.h"
#include "forms/utf8.h"
#include "members/form7.h"
#include "stability/form21.h"
#include "stability/form4.h"
#include "stability/single_text.h"
#include "state/module1.h"

namespace pelzaro {

// A new dialog shows no height, so none is used.
void Form21::Form_Load() {
    state().Hq = 0.0f;
}

void Form21::wire() {
    for (OptionButton* o :
         {&opt1, &opt2, &opt3, &opt4, &opt5, &opt6, &opt7, &opt8, &opt9, &opt10}) {
        o->Click = [this] { app().get<Form4>().withdrawStabilityByEdit(); };
    }
    chk1.Click = [this] { chk1_Click(); };
    txt1.GotFocus = [this] { txt1.selectAll(); };
    // A click changes no height: only the rows of the page go, as with a choice of method.
    txt1.Click = [this] {
        txt1.selectAll();
        app().get<Form4>().withdrawStabilityByEdit();
    };
    txt1.DblClick = [this] {
        txt1.setSelStart(10);
        txt1.setSelLength(utf8::length(txt1.Text()));
    };
    txt1.KeyPress = [this](int& key) {
        if (key != 13) {
            invalidateResults();  // a typed character changes the height
            return;
        }
        key = 0;
        cmd1.SetFocus();
        app().get<Form4>().withdrawStabilityByEdit();
    };
    txt1.UserEdit = [this] { invalidateResults(); };
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    Cancel = &cmd2;  // the close box and Escape
}

// The surcharge inertia enters the stability calculation like any other of its inputs: the
// results, the save and print buttons and the member design all go.
void Form21::invalidateResults() {
    Form4& page = app().get<Form4>();
    page.Hihyouji_1();
    page.Hihyouji_2();
    app().get<Form7>().Hihyouji_3();
}

void Form21::chk1_Click() {
    if (chk1.Value() == 1) {
        for (Control* c : {static_cast<Control*>(&txt1), static_cast<Control*>(&lbl2),
                           static_cast<Control*>(&lbl3)}) {
            c->setEnabled(true);
        }
    } else if (chk1.Value() == 0) {
        txt1.setText("");
        for (Control* c : {static_cast<Control*>(&txt1), static_cast<Control*>(&lbl2),
                           static_cast<Control*>(&lbl3)}) {
            c->setEnabled(false);
        }
        state().Hq = 0.0f;  // the force is no longer counted: no height stands
    }
    invalidateResults();
}

void Form21::Form_Activate() {
    opened_.take(*this);
}

bool Form21::overturningChosen() const {
    return opt1.Value() || opt2.Value() || opt3.Value() || opt4.Value() || opt9.Value() ||
           opt10.Value();
}

bool Form21::slidingChosen() const {
    return opt5.Value() || opt6.Value();
}

bool Form21::widthChosen() const {
    return opt7.Value() || opt8.Value();
}

void Form21::cmd1_Click() {
    if (!overturningChosen()) {
        showError(host(), "転倒に対する検討方法をチェックして下さい。");
        return;
    }
    if (!slidingChosen()) {
        showError(host(), "滑動に対する検討方法をチェックして下さい。");
        return;
    }
    if (state().C != 0.0f && !widthChosen()) {
        showError(host(), "底版の有効載荷面積に対する検討方法をチェックして下さい。");
        return;
    }
    if (chk1.Value() == 1 && txt1.Text().empty()) {
        showError(host(), "上載荷重の慣性力の作用位置を入力して下さい。");
        txt1.SetFocus();
        return;
    }
    state().Hq = readSingle(txt1.Text());
    Hide();
    focusStabilityButton(app());
}

// Cancel puts back the choices, the box and the height as they were when the dialog opened;
// the height then again matches the box.
void Form21::cmd2_Click() {
    if (opened_.restore()) state().Hq = chk1.Value() == 1 ? readSingle(txt1.Text()) : 0.0f;
    Hide();
    focusStabilityButton(app());
}

}  // namespace pelzaro
