#include "forms/control.h"

#include "forms/app.h"
#include "forms/host.h"
#include "forms/window.h"

namespace pelzaro {

Control::Control(Window& owner, std::string name, ControlKind kind, Control* container)
    : owner_(owner), name_(std::move(name)), kind_(kind), container_(container) {
    owner_.registerControl(this);
}

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    touch();
}

void Control::setEnabled(bool e) {
    if (enabled_ == e) return;
    enabled_ = e;
    touch();
}

bool Control::isShown() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->visible_) return false;
    }
    return true;
}

bool Control::isUsable() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->visible_ || !c->enabled_) return false;
    }
    return true;
}

bool Control::userCanReach() const { return isUsable() && owner_.takesUserInput(); }

void Control::setForeColor(int paletteIndex) {
    if (foreColor_ == paletteIndex) return;
    foreColor_ = paletteIndex;
    touch();
}

void Control::setBackColor(Rgb color) {
    if (backColor_ && backColor_->r == color.r && backColor_->g == color.g &&
        backColor_->b == color.b) {
        return;
    }
    backColor_ = color;
    touch();
}

bool Control::hasFocus() const { return owner_.ActiveControl() == this; }

void Control::SetFocus() {
    if (!canTakeFocus() || !isUsable()) return;
    owner_.moveFocus(this);
}

void Control::touch() {
    ++revision_;
    owner_.touch();
}

void Control::fire(const std::function<void()>& handler) {
    if (handler) handler();
}

}  // namespace pelzaro
