// The Enter chain of the wall-dimensions page for both ground shapes.

#include "wall_pages_fixture.h"

namespace pelzaro {

struct ChainStep {
    const char* from;
    const char* oneSided;  // next stop with the one-sided shape
    const char* twoSided;  // next stop with the symmetric shape ("-": the box is hidden)
};

const ChainStep kChain[] = {
    {"txt1", "txt2", "txt2"},    {"txt2", "txt3", "txt5"},  // the front heights exist one-sided
    {"txt3", "txt4", "-"},       {"txt4", "txt5", "-"},       {"txt5", "txt6", "txt6"},
    {"txt6", "txt7", "txt7"},    {"txt7", "txt8", "txt8"},    {"txt8", "txt9", "txt9"},
    {"txt9", "txt10", "txt10"},  {"txt10", "txt13", "txt13"}, {"txt13", "txt15", "txt15"},
    {"txt15", "txt14", "txt14"}, {"txt14", "txt12", "txt12"}, {"txt12", "txt16", "txt16"},
    {"txt16", "txt17", "txt17"}, {"txt17", "txt18", "txt18"}, {"txt18", "txt19", "txt19"},
    {"txt19", "txt20", "txt20"}, {"txt20", "txt21", "txt21"}, {"txt21", "txt22", "txt22"},
    {"txt22", "txt23", "cmd3"},  // the front surcharge is typed only one-sided
    {"txt23", "cmd3", "-"},
};

TEST_F(WallPagesTest, EnterFollowsTheChainOfEachShape) {
    fillWall();
    for (bool oneSided : {true, false}) {
        Form4& p = showWall(oneSided);
        for (const ChainStep& step : kChain) {
            std::string expected = oneSided ? step.oneSided : step.twoSided;
            if (expected == "-") continue;
            auto* box = static_cast<TextBox*>(p.find(step.from));
            box->SetFocus();
            int key = 13;
            box->KeyPress(key);
            EXPECT_EQ(key, 0) << step.from;
            EXPECT_EQ(focusedName(p), expected)
                << "Enter in " << step.from << (oneSided ? " one-sided" : " two-sided");
            if (auto* next = dynamic_cast<TextBox*>(p.ActiveControl())) {
                EXPECT_EQ(next->SelLength(), static_cast<int>(next->Text().size()))
                    << "whole text of " << expected << " selected";
            }
        }
    }
}

TEST_F(WallPagesTest, EnterWithoutShapeStaysInTheShapeDependentBoxes) {
    Form4& p = wallPage();
    for (TextBox* box : {&p.txt2, &p.txt22}) {
        box->SetFocus();
        int key = 13;
        box->KeyPress(key);
        EXPECT_EQ(key, 13) << box->name() << ": the key is not taken";
        EXPECT_EQ(p.ActiveControl(), box);
    }
}

TEST_F(WallPagesTest, EnterNeverStopsOnADisabledBox) {
    Form4& p = showWall(true);
    p.txt4.setEnabled(false);
    p.txt3.SetFocus();
    p.txt3.pressEnter();
    EXPECT_EQ(focusedName(p), "txt5");
}

}  // namespace pelzaro
