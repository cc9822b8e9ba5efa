// The text fields of the design-conditions page: selection on focus and click, the Enter
// chain, and what each click or edit throws away. An edit that is not a typed character
// (delete, paste, cut, drop, input-method commit) counts as a typed character.

#include <vector>

#include "conditions/form3.h"
#include "forms/utf8.h"
#include "numeric/lenient.h"
#include "numeric/rounding.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
constexpr int kEnter = 13;
}

void Form3::wireFields() {
    for (TextBox* t : {&txt1, &txt2, &txt3, &txt13, &txt4, &txt5, &txt6, &txt8, &txt10, &txt12,
                       &txt14, &txt11, &txt9, &txt15}) {
        TextBox& field = *t;
        field.GotFocus = [&field] { field.selectAll(); };
        field.Click = [this, &field] { fieldClicked(field); };
        // A short text leaves the caret at its end; a long one shows its tail selected.
        int start = &field == &txt1 ? 30 : 10;
        field.DblClick = [&field, start] {
            field.setSelStart(start);
            field.setSelLength(utf8::length(field.Text()));
        };
        field.KeyPress = [this, &field](int& key) {
            bool enter = key == kEnter;
            if (enter) {
                key = 0;
                moveAlongChain(field);
            }
            fieldTyped(field, enter);
        };
        field.UserEdit = [this, &field] { fieldTyped(field, false); };
    }
    // The site is free text that no result depends on, so an edit withdraws nothing; the report
    // prints it from the design state, which therefore follows the box as it changes.
    txt1.Change = [this] { state().Tikuzouti = txt1.Text(); };
    // The member design's wall friction angle likewise, as the report's conditions page prints
    // it; its edits empty the member-design page, which was computed with the old angle. A
    // value single precision cannot hold stays out of the state, as "地盤の形状 >" refuses it.
    txt12.Change = [this] {
        const double delta = Val(txt12.Text());
        if (fitsSingle(delta)) state().Delta_Danmen = static_cast<float>(delta);
    };
}

// What a click into a field throws away; the click also selects the whole text. Clicking into
// mu or KA declares the value typed.
void Form3::fieldClicked(TextBox& field) {
    if (&field == &txt14) setBorder(txt14, 1);
    if (&field == &txt9) {
        setBorder(txt9, 1);
        opt5.setValue(true);
    }
    if (&field == &txt15) {
        setBorder(txt15, 1);
        opt1.setValue(true);
    }
    if (field.hasFocus()) field.selectAll();
    if (&field == &txt1) return;
    if (&field == &txt12) {
        invalidatePage3();
        return;
    }
    if (&field == &txt8 || &field == &txt9 || &field == &txt10) dropComputedKA();
    invalidatePages23();
    if (&field == &txt10) state().Flg_DeltaCalc = 0;
}

// What a typed character (Enter included, after the focus has moved on) throws away. The
// wall friction angle enters the coefficient like phi: an edit drops a computed KA and marks
// delta as typed; Enter there only moves on and drops the coefficient.
void Form3::fieldTyped(TextBox& field, bool enter) {
    if (&field == &txt1) return;
    if (&field == &txt12) {
        invalidatePage3();
        return;
    }
    if (&field == &txt8 || &field == &txt10) dropComputedKA();
    if (&field == &txt11 && !enter) dropComputedMu();
    // Typing or pasting into mu or KA declares the value typed, as a click into the box does:
    // a value the user wrote is not the one "tanφ" or "計算する" gave, and the report must not
    // print it as the result of their formula.
    if (&field == &txt9 && !enter && !opt5.Value()) {
        setBorder(txt9, 1);
        opt5.setValue(true);
    }
    if (&field == &txt15 && !enter && !opt1.Value()) {
        setBorder(txt15, 1);
        opt1.setValue(true);
    }
    if (&field == &txt10 && !enter) state().Flg_DeltaCalc = 0;
    invalidatePages23();
}

// The fixed chain of the page. Each stop lists its targets in order of preference; the first
// that is shown and enabled takes the focus, and a stop with none is passed over, so the chain
// never stops on a hidden or disabled control.
void Form3::moveAlongChain(Control& from) {
    struct Stop {
        Control* self;
        std::vector<Control*> targets;
    };
    const bool muTyped = opt5.Value();
    const bool kaTyped = opt1.Value();
    const std::vector<Stop> chain = {
        {&txt1, {&txt1}},
        {&txt2, {&txt2}},
        {&txt3, {&txt3}},
        {&txt13, {&txt13}},
        {&txt4, {&txt4}},
        {&txt5, {&txt5}},
        {&txt6, {&txt6}},
        {&cbo1, {&cbo1}},
        {&txt8, {&txt8}},
        {&txt10, {&txt10}},
        {&txt12, {&txt12}},
        {&cbo2, {&cbo2}},
        {&txt14, {&txt14}},
        {&txt11, {&txt11}},
        {&txt9, muTyped ? std::vector<Control*>{&txt9} : std::vector<Control*>{&opt5}},
        // With seismic earth pressure KA cannot be typed: "計算する" is the way on.
        {&txt15, kaTyped ? std::vector<Control*>{&txt15} : std::vector<Control*>{&cmd5, &cmd6}},
        {&cmd3, {&cmd3}},
    };
    size_t i = 0;
    while (i < chain.size() && chain[i].self != &from) ++i;
    for (++i; i < chain.size(); ++i) {
        for (Control* target : chain[i].targets) {
            if (!target->isUsable()) continue;
            if (target == &txt9 || target == &txt15) setBorder(static_cast<TextBox&>(*target), 1);
            target->SetFocus();
            if (target->kind() == ControlKind::TextBox) static_cast<TextBox*>(target)->selectAll();
            return;
        }
    }
}

}  // namespace pelzaro
