#include "forms/window.h"

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/host.h"

namespace pelzaro {

Window::Window(App& app, std::string name, std::string caption, WindowRole role, int widthTwips,
               int heightTwips)
    : app_(app), name_(std::move(name)), caption_(std::move(caption)), role_(role) {
    geometry.width = widthTwips;
    geometry.height = heightTwips;
}

Host& Window::host() const { return app_.host(); }

void Window::touch() {
    ++revision_;
    app_.host().modelChanged();
}
Module1& Window::state() const { return app_.m; }

void Window::setCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    touch();
}

Control* Window::find(const std::string& controlName) const {
    for (Control* c : controls_) {
        if (c->name() == controlName) return c;
    }
    return nullptr;
}

void Window::Show() {
    if (role_ == WindowRole::Page || role_ == WindowRole::Reference) {
        geometry.left = 0;
        geometry.top = 0;
    }
    bool wasVisible = visible_;
    visible_ = true;
    touch();
    if (!wasVisible) app_.host().windowShown(*this);
    // A dialog shown without blocking is activated as it is when shown modally.
    if (role_ == WindowRole::Dialog) {
        if (!wasVisible) Form_Activate();
        return;
    }
    app_.activate(*this);
}

void Window::ShowModal() {
    if (modal_) return;
    visible_ = true;
    modal_ = true;
    touch();
    app_.pushModal(*this);
    app_.host().windowShown(*this);
    Form_Activate();
    app_.host().runModal(*this);
    // The host returns once the window was hidden or unloaded; make sure of it either way.
    if (modal_) {
        modal_ = false;
        visible_ = false;
        app_.popModal(*this);
        app_.host().windowHidden(*this);
    }
}

void Window::Hide() {
    if (!visible_) return;
    visible_ = false;
    touch();
    if (modal_) {
        modal_ = false;
        app_.popModal(*this);
    }
    app_.host().windowHidden(*this);
}

void Window::Unload() { app_.unload(*this); }

bool Window::takesUserInput() const {
    if (!loaded_ || !visible_) return false;
    if (role_ == WindowRole::Page && app_.pagesHeldBehind()) return false;
    const Window* modal = app_.modalWindow();
    return modal == nullptr || modal == this;
}

void Window::userClose() {
    if (Cancel != nullptr && takesUserInput()) Cancel->click();
}

void Window::moveFocus(Control* to) {
    Control* from = focused_;
    app_.host().focusMoved(*to);
    if (from == to) return;
    focused_ = to;
    touch();
    if (from != nullptr && from->LostFocus) from->LostFocus();
    // A LostFocus reaction may have moved the focus on already.
    if (focused_ == to && to->GotFocus) to->GotFocus();
}

}  // namespace pelzaro
