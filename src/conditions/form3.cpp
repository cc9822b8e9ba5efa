#include "conditions/form3.h"

#include "forms/host.h"
#include "members/form7.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {

Form3::Form3(App& app)
    : Window(app, "Form3", "", WindowRole::Page, 12600, 10200),
      lblTitle(*this, "lblTitle", "§１. 設 計 条 件"),
      lblSite(*this, "lblSite", "・築 造 地"),
      txt1(*this, "txt1"),
      lblStd(*this, "lblStd", "・計算方法"),
      fraStd(*this, "fraStd"),
      opt_T(*this, "opt_T", "宅地造成及び特定盛土等規制法", &fraStd),
      opt_D(*this, "opt_D", "道路土工(擁壁工指針)", &fraStd),
      lblCase(*this, "lblCase", "・計 算 時"),
      fraCase(*this, "fraCase"),
      cmd1(*this, "cmd1", "常時", &fraCase),
      opt3(*this, "opt3", "", &fraCase),
      cmd2(*this, "cmd2", "地震時", &fraCase),
      opt4(*this, "opt4", "", &fraCase),
      cmd4(*this, "cmd4", "水平荷重の計算方法震度の入力"),
      lblMaterials(*this, "lblMaterials", "・材料の許容応力度"),
      lbl56(*this, "lbl56", "コンクリートの設計基準強度：Fc="),
      txt2(*this, "txt2"),
      lblUnit2(*this, "lblUnit2", "N/mm2"),
      lblFt(*this, "lblFt", "鉄筋の許容引張応力度（長期）：ft="),
      txt3(*this, "txt3"),
      lblUnit3(*this, "lblUnit3", "N/mm2"),
      lbl46(*this, "lbl46", "（短期）：ft="),
      txt13(*this, "txt13"),
      lbl47(*this, "lbl47", "N/mm2"),
      lbl54(*this, "lbl54", "許容地耐力度（長期）：fe="),
      txt4(*this, "txt4"),
      lblUnit4(*this, "lblUnit4", "kN/m2"),
      lblWeights(*this, "lblWeights", "・材料の単位重量"),
      lblGammaS(*this, "lblGammaS", "土の単位体積重量：γ="),
      txt5(*this, "txt5"),
      lblUnit5(*this, "lblUnit5", "kN/m3"),
      lblGammaC(*this, "lblGammaC", "鉄筋コンクリートの単位体積重量：ｒ="),
      txt6(*this, "txt6"),
      lblUnit6(*this, "lblUnit6", "kN/m3"),
      lblBackfill(*this, "lblBackfill", "・背 面 土"),
      lblSoil1(*this, "lblSoil1", "土質： "),
      cbo1(*this, "cbo1", 0),
      lblBeta(*this, "lblBeta", "地平面と水平面とのなす角度：β="),
      lblBetaValue(*this, "lblBetaValue", "0"),
      lblBetaUnit(*this, "lblBetaUnit", "゜"),
      lblC1(*this, "lblC1", "土の粘着力：Ｃ="),
      lblC1Value(*this, "lblC1Value", "0"),
      lblC1Unit(*this, "lblC1Unit", "kN/m2"),
      lbl14(*this, "lbl14", "内部摩擦角：φ="),
      txt8(*this, "txt8"),
      lblUnit8(*this, "lblUnit8", "゜"),
      lblFoundation(*this, "lblFoundation", "・基礎地盤"),
      lblSoil2(*this, "lblSoil2", "土質： "),
      cbo2(*this, "cbo2", 0),
      lbl10(*this, "lbl10", "内部摩擦角：φ="),
      txt11(*this, "txt11"),
      lblUnit11(*this, "lblUnit11", "゜"),
      lblCohesion(*this, "lblCohesion", "土の粘着力："),
      lblC2(*this, "lblC2", "Ｃ="),
      txt14(*this, "txt14"),
      lblUnit14(*this, "lblUnit14", "kN/m2"),
      fraC(*this, "fraC"),
      opt7(*this, "opt7", "考慮する", &fraC),
      opt8(*this, "opt8", "しない", &fraC),
      lblMuHead(*this, "lblMuHead", "底面の摩擦係数："),
      lblMu(*this, "lblMu", "μ="),
      txt9(*this, "txt9"),
      fraMu(*this, "fraMu"),
      opt5(*this, "opt5", "直接入力", &fraMu),
      opt6(*this, "opt6", "tanφ", &fraMu),
      lblWallFriction(*this, "lblWallFriction", "壁背面と土との間の壁面摩擦角(δ)："),
      lblDelta1(*this, "lblDelta1", "安定計算時：δ="),
      txt10(*this, "txt10"),
      lblUnit10(*this, "lblUnit10", "゜"),
      lblDeltaNote1(*this, "lblDeltaNote1", "常時：δ≦β(β>φの場合δ=φ)"),
      lblDeltaSeismic(*this, "lblDeltaSeismic", "地震時："),
      cmd7(*this, "cmd7", "計算する"),
      lblDelta2(*this, "lblDelta2", "断面計算時：δ="),
      txt12(*this, "txt12"),
      lblUnit12(*this, "lblUnit12", "゜"),
      lblDeltaNote2(*this, "lblDeltaNote2", "常時：δ≦2φ/3"),
      lblDeltaNote3(*this, "lblDeltaNote3", "地震時又は透水マット使用時：δ≦φ/2"),
      lblKaHead(*this, "lblKaHead", "主働土圧係数"),
      lblKa(*this, "lblKa", "KA="),
      txt15(*this, "txt15"),
      fraKa(*this, "fraKa"),
      cmd5(*this, "cmd5", "直接入力", &fraKa),
      opt1(*this, "opt1", "", &fraKa),
      cmd6(*this, "cmd6", "計算する", &fraKa),
      opt2(*this, "opt2", "", &fraKa),
      cmd3(*this, "cmd3", "地盤の形状 >") {
    buildLayout();
    // Factory state, set before the reactions are wired so that it fires nothing.
    opt3.setValue(true);
    opt8.setValue(true);
    txt14.setText("0");
    for (TextBox* computed : {&txt14, &txt9, &txt15}) setBorder(*computed, 0);
    cmd4.setEnabled(false);
    // The indicators show what the buttons beside them chose; a click cannot change them.
    for (OptionButton* indicator : {&opt1, &opt2, &opt3, &opt4}) indicator->userMayClick = false;
    txt1.IMEMode = ImeMode::Hiragana;
    for (TextBox* t : {&txt2, &txt3, &txt13, &txt4, &txt5, &txt6, &txt8, &txt10, &txt12, &txt14,
                       &txt11, &txt9, &txt15}) {
        t->IMEMode = ImeMode::Off;
    }
    wireButtons();
    wireFields();
}

