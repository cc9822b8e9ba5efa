#pragma once
// A member-design page driven without a display: the main window (for its toolbar), the page,
// and helpers that put a row into the state a bar-kind choice leaves behind.

#include <gtest/gtest.h>

#include <string>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/calc/bar_table.h"
#include "members/form22.h"
#include "members/form7.h"
#include "members/page_calc.h"
#include "state/module1.h"
#include "support/scenario.h"

namespace pelzaro {

struct MemberPageTest : ScenarioTest {
    Form7& page = shown<Form7>(app);
    // The member page stands on a stability result, as the page is only reached through one.
    MemberPageTest() { app.m.Sigma_max = 100.0f; }
    // The result again after a reset of the conditions on the way withdrew it, shown on the wall
    // page, as a user who reached the member page has it.
    void showTheStabilityResult() {
        app.m.Sigma_max = 100.0f;
        wallPage().showStabilityResults();
        host.clearRecords();
    }

    void withParts(bool heel, bool toe, bool key) {
        app.m.B_Kakato = heel ? 0.6f : 0.0f;
        app.m.B_Tumasaki = toe ? 0.5f : 0.0f;
        app.m.H0 = key ? 0.4f : 0.0f;
        for (char letter : {'F', 'G', 'H'}) {
            const bool shown = letter == 'F' ? heel : letter == 'G' ? toe : key;
            const Form7Row& r = page.row(letter);
            r.barKind->setVisible(shown);
            r.designSpacing->setVisible(shown);
            r.computedSpacing->setVisible(shown);
            r.cover->setVisible(shown);
            r.caption->setVisible(shown);
        }
    }
    // A project with its file and a stability result standing, print image offered: saving
    // is then offered exactly while the stress check stands (Flg_Ouryoku, set by the test).
    void enableSaveAndPrint() {
        app.m.Sigma_max = 100.0f;
        main.CommonDialog1_FileName = "wall.qkz";
        main.Toolbar1.button(5).enabled = true;
    }
    bool saveEnabled() const { return main.Toolbar1.button(3).isEnabled(); }
    bool printImageEnabled() const { return main.Toolbar1.button(5).isEnabled(); }

    // The row as a bar-kind choice leaves it: bar kind shown, bar data, forces and the
    // computed spacing in the state and on the label; the design spacing typed.
    void prepareRow(char letter, int barKind, float moment, float shear, float depthCm,
                    float requiredMm, const std::string& spacing) {
        const Form7Row& r = page.row(letter);
        r.barKind->setText(r.barKind->List(barKind));
        const members::PartFields& f = fieldsOf(letter);
        app.m.*f.a1 = members::barKindAt(barKind)->areaCm2;
        app.m.*f.M = moment;
        app.m.*f.S = shear;
        app.m.*f.d = depthCm;
        app.m.*f.KankakuReq = requiredMm;
        r.computedSpacing->setCaption(std::to_string(static_cast<int>(requiredMm)));
        r.designSpacing->setText(spacing);
    }
    // Every existing row valid and passing comfortably.
    void prepareAllRows() {
        for (const Form7Row& r : page.rows()) {
            prepareRow(r.letter, 4, 500000.0f, 10000.0f, 40.0f, 300.0f, "200");
        }
    }
    void allowables(float sigmaCa, float sigmaSa, float tauA1) {
        app.m.Sigma_ca = sigmaCa;
        app.m.Sigma_sa = sigmaSa;
        app.m.Sigma_sa_N = sigmaSa;
        app.m.Tau_a1 = tauA1;
    }
    std::vector<std::string> results(char letter) const {
        const Form7Row& r = page.row(letter);
        return {r.sigmaC->Caption(), r.sigmaS->Caption(), r.tauC->Caption(), r.verdict->Caption()};
    }
    void fillResults(char letter) {
        const Form7Row& r = page.row(letter);
        for (Label* l : {r.sigmaC, r.sigmaS, r.tauC, r.verdict}) l->setCaption("x");
    }
};

}  // namespace pelzaro
