// The text fields of the design-conditions page: selection, the Enter chain and what a click,
// a typed character or another edit throws away.

#include <functional>
#include <string>
#include <vector>

#include "conditions_fixture.h"

namespace pelzaro {
namespace {

// Both later pages shown, so that their hiding shows what a reaction invalidated.
class FieldReactions : public ConditionsPage {
  protected:
    void showLaterPages() {
        app.get<Form4>().Show();
        app.get<Form7>().Show();
    }
    bool form4Shown() { return app.get<Form4>().Visible(); }
    bool form7Shown() { return app.get<Form7>().Visible(); }
};

enum class Drops { Nothing, Page3, Pages23 };

struct InvalidationCase {
    const char* field;
    bool seismic;
    Drops byClick;
    Drops byTyping;
};

class InvalidationByField : public FieldReactions,
                            public ::testing::WithParamInterface<InvalidationCase> {};

TextBox& fieldNamed(Form3& p, const std::string& name) {
    return static_cast<TextBox&>(*p.find(name));
}

void expectDrops(Drops d, bool f4Shown, bool f7Shown, const std::string& what) {
    EXPECT_EQ(f4Shown, d != Drops::Pages23) << what;
    EXPECT_EQ(f7Shown, d == Drops::Nothing) << what;
}

TEST_P(InvalidationByField, ClickTypingAndOtherEditsThrowAwayTheDependentResults) {
    const InvalidationCase& c = GetParam();
    fillNormalCase();
    if (c.seismic) makeSeismic();
    TextBox& field = fieldNamed(f(), c.field);
    std::string kept = field.Text();

    showLaterPages();
    field.click();
    expectDrops(c.byClick, form4Shown(), form7Shown(), std::string(c.field) + " click");

    showLaterPages();
    field.type("1");
    expectDrops(c.byTyping, form4Shown(), form7Shown(), std::string(c.field) + " typing");

    // A paste, cut, drop or input-method commit counts as typing.
    showLaterPages();
    field.userEdit(kept);
    expectDrops(c.byTyping, form4Shown(), form7Shown(), std::string(c.field) + " edit");
}

INSTANTIATE_TEST_SUITE_P(
    EachField, InvalidationByField,
    ::testing::Values(InvalidationCase{"txt1", false, Drops::Nothing, Drops::Nothing},
                      InvalidationCase{"txt2", false, Drops::Pages23, Drops::Pages23},
                      InvalidationCase{"txt3", false, Drops::Pages23, Drops::Pages23},
                      InvalidationCase{"txt13", true, Drops::Pages23, Drops::Pages23},
                      InvalidationCase{"txt4", false, Drops::Pages23, Drops::Pages23},
                      InvalidationCase{"txt5", false, Drops::Pages23, Drops::Pages23},
                      InvalidationCase{"txt6", false, Drops::Pages23, Drops::Pages23},
                      InvalidationCase{"txt8", false, Drops::Pages23, Drops::Pages23},
                      InvalidationCase{"txt10", false, Drops::Pages23, Drops::Pages23},
                      InvalidationCase{"txt12", false, Drops::Page3, Drops::Page3},
                      InvalidationCase{"txt14", false, Drops::Pages23, Drops::Pages23},
                      InvalidationCase{"txt11", false, Drops::Pages23, Drops::Pages23},
                      InvalidationCase{"txt9", false, Drops::Pages23, Drops::Pages23},
                      InvalidationCase{"txt15", false, Drops::Pages23, Drops::Pages23}));

struct KaDropCase {
    const char* field;
    bool dropsOnClick;
    bool dropsOnTyping;
};

class ComputedKaDrop : public ConditionsPage, public ::testing::WithParamInterface<KaDropCase> {};

TEST_P(ComputedKaDrop, TheInputsOfTheCoefficientDropAComputedKa) {
    const KaDropCase& c = GetParam();
    fillNormalCase();
    ASSERT_TRUE(f().opt2.Value());
    std::string ka = f().txt15.Text();
    fieldNamed(f(), c.field).click();
    EXPECT_EQ(f().txt15.Text().empty(), c.dropsOnClick) << c.field;
    EXPECT_EQ(f().opt2.Value(), !c.dropsOnClick) << c.field;

    f().cmd6.click();  // computed again
    ASSERT_EQ(f().txt15.Text(), ka);
    fieldNamed(f(), c.field).type("5");
    EXPECT_EQ(f().txt15.Text().empty(), c.dropsOnTyping) << c.field;

    f().cmd6.click();
    fieldNamed(f(), c.field).userEdit("30");
    EXPECT_EQ(f().txt15.Text().empty(), c.dropsOnTyping) << c.field << " edit";
}

INSTANTIATE_TEST_SUITE_P(Fields, ComputedKaDrop,
                         ::testing::Values(KaDropCase{"txt8", true, true},
                                           KaDropCase{"txt10", true, true},
                                           KaDropCase{"txt9", true, false},
                                           KaDropCase{"txt2", false, false},
                                           KaDropCase{"txt12", false, false}));

TEST_F(ConditionsPage, TypedKaSurvivesTheClicksThatDropAComputedOne) {
    fillNormalCase();
    f().cmd5.click();
    f().txt15.type("0.4");
    for (TextBox* t : {&f().txt8, &f().txt9, &f().txt10}) t->click();
    EXPECT_EQ(f().txt15.Text(), "0.4");
    EXPECT_TRUE(f().opt1.Value());
}

TEST_F(ConditionsPage, StabilityDeltaEditDropsKaAndMarksDeltaTyped) {
    fillNormalCase();
    makeSeismic();
    f().cmd7.click();
    ASSERT_EQ(app.m.Flg_DeltaCalc, 1);
    f().cmd6.click();
    ASSERT_TRUE(f().opt2.Value());

    f().txt10.pressEnter();  // moving on keeps delta computed, drops the coefficient
    EXPECT_EQ(app.m.Flg_DeltaCalc, 1);
    EXPECT_EQ(f().txt15.Text(), "");

    f().cmd7.click();
    f().cmd6.click();
    f().txt10.userEdit("26");  // pasted: typed from now on
    EXPECT_EQ(app.m.Flg_DeltaCalc, 0);
    EXPECT_EQ(f().txt15.Text(), "");
    EXPECT_FALSE(f().opt2.Value());

    f().cmd7.click();
    f().txt10.click();
    EXPECT_EQ(app.m.Flg_DeltaCalc, 0);
}

TEST_F(ConditionsPage, ClickIntoMuOrKaDeclaresTheValueTyped) {
    fillNormalCase();
    f().opt6.click();  // mu from tan(phiB): no border
    ASSERT_EQ(f().txt9.BorderStyle, 0);
    f().txt9.click();
    EXPECT_EQ(f().txt9.BorderStyle, 1);
    EXPECT_TRUE(f().opt5.Value());
    EXPECT_TRUE(wholeTextSelected(f().txt9));
    f().txt15.click();
    EXPECT_EQ(f().txt15.BorderStyle, 1);
    EXPECT_TRUE(f().opt1.Value());
    f().opt8.click();
    f().txt14.click();
    EXPECT_EQ(f().txt14.BorderStyle, 1);
}

TEST_F(ConditionsPage, SelectionOnFocusClickAndDoubleClick) {
    f().txt2.setText("12345");
    f().txt2.dblClick();
    EXPECT_EQ(f().txt2.SelStart(), 5);  // caret after a short text
    EXPECT_EQ(f().txt2.SelLength(), 0);
    f().txt2.setText("123456789012");
    f().txt2.dblClick();
    EXPECT_EQ(f().txt2.SelText(), "12");  // a long text shows its tail selected
    f().txt1.setText(std::string(32, 'a'));
    f().txt1.dblClick();
    EXPECT_EQ(f().txt1.SelStart(), 30);
    f().txt5.setText("18");
    f().txt5.click();
    EXPECT_TRUE(wholeTextSelected(f().txt5));
}

// --- the Enter chain ---

std::vector<std::string> walk(Form3& p, Control& start, int presses) {
    std::vector<std::string> visited;
    Control* at = &start;
    for (int i = 0; i < presses; ++i) {
        if (at->kind() == ControlKind::TextBox)
            static_cast<TextBox*>(at)->pressEnter();
        else if (at->kind() == ControlKind::ComboBox)
            static_cast<ComboBox*>(at)->pressEnter();
        else
            break;
        at = p.ActiveControl();
        visited.push_back(at->name());
    }
    return visited;
}

TEST_F(ConditionsPage, EnterChainOfTheNormalCase) {
    f().txt1.click();
    std::vector<std::string> expected = {"txt2",  "txt3",  "txt4", "txt5",  "txt6",  "cbo1", "txt8",
                                         "txt10", "txt12", "cbo2", "txt14", "txt11", "opt5"};
    EXPECT_EQ(walk(f(), f().txt1, 13), expected);
    EXPECT_FALSE(f().opt5.Value());  // only focused
}

TEST_F(ConditionsPage, EnterChainVisitsTheShortTermFieldInTheSeismicCase) {
    f().cmd2.click();
    f().txt3.click();
    EXPECT_EQ(walk(f(), f().txt3, 2), (std::vector<std::string>{"txt13", "txt4"}));
}

TEST_F(ConditionsPage, EnterChainToTypedMuAndKaSelectsAndBorders) {
    f().opt5.click();
    f().txt9.setText("0.5");
    f().txt11.click();
    f().txt11.pressEnter();
    EXPECT_TRUE(wholeTextSelected(f().txt9));
    EXPECT_EQ(f().txt9.BorderStyle, 1);
    f().txt9.pressEnter();  // KA not typed: the button
    EXPECT_TRUE(f().cmd5.hasFocus());
    f().cmd5.click();
    f().txt9.click();
    f().txt9.pressEnter();
    EXPECT_TRUE(f().txt15.hasFocus());
    f().txt15.pressEnter();
    EXPECT_TRUE(f().cmd3.hasFocus());
    EXPECT_TRUE(host.messages.empty());  // focused, not pressed
}

TEST_F(ConditionsPage, EnterChainPassesOverADisabledStop) {
    fillNormalCase();
    makeSeismic();  // seismic earth pressure: "直接入力" disabled
    ASSERT_FALSE(f().cmd5.Enabled());
    f().txt9.click();
    f().txt9.pressEnter();
    EXPECT_TRUE(f().cmd6.hasFocus());
}

TEST_F(ConditionsPage, InputMethodOffForNumbersOnForTheSite) {
    EXPECT_EQ(f().txt1.IMEMode, ImeMode::Hiragana);
    for (TextBox* t : {&f().txt2, &f().txt8, &f().txt9, &f().txt15}) {
        EXPECT_EQ(t->IMEMode, ImeMode::Off) << t->name();
    }
}

}  // namespace
}  // namespace pelzaro
