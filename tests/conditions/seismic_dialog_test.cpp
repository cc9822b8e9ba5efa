// The seismic-coefficient dialog: its set-up by the standard, the checks of OK in their order,
// Jisin, and what OK and Cancel do to the page.

#include <cmath>
#include <string>
#include <vector>

#include "conditions_fixture.h"

namespace pelzaro {
namespace {

class SeismicDialog : public ConditionsPage {
  protected:
    // Opens the dialog from the page and runs `script` while it is shown.
    void open(std::function<void(Form25&)> script) {
        host.onModal<Form25>(script);
        f().cmd4.click();
    }
    void seismicPage(bool road) {
        (road ? f().opt_D : f().opt_T).click();
        f().cmd2.click();
        host.clearRecords();
    }
};

struct OkCheck {
    const char* why;
    bool road;
    std::function<void(Form25&)> fill;
    const char* message;
    const char* focus;
    bool caretAtStart;
};

class SeismicOkChecks : public SeismicDialog, public ::testing::WithParamInterface<OkCheck> {};

TEST_P(SeismicOkChecks, FirstFailureSpeaksAndTheDialogStaysOpen) {
    const OkCheck& c = GetParam();
    seismicPage(c.road);
    bool stillShown = false;
    std::string focused;
    bool caret = false;
    open([&](Form25& d) {
        c.fill(d);
        d.cmd1.click();
        stillShown = d.Visible();
        Control* at = d.ActiveControl();
        focused = at ? at->name() : "";
        if (at && at->kind() == ControlKind::TextBox) {
            auto* t = static_cast<TextBox*>(at);
            caret = t->SelStart() == 0 && t->SelLength() == 0;
        }
        d.cmd2.click();
    });
    ASSERT_EQ(host.messages.size(), 1u) << c.why;
    EXPECT_EQ(host.lastMessage().text, c.message) << c.why;
    EXPECT_TRUE(stillShown) << c.why;
    EXPECT_EQ(focused, c.focus) << c.why;
    EXPECT_EQ(caret, c.caretAtStart) << c.why;
    EXPECT_FLOAT_EQ(app.m.Kv, 0) << c.why;  // nothing stored
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, SeismicOkChecks,
    ::testing::Values(OkCheck{"no method", false, [](Form25& d) { d.Text1.type("0.2"); },
                              "地震時水平荷重の計算方法を選択してください。", "opt_K1", false},
                      OkCheck{"no Kh", false, [](Form25& d) { d.opt_K2.click(); },
                              "水平震度を入力して下さい。", "Text1", true},
                      OkCheck{"no Kv", false,
                              [](Form25& d) {
                                  d.opt_K2.click();
                                  d.Text1.type("0.2");
                              },
                              "鉛直震度を入力して下さい。", "Text2", true},
                      OkCheck{"road guideline without a zone", true,
                              [](Form25& d) {
                                  d.opt_D1.click();
                                  d.Text1.type("0.2");
                                  d.Text2.type("0.1");
                              },
                              "地域別補正係数を選択して下さい。", "opt_A", false},
                      OkCheck{"Kh beyond single precision", false,
                              [](Form25& d) {
                                  d.opt_K1.click();
                                  d.Text1.type("1e39");
                                  d.Text2.type("0.1");
                              },
                              "水平震度が大きすぎます。正しい値を入力してください。", "Text1",
                              true}));

TEST_F(SeismicDialog, SetUpForTheStandardEachTimeItOpens) {
    seismicPage(false);
    bool zoneShown = true;
    std::string label;
    open([&](Form25& d) {
        zoneShown = d.frm1.Visible();
        label = d.Label7.Caption();
        d.cmd2.click();
    });
    EXPECT_FALSE(zoneShown);
    EXPECT_EQ(label, "設計水平震度  Kh=");
    f().opt_D.click();
    open([&](Form25& d) {
        zoneShown = d.frm1.Visible();
        label = d.Label7.Caption();
        d.cmd2.click();
    });
    EXPECT_TRUE(zoneShown);
    EXPECT_EQ(label, "設計水平震度標準値 Kho=");
}

TEST_F(SeismicDialog, ValidationOpensItSetUpForTheRoadGuideline) {
    fillNormalCase();
    f().opt_T.click();
    f().cmd2.click();
    open([](Form25& d) { d.cmd2.click(); });  // configured for residential land: zones hidden
    f().opt_D.click();
    f().cbo1.pick(1);
    f().cbo2.pick(1);
    f().txt13.type("295");
    f().txt10.type("15");
    f().txt15.click();
    f().txt15.type("0.4");
    host.clearRecords();
    bool zoneShown = false;
    host.onModal<Form25>([&](Form25& d) {
        zoneShown = d.frm1.Visible();
        d.cmd2.click();
    });
    f().cmd3.click();
    EXPECT_EQ(host.lastMessage().text, "地震時水平荷重の計算方法を選択してください。");
    EXPECT_TRUE(zoneShown);
}

TEST_F(SeismicDialog, RoadGuidelineKhIsKhoTimesZoneFactor) {
    seismicPage(true);
    answerSeismicDialog(&Form25::opt_D1, "0.2", "0.1", &Form25::opt_B);
    f().cmd4.click();
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
    EXPECT_DOUBLE_EQ(app.m.Kho, 0.2);
    EXPECT_DOUBLE_EQ(app.m.Cz, 0.85);
    EXPECT_FLOAT_EQ(app.m.Kh, 0.17f);
    EXPECT_FLOAT_EQ(app.m.Kv, 0.1f);
    EXPECT_FALSE(app.get<Form25>().Visible());
}

TEST_F(SeismicDialog, ResidentialLandLargeEarthquakeTriplesTheBearingCapacity) {
    fillNormalCase();
    f().cmd2.click();
    f().txt13.type("295");
    answerSeismicDialog(&Form25::opt_K2, "0.25", "0");
    f().cmd4.click();
    EXPECT_FLOAT_EQ(app.m.Kh, 0.25f);
    f().HENSUU();
    EXPECT_FLOAT_EQ(app.m.Qa, 300);
}

TEST_F(SeismicDialog, NoStandardKeepsKhAndStoresKv) {
    f().cmd2.click();
    app.m.Kh = 0.11f;
    answerSeismicDialog(&Form25::opt_K2, "0.3", "0.05");
    f().cmd4.click();
    EXPECT_FLOAT_EQ(app.m.Kh, 0.11f);
    EXPECT_FLOAT_EQ(app.m.Kv, 0.05f);
}

TEST_F(SeismicDialog, OkResetsKaAndAllowsTypingOnlyForTheInertiaMethod) {
    fillNormalCase();
    f().cmd2.click();
    f().txt15.click();
    f().txt15.type("0.4");
    answerSeismicDialog(&Form25::opt_K1, "0.2", "0");
    f().cmd4.click();
    EXPECT_EQ(f().txt15.Text(), "");
    EXPECT_FALSE(f().opt1.Value() || f().opt2.Value());
    EXPECT_FALSE(f().cmd5.Enabled());
    EXPECT_FALSE(f().opt1.Enabled());
    host.onModal<Form25>([](Form25& d) {
        d.opt_K2.click();
        d.cmd1.click();
    });
    f().cmd4.click();
    EXPECT_TRUE(f().cmd5.Enabled());
    EXPECT_TRUE(f().opt1.Enabled());
}

// What was typed since the dialog opened is thrown away: the fields and options show again
// the coefficients the results were computed with, so that a saved project holds them.
TEST_F(SeismicDialog, CancelPutsBackWhatTheDialogShowedWhenItOpened) {
    seismicPage(false);
    answerSeismicDialog(&Form25::opt_K2, "0.2", "0.1");
    f().cmd4.click();
    struct Way {
        const char* why;
        std::function<void(Form25&)> leave;
    };
    const Way ways[] = {
        {"キャンセル", [](Form25& d) { d.cmd2.click(); }},
        {"the close box or Escape", [](Form25& d) { d.userClose(); }},
    };
    for (const Way& way : ways) {
        open([&](Form25& d) {
            d.Text1.click();
            d.Text1.type("0.32");
            d.Text2.click();
            d.Text2.type("0.5");
            d.opt_D1.click();
            way.leave(d);
            EXPECT_FALSE(d.Visible()) << way.why;
        });
        Form25& d = app.get<Form25>();
        EXPECT_FLOAT_EQ(app.m.Kh, 0.2f) << way.why;
        EXPECT_FLOAT_EQ(app.m.Kv, 0.1f) << way.why;
        EXPECT_EQ(d.Text1.Text(), "0.2") << way.why;
        EXPECT_EQ(d.Text2.Text(), "0.1") << way.why;
        EXPECT_TRUE(d.opt_K2.Value()) << way.why;
        EXPECT_FALSE(d.opt_D1.Value()) << way.why;
    }
}

TEST_F(SeismicDialog, FieldsSelectAndEnterMovesToOk) {
    seismicPage(false);
    open([](Form25& d) {
        d.Text1.type("0.2");
        d.Text1.click();
        EXPECT_EQ(d.Text1.SelText(), "0.2");
        d.Text1.pressEnter();
        EXPECT_TRUE(d.Text2.hasFocus());
        d.Text2.pressEnter();
        EXPECT_TRUE(d.cmd1.hasFocus());
        EXPECT_TRUE(d.Visible());  // focused, not pressed
        d.cmd2.click();
    });
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace pelzaro
