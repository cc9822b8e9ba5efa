// The results display: runs the stability calculation and writes the verdict rows. A row
// passes at its limit; the limits are compared in single precision.

#include <cmath>

#include "forms/app.h"
#include "forms/host.h"
#include "forms/palette.h"
#include "frame/mdiform1.h"
#include "numeric/format.h"
#include "report/page_choices.h"
#include "stability/calc/verdicts.h"
#include "stability/form19.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "stability/links.h"
#include "state/module1.h"  // before <cmath>, whose M_E would clash

namespace pelzaro {

namespace {
const char* limitText(FactorLimit limit) {
    switch (limit) {
        case FactorLimit::F15:
            return "1.5";
        case FactorLimit::F10:
            return "1.0";
        case FactorLimit::F12:
            break;
    }
    return "1.2";
}

// A safety factor against its limit; `gap` separates the number from "∴".
Verdict factorVerdict(float factor, FactorLimit limit, const char* gap) {
    const std::string l = limitText(limit);
    return {"F =", factor, factorPasses(factor, limit), "> " + l + gap + "∴O.K",
            "< " + l + gap + "∴NG"};
}

// The eccentricity, shown without its sign, against B/n.
Verdict eccentricityVerdict(float e, float baseWidth, int n) {
    const std::string l = "B/" + std::to_string(n);
    return {"e(m)=", std::fabs(e), eccentricityPasses(e, baseWidth, n), "< " + l + "∴O.K",
            "> " + l + "∴NG"};
}
}  // namespace

// Writes one row in its colour; a failure sounds one beep when the row calls for it.
void Form4::writeRow(Label& name, Label& value, Label& verdict, const Verdict& v, bool beepOnFail) {
    name.setCaption(v.name);
    value.setCaption(Format(v.value, "0.000"));
    verdict.setCaption(v.pass ? v.passText : v.failText);
    int colour = v.pass ? kColorBlack : kColorFailing;
    for (Label* l : {&name, &value, &verdict}) l->setForeColor(colour);
    if (!v.pass && beepOnFail) host().beep();
}

void Form4::clearRows() {
    for (Label* l : {&lbl46, &lbl47, &lbl48, &lbl52, &lbl53, &lbl54, &lbl64, &lbl65, &lbl66, &lbl68,
                     &lbl69, &lbl70}) {
        l->setCaption("");
        l->setForeColor(kColorBlack);
    }
}

void Form4::enableResultButtons() {
    Toolbar& bar = app().get<MDIForm1>().Toolbar1;
    bar.button(5).enabled = true;
    bar.button(6).enabled = true;
}

void Form4::GamenHyouji() {
    ProgramAction busy(*this);
    enableResultButtons();
    DANMEM_1();
    showStabilityResults();
}

// Steps after the calculation: the rows of the shape, case and options from the design state.
void Form4::showStabilityResults() {
    ProgramAction busy(*this);
    displayCurrent_ = false;  // until every row of this run is written
    // A refused calculation leaves no result to show, save or print.
    if (state().Sigma_max == 0.0f) {
        Hihyouji_3();
        Hihyouji_2();
        return;
    }
    clearRows();
    bool oneSided = shapeOneSided(app());
    if (oneSided) writeOverturningRows();
    writeBearingRow();
    if (oneSided) writeSlidingRow();
    bool key = oneSided && opt6.Value();
    if (key && !keyCalculated()) {
        showPrompt(host(), "突起の計算をしてください。");
        prepareKeyDialog();
        return;
    }
    if (key) writeKeyRows();
    showRows(oneSided);
    if (shapeTwoSided(app())) printSymmetricNotes();
    displayCurrent_ = true;
}

namespace {
// The overturning criteria of the check-method dialogs.
enum class Criterion { None, F15, F10, F12, DB3, EB6, EB2, EB3 };

Verdict overturningVerdict(Criterion c, const Module1& m) {
    switch (c) {
        case Criterion::F15:
            return factorVerdict(m.F_Tentou, FactorLimit::F15, "");
        case Criterion::F10:
            return factorVerdict(m.F_Tentou, FactorLimit::F10, "");
        case Criterion::F12:
            return factorVerdict(m.F_Tentou, FactorLimit::F12, "");
        case Criterion::DB3:
            return {"d(m)=", m.d, resultantPasses(m.d, m.B), "> B/3∴O.K", "< B/3∴NG"};
        case Criterion::EB6:
            return eccentricityVerdict(m.e, m.B, 6);
        case Criterion::EB2:
            return eccentricityVerdict(m.e, m.B, 2);
        default:
            return eccentricityVerdict(m.e, m.B, 3);
    }
}

// The first row shows the safety factor when the criterion has one; a combined criterion
// shows its eccentricity limit in the second row.
Criterion firstRow(const OverturningChecks& k) {
    return k.F15   ? Criterion::F15
           : k.F10 ? Criterion::F10
           : k.F12 ? Criterion::F12
           : k.dB3 ? Criterion::DB3
           : k.eB6 ? Criterion::EB6
           : k.eB2 ? Criterion::EB2
           : k.eB3 ? Criterion::EB3
                   : Criterion::None;
}

Criterion secondRow(const OverturningChecks& k) {
    return k.F15 && k.eB6   ? Criterion::EB6
           : k.F10 && k.eB2 ? Criterion::EB2
           : k.F12 && k.eB3 ? Criterion::EB3
                            : Criterion::None;
}
}  // namespace

// The rows of the criteria that the dialog of the current case chooses; the other case's
// dialog plays no part.
void Form4::writeOverturningRows() {
    const OverturningChecks checks = overturningChecks(readPageChoices(app()));
    const Criterion first = firstRow(checks), second = secondRow(checks);
    if (first != Criterion::None) {
        writeRow(lbl52, lbl53, lbl54, overturningVerdict(first, state()), true);
    }
    if (second != Criterion::None) {
        writeRow(lbl46, lbl47, lbl48, overturningVerdict(second, state()), true);
    }
}

void Form4::writeBearingRow() {
    const Module1& m = state();
    bool pass = bearingPasses(m.Sigma_max, m.Qa);
    lbl56.setCaption("σmax=");
    lbl57.setCaption(Format(m.Sigma_max, "0.000"));
    lbl58.setCaption("kN/m2");
    lbl59.setCaption(pass ? "<" : ">");
    lbl60.setCaption(Format(m.Qa, "0.0"));
    lbl61.setCaption("kN/m2");
    lbl62.setCaption(pass ? "∴O.K" : "∴NG");
    for (Label* l : {&lbl56, &lbl57, &lbl58, &lbl59, &lbl60, &lbl61, &lbl62}) {
        l->setForeColor(pass ? kColorBlack : kColorFailing);
    }
}

// The sliding row from the factor without a key. In the normal case with a key the key row
// decides, so a key-free value below 1.5 is coloured but neither judged nor sounded here.
void Form4::writeSlidingRow() {
    float f = state().F_Katsudou;
    if (caseNormal(app())) {
        Verdict v = factorVerdict(f, FactorLimit::F15, " ");
        if (v.pass || opt5.Value()) {
            writeRow(lbl64, lbl65, lbl66, v, true);
            return;
        }
        lbl64.setCaption(v.name);
        lbl65.setCaption(Format(f, "0.000"));
        for (Label* l : {&lbl64, &lbl65, &lbl66}) l->setForeColor(kColorFailing);
        return;
    }
    writeSeismicSliding(f);
}

void Form4::writeSeismicSliding(float f) {
    const PageChoices choices = readPageChoices(app());
    if (!choices.case_S) return;
    if (std::optional<FactorLimit> limit = slidingLimit(choices)) {
        writeRow(lbl64, lbl65, lbl66, factorVerdict(f, *limit, " "), true);
    }
}

bool Form4::keyCalculated() {
    if (standardResidential(app())) return !app().get<Form19>().txt1.Text().empty();
    if (standardRoad(app())) return !app().get<Form26>().txt1.Text().empty();
    return true;
}

void Form4::writeKeyRows() {
    const Module1& m = state();
    if (standardResidential(app())) {
        writeRow(lbl68, lbl69, lbl70, factorVerdict(m.F_Katsudou, kSlidingLimitBeforeKey, " "),
                 true);
        for (Label* l : {&lbl67, &lbl68, &lbl69, &lbl70}) l->setVisible(true);
    }
    if (caseNormal(app())) {
        writeRow(lbl64, lbl65, lbl66, factorVerdict(m.F_Tokki, FactorLimit::F15, " "), true);
    } else {
        writeSeismicSliding(m.F_Tokki);
    }
}

void Form4::showRows(bool oneSided) {
    if (oneSided) {
        for (Label* l : {&lbl46, &lbl47, &lbl48, &lbl52, &lbl53, &lbl54, &lbl64, &lbl65, &lbl66}) {
            l->setVisible(true);
        }
    }
    for (Label* l : {&lbl56, &lbl57, &lbl58, &lbl59, &lbl60, &lbl61, &lbl62}) l->setVisible(true);
}

}  // namespace pelzaro
