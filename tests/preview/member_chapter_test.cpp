// The member chapter (report pages 5 to 9) is printed and previewed only while the member design
// stands: after an edit that withdrew the stress check, a print of a range holding the chapter,
// page 4's Next and the preview from the member page ask for the member design and print
// nothing of it; the ranges without the chapter print as before. Once "応力度計算" has run
// again, everything prints.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "preview/form15.h"
#include "preview/preview_page.h"
#include "preview/preview_paging.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/member_design.h"
#include "support/sample_fixture.h"
#include "support/test_printer.h"

namespace pelzaro {
namespace {

const char* const kAskForMembers = "断面の計算をしてください。";

class MemberChapter : public SampleProgram<> {
  protected:
    void SetUp() override { openSampleNamed("residential-normal-one-sided.qkz"); }

    Form4& wallPage() { return app.get<Form4>(); }
    Form7& memberPage() { return app.get<Form7>(); }

    // "地盤の形状 >", "寸法の入力 >" from the design-conditions page, where Open leaves the user.
    Form4& toTheWallDimensions() {
        app.get<Form3>().cmd3.click();
        app.get<Form23>().cmd1.click();
        return wallPage();
    }

    // The example: the back surcharge 10 → 20 empties the member page and withdraws the stress
    // check; "安定性の検討" then stands on its own.
    void raiseTheBackSurchargeAndCheckTheStability() {
        Form4& wall = toTheWallDimensions();
        ASSERT_EQ(wall.txt21.Text(), "10");
        wall.txt21.click();
        wall.txt21.userEdit("20");
        wall.cmd3.click();  // 安定性の検討
        ASSERT_NE(app.m.Sigma_max, 0.0f) << host.lastMessage().text;
        ASSERT_EQ(app.m.Flg_Ouryoku, 0);
        host.clearRecords();
    }

    // Row A's design spacing typed again on the member page, then "< 寸法の変更" and
    // "安定性の検討": part B keeps its spacing, the stress check is withdrawn.
    void retypeRowAAndCheckTheStability() {
        toTheWallDimensions().cmd1.click();  // 断面計算 >
        TextBox& spacingA = *memberPage().row('A').designSpacing;
        const std::string spacing = spacingA.Text();
        ASSERT_FALSE(spacing.empty());
        spacingA.click();
        spacingA.userEdit(spacing);
        memberPage().cmd3.click();  // < 寸法の変更
        wallPage().cmd3.click();    // 安定性の検討
        ASSERT_NE(app.m.Sigma_max, 0.0f) << host.lastMessage().text;
        ASSERT_EQ(app.m.Flg_Ouryoku, 0);
        ASSERT_FALSE(memberPage().txt2.Text().empty()) << "part B keeps its spacing";
        host.clearRecords();
    }

    // "印刷" from the File menu, the range chosen and OK; a dialog that stays open is cancelled.
    // Whether the dialog was still open after OK.
    bool print(OptionButton Form15::*range) {
        bool keptOpen = false;
        host.onModal<Form15>([&](Form15& d) {
            (d.*range).click();
            d.cmd1.click();
            keptOpen = d.Visible();
            if (keptOpen) d.cmd2.click();
        });
        main.Men_F.choose();
        main.Men_FPrn.choose();
        return keptOpen;
    }

    // "印刷イメージ" from the File menu.
    void printImage() {
        main.Men_F.choose();
        main.Men_FImg.choose();
    }

    int shownPreviewPage() {
        for (int page = 1; page <= 9; ++page) {
            PreviewPage* w = findPreviewWindow(app, page);
            if (w != nullptr && w->Visible()) return page;
        }
        return 0;
    }
    int printedSheets() {
        return host.documents.empty() ? 0 : static_cast<int>(host.documents[0]->sheets.size());
    }
};

TEST_F(MemberChapter, ARaisedBackSurchargePrintsNothingOfEveryPageUntilTheMembersAreDesigned) {
    raiseTheBackSurchargeAndCheckTheStability();

    EXPECT_TRUE(print(&Form15::opt5)) << "the dialog stays open for another range";
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{kAskForMembers});
    EXPECT_EQ(host.lastMessage().title, "エラーメッセージ");
    EXPECT_EQ(host.printerDialogs, 0) << "refused before the printer is chosen";
    EXPECT_TRUE(host.documents.empty()) << "no page printed";

