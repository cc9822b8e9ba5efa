#pragma once
// A window of the program: the main window, a page, a dialog, a reference or preview window.
// Its controls are members of the derived class; its named procedures are member functions.

#include <string>
#include <vector>

#include "forms/control.h"

namespace pelzaro {

class App;
class CommandButton;
class Host;
struct MenuItem;
struct Module1;

enum class WindowRole {
    Main,       // the one top-level window
    Page,       // frameless child at the main window's top-left corner
    Dialog,     // modal window above the main window
    Reference,  // frameless modeless child (reference tables, preview pages)
};

class Window {
public:
    Window(App& app, std::string name, std::string caption, WindowRole role, int widthTwips,
           int heightTwips);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    App& app() const { return app_; }
    Host& host() const;
    Module1& state() const;
    const std::string& name() const { return name_; }
    WindowRole role() const { return role_; }

    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& caption);
    Twips geometry;

    bool Visible() const { return visible_; }
    // Modeless show; a page or reference window is placed at the main window's top-left corner.
    void Show();
    // Shows the window modally: returns once it is hidden or unloaded again.
    void ShowModal();
    void Hide();
    // Discards the window; the next reference creates a fresh one in its factory state.
    void Unload();
    bool isModal() const { return modal_; }
    // False once the window has been discarded: a handler may still hold it, but it is gone.
    bool isLoaded() const { return loaded_; }
    // Whether a user can reach the window's controls now: it is loaded and shown, no modal
    // window other than itself is open above it, and it is no input page held behind the
    // print preview.
    bool takesUserInput() const;

    // The button that the close box and Escape press: a dialog's Cancel, or its only button.
    // Null where the user cannot close the window that way (pages, the main window).
    CommandButton* Cancel = nullptr;
    // The user closes the window by its close box or Escape: presses the Cancel button, which
    // decides what closing means for this window. Nothing happens without one.
    void userClose();

    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const std::string& controlName) const;
    Control* ActiveControl() const { return focused_; }

    // Creation step, run once right after the window comes into existence.
    virtual void Form_Load() {}
    // Run each time the window becomes the active page or is shown.
    virtual void Form_Activate() {}
    // The child window's own menu bar: while the window is the active child it takes the place
    // of the main window's menus. Empty for a window without one.
    virtual std::vector<MenuItem*> childMenuBar() { return {}; }

    unsigned revision() const { return revision_; }
    // Marks a change of the window or one of its controls; the host is told, so that the
    // screen follows also a change made outside a user's action.
    void touch();

private:
    friend class Control;
    friend class App;
    void registerControl(Control* control) { controls_.push_back(control); }
    void moveFocus(Control* to);

    App& app_;
    std::string name_;
    std::string caption_;
    WindowRole role_;
    bool visible_ = false;
    bool modal_ = false;
    bool loaded_ = true;
    Control* focused_ = nullptr;
    std::vector<Control*> controls_;
    unsigned revision_ = 0;
};

}  // namespace pelzaro
