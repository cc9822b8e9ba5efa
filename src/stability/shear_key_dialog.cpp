// The controls and entries of the shear-key dialogs. "計算" only checks that the three boxes
// are filled: the key itself is calculated by the stability calculation, which reads these
// boxes.

#include "stability/shear_key_dialog.h"

#include <utility>

#include "forms/host.h"
#include "forms/utf8.h"
#include "numeric/format.h"
#include "stability/form4.h"
#include "stability/key_dialog_links.h"

namespace pelzaro {

ShearKeyDialog::ShearKeyDialog(App& app, std::string name)
    : Window(app, std::move(name), "Pelzaro", WindowRole::Dialog, 5160, 5985),
      Surface(*this, "Surface"),
      txt1(*this, "txt1"),
      txt2(*this, "txt2"),
      txt3(*this, "txt3"),
      lbl1(*this, "lbl1"),
      lbl2(*this, "lbl2"),
      lbl3(*this, "lbl3"),
      lbl4(*this, "lbl4"),
      lbl5(*this, "lbl5"),
      chk1(*this, "chk1", "支持地盤の粘着力 Ｃ を考慮する"),
      cmd1(*this, "cmd1", "計算"),
      cmd2(*this, "cmd2", "キャンセル") {
    Surface.geometry = {0, 0, geometry.width, geometry.height};
    Surface.BorderStyle = 0;
    txt1.geometry = {4080, 2430, 555, 270};
    txt2.geometry = {1740, 3210, 555, 270};
    txt3.geometry = {3300, 3210, 555, 270};
    for (TextBox* box : {&txt1, &txt2, &txt3}) box->IMEMode = ImeMode::Off;
    lbl1.geometry = {1860, 4950, 840, 240};
    lbl2.geometry = {1080, 690, 840, 240};
    lbl3.geometry = {2160, 690, 840, 240};
    lbl4.geometry = {1080, 1500, 840, 240};
    lbl5.geometry = {2160, 1500, 840, 240};
    for (Label* l : {&lbl1, &lbl2, &lbl3, &lbl4, &lbl5}) l->Alignment = 1;
    chk1.geometry = {240, 5040, 3600, 270};
    chk1.setVisible(false);  // no calculation reads it
    cmd1.geometry = {1560, 5400, 1560, 420};
    cmd2.geometry = {3360, 5400, 1560, 420};
}

void ShearKeyDialog::wire(std::initializer_list<Control*> tabOrder) {
    int index = 0;
    for (Control* c : tabOrder) c->tabIndex = index++;
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
        // Delete, paste, cut, drop and input-method commits change the key as typing does.
        box->UserEdit = [this] { keyEntryTouched(app()); };
    }
    txt1.KeyPress = [this](int& key) { keyPress(key, txt3); };
    txt3.KeyPress = [this](int& key) { keyPress(key, txt2); };
    txt2.KeyPress = [this](int& key) { keyPress(key, cmd1); };
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    Cancel = &cmd2;  // the close box and Escape
}

// Enter moves on (H0, then D, then the position, then "計算"); any other key is an edit of
// the key data: the dialog opens with the focus in a box, so typing alone must withdraw what a
// click into the box withdraws.
void ShearKeyDialog::keyPress(int& key, Control& next) {
    if (key != 13) {
        keyEntryTouched(app());
        return;
    }
    key = 0;
    next.SetFocus();
}

void ShearKeyDialog::showRanges(float baseWidth) {
    double b = baseWidth;
    lbl1.setCaption(Format(b, "0.000"));
    lbl2.setCaption(Format(b * 0.1, "0.000"));
    lbl3.setCaption(Format(b * 0.15, "0.000"));
    lbl4.setCaption(Format(b / 2 - b / 6, "0.000"));
    lbl5.setCaption(Format(b / 2 + b / 6, "0.000"));
}

void ShearKeyDialog::cmd1_Click() {
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
    Form4& page = app().get<Form4>();
    ProgramAction busy(page);
    returnStop(page).SetFocus();
}

// The key data in a saved project must be those the results were computed with: Cancel puts
// back the entries the dialog showed when it opened.
void ShearKeyDialog::cmd2_Click() {
    opened_.restore();
    Hide();
}

// The first display starts at the first stop of the Tab order; later ones where the user left.
void ShearKeyDialog::Form_Activate() {
    opened_.take(*this);
    if (shownBefore_) return;
    shownBefore_ = true;
    firstStop().SetFocus();
}

}  // namespace pelzaro
