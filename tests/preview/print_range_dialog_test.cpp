// The print-range dialog: its state when created, the page-number box, the checks of OK in
// their order, what OK keeps for the print and what Cancel and the close box discard.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "preview/form15.h"
#include "support/sample_fixture.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

class PrintRangeDialog : public SampleProgram<> {
  protected:
    // "印刷" is offered once the stability is calculated: a sample project stands for that, so
    // that OK's print runs through.
    void SetUp() override { openSampleNamed("residential-seismic-k1-key.qkz"); }

    // Opens the dialog by "印刷" and runs `script` while it is shown.
    void print(std::function<void(Form15&)> script) {
        host.onModal<Form15>(std::move(script));
        main.Men_FPrn_Click();
    }
    static std::string focused(const Form15& d) {
        return d.ActiveControl() ? d.ActiveControl()->name() : "(none)";
    }
};

TEST_F(PrintRangeDialog, ANewDialogChoosesNothingAndOffersNoPageNumber) {
    print([](Form15& d) {
        for (OptionButton* o : {&d.opt1, &d.opt2, &d.opt3, &d.opt4, &d.opt5})
            EXPECT_FALSE(o->Value()) << o->name();
        EXPECT_EQ(d.chk_P.Value(), 0);
        EXPECT_EQ(d.txt_P.Text(), "");
        EXPECT_FALSE(d.txt_P.Enabled());
        EXPECT_FALSE(d.lbl1.Enabled());
        EXPECT_FALSE(d.lbl2.Enabled());
        EXPECT_EQ(d.Caption(), "Pelzaro");
        d.cmd2.click();
    });
    EXPECT_EQ(host.modalsRun, std::vector<std::string>{"Form15"});
}

TEST_F(PrintRangeDialog, UntickingEmptiesTheFirstNumberAndTickingOffersItEmpty) {
    print([](Form15& d) {
        d.chk_P.click();
        EXPECT_TRUE(d.txt_P.Enabled());
        EXPECT_TRUE(d.lbl1.Enabled());
        EXPECT_TRUE(d.lbl2.Enabled());
        d.txt_P.click();
        d.txt_P.type("7");
        d.chk_P.click();
        EXPECT_EQ(d.txt_P.Text(), "");
        EXPECT_FALSE(d.txt_P.Enabled());
        EXPECT_FALSE(d.lbl1.Enabled());
        d.chk_P.click();
        EXPECT_EQ(d.txt_P.Text(), "");
        EXPECT_TRUE(d.txt_P.Enabled());
        d.cmd2.click();
    });
}

TEST_F(PrintRangeDialog, ARangeAndEnterInTheNumberLeadToOkWithoutPressingIt) {
    print([](Form15& d) {
        d.opt3.click();
        EXPECT_EQ(focused(d), "cmd1");
        d.chk_P.click();
        d.txt_P.click();
        d.txt_P.type("12");
        d.txt_P.pressEnter();
        EXPECT_EQ(focused(d), "cmd1");
        EXPECT_EQ(d.txt_P.Text(), "12") << "Enter is swallowed";
        EXPECT_TRUE(d.Visible()) << "focused, not pressed";
        d.txt_P.click();
        EXPECT_EQ(d.txt_P.SelLength(), 2) << "a click selects the whole number";
        d.txt_P.setText("123456789012");
        d.txt_P.dblClick();
        EXPECT_EQ(d.txt_P.SelStart(), 10);
        EXPECT_EQ(d.txt_P.SelLength(), 2);
        d.cmd2.click();
    });
}

// The range test comes first, then the first page number; each failure keeps the dialog open.
TEST_F(PrintRangeDialog, OkChecksTheRangeBeforeTheFirstNumber) {
    print([](Form15& d) {
        d.chk_P.click();
        d.cmd1.click();
        EXPECT_TRUE(d.Visible());
        d.opt2.click();
        d.cmd1.click();
        EXPECT_TRUE(d.Visible());
        EXPECT_EQ(focused(d), "txt_P");
        d.cmd2.click();
    });
    EXPECT_EQ(host.messageTexts(),
              (std::vector<std::string>{"印刷範囲を指定してください。",
                                        "最初のページ番号を入力してください。"}));
    for (const Message& m : host.messages) EXPECT_EQ(m.title, "エラーメッセージ");
}

TEST_F(PrintRangeDialog, OkKeepsTheRangeAndTheFirstNumberForThePrint) {
    struct Case {
        OptionButton Form15::*option;
        PrintRange range;
        bool numbered;
        const char* text;
        float first;
        const char* why;
    };
    const Case cases[] = {
        {&Form15::opt1, PrintRange::Range_General, true, "12ab", 12.0f, "the leading number"},
        {&Form15::opt2, PrintRange::Range_Stability, true, "ab", 0.0f, "letters only"},
        {&Form15::opt3, PrintRange::Range_Section, true, "0", 0.0f, "a first page 0"},
        {&Form15::opt4, PrintRange::Range_StabSection, true, "3", 3.0f, "from 3"},
        {&Form15::opt5, PrintRange::Range_All, false, "", 0.0f, "no numbers: 0"},
        {&Form15::opt5, PrintRange::Range_All, true, "1e99", 0.0f, "beyond single precision"},
    };
    for (const Case& c : cases) {
        host.clearRecords();
        print([&](Form15& d) {
            (d.*c.option).click();
            if ((d.chk_P.Value() == 1) != c.numbered) d.chk_P.click();
            if (c.numbered) d.txt_P.userEdit(c.text);
            d.cmd1.click();
        });
        EXPECT_TRUE(host.messages.empty()) << c.why << ": " << host.lastMessage().text;
        ASSERT_TRUE(app.isLoaded<Form15>()) << c.why << ": OK hides, never discards";
        Form15& d = app.get<Form15>();
        EXPECT_FALSE(d.Visible()) << c.why;
        EXPECT_EQ(d.range(), c.range) << c.why;
        EXPECT_EQ(d.chk_P.Value(), c.numbered ? 1 : 0) << c.why;
        EXPECT_EQ(d.Page_First, c.first) << c.why;
    }
}

TEST_F(PrintRangeDialog, TheNextOpeningOffersTheChoicesOfTheLastOk) {
    print([](Form15& d) {
        d.opt4.click();
        d.chk_P.click();
        d.txt_P.userEdit("5");
        d.cmd1.click();
    });
    print([](Form15& d) {
        EXPECT_TRUE(d.opt4.Value());
        EXPECT_EQ(d.chk_P.Value(), 1);
        EXPECT_EQ(d.txt_P.Text(), "5");
        EXPECT_TRUE(d.txt_P.Enabled());
        d.cmd2.click();
    });
}

// Cancel, the close box and Escape discard the dialog: the next opening starts afresh.
TEST_F(PrintRangeDialog, CancelAndTheCloseBoxDiscardTheChoices) {
    const std::pair<const char*, std::function<void(Form15&)>> ways[] = {
        {"キャンセル", [](Form15& d) { d.cmd2.click(); }},
        {"the close box or Escape", [](Form15& d) { d.userClose(); }},
    };
    for (const auto& [why, leave] : ways) {
        print([&](Form15& d) {
            d.opt1.click();
            d.chk_P.click();
            d.txt_P.userEdit("9");
            leave(d);
        });
        EXPECT_FALSE(app.isLoaded<Form15>()) << why;
        print([&](Form15& d) {
            EXPECT_EQ(d.range(), PrintRange::None) << why;
            EXPECT_EQ(d.chk_P.Value(), 0) << why;
            EXPECT_EQ(d.txt_P.Text(), "") << why;
            d.cmd2.click();
        });
    }
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace pelzaro
