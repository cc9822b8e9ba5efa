#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "members/form7.h"
#include "project/line_file.h"
#include "project_fixture.h"
#include "stability/form19.h"
#include "stability/form23.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/samples.h"

namespace pelzaro {
namespace {

class Open : public ProjectFixture {
  protected:
    // A sample with some of its lines replaced, written to the temporary folder.
    std::string variant(const std::string& name, std::vector<std::pair<int, std::string>> edits,
                        int keepLines = 220) {
        std::vector<std::string> lines = splitLines(contents(samplePath(name)));
        for (const auto& [line, text] : edits) lines[static_cast<size_t>(line - 1)] = text;
        lines.resize(static_cast<size_t>(keepLines));
        std::string p = path("variant-" + name);
        writeRaw(p, joinCrLf(lines));
        return p;
    }
    bool shown(Control& c) { return c.Visible(); }
    bool menuOffers(MenuItem& item) {
        main().Men_F.choose();
        return item.enabled;
    }
    bool toolbar(int index) { return main().Toolbar1.button(index).isEnabled(); }
};

TEST_F(Open, RestoresTheProjectAsAfterACompleteCalculation) {
    main().FileNew();
    open(samplePath("residential-seismic-k1-key.qkz"));
    ASSERT_TRUE(host.messages.empty()) << host.lastMessage().text;

    Form3& f3 = app.get<Form3>();
    EXPECT_TRUE(f3.Visible());
    EXPECT_EQ(app.activeWindow(), &f3);
    EXPECT_EQ(f3.Caption(), samplePath("residential-seismic-k1-key.qkz"));
    EXPECT_EQ(main().Caption(), "Pelzaro - residential-seismic-k1-key.qkz");
    EXPECT_EQ(main().CommonDialog1_FileName, samplePath("residential-seismic-k1-key.qkz"));
    EXPECT_TRUE(f3.txt1.hasFocus());
    EXPECT_EQ(f3.txt1.Text(), "大阪府大阪市北区１－２");
    EXPECT_EQ(app.m.Flg_Page, Page_Conditions);
    for (Window* w : std::vector<Window*>{&app.get<Form4>(), &app.get<Form23>(), &app.get<Form7>()})
        EXPECT_FALSE(w->Visible()) << w->name();

    EXPECT_NE(app.m.Sigma_max, 0.0f);
    EXPECT_EQ(app.m.Flg_Ouryoku, 1);
    EXPECT_EQ(static_cast<int>(app.m.Flg_DeltaCalc), 1);  // δ was computed for the seismic case
    for (int i : {3, 5, 6}) EXPECT_TRUE(toolbar(i)) << "toolbar button " << i;
    for (MenuItem* item : {&main().Men_FSav, &main().Men_FOvw, &main().Men_FImg, &main().Men_FPrn})
        EXPECT_TRUE(menuOffers(*item)) << item->name;

    Form4& f4 = app.get<Form4>();
    for (Label* l : {&f4.lbl52, &f4.lbl53, &f4.lbl54, &f4.lbl56, &f4.lbl62, &f4.lbl64, &f4.lbl66,
                     &f4.lbl67, &f4.lbl68, &f4.lbl69, &f4.lbl70})
        EXPECT_TRUE(shown(*l)) << l->name();
    EXPECT_TRUE(f4.opt6.Value());
    EXPECT_TRUE(f4.Frame2.Visible()) << "a one-sided wall with a toe offers the front-soil choice";
    EXPECT_TRUE(f4.opt3.Value());
    EXPECT_EQ(app.get<Form19>().txt1.Text(), "0.4");
    EXPECT_NE(app.m.H0, 0.0f);
    EXPECT_EQ(app.get<Form7>().row('H').verdict->Caption(), "O.K");

    // Seismic case with seismic earth pressure: KA cannot be typed; both seismic buttons work.
    EXPECT_TRUE(app.get<Form25>().opt_K1.Value());
    EXPECT_FALSE(f3.cmd5.Enabled());
    EXPECT_FALSE(f3.opt1.Enabled());
    EXPECT_TRUE(f3.cmd4.Enabled());
    EXPECT_TRUE(f3.cmd7.Enabled());
    EXPECT_TRUE(f3.txt13.Visible());
}

TEST_F(Open, ShapeAndPartsDecideTheRowsAndTheFrontSoilChoice) {
    open(samplePath("road-normal-two-sided.qkz"));
    Form4& f4 = app.get<Form4>();
    EXPECT_TRUE(shown(f4.lbl56)) << "the bearing row is the only one of the symmetric shape";
    EXPECT_FALSE(shown(f4.lbl52));
    EXPECT_FALSE(shown(f4.lbl64));
    EXPECT_FALSE(f4.Frame2.Visible());
    EXPECT_FALSE(f4.opt3.Value() || f4.opt4.Value());
    Form3& f3 = app.get<Form3>();
    EXPECT_FALSE(f3.cmd7.Enabled()) << "normal case";
    EXPECT_FALSE(f3.txt13.Visible()) << "no short-term steel stress in the normal case";

    open(samplePath("residential-normal-no-toe-no-heel.qkz"));
    Form4& again = app.get<Form4>();
    EXPECT_NE(&again, &f4) << "Open starts the wall page afresh";
    EXPECT_FALSE(again.Frame2.Visible()) << "no toe, no front-soil choice";
    EXPECT_FALSE(again.opt3.Value() || again.opt4.Value());
    EXPECT_TRUE(shown(again.lbl52));
    EXPECT_FALSE(shown(again.lbl67)) << "no shear key";
    EXPECT_EQ(app.m.B_Tumasaki, 0.0f);
    EXPECT_EQ(app.m.Flg_Ouryoku, 1);
    EXPECT_TRUE(app.get<Form3>().opt_T.Value());
}

TEST_F(Open, ARoadKeyFromOneProjectNeverReachesTheNext) {
    open(samplePath("road-seismic-k2-key.qkz"));
    EXPECT_EQ(app.get<Form26>().txt1.Text(), "0.4");
    open(samplePath("residential-normal-one-sided.qkz"));
    EXPECT_EQ(app.get<Form26>().txt1.Text(), "");
    EXPECT_EQ(app.get<Form26>().txt3.Text(), "");
}

// A file of 217 lines, as older files are, has no road key: the key must be calculated again,
// and until then nothing of the stability or the member design shows as valid.
TEST_F(Open, AnOlderFileWithoutTheRoadKeyAsksForItAndShowsNoStaleResults) {
    std::string older = variant("road-seismic-k2-key.qkz", {}, 217);
    open(older);
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"突起の計算をしてください。"});
    EXPECT_EQ(host.modalsRun, std::vector<std::string>{"Form26"});
    EXPECT_EQ(app.m.Sigma_max, 0.0f);
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    Form4& f4 = app.get<Form4>();
    for (Label* l : {&f4.lbl52, &f4.lbl56, &f4.lbl64, &f4.lbl67}) EXPECT_FALSE(shown(*l));
    EXPECT_EQ(app.get<Form7>().row('A').verdict->Caption(), "");
    for (int i : {3, 5, 6}) EXPECT_FALSE(toolbar(i)) << "toolbar button " << i;
    for (MenuItem* item : {&main().Men_FSav, &main().Men_FOvw, &main().Men_FImg, &main().Men_FPrn})
        EXPECT_FALSE(menuOffers(*item)) << item->name;
    EXPECT_EQ(main().CommonDialog1_FileName, older) << "the file itself was opened";
}

