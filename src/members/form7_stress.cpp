// "応力度計算": the validation of the rows, then the working-stress check of every part that
// exists, with its values, colours, verdicts and one beep per failing row.

#include "forms/host.h"
#include "forms/palette.h"
#include "members/form7.h"
#include "members/page_calc.h"
#include "members/page_context.h"
#include "members/part_vars.h"
#include "numeric/format.h"
#include "numeric/lenient.h"
#include "numeric/rounding.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
float spacingOf(const Form7Row& r) {
    double v = Val(r.designSpacing->Text());
    return fitsSingle(v) ? static_cast<float>(v) : 0.0f;
}

// Shows a stress with three decimals and returns the value as shown, which is what the
// design state keeps.
float showStress(Label& label, double value, bool fails) {
    label.setForeColor(fails ? kColorFailing : kColorBlack);
    label.setCaption(Format(value, "0.000"));
    return static_cast<float>(Val(label.Caption()));
}
}  // namespace

void Form7::cmd1_Click() {
    // The typed spacings are kept even when a check then fails.
    for (const Form7Row& r : rows_) partVars(state(), r.letter).Kankaku = spacingOf(r);
    if (!barKindsChosen() || !spacingsEntered() || !spacingsWithinComputed()) return;
    state().Flg_Ouryoku = 1;
    Ouryoku_1();
    Ouryoku_2();
    Ouryoku_5();
    Ouryoku_6();
    Ouryoku_7();
    if (heelExists(app())) Ouryoku_8();
    if (toeExists(app())) Ouryoku_9();
    if (keyExists(app())) Ouryoku_10();
    if (projectPathSet(app())) setToolbarButton(app(), 3, true);
    setToolbarButton(app(), 5, true);
}

bool Form7::barKindsChosen() {
    for (const Form7Row& r : rows_) {
        if (!r.barKind->Visible() || !r.barKind->Text().empty()) continue;
        Er_Syurui();
        r.barKind->SetFocus();
        return false;
    }
    return true;
}

// A spacing of zero or less gives no section to check: it counts as no spacing at all.
bool Form7::spacingsEntered() {
    for (const Form7Row& r : rows_) {
        if (!r.designSpacing->Visible()) continue;
        if (!r.designSpacing->Text().empty() && spacingOf(r) > 0.0f) continue;
        Er_Kankaku1();
        r.designSpacing->SetFocus();
        r.designSpacing->setSelStart(0);
        return false;
    }
    return true;
}

// The design spacing may not exceed the unrounded computed one; equality passes. A row
// without a computed spacing passes.
bool Form7::spacingsWithinComputed() {
    for (const Form7Row& r : rows_) {
        if (r.computedSpacing->Caption().empty()) continue;
        PartVars v = partVars(state(), r.letter);
        if (!(v.KankakuReq < v.Kankaku)) continue;
        Er_Kankaku2();
        r.designSpacing->SetFocus();
        r.designSpacing->setSelStart(0);
        return false;
    }
    return true;
}

void Form7::Er_Syurui() {
    showError(host(), "鉄筋の種類を選択してください。");
}
void Form7::Er_Kankaku1() {
    showError(host(), "設計上の鉄筋の間隔を入力してください。");
}
void Form7::Er_Kankaku2() {
    showError(host(), "設計の鉄筋の間隔を計算値よりも小さくしてください。");
}

void Form7::runStressCheck(char letter) {
    const Form7Row& r = row(letter);
    PartVars v = partVars(state(), letter);
    v.Kankaku = spacingOf(r);
    showStressResults(r, checkRowStress(app(), letter, v.Kankaku));
}

// A section that gives no stress (no spacing, depth or steel) shows no values and fails.
void Form7::showStressResults(const Form7Row& r, const RowStress& s) {
    PartVars v = partVars(state(), r.letter);
    if (s.checked) {
        v.Sigma_c = showStress(*r.sigmaC, s.sigmaC, s.sigmaCFails);
        v.Sigma_s = showStress(*r.sigmaS, s.sigmaS, s.sigmaSFails);
        if (s.hasShear) v.Tau_c = showStress(*r.tauC, s.tauC, s.tauCFails);
    } else {
        for (Label* l : {r.sigmaC, r.sigmaS}) l->setCaption("");
        if (s.hasShear) r.tauC->setCaption("");
        v.Sigma_c = v.Sigma_s = 0.0f;
        if (s.hasShear) v.Tau_c = 0.0f;
    }
    if (!s.hasShear) r.tauC->setCaption("――");
    const bool passes = s.passes();
    r.verdict->setForeColor(passes ? kColorBlack : kColorFailing);
    r.verdict->setCaption(passes ? "O.K" : "NG");
    if (!passes) host().beep();
}

}  // namespace pelzaro
