#pragma once
// The line layout of a project file, written as data so that saving and opening use one table.
//
// A project file holds one value per line, identified only by its line number: 217 lines from
// the pages, the dialogs and 33 values of the design state, then the three shear-key inputs of
// the road-guideline key dialog on lines 218 to 220. Files written before those three lines
// existed end after line 217; they open with the road key dialog empty.

#include <string>
#include <vector>

namespace pelzaro {

// The window (or the design state) a line belongs to.
enum class FormId {
    Form3,
    Form23,
    Form4,
    Form19,
    Form25,
    Form14,
    Form21,
    Form22,
    Form7,
    Form26,
    State
};

// What the line is assigned to, which fixes its form in the file.
enum class Target {
    Option,     // Value of an option button: "True" / "False"
    Text,       // Text of a text box or of a soil-kind combo box: the text unchanged
    Caption,    // Caption of a label: the text unchanged
    Check,      // Value of a check box: number form of 0 or 1
    ListIndex,  // ListIndex of a bar-kind combo box: number form of -1 to 20
    Single,     // a single-precision value of the design state: number form
    DeltaFlag,  // Flg_DeltaCalc: number form of 0 or 1, a text as read, or empty
};

struct LineSpec {
    int line;  // 1-based line number in the file
    FormId form;
    const char* name;  // control name on the window, or design-state variable name
    Target target;
    const char* field;  // the field as the user knows it, for messages; empty for captions
};

constexpr int kCoreLines = 217;  // every project file has at least these
constexpr int kRoadKeyFirstLine = 218;
constexpr int kAllLines = 220;  // the road key dialog's three inputs follow line 217

// All 220 lines in file order.
const std::vector<LineSpec>& projectLayout();
// The page or dialog title a window's fields are shown under, for messages.
const char* formTitle(FormId form);
// The field as a message names it: "設計条件：築造地", or the page and line of a caption.
std::string fieldName(const LineSpec& entry);

}  // namespace pelzaro
