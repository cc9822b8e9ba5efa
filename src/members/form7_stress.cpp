// "応力度計算": the validation of the rows, then the working-stress check of every part that
// exists, with its values, colours, verdicts and one beep per failing row.

#include "forms/host.h"
#include "forms/palette.h"
#include "members/form7.h"
#include "members/page_calc.h"
#include "members/page_context.h"
#include "numeric/format.h"
#include "numeric/lenient.h"
#include "numeric/single_store.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
float spacingOf(const Form7Row& r) {
    return singleOrZero(Val(r.designSpacing->Text()));
}

void showValue(Label& label, const std::string& text, bool fails) {
    label.setForeColor(fails ? kColorFailing : kColorBlack);
    label.setCaption(text);
}
}  // namespace

void Form7::cmd1_Click() {
    // The typed spacings are kept even when a check then fails.
    for (const Form7Row& r : rows_) state().*fieldsOf(r.letter).Kankaku = spacingOf(r);
    if (!barKindsChosen() || !spacingsEntered() || !spacingsWithinComputed()) return;
    // The rows rest on the stability result: where it is withdrawn, or the wall page has
    // withdrawn its rows (a shear key chosen and not yet calculated), no member design stands.
    if (!stabilityResultShown(app())) {
        showError(host(), "安定性の検討をしてください。");
        return;
    }
    state().Flg_Ouryoku = 1;
    Ouryoku_1();
    Ouryoku_2();
    Ouryoku_5();
    Ouryoku_6();
    Ouryoku_7();
    if (heelExists(app())) Ouryoku_8();
    if (toeExists(app())) Ouryoku_9();
    if (keyExists(app())) Ouryoku_10();
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

// A spacing of zero or less gives no section to check: it counts as no spacing at all, and so
// does one that the report would print as 0 mm (a few thousandths, or 1e-45).
bool Form7::spacingsEntered() {
    for (const Form7Row& r : rows_) {
        if (!r.designSpacing->Visible()) continue;
        if (!r.designSpacing->Text().empty() && Val(Format(spacingOf(r), "0")) > 0.0) continue;
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
        const members::PartFields& f = fieldsOf(r.letter);
        if (!(state().*f.KankakuReq < state().*f.Kankaku)) continue;
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
    showStressResults(r, checkRowStress(app(), letter, spacingOf(r)));
}

// The values as the state keeps them (three decimals), each coloured by its own verdict; the
// slab centre has no shear check. A section that gives no stress (no spacing, depth or
// steel) shows no values and fails.
void Form7::showStressResults(const Form7Row& r, const members::StressResult& s) {
    const bool shear = r.letter != 'C';
    showValue(*r.sigmaC, s.sigmaCText, s.sigmaCFails);
    showValue(*r.sigmaS, s.sigmaSText, s.sigmaSFails);
    if (shear) {
        showValue(*r.tauC, s.tauCText, s.tauCFails);
    } else {
        r.tauC->setCaption("――");
    }
    const bool passes = s.ok() && s.passes;
    showValue(*r.verdict, passes ? "O.K" : "NG", !passes);
    if (!passes) host().beep();
}

}  // namespace pelzaro
