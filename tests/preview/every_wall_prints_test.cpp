// A wall the pages calculate prints whole: the two-sided wall whose back ground and rear wall
// are both 0 m high, with a back surcharge, printed through 印刷 with every page drawn.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/mdiform1.h"
#include "members/form7.h"
#include "preview/print_request.h"
#include "report/page_plan.h"
#include "stability/form14.h"
#include "stability/form4.h"
#include "support/member_design.h"
#include "support/report_support.h"
#include "support/samples.h"
#include "support/scenario.h"
#include "support/test_printer.h"

namespace pelzaro {
namespace {

TEST(EveryWallPrints, ATwoSidedWallWithoutHeightPrintsEveryPage) {
    OpenedSample s(samplePath("road-normal-two-sided.qkz"));
    Form4& wall = shown<Form4>(s.app);
    for (TextBox* box : {&wall.txt5, &wall.txt6}) {  // back ground and rear wall: 0 m
        box->click();
        box->userEdit("0");
    }
    wall.txt20.click();
    s.host.onModal<Form14>([](Form14& d) {
        d.opt6.click();
        d.cmd1.click();
    });
    wall.cmd4.click();
    wall.opt1.click();
    wall.cmd3.click();
    ASSERT_TRUE(wall.stabilityDisplayCurrent()) << s.host.lastMessage().text;
    ASSERT_NE(s.app.m.Q_Haimen, 0.0f);
    wall.cmd1.click();  // 断面計算 >
    designEveryRow(s.app.get<Form7>());
    ASSERT_EQ(s.app.m.Flg_Ouryoku, 1) << s.host.lastMessage().text;
    s.host.clearRecords();

    for (int page = 1; page <= 9; ++page) {
        const DrawnPage drawn = drawPage(s.app, pageSections(page, wallParts(s.app.m)));
        EXPECT_EQ(drawn.error, "") << "page " << page;
    }
    s.app.get<MDIForm1>().FilePrint(PrintRequest{PrintRange::Range_All, true, 1.0f});
    EXPECT_EQ(s.host.messageTexts(), std::vector<std::string>{});
    ASSERT_EQ(s.host.documents.size(), 1u);
    EXPECT_EQ(s.host.documents[0]->sheets.size(), 9u);
    EXPECT_TRUE(s.host.documents[0]->ended);
}

}  // namespace
}  // namespace pelzaro
