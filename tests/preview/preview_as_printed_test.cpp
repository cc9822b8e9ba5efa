// The preview lays a page out as the print does: each page box holds what the printed sheet of
// that page holds, the same texts at the same places and sizes and the same strokes, so that a
// formula too wide for the sheet goes on two lines in both or in neither and a figure keeps the
// same scales in both. The printed sheet adds only its page number, which the preview never
// draws; this print asks for none.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "frame/mdiform1.h"
#include "members/form7.h"
#include "numeric/lenient.h"
#include "preview/form15.h"
#include "preview/preview_page.h"
#include "preview/preview_paging.h"
#include "report/recording_sink.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/scenario.h"
#include "support/test_printer.h"

namespace pelzaro {
namespace {

// A page as its transcript: every text with its place, size and colour, every stroke.
std::vector<std::string> transcript(const std::vector<ReportEvent>& events) {
    std::vector<std::string> out;
    for (const ReportEvent& e : events) out.push_back(transcriptLine(e));
    return out;
}

// A U-wall ten metres wide with 150 kN/m2 on the back ground and on the soil inside. The shear
// at the fixed ends of the base slab (pages 7 and 8) is one formula line of 105 half-width
// characters, for example
//   "                  S2=(V2･B)/2＋(V4－V2)･B/6=(136.279×10.000)/2＋(184.561－136.279)×10.000/6
//    =761.865KN/m"
// (43 for the symbols with their 18 blanks, 62 for the values and the result; each of "＋",
// "－" and "×" takes two). At 11 points a half-width character is 110 twips: 105 x 110 =
// 11550, within the printable 11600. At a screen's 11.25 points it would be 105 x 112.5 =
// 11812.5, beyond it.
struct PreviewAsPrinted : ScenarioTest {
    void SetUp() override {
        startNewProject();
        fillNormalCaseConditions();
        goOnToTheGroundShape();
        showWall(true);
        WallEntries wall = twoMetreWall();
        for (WallEntry& e : wall) {
            if (e.box == &Form4::txt14) e.text = "10.0";
            if (e.box == &Form4::txt21 || e.box == &Form4::txt22) e.text = "150";
        }
        enterWall(wall);
        chooseNormalMethods();
        runStabilityCheck();
        ASSERT_NE(app.m.Sigma_max, 0.0f) << host.lastMessage().text;
        designTheMembers();
        ASSERT_EQ(app.m.Flg_Ouryoku, 1) << host.lastMessage().text;
        host.clearRecords();
    }

    // Each row a bar kind from D16 up that allows 100 mm, the design spacing the computed one
    // rounded down to 10 mm and at most 250 mm, then "応力度計算".
    void designTheMembers() {
        Form7& page = openMemberDesign();
        for (const Form7Row& r : page.rows()) {
            if (!r.barKind->Visible()) continue;
            for (int kind = 4; kind < r.barKind->ListCount(); ++kind) {
                r.barKind->pick(kind);
                if (Val(r.computedSpacing->Caption()) >= 100.0) break;
            }
            const double computed = Val(r.computedSpacing->Caption());
            const int spacing =
                static_cast<int>(std::min(250.0, std::floor(computed / 10.0) * 10.0));
            r.designSpacing->click();
            r.designSpacing->userEdit(std::to_string(spacing));
        }
        page.cmd1.click();
    }

    // 印刷イメージ from the member-design page, then Next through the member chapter: what each
    // page box holds, pages 5 to 9 (the wall has a toe and a heel).
    std::vector<std::vector<ReportEvent>> previewedChapter() {
        main.FileImage();
        std::vector<std::vector<ReportEvent>> pages;
        for (int page = 5; page <= 9; ++page) {
            PreviewPage* w = findPreviewWindow(app, page);
            if (w == nullptr || !w->Visible()) break;
            pages.push_back(w->Picture2.drawing());
            if (page < 9) w->Men_Nex.choose();
        }
        closePreview(app);
        return pages;
    }

    // 印刷 with 断面計算 and no page numbers: the sheets of pages 5 to 9.
    std::vector<std::vector<ReportEvent>> printedChapter() {
        host.onModal<Form15>([](Form15& d) {
            d.opt3.click();
            d.cmd1.click();
        });
        main.Men_FPrn_Click();
        std::vector<std::vector<ReportEvent>> pages;
        for (const RecordingSink& sheet : host.documents.at(0)->sheets)
            pages.push_back(sheet.events);
        return pages;
    }
};

// The shear line of a fixed end of the base slab, whole on one line: the symbols with the
// values and the result after them.
bool shearLineWhole(const std::vector<ReportEvent>& events) {
    const std::string symbols = "                  S2=(V2･B)/2＋(V4－V2)･B/";
    return std::any_of(events.begin(), events.end(), [&](const ReportEvent& e) {
        const std::string& t = e.text;
        return e.kind == ReportEvent::Text && t.rfind(symbols, 0) == 0 &&
               t.find("=(") != std::string::npos && t.size() > 4 &&
               t.compare(t.size() - 4, 4, "KN/m") == 0;
    });
}

TEST_F(PreviewAsPrinted, EveryPageOfTheMemberChapterIsThePrintedSheet) {
    const auto previewed = previewedChapter();
    const auto printed = printedChapter();
    ASSERT_EQ(previewed.size(), 5u);
    ASSERT_EQ(printed.size(), 5u);
    for (size_t i = 0; i < printed.size(); ++i)
        EXPECT_EQ(transcript(previewed[i]), transcript(printed[i])) << "page " << i + 5;
    // The shear of the fixed ends stays one line of 105 characters on pages 7 and 8.
    for (size_t i : {2u, 3u}) {
        EXPECT_TRUE(shearLineWhole(printed[i])) << "page " << i + 5;
        EXPECT_TRUE(shearLineWhole(previewed[i])) << "page " << i + 5;
    }
}

}  // namespace
}  // namespace pelzaro
