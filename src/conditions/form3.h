#pragma once
// Form3: the design-conditions page. The user chooses the governing standard and the case,
// enters the materials, soils, friction angles and the earth-pressure coefficient, and moves
// on to the ground-shape page through its validation. Geometry in twips; a control inside a
// frame is placed relative to that frame.

#include <string>
#include <vector>

#include "conditions/design_rules.h"
#include "conditions/earth_pressure.h"
#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"
#include "state/conditions_vars.h"

namespace pelzaro {

class Form3 : public Window {
  public:
    explicit Form3(App& app);

    // --- controls, top to bottom, left to right ---
    Label lblTitle;
    Label lblSite;
    TextBox txt1;  // construction site
    Label lblStd;
    Frame fraStd;
    OptionButton opt_T, opt_D;  // governing standard
    Label lblCase;
    // The case buttons stand in one frame with their indicators, which group the options.
    Frame fraCase;
    CommandButton cmd1;  // 常時
    OptionButton opt3;   // case indicators, changed by cmd1 / cmd2 only
    CommandButton cmd2;  // 地震時
    OptionButton opt4;
    CommandButton cmd4;  // seismic-coefficient dialog
    Label lblMaterials;
    Label lbl56;
    TextBox txt2;  // Fc or sigma_ck
    Label lblUnit2, lblFt;
    TextBox txt3;  // steel, long-term
    Label lblUnit3, lbl46;
    TextBox txt13;  // steel, short-term (seismic case)
    Label lbl47, lbl54;
    TextBox txt4;  // bearing capacity, long-term
    Label lblUnit4, lblWeights, lblGammaS;
    TextBox txt5;
    Label lblUnit5, lblGammaC;
    TextBox txt6;
    Label lblUnit6, lblBackfill, lblSoil1;
    ComboBox cbo1;  // backfill soil kind
    Label lblBeta, lblBetaValue, lblBetaUnit, lblC1, lblC1Value, lblC1Unit, lbl14;
    TextBox txt8;  // phi of the backfill
    Label lblUnit8, lblFoundation, lblSoil2;
    ComboBox cbo2;  // foundation soil kind
    Label lbl10;
    TextBox txt11;  // phi of the foundation ground
    Label lblUnit11, lblCohesion, lblC2;
    TextBox txt14;  // cohesion of the foundation ground
    Label lblUnit14;
    Frame fraC;
    OptionButton opt7, opt8;  // cohesion considered / not
    Label lblMuHead, lblMu;
    TextBox txt9;  // base friction coefficient
    Frame fraMu;
    OptionButton opt5, opt6;  // mu typed / tan(phiB)
    Label lblWallFriction, lblDelta1;
    TextBox txt10;  // delta for the stability calculation
    Label lblUnit10, lblDeltaNote1, lblDeltaSeismic;
    CommandButton cmd7;  // delta on the virtual back face
    Label lblDelta2;
    TextBox txt12;  // delta for the member design
    Label lblUnit12, lblDeltaNote2, lblDeltaNote3, lblKaHead, lblKa;
    TextBox txt15;  // active earth-pressure coefficient
    Frame fraKa;
    CommandButton cmd5;  // KA typed
    OptionButton opt1;   // KA source indicators, changed by cmd5 / cmd6 only
    CommandButton cmd6;  // KA computed
    OptionButton opt2;
    CommandButton cmd3;  // 地盤の形状 >

    void Form_Load() override;
    void Form_Activate() override;

    // --- named procedures ---
    // Copies the page into the design state and derives the allowable stresses. A value
    // beyond single precision changes nothing (the page's validation names the field).
    void HENSUU();
    void MESSEIJI();
    // Coulomb or Mononobe-Okabe into KA; refuses without changing anything.
    void KEISAN();
    void jDERUTA();
    void Masatu();

    // --- reactions of the buttons and options, callable by the project file ---
    void opt_T_Click();
    void opt_D_Click();
    void cmd1_Click();
    void cmd2_Click();
    void cmd3_Click();
    void cmd4_Click();
    void cmd5_Click();
    void cmd6_Click();
    void cmd7_Click();
    void opt5_Click();
    void opt6_Click();
    void opt7_Click();
    void opt8_Click();

    DesignStandard standard() const;
    CalcCase calcCase() const;
    SeismicMethod seismicMethod();
    // Configures the seismic-coefficient dialog for the current standard and shows it.
    void showSeismicDialog();

    // The invalidation sequences of the page's reactions.
    void invalidatePages23();
    void invalidatePage3();
    void invalidateResults();
    void dropComputedKA();
    void dropComputedMu();

  private:
    // Outcome of reading the page: the field whose value cannot be held, or none.
    struct ReadOutcome {
        TextBox* tooLarge = nullptr;
    };
    ReadOutcome hensuuInto(ConditionsVars& v);
    enum class KeisanStop { Computed, FieldMissing, TooLarge, NoMethod, Refused };
    struct KeisanOutcome {
        KeisanStop stop = KeisanStop::Computed;
        CalcRefusal refusal = CalcRefusal::None;
        TextBox* field = nullptr;
    };
    KeisanOutcome keisanInto(ConditionsVars& v, bool refuseWithoutMethod);
    void commit(const ConditionsVars& v);
    bool reportTooLarge(TextBox* field);

    void buildLayout();
    void fillSoilLists(DesignStandard standard);
    void soilKindEdited();
    void relabel(DesignStandard standard);
    void wireButtons();
    void wireFields();
    void moveAlongChain(Control& from);
    void focusField(TextBox& field);  // whole text selected
    void caretAtStart(TextBox& field);
    // 1: a value the user types; 0: one filled by a calculation.
    static void setBorder(TextBox& field, int style);
    bool validate();
    void clearKaForCase();
    void fieldClicked(TextBox& field);
    void fieldTyped(TextBox& field, bool enter);
};

}  // namespace pelzaro
