#include "conditions/form25.h"

#include "conditions/conditions_messages.h"
#include "conditions/form3.h"
#include "conditions/seismic.h"
#include "forms/host.h"
#include "forms/utf8.h"
#include "members/form7.h"
#include "numeric/lenient.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {

Form25::Form25(App& app)
    : Window(app, "Form25", "Pelzaro", WindowRole::Dialog, 9300, 6600),
      lblMethodHead(*this, "lblMethodHead", "地震時水平荷重の計算方法"),
      fraMethod(*this, "fraMethod"),
      lblGroupA(*this, "lblGroupA", "Ａ 建築基礎構造設計指針", &fraMethod),
      lblMark1(*this, "lblMark1", "①", &fraMethod),
      lblMark2(*this, "lblMark2", "②", &fraMethod),
      opt_K1(*this, "opt_K1", "地震時土圧による荷重", &fraMethod),
      opt_K2(*this, "opt_K2", "擁壁の自重に起因する地震時慣性力＋常時の土圧の荷重", &fraMethod),
      lblGroupB(*this, "lblGroupB", "Ｂ 道路土工　擁壁工指針", &fraMethod),
      opt_D1(*this, "opt_D1", "擁壁の自重に起因する地震時慣性力＋地震時の土圧の荷重", &fraMethod),
      lblNote(*this, "lblNote",
              "Ａによる場合は、①と②の２通り計算比較し、①又は②の大きいほうを採用してください。"),
      lblCoefHead(*this, "lblCoefHead", "震度の入力"),
      Label7(*this, "Label7", "設計水平震度　Kh="),
      Text1(*this, "Text1"),
      lblKv(*this, "lblKv", "設計鉛直震度　Kv="),
      Text2(*this, "Text2"),
      frm1(*this, "frm1"),
      lblZoneHead(*this, "lblZoneHead", "地域別補正係数 Cz", &frm1),
      lblZoneA(*this, "lblZoneA", "地域区分 Ａ", &frm1),
      lblZoneB(*this, "lblZoneB", "Ｂ", &frm1),
      lblZoneC(*this, "lblZoneC", "Ｃ", &frm1),
      opt_A(*this, "opt_A", "Cz=1.0", &frm1),
      opt_B(*this, "opt_B", "Cz=0.85", &frm1),
      opt_C(*this, "opt_C", "Cz=0.70", &frm1),
      cmd1(*this, "cmd1", "ＯＫ"),
      cmd2(*this, "cmd2", "キャンセル") {
    layout();
    for (TextBox* t : {&Text1, &Text2}) {
        TextBox& field = *t;
        field.IMEMode = ImeMode::Off;
        field.GotFocus = [&field] { field.selectAll(); };
        field.Click = [&field] { field.selectAll(); };
        field.DblClick = [&field] {
            field.setSelStart(10);
            field.setSelLength(utf8::length(field.Text()));
        };
    }
    Text1.KeyPress = [this](int& key) {
        if (key != 13) return;
        key = 0;
        Text2.SetFocus();
        Text2.selectAll();
    };
    Text2.KeyPress = [this](int& key) {
        if (key != 13) return;
        key = 0;
        cmd1.SetFocus();
    };
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    Cancel = &cmd2;  // the close box and Escape
}

