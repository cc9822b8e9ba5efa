// The input boxes of the wall-dimensions page: the Enter chain, the invalidation that every
// click and key of a dimension box causes, the toe rule that offers the front-soil choice
// and the pair rules that keep a slab end and its thickness together.

#include <algorithm>

#include "forms/app.h"
#include "forms/utf8.h"
#include "members/form7.h"
#include "stability/form4.h"
#include "stability/links.h"
#include "stability/single_text.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
bool missingText(const std::string& text) {
    return text.empty() || text == "0";
}
}  // namespace

std::vector<TextBox*> Form4::inputBoxes() {
    return {&txt1,  &txt2,  &txt3,  &txt4,  &txt5,  &txt6,  &txt7,  &txt8,  &txt9,  &txt10, &txt13,
            &txt15, &txt14, &txt12, &txt16, &txt17, &txt18, &txt19, &txt20, &txt21, &txt22, &txt23};
}

void Form4::invalidate() {
    Hihyouji_1();
    Hihyouji_2();
    app().get<Form7>().Hihyouji_3();
}

bool Form4::userLeavesField() const {
    return programBusy_ == 0 && app().modalWindow() == nullptr;
}

void Form4::wireFields() {
    for (TextBox* box : inputBoxes()) {
        bool invalidates = box != &txt1 && box != &txt2;
        box->GotFocus = [box] { box->selectAll(); };
        box->DblClick = [box] {
            box->setSelStart(10);
            box->setSelLength(utf8::length(box->Text()));
        };
        box->KeyPress = [this, box, invalidates](int& key) {
            if (key == 13) enterKey(*box, key);
            if (invalidates) invalidate();
        };
        if (!invalidates) {
            box->Click = [box] { box->selectAll(); };
            continue;
        }
        box->Click = [this, box] {
            box->selectAll();
            invalidate();
        };
        // Deleting, pasting, cutting or an input-method commit changes the dimension as
        // surely as a typed character does.
        box->UserEdit = [this] { invalidate(); };
    }
    // The section number is free text that no result rests on, so an edit withdraws nothing;
    // every chapter heading prints it from the design state, which therefore follows the box as
    // it changes, whichever part of the report is printed.
    txt1.Change = [this] { state().Syou_No = txt1.Text(); };
    wireSlabRules();
}

// The toe rule and the pair rules run when the user leaves a slab box; the back surcharge
// gives the symmetric shape its front surcharge.
void Form4::wireSlabRules() {
    txt12.Click = [this] {
        txt12.selectAll();
        invalidate();
        toeRule();
    };
    txt12.LostFocus = [this] {
        if (!userLeavesField()) return;
        if (missingText(txt12.Text())) txt18.setText("0");
        toeRule();
    };
    txt18.LostFocus = [this] {
        if (!userLeavesField()) return;
        if (missingText(txt18.Text())) txt12.setText("0");
        toeRule();
    };
    txt16.LostFocus = [this] {
        if (userLeavesField() && missingText(txt16.Text())) txt19.setText("0");
    };
    txt19.LostFocus = [this] {
        if (userLeavesField() && missingText(txt19.Text())) txt16.setText("0");
    };
    txt21.LostFocus = [this] { twoSidedFrontSurcharge(); };
}

// The Enter chain follows the page's reading order; the front-side boxes exist only with the
// one-sided shape, and the program never stops on a box that is hidden or disabled.
void Form4::enterKey(TextBox& box, int& key) {
    bool shapeKnown = true;
    Control* next = nextInChain(box, shapeKnown);
    if (!shapeKnown) return;  // no shape chosen: the key is not taken
    key = 0;
    if (next == nullptr) return;
    next->SetFocus();
    if (next->kind() == ControlKind::TextBox && next->hasFocus()) {
        static_cast<TextBox*>(next)->selectAll();
    }
}

Control* Form4::nextInChain(TextBox& box, bool& shapeKnown) {
    bool oneSided = shapeOneSided(app());
    bool twoSided = !oneSided && shapeTwoSided(app());
    if ((&box == &txt2 || &box == &txt22) && !oneSided && !twoSided) {
        shapeKnown = false;
        return nullptr;
    }
    std::vector<Control*> chain = {&txt1, &txt2};
    if (!twoSided) chain.insert(chain.end(), {&txt3, &txt4});
    chain.insert(chain.end(), {&txt5, &txt6, &txt7, &txt8, &txt9, &txt10, &txt13, &txt15, &txt14,
                               &txt12, &txt16, &txt17, &txt18, &txt19, &txt20, &txt21, &txt22});
    if (!twoSided) chain.push_back(&txt23);
    chain.push_back(&cmd3);
    auto at = std::find(chain.begin(), chain.end(), static_cast<Control*>(&box));
    if (at == chain.end()) return nullptr;  // a box the shape hides takes no Enter
    for (auto it = at + 1; it != chain.end(); ++it) {
        if ((*it)->isUsable()) return *it;
    }
    return nullptr;
}

// A toe offers the front-soil choice. The toe is the length as the stability calculation reads
// it (and Open after it): a length that reads as 0 ("0.0", a text without a number) is no toe,
// whatever the end thickness, and a choice offered for it would count the front soil of a wall
// that has none.
void Form4::toeRule() {
    if (!shapeOneSided(app())) return;
    if (readSingle(txt12.Text()) != 0.0f) {
        Frame2.setVisible(true);
        return;
    }
    withdrawFrontSoilChoice();
}

// A wall without the choice has none: a choice left standing behind the hidden frame would
// still count the front soil over the front wall's batter, and the project would open again
// as another wall, since a file read back holds no choice where the page offers none.
void Form4::withdrawFrontSoilChoice() {
    Frame2.setVisible(false);
    opt3.setValue(false);
    opt4.setValue(false);
}

// With the symmetric shape the front surcharge is the back surcharge, shown as a value.
void Form4::twoSidedFrontSurcharge() {
    if (!shapeTwoSided(app())) return;
    state().Q_Zenmen = readSingle(txt21.Text());
    lbl33.setCaption(singleText(state().Q_Zenmen));
}

}  // namespace pelzaro
