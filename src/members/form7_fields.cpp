// The text fields of the member-design page: selection, the Enter chain over the rows that
// exist, the clearing of a row's results when its spacing is edited, the surcharge-inertia
// height and the KA of the member design; the KA notice and the page reset.

#include "forms/host.h"
#include "forms/utf8.h"
#include "members/form7.h"
#include "members/page_calc.h"
#include "members/page_context.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
constexpr int kEnter = 13;
}  // namespace

void Form7::wireHandlers() {
    for (const Form7Row& r : rows_) {
        wireSpacingField(r);
        const char letter = r.letter;
        r.barKind->Click = [this, letter] {
            if (!rowsWaitForTheReaction) runRowProcedure(letter);
        };
    }
    wireHeightField();
    wireKaField();
    wireButtons();
}

// A click and the focus select the whole text; a double click selects from the 11th
// character to the end.
void Form7::wireSelection(TextBox& box) {
    box.GotFocus = [&box] { box.selectAll(); };
    box.Click = [&box] { box.selectAll(); };
    box.DblClick = [&box] {
        box.setSelStart(10);
        box.setSelLength(utf8::length(box.Text()));
    };
}

void Form7::wireSpacingField(const Form7Row& r) {
    TextBox& box = *r.designSpacing;
    wireSelection(box);
    box.IMEMode = ImeMode::Off;
    box.Click = [this, &box, r] {
        box.selectAll();
        spacingFieldEdited(r);
    };
    box.KeyPress = [this, r](int& key) {
        if (key == kEnter) {
            key = 0;
            nextStopAfter(r.letter).SetFocus();
        }
        spacingFieldEdited(r);
    };
    // Delete, paste, cut, drag-and-drop and input-method commits change the spacing as a
    // typed character does.
    box.UserEdit = [this, r] { spacingFieldEdited(r); };
}

// Rows F, G and H are skipped when the heel, the toe or the key does not exist, the same
// tests that decide whether their rows are shown, so the focus never lands on a hidden field.
Control& Form7::nextStopAfter(char letter) {
    static constexpr char kOrder[] = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'};
    bool passed = false;
    for (char next : kOrder) {
        if (passed && rowExists(app(), next)) return *row(next).designSpacing;
        if (next == letter) passed = true;
    }
    return cmd1;
}

void Form7::spacingFieldEdited(const Form7Row& r) {
    clearRowResults(r);
    withdrawStressCheck();
}

void Form7::clearRowResults(const Form7Row& r) {
    for (Label* l : {r.sigmaC, r.sigmaS, r.tauC, r.verdict}) l->setCaption("");
}

void Form7::withdrawStressCheck() {
    state().Flg_Ouryoku = 0;
    setToolbarButton(app(), 5, false);
}

// The height of the surcharge inertia enters the forces of rows A and B only. A change made by
// the program clears their results (the other rows keep theirs); a user's change empties both rows
// as the check box does, so that no spacing computed with the old height remains.
void Form7::wireHeightField() {
    wireSelection(txt_1);
    txt_1.IMEMode = ImeMode::Off;
    txt_1.Change = [this] { heightFieldChanged(); };
    txt_1.KeyPress = [this](int& key) {
        if (key != kEnter) emptyWallRows();
    };
    txt_1.UserEdit = [this] { emptyWallRows(); };
}

void Form7::heightFieldChanged() {
    clearRowResults(row('A'));
    clearRowResults(row('B'));
}

// A user's edit of the KA empties rows A and B (their forces used the old KA); a KA written by
// the program (opening the page, a project) stays silent.
void Form7::wireKaField() {
    wireSelection(txt_ka);
    txt_ka.IMEMode = ImeMode::Off;
    txt_ka.KeyPress = [this](int& key) {
        if (key != kEnter) emptyWallRows();
    };
    txt_ka.UserEdit = [this] { emptyWallRows(); };
}

void Form7::emptyRow(const Form7Row& r) {
    withdrawRowDesign(app(), r.letter);
    r.barKind->setText("");
    r.computedSpacing->setCaption("");
    r.designSpacing->setText("");
    clearRowResults(r);
}

void Form7::emptyAllRows() {
    for (const Form7Row& r : rows_) withdrawRowDesign(app(), r.letter);
    for (const Form7Row& r : rows_) r.barKind->setText("");
    for (const Form7Row& r : rows_) r.computedSpacing->setCaption("");
    for (const Form7Row& r : rows_) r.designSpacing->setText("");
    for (const Form7Row& r : rows_) clearRowResults(r);
}

// A row emptied by an edit has no bar kind or spacing left to check: the stress check is
// withdrawn with it, so that a project is offered for saving only while it would open again
// with every row checked.
void Form7::emptyRowsByEdit(std::initializer_list<char> letters) {
    for (char letter : letters) emptyRow(row(letter));
    withdrawStressCheck();
}

void Form7::emptyWallRows() {
    emptyRowsByEdit({'A', 'B'});
}

void Form7::Tyuui() {
    if (!txt_ka.Text().empty()) return;
    showError(host(), "主働土圧係数を入力してください。");
    txt_ka.SetFocus();
    txt_ka.setSelStart(0);
}

// Resets what the earlier pages' edits invalidate. The covers, the rows shown, the surcharge
// inertia, the KA buttons and the toolbar are left alone; clearing the lists runs no row.
void Form7::withholdResults() {
    for (const Form7Row& r : rows_) withdrawRowDesign(app(), r.letter);
    for (const Form7Row& r : rows_) r.computedSpacing->setCaption("");
    for (const Form7Row& r : rows_) clearRowResults(r);
    withdrawStressCheck();
}

void Form7::Hihyouji_3() {
    emptyAllRows();
    txt_ka.setText("");
    state().Flg_Ouryoku = 0;
}

}  // namespace pelzaro
