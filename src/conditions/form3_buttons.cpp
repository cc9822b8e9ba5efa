// Reactions of the design-conditions page's options, lists and buttons.

#include "conditions/conditions_messages.h"
#include "conditions/conditions_store.h"
#include "conditions/earth_pressure.h"
#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/host.h"
#include "members/form7.h"
#include "numeric/format.h"
#include "numeric/lenient.h"
#include "numeric/rounding.h"
#include "stability/form14.h"
#include "stability/form21.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
const char* phiMessage(DesignStandard s) {
    return s == DesignStandard::Std_D ? "せん断抵抗角を入力してください。"
                                      : "内部摩擦角を入力してください。";
}
}  // namespace

void Form3::wireButtons() {
    opt_T.Click = [this] { opt_T_Click(); };
    opt_D.Click = [this] { opt_D_Click(); };
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    cmd3.Click = [this] { cmd3_Click(); };
    cmd4.Click = [this] { cmd4_Click(); };
    cmd5.Click = [this] { cmd5_Click(); };
    cmd6.Click = [this] { cmd6_Click(); };
    cmd7.Click = [this] { cmd7_Click(); };
    opt5.Click = [this] { opt5_Click(); };
    opt6.Click = [this] { opt6_Click(); };
    opt7.Click = [this] { opt7_Click(); };
    opt8.Click = [this] { opt8_Click(); };
    // A soil kind is printed only, on the report's conditions page, so the design state follows
    // the list as it changes. A pick hides the stability rows all the same; typing or pasting a
    // kind is the same edit and withdraws the same.
    cbo1.Click = [this] { soilKindEdited(); };
    cbo2.Click = [this] { soilKindEdited(); };
    cbo1.Change = [this] { soilKindEdited(); };
    cbo2.Change = [this] { soilKindEdited(); };
    for (ComboBox* cbo : {&cbo1, &cbo2}) {
        cbo->KeyPress = [this, cbo](int& key) {
            if (key != 13) return;
            key = 0;
            moveAlongChain(*cbo);
            invalidateResults();
        };
    }
}

// The design state holds the kinds the lists show. A page whose stability check has never run
// (a project being opened sets the lists before the other pages exist) has nothing to withdraw.
void Form3::soilKindEdited() {
    state().Dositu_Haimen = cbo1.Text();
    state().Dositu_Kiso = cbo2.Text();
    if (Form4* page = app().find<Form4>()) page->withdrawStabilityByEdit();
}

// The standard changes the soil lists and labels; every number stays.
void Form3::opt_T_Click() {
    fillSoilLists(DesignStandard::Std_T);
    relabel(DesignStandard::Std_T);
    invalidatePages23();
    focusField(txt2);
}

void Form3::opt_D_Click() {
    fillSoilLists(DesignStandard::Std_D);
    relabel(DesignStandard::Std_D);
    invalidatePages23();
    focusField(txt2);
}

// Both case buttons empty KA and the stability delta: each belongs to one case.
void Form3::clearKaForCase() {
    txt15.setText("");
    opt1.setValue(false);
    opt2.setValue(false);
    Form7& f7 = app().get<Form7>();
    f7.opt1.setValue(false);
    f7.opt2.setValue(false);
}

void Form3::cmd1_Click() {
    opt3.setValue(true);
    cmd5.setEnabled(true);
    opt1.setEnabled(true);
    clearKaForCase();
    lbl46.setVisible(false);
    lbl47.setVisible(false);
    txt13.setVisible(false);
    txt13.setText("");
    state().Sigma_sa_S = 0.0f;
    cmd7.setEnabled(false);
    txt10.setText("");
    invalidatePages23();
    state().Kh = 0.0f;
    state().Kv = 0.0f;
    cmd4.setEnabled(false);
    state().Flg_DeltaCalc = 0;
    app().unload<Form21>();
    app().unload<Form25>();
}

void Form3::cmd2_Click() {
    opt4.setValue(true);
    clearKaForCase();
    lbl46.setVisible(true);
    lbl47.setVisible(true);
    txt13.setVisible(true);
    cmd7.setEnabled(true);
    txt10.setText("");
    invalidatePages23();
    cmd4.setEnabled(true);
    state().Flg_DeltaCalc = 0;
    app().unload<Form14>();
}

void Form3::cmd4_Click() {
    showSeismicDialog();
}

// Set up for the standard every time, also when the validation opens the dialog, so that the
// zone factor can be chosen whenever the road guideline asks for it.
void Form3::showSeismicDialog() {
    Form25& d = app().get<Form25>();
    DesignStandard s = standard();
    if (s == DesignStandard::Std_T) {
        d.frm1.setVisible(false);
        d.Label7.setCaption("設計水平震度  Kh=");
    } else if (s == DesignStandard::Std_D) {
        d.frm1.setVisible(true);
        d.Label7.setCaption("設計水平震度標準値 Kho=");
    }
    d.ShowModal();
}

