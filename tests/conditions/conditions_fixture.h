#pragma once
// A new project with the design-conditions page open, and helpers that fill it the way a user
// does.

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/scenario.h"

namespace pelzaro {

class ConditionsPage : public ScenarioTest {
  protected:
    Form3* page = nullptr;

    void SetUp() override {
        startNewProject();
        page = &conditionsPage();
    }
    Form3& f() { return *page; }

    // Every input of a normal-case design under the residential-land standard, KA computed;
    // the messages of the filling forgotten.
    void fillNormalCase() {
        fillNormalCaseConditions();
        host.clearRecords();
    }

    // Switches to the seismic case with method K1 (Mononobe-Okabe), Kh 0.2, Kv 0, KA computed.
    void makeSeismic() {
        switchToSeismicCase(&Form25::opt_K1);
        host.clearRecords();
    }

    bool caretAtStartOf(const TextBox& t) {
        return t.hasFocus() && t.SelStart() == 0 && t.SelLength() == 0;
    }
    bool wholeTextSelected(const TextBox& t) {
        return t.hasFocus() && t.SelStart() == 0 && t.SelText() == t.Text();
    }
};

}  // namespace pelzaro
