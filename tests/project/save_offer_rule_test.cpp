// One rule offers saving: "名前を付けて保存", "上書き保存" and toolbar button 3 are offered
// together, exactly while the project as saved opens again to the same file. Walked over the
// edits of the pages that withdraw a result: after each edit, again after "安定性の検討" and
// once more after the member design and "応力度計算", whenever the File menu does not offer
// saving the button is off too, and whenever it does, Save as → Open in a fresh program → Save
// as gives the same bytes.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "conditions/form3.h"
#include "forms/controls.h"
#include "members/form7.h"
#include "project_fixture.h"
#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/member_design.h"
#include "support/samples.h"

namespace pelzaro {
namespace {

struct SaveWithdrawingEdit {
    const char* name;
    const char* sample;
    std::function<void(User&)> edit;  // from the design-conditions page, where Open leaves it
};

void typeInto(TextBox& box, const std::string& text) {
    box.click();
    box.selectAll();  // the user selects what the box holds
    box.type(text);
}

const std::vector<SaveWithdrawingEdit>& saveWithdrawingEdits() {
    static const std::vector<SaveWithdrawingEdit> edits = {
        {"μ 直接入力", "residential-normal-one-sided.qkz",
         [](User& p) { p.app.get<Form3>().opt5.click(); }},
        {"cohesion 考慮する", "residential-normal-one-sided.qkz",
         [](User& p) { p.app.get<Form3>().opt7.click(); }},
        {"Enter in the backfill soil list", "residential-normal-one-sided.qkz",
         [](User& p) {
             p.app.get<Form3>().cbo1.SetFocus();
             p.app.get<Form3>().cbo1.pressEnter();
         }},
        {"Enter in the foundation soil list", "road-normal-two-sided.qkz",
         [](User& p) {
             p.app.get<Form3>().cbo2.SetFocus();
             p.app.get<Form3>().cbo2.pressEnter();
         }},
        {"the δ of the member design typed", "residential-normal-one-sided.qkz",
         [](User& p) { typeInto(p.app.get<Form3>().txt12, "25"); }},
        {"the back surcharge typed", "residential-normal-one-sided.qkz",
         [](User& p) { typeInto(p.toTheWallDimensions().txt21, "20"); }},
        {"a wall dimension pasted", "road-seismic-k2-key.qkz",
         [](User& p) {
             TextBox& box = p.toTheWallDimensions().txt5;
             box.click();
             box.userEdit(box.Text());
         }},
        {"another overturning check", "residential-normal-one-sided.qkz",
         [](User& p) {
             p.host.onModal<Form14>([](Form14& d) {
                 d.opt3.click();  // e <= B/6
                 d.cmd1.click();
             });
             p.toTheWallDimensions().cmd4.click();  // 安定性の検討方法
         }},
        {"a click into the key height", "residential-seismic-k1-key.qkz",
         [](User& p) {
             p.host.onModal<Form19>([](Form19& d) {
                 d.txt1.click();
                 d.cmd1.click();  // 計算
             });
             p.toTheWallDimensions().cmd5.click();  // 突起の計算
         }},
        {"row A's spacing typed again", "residential-normal-one-sided.qkz",
         [](User& p) {
             TextBox& box = *p.toTheMemberDesign().row('A').designSpacing;
             typeInto(box, box.Text());
         }},
        {"KA of the member design computed again", "residential-normal-one-sided.qkz",
         [](User& p) { p.toTheMemberDesign().cmd5.click(); }},
        {"the surcharge inertia ticked", "road-seismic-k2-key.qkz",
         [](User& p) { p.toTheMemberDesign().chk_1.click(); }},
    };
    return edits;
}

// "< 寸法の変更" from the member page, or the way from the design-conditions page, then
// "安定性の検討".
void checkTheStabilityAgain(User& p) {
    if (p.memberPage().Visible()) {
        p.memberPage().cmd3.click();
    } else if (!p.wallPage().Visible()) {
        p.toTheWallDimensions();
    }
    p.wallPage().cmd3.click();
}

class OneSaveRule : public ProjectFixture {
  protected:
    // The File menu opens; the toolbar's overwrite button offers what the menu offers, and an
    // offered save opens again to the same file. Returns whether saving was offered.
    bool expectOneRule(User& user, const std::string& file) {
        user.main.Men_F.choose();
        const bool saveAs = user.main.Men_FSav.enabled;
        const bool overwrite = user.main.Men_FOvw.enabled;
        const bool button3 = user.main.Toolbar1.button(3).isEnabled();
        EXPECT_EQ(button3, overwrite) << "toolbar button 3 and 上書き保存";
        EXPECT_EQ(overwrite, saveAs) << "the project has its file: both or neither";
        if (!saveAs) return false;
        const std::string saved = user.saveAs(path(file));
        Program reopened;
        EXPECT_TRUE(reopened.open(path(file)));
        EXPECT_EQ(reopened.saveAs(path("again-" + file)), saved)
            << "the saved project opens again to the same file";
        return true;
    }
};

TEST_F(OneSaveRule, AfterEveryEditThatWithdrawsAResultAndAfterTheStabilityCheckThatFollows) {
    for (const SaveWithdrawingEdit& c : saveWithdrawingEdits()) {
        SCOPED_TRACE(c.name);
        User user;
        ASSERT_TRUE(user.open(samplePath(c.sample)));
        ASSERT_TRUE(expectOneRule(user, "opened.qkz")) << "an opened sample offers saving";
        // Saving as moved the project's file: back to the sample's own copy.
        ASSERT_TRUE(user.open(samplePath(c.sample)));

        c.edit(user);
        EXPECT_FALSE(expectOneRule(user, "edited.qkz")) << "the edit withdrew a result";

        checkTheStabilityAgain(user);
        EXPECT_FALSE(expectOneRule(user, "checked.qkz")) << "the stress check has not run again";

        user.wallPage().cmd1.click();  // 断面計算 >
        designEveryRow(user.memberPage());
        EXPECT_TRUE(expectOneRule(user, "designed.qkz"))
            << ::testing::PrintToString(user.host.messageTexts());
    }
}

// "安定性の検討" behind a member page whose row A was typed again: the stability result stands,
// the stress check does not, and nothing offers saving until "応力度計算" has run.
TEST_F(OneSaveRule, TheStabilityCheckBehindARetypedRowABringsNoOverwriteButtonBack) {
    // A copy of the sample: the overwrite button must never reach the sample itself.
    writeRaw(path("wall.qkz"), contents(samplePath("residential-normal-one-sided.qkz")));
    User user;
    ASSERT_TRUE(user.open(path("wall.qkz")));
    Form7& members = user.toTheMemberDesign();
    TextBox& spacingA = *members.row('A').designSpacing;
    typeInto(spacingA, spacingA.Text());
    members.cmd3.click();          // < 寸法の変更
    user.wallPage().cmd3.click();  // 安定性の検討
    ASSERT_NE(user.app.m.Sigma_max, 0.0f);
    EXPECT_FALSE(user.main.Toolbar1.button(3).isEnabled());
    user.main.Toolbar1.press(3);
    EXPECT_TRUE(user.host.messages.empty()) << "the button does nothing: no question asked";
    EXPECT_FALSE(expectOneRule(user, "retyped.qkz"));

    user.wallPage().cmd1.click();    // 断面計算 >
    user.memberPage().cmd1.click();  // 応力度計算
    EXPECT_TRUE(user.main.Toolbar1.button(3).isEnabled());
    EXPECT_TRUE(expectOneRule(user, "checked.qkz"));
}

}  // namespace
}  // namespace pelzaro
