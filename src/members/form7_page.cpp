// The buttons of the member-design page: the two ways to the KA, the surcharge-inertia box,
// the rebar covers and the way back to the wall dimensions.

#include "members/form22.h"
#include "members/form7.h"
#include "members/page_context.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
// The height of the surcharge inertia with its caption and unit.
void enableHeight(Form7& page, bool enabled) {
    page.txt_1.setEnabled(enabled);
    page.lbl_1.setEnabled(enabled);
    page.lbl_2.setEnabled(enabled);
}
}  // namespace

void Form7::wireButtons() {
    cmd1.Click = [this] { cmd1_Click(); };
    cmd3.Click = [this] { cmd3_Click(); };
    cmd4.Click = [this] { cmd4_Click(); };
    cmd5.Click = [this] { cmd5_Click(); };
    cmd6.Click = [this] { cmd6_Click(); };
    chk_1.Click = [this] { chk_1_Click(); };
    // The two markers show how the KA was obtained; only the buttons beside them change it.
    opt1.userMayClick = false;
    opt2.userMayClick = false;
}

// "直接入力": the user types the KA; every row was computed with the old one.
void Form7::cmd4_Click() {
    txt_ka.SetFocus();
    txt_ka.selectAll();
    txt_ka.BorderStyle = 1;
    opt1.setValue(true);
    emptyAllRows();
    withdrawStressCheck();
}

// "計算する": the KA of the member design computed with the back-face angle of the rear wall.
void Form7::cmd5_Click() {
    Doatu();
    opt2.setValue(true);
    emptyAllRows();
    withdrawStressCheck();
}

void Form7::chk_1_Click() {
    if (chk_1.Value() == 1) {
        enableHeight(*this, true);
    } else if (chk_1.Value() == 0) {
        txt_1.setText("");
        enableHeight(*this, false);
    }
    emptyWallRows();
}

void Form7::cmd3_Click() {
    Hide();
    showDimensionsPage(app());
}

// The cover boxes follow the parts that exist now, also a part added since the dialog was
// last opened.
void Form7::cmd6_Click() {
    Form22& dialog = app().get<Form22>();
    struct CoverBox {
        bool exists;
        TextBox& box;
        Label& caption;
        Label& unit;
    };
    const CoverBox boxes[] = {{heelExists(app()), dialog.txt4, dialog.lbl11, dialog.lbl12},
                              {toeExists(app()), dialog.txt5, dialog.lbl13, dialog.lbl14},
                              {keyExists(app()), dialog.txt6, dialog.lbl15, dialog.lbl16}};
    for (const CoverBox& b : boxes) {
        b.box.setVisible(b.exists);
        b.caption.setEnabled(b.exists);
        b.unit.setVisible(b.exists);
    }
    dialog.ShowModal();
}

}  // namespace pelzaro