    // The member page designed again from the new reaction: the whole report prints, and part F
    // uses the reaction page 5 prints.
    host.clearRecords();
    wallPage().cmd1.click();  // 断面計算 >
    designEveryRow(memberPage());
    ASSERT_EQ(app.m.Flg_Ouryoku, 1) << host.lastMessage().text;
    host.clearRecords();
    EXPECT_FALSE(print(&Form15::opt5));
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
    ASSERT_EQ(host.documents.size(), 1u);
    // Heel and toe, no key: nine pages.
    ASSERT_EQ(printedSheets(), 9);
    // Page 5 prints "V5=…KN/m2  VR=…KN/m2"; part F's M2 puts both into its formula.
    std::string v5, vr;
    for (const std::string& t : host.documents[0]->sheets[4].texts()) {
        const size_t at = t.find("VR=");
        if (at == std::string::npos || t.find("V5=") == std::string::npos) continue;
        const size_t v5At = t.find("V5=") + 3;
        v5 = t.substr(v5At, t.find("KN", v5At) - v5At);
        vr = t.substr(at + 3, t.find("KN", at) - at - 3);
    }
    ASSERT_FALSE(vr.empty()) << "page 5 prints the reactions V5 and VR";
    const std::string partF = "M2=(V5＋2･VR)･B^2/6=(" + v5 + "＋2×" + vr + ")";
    bool printed = false;
    for (size_t sheet = 4; sheet < 9; ++sheet) {
        for (const std::string& t : host.documents[0]->sheets[sheet].texts())
            printed = printed || t.find(partF) != std::string::npos;
    }
    EXPECT_TRUE(printed) << partF;
}

struct RangeCase {
    const char* name;
    OptionButton Form15::*option;
    bool holdsTheChapter;
    int sheets;  // printed when it does not
};

TEST_F(MemberChapter, EachRangeHoldingTheChapterIsRefusedAndTheOthersPrint) {
    const RangeCase ranges[] = {
        {"一般事項", &Form15::opt1, false, 1},
        {"安定計算", &Form15::opt2, false, 3},
        {"断面計算", &Form15::opt3, true, 0},
        {"安定計算・断面計算", &Form15::opt4, true, 0},
        {"一般事項・安定計算・断面計算", &Form15::opt5, true, 0},
    };
    raiseTheBackSurchargeAndCheckTheStability();
    for (const RangeCase& r : ranges) {
        SCOPED_TRACE(r.name);
        host.clearRecords();
        host.documents.clear();
        host.printerDialogs = 0;
        const bool keptOpen = print(r.option);
        EXPECT_EQ(keptOpen, r.holdsTheChapter);
        if (r.holdsTheChapter) {
            EXPECT_EQ(host.messageTexts(), std::vector<std::string>{kAskForMembers});
            EXPECT_EQ(host.printerDialogs, 0);
            EXPECT_TRUE(host.documents.empty());
        } else {
            EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
            ASSERT_EQ(host.documents.size(), 1u);
            EXPECT_EQ(printedSheets(), r.sheets);
            EXPECT_TRUE(host.documents[0]->ended);
        }
    }
}

// The print itself, whoever asks for it, refuses the chapter before the printer dialog opens.
TEST_F(MemberChapter, ThePrintRefusesTheChapterBeforeThePrinterIsChosen) {
    raiseTheBackSurchargeAndCheckTheStability();
    main.FilePrint(PrintRequest{PrintRange::Range_Section, false, 0.0f});
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{kAskForMembers});
    EXPECT_EQ(host.printerDialogs, 0);
    EXPECT_TRUE(host.documents.empty());
}

TEST_F(MemberChapter, PageFoursNextStaysOnPageFourAndTheMemberPagesPreviewDoesNotOpen) {
    retypeRowAAndCheckTheStability();

    // From the wall-dimensions page the preview opens at page 2; page 4's Next is refused.
    printImage();
    ASSERT_EQ(shownPreviewPage(), 2);
    previewWindow(app, 2).Men_Nex.choose();
    previewWindow(app, 3).Men_Nex.choose();
    ASSERT_EQ(shownPreviewPage(), 4);
    previewWindow(app, 4).Men_Nex.choose();
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{kAskForMembers});
    EXPECT_EQ(shownPreviewPage(), 4);
    EXPECT_EQ(findPreviewWindow(app, 5), nullptr) << "page 5 never drawn";
    previewWindow(app, 4).Men_Cls.choose();

    // From the member page the preview would open at page 5: nothing opens.
    host.clearRecords();
    wallPage().cmd1.click();  // 断面計算 >
    ASSERT_EQ(app.m.Flg_Page, Page_Section);
    printImage();
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{kAskForMembers});
    EXPECT_FALSE(previewIsOpen(app));
    EXPECT_EQ(shownPreviewPage(), 0);
    EXPECT_TRUE(memberPage().Visible()) << "the member page stays in front";
    EXPECT_TRUE(main.Toolbar1.visible);
    // The toolbar's "印刷ｲﾒｰｼﾞ" does the same.
    host.clearRecords();
    main.Toolbar1.press(5);
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{kAskForMembers});
    EXPECT_FALSE(previewIsOpen(app));

    // "応力度計算": both ways lead to page 5 again.
    host.clearRecords();
    memberPage().cmd1.click();
    ASSERT_EQ(app.m.Flg_Ouryoku, 1) << host.lastMessage().text;
    printImage();
    EXPECT_EQ(shownPreviewPage(), 5);
    previewWindow(app, 5).Men_Pre.choose();
    ASSERT_EQ(shownPreviewPage(), 4);
    previewWindow(app, 4).Men_Nex.choose();
    EXPECT_EQ(shownPreviewPage(), 5);
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
    previewWindow(app, 5).Men_Cls.choose();
    EXPECT_FALSE(print(&Form15::opt5));
    ASSERT_EQ(host.documents.size(), 1u);
    EXPECT_EQ(printedSheets(), 9);
}

}  // namespace
}  // namespace pelzaro