void Form25::layout() {
    lblMethodHead.geometry = {240, 120, 4000, 255};
    fraMethod.geometry = {240, 420, 8800, 1500};
    fraMethod.BorderStyle = 0;
    lblGroupA.geometry = {0, 0, 4000, 255};
    lblMark1.geometry = {120, 300, 300, 255};
    opt_K1.geometry = {420, 270, 7000, 300};
    lblMark2.geometry = {120, 600, 300, 255};
    opt_K2.geometry = {420, 570, 7000, 300};
    lblGroupB.geometry = {0, 900, 4000, 255};
    opt_D1.geometry = {420, 1170, 7000, 300};
    lblNote.geometry = {240, 1980, 8800, 480};
    lblCoefHead.geometry = {240, 2580, 4000, 255};
    Label7.geometry = {480, 2940, 3000, 255};
    Text1.geometry = {3540, 2880, 1200, 300};
    lblKv.geometry = {480, 3300, 3000, 255};
    Text2.geometry = {3540, 3240, 1200, 300};
    frm1.geometry = {480, 3720, 8400, 1320};
    lblZoneHead.geometry = {120, 120, 3000, 255};
    lblZoneA.geometry = {240, 480, 1500, 255};
    lblZoneB.geometry = {3240, 480, 600, 255};
    lblZoneC.geometry = {5640, 480, 600, 255};
    opt_A.geometry = {240, 840, 1800, 300};
    opt_B.geometry = {3240, 840, 1800, 300};
    opt_C.geometry = {5640, 840, 1800, 300};
    cmd1.geometry = {4800, 5400, 1800, 420};
    cmd2.geometry = {6840, 5400, 1800, 420};
}

SeismicOutcome Form25::coefficients() {
    Form3& page = app().get<Form3>();
    Zone zone = opt_A.Value()   ? Zone::A
                : opt_B.Value() ? Zone::B
                : opt_C.Value() ? Zone::C
                                : Zone::None;
    const Module1& m = state();
    SeismicCoefficients previous{m.Kh, m.Kv, m.Kho, m.Cz};
    return seismicCoefficients(page.standard(), Val(Text1.Text()), Val(Text2.Text()), zone,
                               previous);
}

bool Form25::Jisin() {
    SeismicOutcome out = coefficients();
    if (out.refusal != SeismicRefusal::None) return false;
    Module1& m = state();
    m.Kh = out.value.Kh;
    m.Kv = out.value.Kv;
    m.Kho = out.value.Kho;
    m.Cz = out.value.Cz;
    return true;
}

// The checks of OK in their order; the first failure speaks and the dialog stays open.
bool Form25::checkInputs() {
    auto fail = [this](const char* message, Control& focus, bool caret) {
        showError(host(), message);
        focus.SetFocus();
        if (caret) static_cast<TextBox&>(focus).setSelStart(0);
        return false;
    };
    if (!opt_K1.Value() && !opt_K2.Value() && !opt_D1.Value()) {
        return fail("地震時水平荷重の計算方法を選択してください。", opt_K1, false);
    }
    if (Text1.Text().empty()) return fail("水平震度を入力して下さい。", Text1, true);
    if (Text2.Text().empty()) return fail("鉛直震度を入力して下さい。", Text2, true);
    bool road = app().get<Form3>().opt_D.Value();
    if (road && !opt_A.Value() && !opt_B.Value() && !opt_C.Value()) {
        return fail("地域別補正係数を選択して下さい。", opt_A, false);
    }
    return true;
}

void Form25::cmd1_Click() {
    if (!checkInputs()) return;
    SeismicRefusal refusal = coefficients().refusal;
    if (refusal != SeismicRefusal::None) {
        TextBox& field = refusal == SeismicRefusal::KvBeyondSingle ? Text2 : Text1;
        showError(host(), tooLargeMessage(field.name()));
        field.SetFocus();
        field.setSelStart(0);
        return;
    }
    Jisin();
    Hide();
    // KA depends on the method: it must be typed or computed again.
    Form3& page = app().get<Form3>();
    page.opt1.setValue(false);
    page.opt2.setValue(false);
    page.txt15.setText("");
    bool mayType = opt_K2.Value();
    page.cmd5.setEnabled(mayType);
    page.opt1.setEnabled(mayType);
    // With KA gone the later pages cannot calculate: they are withdrawn and hidden until
    // "地盤の形状 >" has KA again, so no calculation uses the old KA with the new coefficients.
    page.invalidatePages23();
}

void Form25::Form_Activate() {
    opened_.take(*this);
}

// Kh and Kv in the design state are those of the last OK; the fields must say so again, or a
// saved project would hold coefficients that no result was computed with.
void Form25::cmd2_Click() {
    opened_.restore();
    Hide();
}

}  // namespace pelzaro
