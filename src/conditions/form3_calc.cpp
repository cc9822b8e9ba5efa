// The named calculations of the design-conditions page: reading the page into the design
// state, the earth-pressure coefficient, the wall friction angle and the base friction.

#include "conditions/allowable_stress.h"
#include "conditions/conditions_messages.h"
#include "conditions/conditions_store.h"
#include "conditions/form3.h"
#include "forms/host.h"
#include "numeric/lenient.h"
#include "numeric/rounding.h"
#include "report/page_choices.h"
#include "state/module1.h"

namespace pelzaro {

SeismicMethod Form3::seismicMethod() {
    // A dialog never opened has none selected; reading it does not create it.
    return seismicMethodOf(readPageChoices(app()));
}

void Form3::commit(const ConditionsVars& v) {
    static_cast<ConditionsVars&>(state()) = v;
}

// Reads every field leniently in the order of the design state; a value that single precision
// cannot hold names its field and nothing is stored.
Form3::ReadOutcome Form3::hensuuInto(ConditionsVars& v) {
    struct NumberField {
        TextBox* field;
        float ConditionsVars::*target;
    };
    const NumberField numbers[] = {
        {&txt2, &ConditionsVars::Fc},          {&txt3, &ConditionsVars::Sigma_sa_N},
        {&txt13, &ConditionsVars::Sigma_sa_S}, {&txt4, &ConditionsVars::Qa_N},
        {&txt5, &ConditionsVars::Gamma_S},     {&txt6, &ConditionsVars::Gamma_C},
        {&txt14, &ConditionsVars::C},          {&txt8, &ConditionsVars::Phi},
        {&txt11, &ConditionsVars::Phi_B},      {&txt9, &ConditionsVars::Mu},
        {&txt10, &ConditionsVars::Delta},      {&txt12, &ConditionsVars::Delta_Danmen},
        {&txt15, &ConditionsVars::KA}};
    for (const NumberField& n : numbers) {
        double value = Val(n.field->Text());
        if (!fitsSingle(value)) return {n.field};
        v.*n.target = static_cast<float>(value);
    }
    v.Tikuzouti = txt1.Text();
    v.Dositu_Haimen = cbo1.Text();
    v.Dositu_Kiso = cbo2.Text();
    v.Beta = 0.0f;
    AllowableOutcome a = allowableStresses(standard(), v.Fc, v.Qa_N, v.Kh, allowableOf(v));
    if (a.refusal != StressRefusal::None) return {v.Fc > v.Qa_N ? &txt2 : &txt4};
    storeAllowable(a.value, v);
    ValuesInUse used{v.Sigma_ca, v.Tau_a1, v.Sigma_sa, v.Tau_0a, v.Qa};
    used = valuesInUse(calcCase(), a.value, v.Qa_N, v.Sigma_sa_N, v.Sigma_sa_S, used);
    v.Sigma_ca = used.Sigma_ca;
    v.Tau_a1 = used.Tau_a1;
    v.Sigma_sa = used.Sigma_sa;
    v.Tau_0a = used.Tau_0a;
    v.Qa = used.Qa;
    return {};
}

void Form3::HENSUU() {
    ConditionsVars v = state();
    if (hensuuInto(v).tooLarge == nullptr) commit(v);
}

bool Form3::reportTooLarge(TextBox* field) {
    if (field == nullptr) return false;
    showError(host(), tooLargeMessage(field->name()));
    caretAtStart(*field);
    return true;
}

// The fields the coefficient needs before it is computed; the first empty one is reported.
void Form3::MESSEIJI() {
    struct Required {
        TextBox* field;
        const char* message;
    };
    const Required required[] = {{&txt8, "内部摩擦角度を入力してください。"},
                                 {&txt9, "底盤の摩擦係数を入力してください。"},
                                 {&txt10, "壁背面と土との間の壁面摩擦角度を入力してください。"}};
    for (const Required& r : required) {
        if (!r.field->Text().empty()) continue;
        showError(host(), r.message);
        caretAtStart(*r.field);
        return;
    }
}

// Coulomb in the normal case and for the inertia method; Mononobe-Okabe for seismic earth
// pressure. Works on a copy: a refusal leaves the design state as it was.
Form3::KeisanOutcome Form3::keisanInto(ConditionsVars& v, bool refuseWithoutMethod) {
    MESSEIJI();
    if (txt8.Text().empty() || txt9.Text().empty() || txt10.Text().empty()) {
        return {KeisanStop::FieldMissing};
    }
    if (TextBox* f = hensuuInto(v).tooLarge) return {KeisanStop::TooLarge, CalcRefusal::None, f};
    SeismicMethod method = seismicMethod();
    bool normal = opt3.Value();
    if (normal || method == SeismicMethod::Method_K2) {
        if (method == SeismicMethod::Method_K2) {
            SeismicAngleOutcome a = seismicAngle(v.Kh, v.Kv);
            if (a.refusal != CalcRefusal::None) return {KeisanStop::Refused, a.refusal};
            v.ThetaK_rad = a.ThetaK_rad;
            v.ThetaK = a.ThetaK;
        }
        EarthPressureOutcome c = coulomb(v.Phi, v.Delta, v.Beta, v.Theta);
        if (c.refusal != CalcRefusal::None) return {KeisanStop::Refused, c.refusal};
        storeTerms(c.value, v);
        return {};
    }
    if (method == SeismicMethod::None) {
        // No formula: KA keeps the value of its field.
        return {refuseWithoutMethod ? KeisanStop::NoMethod : KeisanStop::Computed};
    }
    SeismicAngleOutcome a = seismicAngle(v.Kh, v.Kv);
    if (a.refusal != CalcRefusal::None) return {KeisanStop::Refused, a.refusal};
    EarthPressureOutcome mo = mononobeOkabe(v.Phi, v.Delta, v.Beta, v.Theta, v.Kv, a.ThetaK);
    if (mo.refusal != CalcRefusal::None) return {KeisanStop::Refused, mo.refusal};
    v.ThetaK_rad = a.ThetaK_rad;
    v.ThetaK = a.ThetaK;
    storeTerms(mo.value, v);
    return {};
}

void Form3::KEISAN() {
    ConditionsVars v = state();
    if (keisanInto(v, false).stop == KeisanStop::Computed) commit(v);
}

void Form3::jDERUTA() {
    const ConditionsVars& s = state();
    WallFrictionOutcome w = wallFriction(s.ThetaK, s.Beta, s.Phi);
    if (w.refusal != CalcRefusal::None) return;
    ConditionsVars& v = state();
    storeWallFriction(w.value, v);
}

void Form3::Masatu() {
    double phiB = Val(txt11.Text());
    if (!fitsSingle(phiB)) return;
    BaseFrictionOutcome mu = baseFriction(static_cast<float>(phiB));
    if (mu.refusal != CalcRefusal::None) return;
    state().Phi_B = static_cast<float>(phiB);
    state().Mu = mu.Mu;
}

}  // namespace pelzaro
