// OK and Cancel of the normal-case check methods. Every option click withdraws the stability
// results at once; Cancel puts the dialog back as it was when it opened.

#include "forms/app.h"
#include "forms/host.h"
#include "stability/form14.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {

void Form14::wire() {
    for (OptionButton* o : {&opt1, &opt2, &opt3, &opt4, &opt5, &opt6}) {
        o->Click = [this] { app().get<Form4>().withdrawStabilityByEdit(); };
    }
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    Cancel = &cmd2;  // the close box and Escape
}

void Form14::Form_Activate() {
    opened_.take(*this);
}

bool Form14::overturningChosen() const {
    return opt1.Value() || opt2.Value() || opt3.Value() || opt6.Value();
}

bool Form14::widthChosen() const {
    return opt4.Value() || opt5.Value();
}

void Form14::cmd1_Click() {
    if (!overturningChosen()) {
        showError(host(), "転倒に対する検討方法をチェックして下さい。");
        return;
    }
    if (state().C != 0.0f && !widthChosen()) {
        showError(host(), "底版の有効載荷面積に対する検討方法をチェックして下さい。");
        return;
    }
    Hide();
    focusStabilityButton(app());
}

void Form14::cmd2_Click() {
    opened_.restore();
    Hide();
    focusStabilityButton(app());
}

}  // namespace pelzaro