void Form3::cmd5_Click() {
    focusField(txt15);
    setBorder(txt15, 1);
    opt1.setValue(true);
    invalidateResults();
}

void Form3::cmd6_Click() {
    if (txt8.Text().empty()) {
        showError(host(), phiMessage(standard()));
        caretAtStart(txt8);
        return;
    }
    if (txt10.Text().empty()) {
        showError(host(), "壁背面と土との間の壁面摩擦角を入力してください。");
        caretAtStart(txt10);
        return;
    }
    ConditionsVars v = state();
    KeisanOutcome k = keisanInto(v, true);
    switch (k.stop) {
        case KeisanStop::FieldMissing:
            return;  // its message and focus are given
        case KeisanStop::TooLarge:
            reportTooLarge(k.field);
            return;
        case KeisanStop::NoMethod:
            showError(host(), "地震時水平荷重の計算方法を選択してください。");
            return;
        case KeisanStop::Refused:
            showError(host(), refusalMessage(k.refusal));
            return;
        case KeisanStop::Computed:
            break;
    }
    opt2.setValue(true);
    commit(v);
    app().get<Form4>().Hihyouji_2();
    setBorder(txt15, 0);
    txt15.setText(Format(state().KA, "0.00#"));
    // The calculations take KA as the box shows it, as "地盤の形状 >" copies it: the wall page
    // may stay in front and calculate before that copy.
    state().KA = static_cast<float>(Val(txt15.Text()));
    invalidateResults();
    cmd3.SetFocus();
}

// The wall friction angle on the virtual back face from the seismic composite angle; delta =
// phi when the composite angle reaches phi. The angle is written into the field as if typed
// there: the calculations take it as the field shows it, so a press that gives the angle the
// field already holds leaves every result standing, and one that changes it withdraws what a
// typed angle withdraws (a computed KA and the results of the later pages).
void Form3::cmd7_Click() {
    ConditionsVars v = state();
    if (reportTooLarge(hensuuInto(v).tooLarge)) return;
    const float held = v.Delta;
    SeismicAngleOutcome a = seismicAngle(v.Kh, v.Kv);
    if (a.refusal != CalcRefusal::None) {
        showError(host(), refusalMessage(a.refusal));
        return;
    }
    v.ThetaK_rad = a.ThetaK_rad;
    v.ThetaK = a.ThetaK;
    if (!frictionAngleIsPhi(v.Phi, v.Beta, v.ThetaK)) {
        WallFrictionOutcome w = wallFriction(v.ThetaK, v.Beta, v.Phi);
        if (w.refusal != CalcRefusal::None) {
            showError(host(), refusalMessage(w.refusal));
            return;
        }
        storeWallFriction(w.value, v);
    } else {
        v.Delta = v.Phi;
    }
    const std::string shown = Format(v.Delta, "0.00");
    v.Delta = static_cast<float>(Val(shown));
    commit(v);
    txt10.setText(shown);
    state().Flg_DeltaCalc = 1;
    if (v.Delta == held) return;
    dropComputedKA();
    invalidatePages23();
}

// The focus moves to mu and selects it when the option is chosen; chosen by typing into mu,
// the text being typed keeps its caret.
void Form3::opt5_Click() {
    if (!txt9.hasFocus()) focusField(txt9);
    setBorder(txt9, 1);
    invalidateResults();
}

// mu = tan(phiB). Without phiB nothing is computed and tan(phi) does not stay chosen, so the
// page never shows an old mu as computed.
void Form3::opt6_Click() {
    double phiB = Val(txt11.Text());
    if (txt11.Text().empty() || !fitsSingle(phiB) ||
        baseFriction(static_cast<float>(phiB)).refusal != CalcRefusal::None) {
        if (txt11.Text().empty())
            showError(host(), "内部摩擦角を入力してください。");
        else
            showError(host(), tooLargeMessage("txt11"));
        opt6.setValue(false);
        caretAtStart(txt11);
        return;
    }
    setBorder(txt9, 0);
    Masatu();
    txt9.setText(Format(state().Mu, "0.00#"));
    state().Mu = static_cast<float>(Val(txt9.Text()));  // as the box shows it, like KA
    focusField(txt9);
    app().get<Form4>().Hihyouji_1();
    app().get<Form4>().Hihyouji_2();
    app().get<Form7>().Hihyouji_3();
}

void Form3::opt7_Click() {
    setBorder(txt14, 1);
    focusField(txt14);
    invalidateResults();
}

// The wall-dimensions page stays shown, so the design state takes the cohesion the box now shows.
void Form3::opt8_Click() {
    setBorder(txt14, 0);
    txt14.setText("0");
    state().C = 0.0f;
    invalidateResults();
}

}  // namespace pelzaro