TEST_F(Open, AStressCheckThatCannotRunLeavesItsRowEmptyAndTheProjectUnchecked) {
    open(variant("residential-normal-one-sided.qkz", {{177, ""}}));  // no spacing for part A
    Form7& f7 = app.get<Form7>();
    EXPECT_EQ(f7.row('A').sigmaS->Caption(), "");
    EXPECT_NE(f7.row('B').sigmaS->Caption(), "");
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    EXPECT_NE(app.m.Sigma_max, 0.0f);
    EXPECT_FALSE(toolbar(3));
    EXPECT_TRUE(toolbar(5));
    EXPECT_FALSE(menuOffers(main().Men_FSav));
    EXPECT_TRUE(menuOffers(main().Men_FImg));
}

TEST_F(Open, LinesAreSetAsTheyStandAndRecomputedWhereThePageComputesThem) {
    std::string p = variant("residential-normal-one-sided.qkz",
                            {{10, "9.99"},   // μ: recomputed from φB by the "tanφ" choice
                             {217, "1"},     // the wall friction flag as some other writer had it
                             {58, "stale"},  // a result caption: recomputed
                             {108, "1e999"}});  // a height no float can hold
    open(p);
    EXPECT_EQ(app.m.Hq, 0.0f) << "never an infinity in the design state";
    EXPECT_EQ(app.get<Form3>().txt9.Text(), "0.577");
    EXPECT_EQ(static_cast<int>(app.m.Flg_DeltaCalc), 1);
    EXPECT_NE(app.get<Form4>().lbl53.Caption(), "stale");
    host.answerNext(MsgAnswer::OK);
    main().FileUpdate();
    std::vector<std::string> saved = splitLines(contents(p));
    EXPECT_EQ(saved[216], "1") << "the flag is written back as it was read";
    EXPECT_EQ(saved[9], "0.577");
}

// Every row of the member design refuses without its KA: the user hears it once, and the
// project opens with what the chain completed, the rows' inputs kept and no results.
TEST_F(Open, ADamagedFileSaysWhyOnceNotOncePerRefusingStep) {
    open(variant("residential-normal-one-sided.qkz", {{120, ""}}));
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"主働土圧係数を入力してください。"});
    EXPECT_EQ(app.m.Flg_Ouryoku, 0);
    EXPECT_NE(app.m.Sigma_max, 0.0f) << "the stability calculation completed";
    Form7& f7 = app.get<Form7>();
    EXPECT_EQ(f7.row('A').barKind->Text(), "  D16");
    EXPECT_EQ(f7.row('A').verdict->Caption(), "");

    host.clearRecords();
    open(variant("residential-normal-one-sided.qkz", {{120, ""}, {33, "0"}}));
    EXPECT_EQ(host.messages.size(), 1u) << ::testing::PrintToString(host.messageTexts());
    host.clearRecords();
    main().FileNew();
    app.get<Form3>().cmd3.click();
    EXPECT_GE(host.messages.size(), 1u) << "after the load every refusal speaks again";
}

// Line 217 is kept as the text it was read as, whatever wrote it.
TEST_F(Open, TheWallFrictionFlagIsWrittenBackAsItWasRead) {
    struct Case {
        const char* text;
        int asNumber;
        const char* why;
    };
    const Case cases[] = {
        {"", 0, "never set since the program started"},
        {" 0 ", 0, "typed"},
        {" 1 ", 1, "computed"},
        {"1", 1, "computed, written without blanks by another program"},
    };
    for (const Case& c : cases) {
        std::string p = variant("residential-normal-one-sided.qkz", {{217, c.text}});
        open(p);
        EXPECT_EQ(static_cast<int>(app.m.Flg_DeltaCalc), c.asNumber) << c.why;
        host.answerNext(MsgAnswer::OK);
        main().FileUpdate();
        EXPECT_EQ(splitLines(contents(p))[216], c.text) << c.why;
    }
}

}  // namespace
}  // namespace pelzaro
