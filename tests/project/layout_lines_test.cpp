#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conditions/form3.h"
#include "members/form22.h"
#include "members/form7.h"
#include "project/cp932.h"
#include "project/line_file.h"
#include "project/project_writer.h"
#include "project_fixture.h"
#include "stability/form19.h"
#include "stability/form21.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {
namespace {

using LayoutLines = ProjectFixture;

// A few values set on the pages and in the design state land on their lines in their forms.
TEST_F(LayoutLines, KnownValuesLandOnTheirLinesInTheirForms) {
    main().FileNew();
    Form3& conditions = app.get<Form3>();
    conditions.opt_D.click();
    conditions.txt1.setText("東京都～表①");
    conditions.cbo1.pick(1);
    Form4& dims = app.get<Form4>();
    dims.txt1.setText("3");
    dims.txt2.setText("Ｕ－１");
    dims.chk1.setValue(1);
    app.get<Form19>().txt1.setText("0.5");
    app.get<Form22>().txt1.setText("70");
    app.get<Form26>().txt3.setText("0.4");
    app.m.a1_A = 0.7133f;
    app.m.Kaburi_A = 60.0f;
    app.m.dk_H = 71.5f;
    app.m.U_B = 3.0f;

    std::vector<std::string> lines = collectProjectLines(app);
    ASSERT_EQ(lines.size(), 220u);
    struct Expect {
        int line;
        std::string text;
        const char* why;
    };
    const Expect expected[] = {
        {1, "False", "residential-land standard not chosen"},
        {2, "True", "road guideline chosen"},
        {3, "東京都～表①", "site as typed"},
        {15, "0", "cohesion as designed"},
        {17, "礫質土", "soil kind by its text, from the road guideline's list"},
        {21, "True", "normal case as designed"},
        {22, "False", "seismic case"},
        {83, "False", "no seismic method in the normal case"},
        {29, "3", "section number as typed"},
        {30, "Ｕ－１", "a full-width text unchanged"},
        {55, "True", "no shear key as designed"},
        {56, "False", "key option not set"},
        {78, " 1 ", "a ticked check box in number form"},
        {79, "0.5", "key height of the residential-land dialog"},
        {82, " 0 ", "a cleared check box"},
        {109, "作用位置：底盤下端より", "fixed caption of the height field"},
        {110, "m", "fixed unit caption"},
        {111, "70", "cover of the walls"},
        {121, " 0.7133 ", "bar area"},
        {123, " 60 ", "cover"},
        {126, " 3 ", "perimeter, a whole value"},
        {152, " 71.5 ", "distance to the bar centre of the key"},
        {153, "-1 ", "no bar kind chosen"},
        {161, "60", "cover caption of part A as designed"},
        {217, "", "the wall friction flag never set"},
        {218, "", "road key height empty"},
        {220, "0.4", "road key width"},
    };
    for (const Expect& e : expected)
        EXPECT_EQ(lines[static_cast<size_t>(e.line - 1)], e.text)
            << "line " << e.line << ": " << e.why;

    app.m.Flg_DeltaCalc = 1;
    EXPECT_EQ(collectProjectLines(app)[216], " 1 ");
    app.m.Flg_DeltaCalc.setText("1");  // as an opened file had it: written back unchanged
    EXPECT_EQ(collectProjectLines(app)[216], "1");
}

TEST_F(LayoutLines, TheFileIsCp932WithCrLfAfterEveryLine) {
    app.get<Form4>().txt2.setText("表①");
    saveAs(path("wall.qkz"));
    std::string bytes = contents(path("wall.qkz"));
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_NE(bytes.find("\r\n\x95\x5C\x87\x40\r\n"), std::string::npos);  // line 30
    size_t crlf = 0;
    for (size_t i = 0; (i = bytes.find("\r\n", i)) != std::string::npos; i += 2) ++crlf;
    EXPECT_EQ(crlf, 220u);
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);  // no lone line feed
}

TEST_F(LayoutLines, CreatingUnopenedDialogsToReadThemLeavesThePageMarker) {
    app.m.Flg_Page = Page_Dimensions;
    collectProjectLines(app);
    EXPECT_EQ(app.m.Flg_Page, Page_Dimensions);
}

}  // namespace
}  // namespace pelzaro
