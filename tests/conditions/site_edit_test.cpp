// The site is free text: typing it withdraws no result, and the report's conditions page prints
// the site the page shows, not the one that stood when the calculations last ran.

#include <gtest/gtest.h>

#include <string>

#include "conditions/form3.h"
#include "frame/mdiform1.h"
#include "report/sections.h"
#include "state/module1.h"
#include "support/report_support.h"
#include "support/samples.h"

namespace pelzaro {
namespace {

bool printsSite(const DrawnPage& page, const std::string& site) {
    for (const std::string& t : page.texts)
        if (t == "              ・築造地 ： " + site) return true;
    return false;
}

TEST(SiteEdit, TheReportPrintsTheSiteAsTypedAndTheResultsStand) {
    OpenedSample s(samplePath("residential-normal-one-sided.qkz"));
    ASSERT_EQ(s.app.m.Flg_Ouryoku, 1);
    Form3& page = s.app.get<Form3>();
    page.txt1.click();
    page.txt1.type("東京都千代田区");

    EXPECT_TRUE(printsSite(drawPage(s.app, {Form3_Ippan}), "東京都千代田区"));
    EXPECT_EQ(s.app.m.Flg_Ouryoku, 1) << "the site withdraws nothing";
    EXPECT_NE(s.app.m.Sigma_max, 0.0f);
}

}  // namespace
}  // namespace pelzaro
