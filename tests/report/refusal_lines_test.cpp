// A refused member part prints its reason whole: every reason the member calculation can give
// fits the printable width (11,600 twips) on every line, each line indented by 17 blanks, all
// in colour 13 with one beep for the part and colour 0 after it. A reason that fits stays one
// line; the long one is broken after its first sentence.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "members/calc/refusal_messages.h"
#include "report/conventions.h"
#include "report/member_part_print.h"
#include "report/recording_sink.h"
#include "report/report_context.h"
#include "report/text_width.h"

namespace pelzaro {
namespace {

using namespace members;

const std::string kIndent(17, ' ');

std::vector<std::string> everyReason() {
    std::vector<std::string> reasons;
    for (ReactionRefusal r : {ReactionRefusal::NoBase, ReactionRefusal::ResultantOutsideBase,
                              ReactionRefusal::NotFinite})
        reasons.push_back(refusalMessage(r));
    for (CoefficientRefusal r : {CoefficientRefusal::VerticalUnity,
                                 CoefficientRefusal::UndefinedAngles})
        reasons.push_back(refusalMessage(r));
    for (ForceRefusal r : {ForceRefusal::NoWallSection, ForceRefusal::NoWallHeight,
                           ForceRefusal::ContactOutsideMethod, ForceRefusal::NoBase,
                           ForceRefusal::NotFinite})
        reasons.push_back(refusalMessage(r));
    for (SpacingStatus s : {SpacingStatus::ThicknessNotLargerThanBarCentre, SpacingStatus::NoBarKind,
                            SpacingStatus::ZeroAllowableSteelStress,
                            SpacingStatus::ZeroAllowableBondStress, SpacingStatus::NotFinite})
        reasons.push_back(refusalMessage(s));
    for (StressStatus s : {StressStatus::SpacingNotPositive, StressStatus::DepthNotPositive,
                           StressStatus::NoSteel, StressStatus::NotFinite})
        reasons.push_back(refusalMessage(s));
    return reasons;
}

struct PrintedRefusal {
    std::vector<ReportEvent> events;
    int colourAfter = -1;
};

PrintedRefusal printed(const std::string& reason) {
    RecordingSink sink;
    Surface pri(sink);
    pri.startPage();
    Module1 m;
    PageChoices opt;
    ReportContext c{pri, m, opt, m};
    printRefusal(c, reason);
    return {sink.events, pri.foreColor()};
}

std::vector<std::string> textsOf(const PrintedRefusal& p) {
    std::vector<std::string> texts;
    for (const ReportEvent& e : p.events)
        if (e.kind == ReportEvent::Text) texts.push_back(e.text);
    return texts;
}

TEST(RefusalLines, EveryReasonFitsTheSheetInTheFailingPresentation) {
    for (const std::string& reason : everyReason()) {
        ASSERT_FALSE(reason.empty());
        const PrintedRefusal p = printed(reason);
        ASSERT_GE(p.events.size(), 2u) << reason;
        std::string whole;
        for (size_t i = 0; i + 1 < p.events.size(); ++i) {
            const ReportEvent& e = p.events[i];
            ASSERT_EQ(e.kind, ReportEvent::Text) << reason;
            EXPECT_EQ(e.colour, 13) << e.text;
            EXPECT_EQ(e.x1, 0) << e.text;
            EXPECT_LE(e.x1 + textWidthTwips(e.text, e.size), 11600) << e.text;
            ASSERT_EQ(e.text.substr(0, 17), kIndent) << e.text;
            EXPECT_NE(e.text[17], ' ') << e.text;
            whole += e.text.substr(17);
        }
        EXPECT_EQ(p.events.back().kind, ReportEvent::Beep) << reason;
        EXPECT_EQ(p.colourAfter, 0) << reason;
        EXPECT_EQ(whole, reason);  // nothing lost, nothing added
    }
}

// 17 blanks (1,870 twips) and the reason's 30 full-width characters (6,600 twips) take 8,470
// twips: one line, as before.
TEST(RefusalLines, AReasonThatFitsStaysOneLine) {
    const std::string reason = "地盤反力を計算できません。安定計算の結果を確認してください。";
    EXPECT_EQ(textsOf(printed(reason)), std::vector<std::string>{kIndent + reason});
}

// The reason of a ground reaction ending inside the part: 17 blanks, 46 full-width characters
// and one "0", 1,870 + 10,230 = 12,100 twips. Its first sentence (13 full-width, the "0", 21
// full-width up to "。") takes 1,870 + 2,860 + 110 + 4,620 = 9,460 twips and fits; with the
// rest it would not. So the line ends after "です。" and the second holds the last sentence.
TEST(RefusalLines, TheLongReasonBreaksAfterItsFirstSentence) {
    const std::vector<std::string> expected = {
        kIndent + "地盤反力がこの部材の途中で0になるため、この計算方法の適用範囲外です。",
        kIndent + "寸法を見直してください。"};
    const PrintedRefusal p = printed(refusalMessage(ForceRefusal::ContactOutsideMethod));
    EXPECT_EQ(textsOf(p), expected);
    int beeps = 0;
    for (const ReportEvent& e : p.events) beeps += e.kind == ReportEvent::Beep;
    EXPECT_EQ(beeps, 1);
}

// Without a clause mark that fits, a line is filled as far as it fits: at size 11 a full-width
// character is 220 twips, so 11,600 twips hold 52 of them (11,440). A closing mark that would
// begin the next line takes the character before it along.
TEST(RefusalLines, AClauseTooLongForALineIsFilledAndKeepsItsClosingMark) {
    std::string a52, a8;
    for (int i = 0; i < 52; ++i) a52 += "あ";
    for (int i = 0; i < 8; ++i) a8 += "あ";
    EXPECT_EQ(breakToWidth("", a52 + a8, 11, 11600), (std::vector<std::string>{a52, a8}));
    const std::string a51 = a52.substr(0, 51 * 3);
    EXPECT_EQ(breakToWidth("", a52 + "。", 11, 11600),
              (std::vector<std::string>{a51, "あ。"}));
    EXPECT_EQ(breakToWidth(kIndent, "", 11, 11600), std::vector<std::string>{kIndent});
}

}  // namespace
}  // namespace pelzaro
