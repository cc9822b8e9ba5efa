#include "forms/dialog_snapshot.h"

#include <functional>

#include "forms/controls.h"

namespace pelzaro {

void DialogSnapshot::take(const Window& dialog) {
    entries_.clear();
    for (Control* c : dialog.controls()) {
        Entry e{c, c->Enabled(), 0, {}};
        switch (c->kind()) {
            case ControlKind::OptionButton:
                e.value = static_cast<OptionButton*>(c)->Value() ? 1 : 0;
                break;
            case ControlKind::CheckBox:
                e.value = static_cast<CheckBox*>(c)->Value();
                break;
            case ControlKind::TextBox:
                e.text = static_cast<TextBox*>(c)->Text();
                break;
            default:
                break;
        }
        entries_.push_back(e);
    }
}

namespace {
// Sets a value with the control's reactions switched off: putting the dialog back is not a
// new choice of the user.
template <class Setter>
void quietly(std::function<void()>& handler, Setter set) {
    std::function<void()> saved = std::move(handler);
    handler = nullptr;
    set();
    handler = std::move(saved);
}
}  // namespace

bool DialogSnapshot::restore() {
    bool changed = false;
    for (Entry& e : entries_) {
        Control* c = e.control;
        if (c->Enabled() != e.enabled) changed = true;
        c->setEnabled(e.enabled);
        if (c->kind() == ControlKind::OptionButton) {
            auto* o = static_cast<OptionButton*>(c);
            if (o->Value() != (e.value == 1)) changed = true;
            quietly(o->Click, [&] { o->setValue(e.value == 1); });
        } else if (c->kind() == ControlKind::CheckBox) {
            auto* b = static_cast<CheckBox*>(c);
            if (b->Value() != e.value) changed = true;
            quietly(b->Click, [&] { b->setValue(e.value); });
        } else if (c->kind() == ControlKind::TextBox) {
            auto* t = static_cast<TextBox*>(c);
            if (t->Text() != e.text) changed = true;
            quietly(t->Change, [&] { t->setText(e.text); });
        }
    }
    return changed;
}

}  // namespace pelzaro
