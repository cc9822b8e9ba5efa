// Save as is offered exactly when the saved project would open again with it offered: an edit
// that empties a member row (its bar kind or design spacing gone) withdraws the stress check,
// so the File menu stops offering Save as, and a file saved at that moment opens without it;
// once the rows are filled again and checked, Save as is offered, and the file saved then
// opens with it.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "conditions/form3.h"
#include "forms/controls.h"
#include "members/form22.h"
#include "stability/form14.h"
#include "members/form7.h"
#include "project_fixture.h"
#include "stability/form19.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/samples.h"

namespace pelzaro {
namespace {

// The member page's rows as the project holds them before the edit.
using RowEntries = std::vector<std::pair<int, std::string>>;

RowEntries rowsOf(Form7& page) {
    RowEntries rows;
    for (const Form7Row& r : page.rows())
        rows.emplace_back(r.barKind->ListIndex(), r.designSpacing->Text());
    return rows;
}

// Every shown row that lost its bar kind or spacing gets them again (a spacing within the one
// the row allows), then "応力度計算".
void fillAgainAndCheck(Form7& page, const RowEntries& before) {
    for (size_t i = 0; i < page.rows().size(); ++i) {
        const Form7Row& r = page.rows()[i];
        if (!r.barKind->Visible()) continue;
        if (r.barKind->Text().empty()) r.barKind->pick(before[i].first);
        if (!r.designSpacing->Text().empty()) continue;
        ASSERT_FALSE(r.computedSpacing->Caption().empty()) << r.letter;
        int allowed = std::stoi(r.computedSpacing->Caption());
        r.designSpacing->click();
        r.designSpacing->type(std::to_string(std::min(std::stoi(before[i].second), allowed)));
    }
    page.cmd1.click();  // 応力度計算
}

struct RowEmptyingEdit {
    const char* name;
    const char* sample;
    // Brings the user to the member-design page with the stress check standing.
    std::function<void(User&)> prepare;
    std::function<void(User&)> edit;
    // What the user puts right before filling the rows again, if anything.
    std::function<void(User&)> putBack;
};

void toTheMemberDesign(User& p) {
    p.toTheMemberDesign();
}

// The covers of the walls as the rebar-cover dialog's OK stores them; the samples leave the
// dialog's boxes empty, so the other covers are given the 60 mm their rows show.
void wallCovers(User& p, const std::string& cover) {
    p.host.onModal<Form22>([cover](Form22& d) {
        for (TextBox* other : {&d.txt3, &d.txt4, &d.txt5, &d.txt6})
            if (other->Text().empty()) other->setText("60");
        d.txt1.setText(cover);
        d.cmd1.click();
    });
    p.memberPage().cmd6.click();  // かぶり "変更"
}

const std::vector<RowEmptyingEdit>& rowEmptyingEdits() {
    static const std::vector<RowEmptyingEdit> edits = {
        {"ticking the surcharge inertia", "road-seismic-k2-key.qkz", toTheMemberDesign,
         [](User& p) { p.memberPage().chk_1.click(); }, nullptr},
        {"typing the height of the surcharge inertia", "road-seismic-k2-key.qkz",
         [](User& p) {
             Form7& page = p.toTheMemberDesign();
             const RowEntries before = rowsOf(page);
             page.chk_1.click();
             page.txt_1.click();
             page.txt_1.type("2.5");
             fillAgainAndCheck(page, before);
         },
         [](User& p) {
             p.memberPage().txt_1.click();
             p.memberPage().txt_1.type("3");
         },
         nullptr},
        {"clicking into a shear-key box", "residential-seismic-k1-key.qkz",
         [](User& p) {
             p.toTheMemberDesign();
             p.memberPage().cmd3.click();  // < 寸法の変更
         },
         [](User& p) {
             p.host.onModal<Form19>([](Form19& d) {
                 d.txt1.click();
                 d.cmd2.click();  // キャンセル
             });
             p.wallPage().cmd5.click();  // 突起の計算
         },
         [](User& p) {
             p.wallPage().cmd3.click();  // 安定性の検討
             p.wallPage().cmd1.click();  // 断面計算 >
         }},
        {"covers too thick for the walls", "residential-normal-one-sided.qkz", toTheMemberDesign,
         [](User& p) { wallCovers(p, "3000"); },
         [](User& p) { wallCovers(p, "60"); }},
    };
    return edits;
}

using SaveAsOffered = ProjectFixture;

TEST_F(SaveAsOffered, ExactlyWhenTheSavedProjectOpensWithIt) {
    for (const RowEmptyingEdit& c : rowEmptyingEdits()) {
        SCOPED_TRACE(c.name);
        User user;
        user.open(samplePath(c.sample));
        c.prepare(user);
        ASSERT_TRUE(user.saveAsOffered()) << ::testing::PrintToString(user.host.messageTexts());
        const RowEntries before = rowsOf(user.memberPage());

        c.edit(user);
        EXPECT_FALSE(user.saveAsOffered()) << "the edit emptied a member row";
        user.saveAs(path("edited.qkz"));
        User reopened;
        reopened.open(path("edited.qkz"));
        EXPECT_FALSE(reopened.saveAsOffered()) << "the file saved after the edit";

        if (c.putBack) c.putBack(user);
        fillAgainAndCheck(user.memberPage(), before);
        ASSERT_TRUE(user.saveAsOffered()) << ::testing::PrintToString(user.host.messageTexts());
        user.saveAs(path("checked.qkz"));
        User checked;
        checked.open(path("checked.qkz"));
        EXPECT_TRUE(checked.saveAsOffered()) << "the file saved once checked again";
    }
}

// Edits that withdraw the stability result while the member design stays on its page: the
// stress check goes with the result, so nothing is saved that reopens to other rows. Once the
// user runs both checks again, the project saves, and reopening and saving again gives the same
// bytes.
struct StabilityWithdrawingEdit {
    const char* name;
    const char* sample;
    std::function<void(User&)> edit;  // from the design-conditions page, where Open leaves it
};

TEST_F(SaveAsOffered, NotWhileTheStabilityResultIsWithdrawn) {
    const std::vector<StabilityWithdrawingEdit> edits = {
        {"another backfill soil", "residential-normal-one-sided.qkz",
         [](User& p) { p.app.get<Form3>().cbo1.pick(3); }},
        {"another foundation soil", "residential-normal-one-sided.qkz",
         [](User& p) { p.app.get<Form3>().cbo2.pick(1); }},
        {"another overturning check in the normal case", "residential-normal-one-sided.qkz",
         [](User& p) {
             p.host.onModal<Form14>([](Form14& d) {
                 d.opt3.click();  // e <= B/6
                 d.cmd2.click();  // キャンセル
             });
             p.toTheWallDimensions().cmd4.click();  // 安定性の検討方法
         }},
    };
    for (const StabilityWithdrawingEdit& c : edits) {
        SCOPED_TRACE(c.name);
        User user;
        user.open(samplePath(c.sample));
        ASSERT_TRUE(user.saveAsOffered());
        c.edit(user);
        EXPECT_FALSE(user.saveAsOffered());
        EXPECT_FALSE(user.main.Toolbar1.button(3).isEnabled()) << "上書き保存";

        if (!user.wallPage().Visible()) user.toTheWallDimensions();
        user.wallPage().cmd3.click();  // 安定性の検討
        user.wallPage().cmd1.click();  // 断面計算 >
        user.memberPage().cmd1.click();  // 応力度計算
        ASSERT_TRUE(user.saveAsOffered()) << ::testing::PrintToString(user.host.messageTexts());
        const std::string saved = user.saveAs(path("checked.qkz"));
        User reopened;
        reopened.open(path("checked.qkz"));
        EXPECT_EQ(reopened.saveAs(path("again.qkz")), saved);
    }
}

}  // namespace
}  // namespace pelzaro
