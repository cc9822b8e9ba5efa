#pragma once
// Builds a complete project the way an engineer does, page by page, so that the sample files
// under tests/data/projects are written by the program itself: design conditions, seismic
// coefficients, ground shape, dimensions, check methods, shear key, stability check, member
// design with bar kinds and spacings, stress check.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form21.h"
#include "stability/form23.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/member_design.h"
#include "support/test_host.h"

namespace pelzaro {

struct SampleSpec {
    const char* file;
    bool road = false;  // road earthwork guideline, otherwise residential land
    bool seismic = false;
    char method = '1';  // seismic load method: '1' K1, '2' K2, 'D' D1
    bool twoSided = false;
    bool toe = true;
    bool heel = true;
    bool key = false;  // one-sided walls only
    const char* site = "大阪府大阪市北区１－２";
};

class SampleBuilder {
  public:
    SampleBuilder(App& app, TestHost& host) : app_(app), host_(host) {}

    // Leaves the project with its stress check done; returns false (with a test failure
    // recorded) where a page refused.
    bool build(const SampleSpec& s) {
        app_.get<MDIForm1>().FileNew();
        conditions(s);
        Form23& shapes = app_.get<Form23>();
        (s.twoSided ? shapes.opt2 : shapes.opt1).click();
        shapes.cmd1.click();
        dimensions(s);
        if (!app_.get<Form4>().stabilityDisplayCurrent()) return fail("stability", s);
        app_.get<Form4>().cmd1.click();
        members();
        if (app_.m.Flg_Ouryoku != 1) return fail("stress check", s);
        return true;
    }

  private:
    bool fail(const char* step, const SampleSpec& s) {
        std::string said;
        for (const std::string& t : host_.messageTexts()) said += t + " / ";
        ADD_FAILURE() << s.file << ": " << step << " did not complete; messages: " << said;
        return false;
    }

    static void enter(TextBox& box, const std::string& text) {
        box.click();
        box.userEdit(text);
    }

    void conditions(const SampleSpec& s) {
        Form3& f = app_.get<Form3>();
        (s.road ? f.opt_D : f.opt_T).click();
        (s.seismic ? f.cmd2 : f.cmd1).click();
        enter(f.txt1, s.site);
        enter(f.txt2, s.road ? "24" : "21");
        enter(f.txt3, s.road ? "180" : "195");
        if (s.seismic) enter(f.txt13, "295");
        enter(f.txt4, "150");
        enter(f.txt5, "18");
        enter(f.txt6, "24.5");
        f.cbo1.pick(2);  // 砂質土
        enter(f.txt8, "30");
        enter(f.txt12, "20");
        f.cbo2.pick(2);
        enter(f.txt11, "30");
        f.opt6.click();  // μ = tan φB
        if (s.seismic) seismicCoefficients(s);
        if (s.seismic) {
            f.cmd7.click();  // δ on the virtual back face
        } else {
            enter(f.txt10, "20");
        }
        f.cmd6.click();  // KA computed
        f.cmd3.click();
    }

    void seismicCoefficients(const SampleSpec& s) {
        char method = s.method;
        bool road = s.road;
        host_.onModal<Form25>([method, road](Form25& d) {
            (method == '1' ? d.opt_K1 : method == '2' ? d.opt_K2 : d.opt_D1).click();
            d.Text1.setText(road ? "0.16" : "0.2");
            d.Text2.setText("0");
            if (road) d.opt_B.click();
            d.cmd1.click();
        });
        app_.get<Form3>().cmd4.click();
    }

    void dimensions(const SampleSpec& s) {
        Form4& p = app_.get<Form4>();
        std::vector<std::pair<TextBox*, const char*>> values = {
            {&p.txt1, "3"},    {&p.txt2, "Ｕ－１"}, {&p.txt5, "2.0"},  {&p.txt6, "0.3"},
            {&p.txt7, "0.25"}, {&p.txt8, "0.05"},   {&p.txt9, "0.25"}, {&p.txt10, "0.05"},
            {&p.txt13, "0.3"}, {&p.txt14, "2.0"},   {&p.txt15, "0.3"}, {&p.txt17, "0.4"},
            {&p.txt20, "0.5"}, {&p.txt21, "10"},    {&p.txt22, "5"}};
        if (!s.twoSided) {
            values.insert(values.end(), {{&p.txt3, "0.5"}, {&p.txt4, "0.8"}, {&p.txt23, "5"}});
        }
        values.insert(values.end(), {{&p.txt12, s.toe ? "0.5" : "0"},
                                     {&p.txt18, s.toe ? "0.3" : "0"},
                                     {&p.txt16, s.heel ? "0.6" : "0"},
                                     {&p.txt19, s.heel ? "0.3" : "0"}});
        for (const auto& [box, text] : values) enter(*box, text);
        p.txt20.click();  // leaving the toe and heel boxes applies their pair rules
        if (!s.twoSided) {
            p.opt1.click();
            if (p.Frame2.Visible()) p.opt3.click();
        }
        checkMethods(s);
        if (s.key) shearKey(s);
        p.cmd3.click();
    }

    void checkMethods(const SampleSpec& s) {
        if (s.seismic) {
            host_.onModal<Form21>([](Form21& d) {
                d.opt9.click();
                d.opt5.click();
                d.cmd1.click();
            });
        } else {
            host_.onModal<Form14>([](Form14& d) {
                d.opt6.click();
                d.cmd1.click();
            });
        }
        app_.get<Form4>().cmd4.click();
    }

    void shearKey(const SampleSpec& s) {
        auto fill = [](auto& d) {
            d.txt1.setText("0.4");
            d.txt2.setText("1.8");
            d.txt3.setText("0.4");
            d.cmd1.click();
        };
        if (s.road) {
            host_.onModal<Form26>([fill](Form26& d) { fill(d); });
        } else {
            host_.onModal<Form19>([fill](Form19& d) { fill(d); });
        }
        app_.get<Form4>().opt6.click();
        app_.get<Form4>().cmd5.click();
    }

    void members() { designEveryRow(app_.get<Form7>()); }

    App& app_;
    TestHost& host_;
};

}  // namespace pelzaro
