#include "members/form22.h"

#include "forms/host.h"
#include "forms/utf8.h"
#include "members/form7.h"
#include "members/page_calc.h"
#include "members/page_context.h"
#include "numeric/lenient.h"
#include "numeric/rounding.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
constexpr int kEnter = 13;

void place(Control& c, int left, int top, int width, int height = 240) {
    c.geometry = {left, top, width, height};
}

// A cover as the page's label shows it: the plain number, decimals kept, no pattern.
std::string coverCaption(float mm) {
    std::string text = std::to_string(mm);
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

// A cover typed in a box, mm: the leading number, 0 when there is none.
float coverFromText(const std::string& text) {
    return static_cast<float>(Val(text));
}
}  // namespace

Form22::Form22(App& app) : Window(app, "Form22", "Pelzaro", WindowRole::Dialog, 6000, 4800) {
    layOut();
    wireHandlers();
}

void Form22::layOut() {
    geometry = {0, 0, 6000, 4800};
    place(lbl1, 240, 180, 3000);
    lbl1.fontBold = true;
    place(lbl2, 240, 540, 5400);
    place(lbl3, 480, 840, 4000);
    place(lbl4, 480, 1110, 4000);
    struct BoxRow {
        Label& caption;
        TextBox& box;
        Label& unit;
    };
    const BoxRow boxes[] = {{lbl5, txt1, lbl6},
                            {lbl9, txt3, lbl10},
                            {lbl11, txt4, lbl12},
                            {lbl13, txt5, lbl14},
                            {lbl15, txt6, lbl16}};
    int top = 1560;
    for (const BoxRow& b : boxes) {
        place(b.caption, 720, top + 30, 1200);
        place(b.box, 2040, top, 960, 300);
        b.box.Alignment = 1;
        place(b.unit, 3120, top + 30, 480);
        top += 390;
    }
    place(cmd1, 1200, 3720, 1500, 420);
    place(cmd2, 3000, 3720, 1500, 420);
}

// Enter moves to the next visible box, after the last to the OK button (never pressing it).
// A click selects the whole text, a double click from the caret position to the end; the
// boxes select nothing when tabbed into.
void Form22::wireHandlers() {
    TextBox* const chain[] = {&txt1, &txt3, &txt4, &txt5, &txt6};
    for (size_t i = 0; i < std::size(chain); ++i) {
        TextBox& box = *chain[i];
        const int dblClickStart = &box == &txt1 ? 30 : 10;
        box.IMEMode = ImeMode::Off;
        box.Click = [&box] { box.selectAll(); };
        box.DblClick = [&box, dblClickStart] {
            box.setSelStart(dblClickStart);
            box.setSelLength(utf8::length(box.Text()));
        };
        box.KeyPress = [this, i, chain](int& key) {
            if (key != kEnter) return;
            key = 0;
            for (size_t j = i + 1; j < std::size(chain); ++j) {
                if (chain[j]->Visible()) {
                    chain[j]->SetFocus();
                    chain[j]->selectAll();
                    return;
                }
            }
            cmd1.SetFocus();
        };
    }
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    Cancel = &cmd2;  // the close box and Escape
}

// The first empty box speaks; a hidden box (absent part) is not required.
bool Form22::coversComplete() {
    struct Required {
        TextBox& box;
        bool onlyWhenVisible;
        const char* message;
    };
    const Required required[] = {
        {txt1, false, "たて壁のかぶり厚さを入力してください。"},
        {txt3, false, "底版のかぶり厚さを入力してください。"},
        {txt4, true, "かかと版のかぶり厚さを入力してください。"},
        {txt5, true, "つま先版のかぶり厚さを入力してください。"},
        {txt6, true, "突起のかぶり厚さを入力してください。"},
    };
    for (const Required& r : required) {
        if (r.onlyWhenVisible && !r.box.Visible()) continue;
        // A number too large for the design state counts as no cover.
        if (!r.box.Text().empty() && fitsSingle(Val(r.box.Text()))) continue;
        showError(host(), r.message);
        r.box.SetFocus();
        r.box.setSelStart(0);
        return false;
    }
    return true;
}

void Form22::cmd1_Click() {
    if (!coversComplete()) return;
    const std::string changed = storeCovers();
    Hide();
    recomputeRows(changed);
}

// Hidden boxes are read too: an absent part gets the cover its box holds (0 when empty).
std::string Form22::storeCovers() {
    const std::pair<char, TextBox*> covers[] = {{'A', &txt1}, {'B', &txt1}, {'C', &txt3},
                                                {'D', &txt3}, {'E', &txt3}, {'F', &txt4},
                                                {'G', &txt5}, {'H', &txt6}};
    Form7& page = app().get<Form7>();
    std::string changed;
    for (const auto& [letter, box] : covers) {
        float& cover = state().*fieldsOf(letter).Kaburi;
        cover = coverFromText(box->Text());
        Label& shown = *page.row(letter).cover;
        if (shown.Caption() != coverCaption(cover)) changed += letter;
        shown.setCaption(coverCaption(cover));
    }
    return changed;
}

// A row with a bar kind was designed with its old cover: it is designed again with the new one,
// or, without a KA to design it with, emptied. Either way its stresses no longer stand, nor the
// stress check. A row whose cover stays keeps what it shows.
void Form22::recomputeRows(const std::string& changed) {
    Form7& page = app().get<Form7>();
    for (const Form7Row& r : page.rows()) {
        if (changed.find(r.letter) == std::string::npos) continue;
        if (!rowExists(app(), r.letter) || r.barKind->Text().empty()) continue;
        if (page.txt_ka.Text().empty()) {
            page.emptyRowsByEdit({r.letter});
        } else {
            page.runRowProcedure(r.letter);
        }
    }
}

// Cancel discards the dialog with its texts; covers stored by an earlier OK stay.
void Form22::cmd2_Click() {
    Unload();
}

}  // namespace pelzaro
