#include "support/scenario.h"

#include "stability/form14.h"
#include "stability/form23.h"

namespace pelzaro {

const WallEntries& twoMetreWall() {
    static const WallEntries wall = {
        {&Form4::txt1, "1"},     {&Form4::txt2, "A"},    {&Form4::txt3, "0.5"},
        {&Form4::txt4, "0.8"},   {&Form4::txt5, "2.0"},  {&Form4::txt6, "0.3"},
        {&Form4::txt7, "0.2"},   {&Form4::txt8, "0.05"}, {&Form4::txt9, "0.2"},
        {&Form4::txt10, "0.05"}, {&Form4::txt12, "0.5"}, {&Form4::txt13, "0.3"},
        {&Form4::txt14, "2.0"},  {&Form4::txt15, "0.3"}, {&Form4::txt16, "0.6"},
        {&Form4::txt17, "0.4"},  {&Form4::txt18, "0.3"}, {&Form4::txt19, "0.3"},
        {&Form4::txt20, "0.5"},  {&Form4::txt21, "10"},  {&Form4::txt22, "5"},
        {&Form4::txt23, "5"}};
    return wall;
}

const WallEntries& twoMetreWallAlongTheEnterChain() {
    static const WallEntries wall = {
        {&Form4::txt1, "1"},     {&Form4::txt2, "A"},    {&Form4::txt3, "0.3"},
        {&Form4::txt4, "0.9"},   {&Form4::txt5, "2.0"},  {&Form4::txt6, "0.3"},
        {&Form4::txt7, "0.25"},  {&Form4::txt8, "0.05"}, {&Form4::txt9, "0.25"},
        {&Form4::txt10, "0.05"}, {&Form4::txt13, "0.3"}, {&Form4::txt15, "0.3"},
        {&Form4::txt14, "2.0"},  {&Form4::txt12, "0.5"}, {&Form4::txt16, "0.8"},
        {&Form4::txt17, "0.4"},  {&Form4::txt18, "0.3"}, {&Form4::txt19, "0.3"},
        {&Form4::txt20, "0.6"},  {&Form4::txt21, "10"},  {&Form4::txt22, "5"},
        {&Form4::txt23, "5"}};
    return wall;
}

void ScenarioTest::fillNormalCaseConditions() {
    Form3& p = conditionsPage();
    p.opt_T.click();
    p.txt1.type("東京都");
    p.txt2.type("21");
    p.txt3.type("180");
    p.txt4.type("100");
    p.txt5.type("18");
    p.txt6.type("24");
    p.cbo1.pick(2);
    p.txt8.type("30");
    p.txt10.type("20");
    p.txt12.type("20");
    p.cbo2.pick(2);
    p.txt11.type("30");
    p.opt5.click();
    p.txt9.type("0.5");
    p.cmd6.click();
}

void ScenarioTest::answerSeismicDialog(OptionButton Form25::*method, const std::string& kh,
                                       const std::string& kv, OptionButton Form25::*zone) {
    host.onModal<Form25>([=](Form25& d) {
        (d.*method).click();
        d.Text1.type(kh);
        d.Text2.type(kv);
        if (zone != nullptr) (d.*zone).click();
        d.cmd1.click();
    });
}

void ScenarioTest::switchToSeismicCase(OptionButton Form25::*method) {
    Form3& p = conditionsPage();
    p.cmd2.click();
    p.txt13.type("295");
    answerSeismicDialog(method, "0.2", "0");
    p.cmd4.click();
    p.txt10.type("15");
    p.cmd6.click();
}

Form4& ScenarioTest::showWall(bool oneSided) {
    Form23& shapes = shown<Form23>(app);
    (oneSided ? shapes.opt1 : shapes.opt2).click();
    shapes.cmd1.click();
    return wallPage();
}

void ScenarioTest::enterWall(const WallEntries& wall) {
    Form4& p = wallPage();
    for (const WallEntry& e : wall) (p.*e.box).setText(e.text);
}

void ScenarioTest::typeWallAlongTheEnterChain(const WallEntries& wall) {
    Form4& p = wallPage();
    p.txt1.click();
    for (const WallEntry& e : wall) {
        TextBox& box = p.*e.box;
        ASSERT_TRUE(box.hasFocus()) << box.name();
        box.type(e.text);
        box.pressEnter();
    }
    EXPECT_TRUE(p.cmd3.hasFocus());
}

void ScenarioTest::chooseNormalMethods() {
    app.get<Form14>().opt1.setValue(true);
    wallPage().opt3.setValue(true);
    wallPage().opt1.setValue(true);
}

}  // namespace pelzaro
