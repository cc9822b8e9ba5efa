// The results display: runs the stability calculation and writes the verdict rows. A row
// passes at its limit; the limits are compared in single precision.

#include <cmath>

#include "forms/app.h"
#include "forms/host.h"
#include "forms/palette.h"
#include "frame/mdiform1.h"
#include "numeric/format.h"
#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form21.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "stability/links.h"
#include "state/module1.h"  // before <cmath>, whose M_E would clash

namespace pelzaro {

namespace {
// A safety factor or d passes at or above its limit.
Verdict atLeast(const char* name, float value, float limit, const char* passText,
                const char* failText) {
    return {name, value, value >= limit, passText, failText};
}

// The eccentricity, shown without its sign, passes at or below B/n.
Verdict eccentricityWithin(float e, float baseWidth, int n, const char* passText,
                           const char* failText) {
    float limit = baseWidth / static_cast<float>(n);
    float size = std::fabs(e);
    return {"e(m)=", size, size <= limit, passText, failText};
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
    MDIForm1& frame = app().get<MDIForm1>();
    Toolbar& bar = frame.Toolbar1;
    bar.button(5).enabled = true;
    bar.button(6).enabled = true;
    if (!frame.CommonDialog1_FileName.empty()) bar.button(3).enabled = true;
    if (!memberStressShown(app())) bar.button(3).enabled = false;
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
            return atLeast("F =", m.F_Tentou, 1.5f, "> 1.5∴O.K", "< 1.5∴NG");
        case Criterion::F10:
            return atLeast("F =", m.F_Tentou, 1.0f, "> 1.0∴O.K", "< 1.0∴NG");
        case Criterion::F12:
            return atLeast("F =", m.F_Tentou, 1.2f, "> 1.2∴O.K", "< 1.2∴NG");
        case Criterion::DB3:
            return atLeast("d(m)=", m.d, m.B / 3.0f, "> B/3∴O.K", "< B/3∴NG");
        case Criterion::EB6:
            return eccentricityWithin(m.e, m.B, 6, "< B/6∴O.K", "> B/6∴NG");
        case Criterion::EB2:
            return eccentricityWithin(m.e, m.B, 2, "< B/2∴O.K", "> B/2∴NG");
        default:
            return eccentricityWithin(m.e, m.B, 3, "< B/3∴O.K", "> B/3∴NG");
    }
}
}  // namespace

// The first row and, for a combined criterion, the second, by the chosen option of the
// dialog of the current case; the other case's dialog plays no part.
void Form4::writeOverturningRows() {
    Criterion first = Criterion::None, second = Criterion::None;
    if (caseNormal(app())) {
        const Form14& d = app().get<Form14>();
        first = d.opt1.Value() || d.opt6.Value() ? Criterion::F15
                : d.opt2.Value()                 ? Criterion::DB3
                : d.opt3.Value()                 ? Criterion::EB6
                                                 : Criterion::None;
        if (d.opt6.Value()) second = Criterion::EB6;
    } else if (caseSeismic(app())) {
        const Form21& d = app().get<Form21>();
        first = d.opt1.Value() || d.opt9.Value()    ? Criterion::F10
                : d.opt2.Value() || d.opt10.Value() ? Criterion::F12
                : d.opt3.Value()                    ? Criterion::EB2
                : d.opt4.Value()                    ? Criterion::EB3
                                                    : Criterion::None;
        second = d.opt9.Value()    ? Criterion::EB2
                 : d.opt10.Value() ? Criterion::EB3
                                   : Criterion::None;
    }
    if (first != Criterion::None) {
        writeRow(lbl52, lbl53, lbl54, overturningVerdict(first, state()), true);
    }
    if (second != Criterion::None) {
        writeRow(lbl46, lbl47, lbl48, overturningVerdict(second, state()), true);
    }
}

void Form4::writeBearingRow() {
    const Module1& m = state();
    bool pass = m.Sigma_max <= m.Qa;
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
        Verdict v = atLeast("F =", f, 1.5f, "> 1.5 ∴O.K", "< 1.5 ∴NG");
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
    if (!caseSeismic(app())) return;
    const Form21& d = app().get<Form21>();
    if (d.opt5.Value()) {
        writeRow(lbl64, lbl65, lbl66, atLeast("F =", f, 1.0f, "> 1.0 ∴O.K", "< 1.0 ∴NG"), true);
    } else if (d.opt6.Value()) {
        writeRow(lbl64, lbl65, lbl66, atLeast("F =", f, 1.2f, "> 1.2 ∴O.K", "< 1.2 ∴NG"), true);
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
        writeRow(lbl68, lbl69, lbl70, atLeast("F =", m.F_Katsudou, 1.0f, "> 1.0 ∴O.K", "< 1.0 ∴NG"),
                 true);
        for (Label* l : {&lbl67, &lbl68, &lbl69, &lbl70}) l->setVisible(true);
    }
    if (caseNormal(app())) {
        writeRow(lbl64, lbl65, lbl66, atLeast("F =", m.F_Tokki, 1.5f, "> 1.5 ∴O.K", "< 1.5 ∴NG"),
                 true);
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
