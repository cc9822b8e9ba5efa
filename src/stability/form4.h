#pragma once
// The wall-dimensions page: the dimensions of the U-shaped section and its surcharges, the
// options of the stability check, the stability verdicts and the way on to the member design.

#include <memory>
#include <string>
#include <vector>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"
#include "stability/calc/wall_choices.h"

namespace pelzaro {

// One verdict row: the quantity, its value and the texts of the pass and the failure.
struct Verdict {
    const char* name;
    float value;
    bool pass;
    std::string passText;
    std::string failText;
};

class Form4 : public Window {
  public:
    explicit Form4(App& app);

    // The page's own drawing surface, under every other control: the notes of the
    // symmetric shape are printed on it.
    PictureBox Surface;

    // --- head of the page
    Label lblSection;  // "§"
    TextBox txt1;      // section number
    Label lblTitle, lblSubtitle, lblSymbol, lblNote;
    TextBox txt2;  // wall symbol

    // --- the 22 input boxes (txt11 does not exist)
    TextBox txt3, txt4, txt5, txt6, txt7, txt8, txt9, txt10, txt12, txt13, txt14, txt15, txt16,
        txt17, txt18, txt19, txt20, txt21, txt22, txt23;

    // --- diagram controls switched by the ground shape
    Line Line120, Line121, Line122, Line123, Line124, Line125, Line126, Line127, Line128, Line129,
        Line130, Line131, Line132, Line133, Line134;  // front ground below the back ground
    Line Line135, Line136, Line137, Line138, Line139, Line140, Line141, Line142, Line143, Line144,
        Line145, Line146, Line147, Line148, Line149;  // front ground at the back ground's level
    Label Label3, Label4, lbl5, lbl6;                 // "H3=", "H4=", " m", " m"
    Line Line150, Line151, Line152;                   // dimension line of the front heights
    Label lbl22, lbl23;                               // front surcharge input: name, unit
    Label lbl32, lbl33, lbl34;                        // front surcharge shown as a value
    Label lbl10, lbl45;                               // "前面土", "背面土"

    // --- the rest of the sketch: the section's outline, labels of the boxes and the base width
    std::vector<std::unique_ptr<Line>> section;
    std::vector<std::unique_ptr<Label>> sketch;

    // --- results panel
    Label lblResultsTitle, lblOverturnTitle, lblBearingTitle, lblSlidingTitle;
    Label lbl52, lbl53, lbl54;  // overturning: name, value, verdict
    Label lbl46, lbl47, lbl48;  // second overturning row of a combined criterion
    Label lbl56, lbl57, lbl58, lbl59, lbl60, lbl61, lbl62;  // bearing
    Label lbl64, lbl65, lbl66;                              // sliding
    Label lbl67, lbl68, lbl69, lbl70;                       // sliding without the shear key

    // --- options
    Frame Frame1;  // vertical component of the earth pressure
    Label Label19;
    OptionButton opt1, opt2;
    Frame Frame2;  // load of the front soil
    OptionButton opt3, opt4;
    Frame Frame3;  // shear key
    OptionButton opt5, opt6;
    CheckBox chk1;  // back surcharge reduced by 5 kN/m2 for the earth pressure

    // --- buttons
    CommandButton cmd4;  // check methods
    CommandButton cmd3;  // stability check
    CommandButton cmd5;  // shear key
    CommandButton cmd6;  // note on the earth pressure of the back surcharge
    CommandButton cmd2;  // back to the ground shape
    CommandButton cmd1;  // on to the member design

    void Form_Load() override;
    void Form_Activate() override;

    // Named procedures read and called by the other pages, the report and the project file.
    void Hihyouji_1();
    void Hihyouji_2();
    void Hihyouji_3();
    // A user's edit that withdraws the stability result while the member design stays on its
    // page (a soil kind, a check method): the rows go as with Hihyouji_1, and the stress check
    // that rests on the result goes with them.
    void withdrawStabilityByEdit();
    void DANMEM_1();
    void GamenHyouji();
    // The verdict rows from the current design state, without running the calculation.
    void showStabilityResults();
    // Printing becomes possible once the results are shown (toolbar 5, 6).
    void enableResultButtons();
    void Ouryoku_T();
    void Ouryoku_D();

    // Handlers of the buttons.
    void cmd1_Click();
    void cmd2_Click();
    void cmd3_Click();
    void cmd4_Click();
    void cmd5_Click();
    void cmd6_Click();

    // The results on the page are those of the current inputs: set by a completed results
    // display, cleared by every invalidation and every edit of the shear-key data. The
    // member design opens only while it is set.
    bool stabilityDisplayCurrent() const { return displayCurrent_; }
    void markDisplayStale() { displayCurrent_ = false; }

    // The text boxes in the order of the Enter chain (both shapes' boxes).
    std::vector<TextBox*> inputBoxes();
    // The two notes of the symmetric shape on the page's surface (no overturning, no sliding).
    void printSymmetricNotes();
    // Fills the ranges of the key dialog of the governing standard, draws its sketch from the
    // current e and B and shows it; false when no standard is chosen.
    bool prepareKeyDialog();
    // Hides the front-soil frame and clears its choice: the wall has none.
    void withdrawFrontSoilChoice();

  private:
    void layoutHead();
    void layoutBoxes();
    void layoutDiagram();
    void layoutSection();
    void layoutSketchTexts();
    void colourSlabEnds();
    void layoutResults();
    void layoutOptions();
    void layoutButtons();
    void wireFields();
    void wireSlabRules();
    void wireOptions();
    void wireButtons();

    void invalidate();
    void clearRows();
    void writeRow(Label& name, Label& value, Label& verdict, const Verdict& v, bool beepOnFail);
    void writeOverturningRows();
    void writeBearingRow();
    void writeSlidingRow();
    void writeSeismicSliding(float factor);
    bool keyCalculated();
    void writeKeyRows();
    void showRows(bool oneSided);
    void copyStabilityInputs();
    struct FieldFailure {
        TextBox* box = nullptr;  // the field to mend; nullptr when every field passes
        const char* message = nullptr;
    };
    FieldFailure firstBadField();
    bool checkMethodsChosen();
    bool seismicMethodsChosen(bool cohesive);
    void enterKey(TextBox& box, int& key);
    Control* nextInChain(TextBox& box, bool& shapeKnown);
    void toeRule();
    void twoSidedFrontSurcharge();
    void keyNone();
    void keyPresent();

    // Focus moves made by the program (the focus after a message, a dialog closing) are not
    // the user leaving a field: the pair rules wait for the user's own moves.
    bool userLeavesField() const;
    int programBusy_ = 0;
    friend class ProgramAction;

    bool displayCurrent_ = false;
};

// Marks the page busy for the lifetime of the object: focus changes meanwhile are the
// program's, not the user's.
class ProgramAction {
  public:
    explicit ProgramAction(Form4& page) : page_(page) { ++page_.programBusy_; }
    ~ProgramAction() { --page_.programBusy_; }
    ProgramAction(const ProgramAction&) = delete;
    ProgramAction& operator=(const ProgramAction&) = delete;

  private:
    Form4& page_;
};

// The focus goes back to "安定性の検討" when a dialog of the page closes; the move is the
// program's, not the user leaving a field.
void focusStabilityButton(App& app);
// Toolbar buttons 5 and 6 of the main window (print image, print).
void disableResultButtons(App& app);
// The stability result stands and the wall-dimensions page shows it as that of the current
// inputs (choosing a shear key withdraws its rows and leaves the result): the member design
// rests on it.
bool stabilityResultShown(App& app);
}  // namespace pelzaro
