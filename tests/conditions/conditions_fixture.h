#pragma once
// A new project with the design-conditions page open, and helpers that fill it the way a user
// does.

#include <gtest/gtest.h>

#include <string>

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/test_host.h"

namespace pelzaro {

class ConditionsPage : public ::testing::Test {
  protected:
    TestHost host;
    App app{host};
    Form3* page = nullptr;

    void SetUp() override {
        app.get<MDIForm1>().FileNew();
        page = &app.get<Form3>();
    }
    Form3& f() { return *page; }

    // Every input of a normal-case design under the residential-land standard, KA computed.
    void fillNormalCase() {
        Form3& p = f();
        p.opt_T.click();
        p.txt1.type("東京都");
        p.txt2.type("21");
        p.txt3.type("180");
        p.txt4.type("100");
        p.txt5.type("18");
        p.txt6.type("24");
        p.cbo1.pick(2);
        p.txt8.type("30");
        p.txt10.type("20");
        p.txt12.type("20");
        p.cbo2.pick(2);
        p.txt11.type("30");
        p.opt5.click();
        p.txt9.type("0.5");
        p.cmd6.click();
        host.clearRecords();
    }

    // The seismic dialog answered with a method, Kh, Kv and (road guideline) a zone.
    void answerSeismicDialog(OptionButton Form25::*method, const std::string& kh,
                             const std::string& kv, OptionButton Form25::*zone = nullptr) {
        host.onModal<Form25>([=](Form25& d) {
            (d.*method).click();
            d.Text1.type(kh);
            d.Text2.type(kv);
            if (zone != nullptr) (d.*zone).click();
            d.cmd1.click();
        });
    }

    // Switches to the seismic case with method K1 (Mononobe-Okabe), Kh 0.2, Kv 0, KA computed.
    void makeSeismic() {
        Form3& p = f();
        p.cmd2.click();
        p.txt13.type("295");
        answerSeismicDialog(&Form25::opt_K1, "0.2", "0");
        p.cmd4.click();
        p.txt10.type("15");
        p.cmd6.click();
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