void Form3::Form_Load() {
    state().Flg_Page = Page_Conditions;
    fillSoilLists(DesignStandard::Std_T);
}

void Form3::Form_Activate() {
    state().Flg_Page = Page_Conditions;
    // Only pages that exist can be shown; hiding one must not create it.
    if (Form4* f4 = app().find<Form4>()) f4->Hide();
    if (Form7* f7 = app().find<Form7>()) f7->Hide();
}

DesignStandard Form3::standard() const {
    if (opt_T.Value()) return DesignStandard::Std_T;
    if (opt_D.Value()) return DesignStandard::Std_D;
    return DesignStandard::None;
}

CalcCase Form3::calcCase() const {
    if (opt3.Value()) return CalcCase::Case_N;
    if (opt4.Value()) return CalcCase::Case_S;
    return CalcCase::None;
}

void Form3::fillSoilLists(DesignStandard s) {
    static const char* residential[] = {"岩",   "砂利",       "砂質土",  "シルト",
                                        "粘土", "関東ローム", "改良地盤"};
    static const char* road[] = {"岩盤", "礫質土", "砂質土", "粘性土", "関東ローム", "改良地盤"};
    for (ComboBox* list : {&cbo1, &cbo2}) {
        list->Clear();
        if (s == DesignStandard::Std_D) {
            for (const char* kind : road) list->AddItem(kind);
        } else {
            for (const char* kind : residential) list->AddItem(kind);
        }
    }
    // Emptied lists hold no soil kind, neither on the page nor in the report.
    state().Dositu_Haimen.clear();
    state().Dositu_Kiso.clear();
}

void Form3::relabel(DesignStandard s) {
    bool road = s == DesignStandard::Std_D;
    lbl56.setCaption(road ? "コンクリートの設計基準強度：σck=" : "コンクリートの設計基準強度：Fc=");
    lbl54.setCaption(road ? "地盤の許容支持力度（長期）：qa=" : "地盤の許容応力度（長期）：fe=");
    const char* phi = road ? "せん断抵抗角：φ=" : "内部摩擦角：φ=";
    lbl10.setCaption(phi);
    lbl14.setCaption(phi);
}

// --- invalidation ---

// Pages 2 and 3 lose their results and are hidden until "地盤の形状 >" leads there again. The
// ground-shape page goes too: its "寸法の入力 >" leads on without reading this page, so a
// calculation reached through it would use the conditions as they stood before the edit while
// this page and the report show the new ones. "地盤の形状 >" checks and copies them first.
void Form3::invalidatePages23() {
    app().get<Form4>().Hihyouji_1();
    app().get<Form4>().Hihyouji_2();
    app().get<Form7>().Hihyouji_3();
    if (Form23* shape = app().find<Form23>()) shape->Hide();
    app().get<Form4>().Hide();
    app().get<Form7>().Hide();
}

void Form3::invalidatePage3() {
    app().get<Form7>().Hihyouji_3();
    app().get<Form7>().Hide();
}

void Form3::invalidateResults() {
    app().get<Form4>().Hihyouji_1();
    app().get<Form7>().Hihyouji_3();
}

// A computed coefficient no longer matches the inputs it came from; a typed one stays.
void Form3::dropComputedKA() {
    if (!opt1.Value()) txt15.setText("");
    opt2.setValue(false);
}

// mu computed as tan(phiB) no longer matches a phiB typed since; a typed mu stays. The page then
// asks for mu again, as it does for a computed KA, instead of printing tan of the new angle
// beside the old mu.
void Form3::dropComputedMu() {
    if (!opt6.Value()) return;
    txt9.setText("");
    opt6.setValue(false);
}

void Form3::focusField(TextBox& field) {
    field.SetFocus();
    if (field.hasFocus()) field.selectAll();
}

void Form3::setBorder(TextBox& field, int style) {
    if (field.BorderStyle == style) return;
    field.BorderStyle = style;
    field.setSelLength(field.SelLength());  // marks the field changed for the view
}

void Form3::caretAtStart(TextBox& field) {
    field.SetFocus();
    field.setSelStart(0);
}

}  // namespace pelzaro
