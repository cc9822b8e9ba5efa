#pragma once
// The toolkit-free model of one control on a window. Pages, dialogs, the calculations,
// the report and the project file all read and write controls by their names, so a
// control is a plain object with exactly the properties the program uses.

#include <functional>
#include <optional>
#include <string>

#include "forms/palette.h"

namespace pelzaro {

class Window;

enum class ControlKind {
    TextBox,
    Label,
    CommandButton,
    OptionButton,
    CheckBox,
    ComboBox,
    Frame,
    Line,
    PictureBox,
    ScrollBar,
    PageBox,  // a report page picture (src/preview/page_box.h)
};

// Position and size in twips (1/1440 inch, 15 twips to a pixel at 96 dpi).
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What the platform's input method does when the control takes the focus. On Linux
// the mode cannot be forced; the binder only switches the input method off or leaves it on.
enum class ImeMode { NoControl, On, Off, Hiragana, FullWidthAlpha };

class Control {
public:
    Control(Window& owner, std::string name, ControlKind kind, Control* container = nullptr);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Window& window() const { return owner_; }
    // The frame or picture box the control stands in; option buttons are grouped by it.
    Control* container() const { return container_; }

    // Visible and Enabled are the control's own flags; a hidden or disabled frame hides or
    // disables what it contains without changing their flags (see isShown/isUsable).
    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool isShown() const;   // own flag and every container's
    bool isUsable() const;  // shown and enabled along the container chain
    // What a user action asks first: the control is usable and its window is loaded, shown
    // and not behind another modal window. A hidden page's controls cannot be clicked.
    bool userCanReach() const;

    int ForeColor() const { return foreColor_; }  // index into the sixteen-colour palette
    void setForeColor(int paletteIndex);
    // The control's own background colour; without one it shows the window's background.
    const std::optional<Rgb>& BackColor() const { return backColor_; }
    void setBackColor(Rgb color);

    Twips geometry;
    std::string fontName = "ＭＳ ゴシック";
    int fontSizePt = 9;
    bool fontBold = false;
    int tabIndex = 0;

    // Whether the control can take the keyboard focus at all (labels, frames and lines cannot).
    virtual bool canTakeFocus() const { return false; }
    bool hasFocus() const;
    // Moves the focus here. Does nothing for a control that is hidden, disabled or cannot take
    // the focus, as the program must never stop on one.
    void SetFocus();

    // Event handlers set by the window that owns the control.
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;

    // Bumped on every property change; the binder uses it to mirror only what changed.
    unsigned revision() const { return revision_; }

protected:
    void touch();
    void fire(const std::function<void()>& handler);

private:
    Window& owner_;
    std::string name_;
    ControlKind kind_;
    Control* container_;
    bool visible_ = true;
    bool enabled_ = true;
    int foreColor_ = 0;
    std::optional<Rgb> backColor_;
    unsigned revision_ = 0;
};

}  // namespace pelzaro
