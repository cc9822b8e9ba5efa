#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/app.h"
#include "forms/controls.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

// A window with one of each control, recording the events they fire.
class Sample : public Window {
public:
    explicit Sample(App& app) : Window(app, "Sample", "sample", WindowRole::Page, 6000, 4000) {
        for (Control* c : controls()) {
            c->Click = [this, c] { events.push_back(c->name() + ".Click"); };
            c->GotFocus = [this, c] { events.push_back(c->name() + ".GotFocus"); };
            c->LostFocus = [this, c] { events.push_back(c->name() + ".LostFocus"); };
        }
        txt1.Change = [this] { events.push_back("txt1.Change"); };
        txt1.KeyPress = [this](int& k) {
            events.push_back("txt1.KeyPress " + std::to_string(k));
            if (k == 13) k = 0;
        };
    }
    void Form_Load() override { ++loads; }

    Frame fra1{*this, "fra1", "group"};
    OptionButton opt1{*this, "opt1", "a", &fra1};
    OptionButton opt2{*this, "opt2", "b", &fra1};
    OptionButton opt3{*this, "opt3", "outside"};
    CheckBox chk1{*this, "chk1", "check"};
    ComboBox cbo1{*this, "cbo1", 0};
    TextBox txt1{*this, "txt1"};
    TextBox txt2{*this, "txt2"};
    CommandButton cmd1{*this, "cmd1", "go"};
    std::vector<std::string> events;
    int loads = 0;
};

struct ControlsTest : ::testing::Test {
    TestHost host;
    App app{host};
    Sample& w = shownSample();

    Sample& shownSample() {
        Sample& s = app.get<Sample>();
        s.Show();
        return s;
    }
};

TEST_F(ControlsTest, OptionButtonsFormOneGroupPerContainerAndFireOnlyWhenSelected) {
    w.opt1.setValue(true);
    w.opt3.setValue(true);
    w.opt2.setValue(true);
    w.opt2.setValue(true);   // unchanged: nothing
    w.opt2.setValue(false);  // deselecting fires nothing
    EXPECT_EQ(w.events, (std::vector<std::string>{"opt1.Click", "opt3.Click", "opt2.Click"}));
    EXPECT_FALSE(w.opt1.Value());
    EXPECT_TRUE(w.opt3.Value()) << "another container is another group";
    EXPECT_FALSE(w.opt2.Value()) << "none selected is allowed";
}

TEST_F(ControlsTest, CodeSettingTextFiresChangeOnlyAndTypingFiresKeyPressThenChange) {
    w.txt1.setText("12");
    EXPECT_EQ(w.events, (std::vector<std::string>{"txt1.Change"}));
    w.events.clear();
    w.txt1.selectAll();
    w.txt1.type("3");
    EXPECT_EQ(w.events,
              (std::vector<std::string>{"txt1.GotFocus", "txt1.KeyPress 51", "txt1.Change"}));
    EXPECT_EQ(w.txt1.Text(), "3") << "the typed character replaces the selection";
    w.events.clear();
    w.txt1.pressEnter();
    EXPECT_EQ(w.events, (std::vector<std::string>{"txt1.KeyPress 13"}));
    EXPECT_EQ(w.txt1.Text(), "3");
}

TEST_F(ControlsTest, SelectionCountsCharactersAndIsClamped) {
    w.txt1.setText("築造地ABC");
    w.txt1.setSelStart(2);
    w.txt1.setSelLength(99);
    EXPECT_EQ(w.txt1.SelLength(), 4);
    EXPECT_EQ(w.txt1.SelText(), "地ABC");
    w.txt1.type("x");
    EXPECT_EQ(w.txt1.Text(), "築造x");
}

TEST_F(ControlsTest, CheckBoxAndListFireClickWhenTheValueChanges) {
    w.chk1.setValue(1);
    w.chk1.setValue(1);
    w.cbo1.AddItem("岩");
    w.cbo1.AddItem("砂利");
    w.cbo1.setListIndex(1);
    w.cbo1.setListIndex(1);
    EXPECT_EQ(w.events, (std::vector<std::string>{"chk1.Click", "cbo1.Click"}));
    EXPECT_EQ(w.cbo1.Text(), "砂利");
    w.cbo1.Clear();
    EXPECT_EQ(w.cbo1.ListIndex(), -1);
    EXPECT_EQ(w.cbo1.Text(), "");
}

TEST_F(ControlsTest, FocusMovesWithLostFocusBeforeGotFocusAndNeverToAnUnusableControl) {
    w.txt1.SetFocus();
    w.txt2.SetFocus();
    w.cmd1.setEnabled(false);
    w.cmd1.SetFocus();
    w.fra1.setVisible(false);
    w.opt1.SetFocus();
    EXPECT_EQ(w.events, (std::vector<std::string>{"txt1.GotFocus", "txt1.LostFocus",
                                                  "txt2.GotFocus"}));
    EXPECT_TRUE(w.txt2.hasFocus());
    EXPECT_TRUE(w.opt1.Visible()) << "a hidden frame leaves its children's own flag alone";
    EXPECT_FALSE(w.opt1.isShown());
}

TEST_F(ControlsTest, UserCannotPressADisabledButtonOrClickALockedIndicator) {
    w.cmd1.setEnabled(false);
    w.cmd1.click();
    w.opt3.userMayClick = false;
    w.opt3.click();
    EXPECT_TRUE(w.events.empty());
    EXPECT_FALSE(w.opt3.Value());
}

TEST(WindowLifecycle, CreatedOnFirstReferenceAndBackToFactoryStateAfterUnload) {
    TestHost host;
    App app(host);
    EXPECT_EQ(app.find<Sample>(), nullptr);
    Sample& first = app.get<Sample>();
    EXPECT_EQ(first.loads, 1);
    first.txt1.setText("kept?");
    EXPECT_EQ(&app.get<Sample>(), &first);
    first.Unload();
    EXPECT_EQ(first.txt1.Text(), "kept?") << "a discarded window stays valid for running handlers";
    Sample& second = app.get<Sample>();
    EXPECT_NE(&second, &first);
    EXPECT_EQ(second.txt1.Text(), "");
    EXPECT_EQ(second.loads, 1);
}

class Dialog : public Window {
public:
    explicit Dialog(App& app) : Window(app, "Dialog", "d", WindowRole::Dialog, 3000, 2000) {
        ok.Click = [this] { Hide(); };
    }
    CommandButton ok{*this, "ok", "OK"};
};

TEST(WindowLifecycle, ModalWindowRunsTheScriptAndReturnsWhenClosed) {
    TestHost host;
    App app(host);
    int seen = 0;
    host.onModal<Dialog>([&](Dialog& d) {
        ++seen;
        EXPECT_TRUE(d.Visible());
        EXPECT_EQ(app.modalWindow(), &d);
        d.ok.click();
    });
    app.get<Dialog>().ShowModal();
    EXPECT_EQ(seen, 1);
    EXPECT_FALSE(app.get<Dialog>().Visible());
    EXPECT_EQ(app.modalWindow(), nullptr);
    EXPECT_EQ(host.modalsRun, (std::vector<std::string>{"Dialog"}));
}

}  // namespace
}  // namespace pelzaro
