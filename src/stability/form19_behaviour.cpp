// The entries of the shear-key dialog. "計算" only checks that the three boxes are filled:
// the key itself is calculated by the stability calculation, which reads these boxes.

#include "forms/app.h"
#include "forms/host.h"
#include "forms/utf8.h"
#include "numeric/format.h"
#include "stability/form19.h"
#include "stability/form4.h"
#include "stability/key_dialog_links.h"

namespace pelzaro {

void Form19::wire() {
    int index = 0;
    for (Control* c : std::initializer_list<Control*>{&txt1, &txt2, &txt3, &cmd1, &cmd2})
        c->tabIndex = index++;
    for (TextBox* box : {&txt1, &txt2, &txt3}) {
        box->GotFocus = [box] { box->selectAll(); };
        box->Click = [this, box] {
            box->selectAll();
            keyEntryTouched(app());
        };
        box->DblClick = [box] {
            box->setSelStart(10);
            box->setSelLength(utf8::length(box->Text()));
        };
        box->UserEdit = [this] { keyEntryEdited(app()); };
    }
    txt1.KeyPress = [this](int& key) { keyPress(key, txt3); };
    txt3.KeyPress = [this](int& key) { keyPress(key, txt2); };
    txt2.KeyPress = [this](int& key) { keyPress(key, cmd1); };
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
}

// Enter moves on (H0, then D, then the position, then "計算"); any other key is an edit of
// the key data, which the member design must not be built on before the next check.
void Form19::keyPress(int& key, Control& next) {
    if (key != 13) {
        keyEntryEdited(app());
        return;
    }
    key = 0;
    next.SetFocus();
}

void Form19::showRanges(float baseWidth) {
    double b = baseWidth;
    lbl1.setCaption(Format(b, "0.000"));
    lbl2.setCaption(Format(b * 0.1, "0.000"));
    lbl3.setCaption(Format(b * 0.15, "0.000"));
    lbl4.setCaption(Format(b / 2 - b / 6, "0.000"));
    lbl5.setCaption(Format(b / 2 + b / 6, "0.000"));
}

void Form19::cmd1_Click() {
    struct Required {
        TextBox* box;
        const char* message;
    };
    const Required required[] = {{&txt1, "突起の高さを入力してください。"},
                                 {&txt2, "突起の位置を入力してください。"},
                                 {&txt3, "突起の巾を入力してください。"}};
    for (const Required& r : required) {
        if (!r.box->Text().empty()) continue;
        showError(host(), r.message);
        r.box->SetFocus();
        return;
    }
    keyChecked(app());
    Hide();
    // "計算" returns to "安定性の検討".
    Form4& page = app().get<Form4>();
    ProgramAction busy(page);
    page.cmd3.SetFocus();
}

void Form19::cmd2_Click() {
    Hide();
}

// The first display starts at the first stop of the Tab order; later ones where the user left.
void Form19::Form_Activate() {
    if (shownBefore_) return;
    shownBefore_ = true;
    txt1.SetFocus();
}

}  // namespace pelzaro
