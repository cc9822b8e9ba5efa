#pragma once
// The kinds of control the pages and dialogs are built from. Setting a value from code fires
// what a user's change fires: an option button, a check box or a list index fires Click when
// the value changes; setting a text fires only Change; deselecting fires nothing.

#include <functional>
#include <string>
#include <vector>

#include "forms/control.h"

namespace pelzaro {

// Text of a control. Shared by text boxes and editable combo boxes.
class TextBox : public Control {
public:
    TextBox(Window& owner, std::string name, Control* container = nullptr);

    const std::string& Text() const { return text_; }
    // Text set by the program: fires Change only, never a key or click reaction.
    void setText(const std::string& text);

    // Selection in characters (not bytes); clamped to the text as the toolkit does.
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void setSelStart(int start);
    void setSelLength(int length);
    void selectAll();
    std::string SelText() const;

    // 1 = fixed single border (a field the user types), 0 = none (filled by a calculation).
    int BorderStyle = 1;
    ImeMode IMEMode = ImeMode::NoControl;
    bool Locked = false;
    int Alignment = 0;  // 0 left, 1 right, 2 centre

    bool canTakeFocus() const override { return true; }

    // KeyPress receives the character code and may set it to 0 to swallow the key.
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void()> Change;
    // A user's edit that is not a typed character: Delete, Backspace, paste, cut,
    // drag-and-drop, an input-method commit. Pages treat it as a keystroke.
    std::function<void()> UserEdit;

    // --- what a user does (tests and the binder call these) ---
    // Types each character: KeyPress, then (unless swallowed) the character replaces the
    // selection and Change fires.
    void type(const std::string& utf8);
    void pressEnter();
    // The user replaced the whole text by other means (paste, delete, input method).
    void userEdit(const std::string& newText, int caret = -1);
    // A mouse click into the field: takes the focus, then Click.
    void click();
    void dblClick();

protected:
    void insertAtSelection(const std::string& utf8);

private:
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
};

class Label : public Control {
public:
    Label(Window& owner, std::string name, std::string caption = {}, Control* container = nullptr);
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& caption);
    int BorderStyle = 0;
    int Alignment = 0;  // 0 left, 1 right, 2 centre

private:
    std::string caption_;
};

class CommandButton : public Control {
public:
    CommandButton(Window& owner, std::string name, std::string caption = {},
                  Control* container = nullptr);
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool canTakeFocus() const override { return true; }
    // The user presses the button: nothing when it is hidden or disabled.
    void click();
    std::function<void(int& keyAscii)> KeyPress;
    void pressEnter();

private:
    std::string caption_;
};

// Option buttons in the same container form one group; none selected is allowed.
class OptionButton : public Control {
public:
    OptionButton(Window& owner, std::string name, std::string caption = {},
                 Control* container = nullptr);
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool Value() const { return value_; }
    // Selecting deselects the rest of the group and fires Click when the value changed;
    // deselecting fires nothing.
    void setValue(bool selected);
    bool canTakeFocus() const override { return true; }
    // Some indicators show a state that only the buttons beside them may change.
    bool userMayClick = true;
    void click();

private:
    std::string caption_;
    bool value_ = false;
};

class CheckBox : public Control {
public:
    CheckBox(Window& owner, std::string name, std::string caption = {},
             Control* container = nullptr);
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& caption);
    int Value() const { return value_; }  // 0 unchecked, 1 checked, 2 grayed
    void setValue(int value);
    bool canTakeFocus() const override { return true; }
    void click();

private:
    std::string caption_;
    int value_ = 0;
};

class ComboBox : public Control {
public:
    // Style 0: a list with a field the user can type into; 2: a pick-only list.
    ComboBox(Window& owner, std::string name, int style = 0, Control* container = nullptr);
    int Style() const { return style_; }

    const std::vector<std::string>& items() const { return items_; }
    int ListCount() const { return static_cast<int>(items_.size()); }
    std::string List(int index) const;
    void AddItem(const std::string& item);
    // Empties the entries and the typed text.
    void Clear();

    int ListIndex() const { return listIndex_; }
    // Setting the index fires Click when it changed; -1 selects nothing.
    void setListIndex(int index);
    const std::string& Text() const { return text_; }
    void setText(const std::string& text);

    bool canTakeFocus() const override { return true; }
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void()> Change;

    // --- what a user does ---
    void pick(int index);
    void type(const std::string& utf8);
    void pressEnter();

private:
    int style_;
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::string text_;
};

class Frame : public Control {
public:
    Frame(Window& owner, std::string name, std::string caption = {}, Control* container = nullptr);
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& caption);
    int BorderStyle = 1;

private:
    std::string caption_;
};

// A straight line decoration, in twips of its container.
class Line : public Control {
public:
    Line(Window& owner, std::string name, int x1, int y1, int x2, int y2,
         Control* container = nullptr);
    int X1, Y1, X2, Y2;
    int BorderColor = 0;  // palette index
    int BorderStyle = 1;  // 1 solid, 3 dotted
    void setEnds(int x1, int y1, int x2, int y2);
};

// One drawing instruction on a picture box, in twips of the picture.
struct DrawOp {
    enum Kind { Segment, Text } kind = Segment;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int color = 0;      // palette index
    int drawStyle = 0;  // 0 solid, 2 dotted
    std::string text;
    int fontSizePt = 9;
};

class PictureBox : public Control {
public:
    PictureBox(Window& owner, std::string name, Control* container = nullptr);
    const std::vector<DrawOp>& drawing() const { return ops_; }
    void Cls();
    void line(int x1, int y1, int x2, int y2, int color = 0, int drawStyle = 0);
    void print(int x, int y, const std::string& text, int fontSizePt = 9, int color = 0);
    int BorderStyle = 1;

private:
    std::vector<DrawOp> ops_;
};

// A scroll bar. Its values are 16-bit integers; Value stays within Min..Max, and Change fires
// whenever Value changes, whether the program or the user moved it.
class ScrollBar : public Control {
public:
    enum Orientation { Horizontal, Vertical };
    ScrollBar(Window& owner, std::string name, Orientation orientation,
              Control* container = nullptr);
    Orientation orientation() const { return orientation_; }

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    int LargeChange() const { return largeChange_; }
    int SmallChange() const { return smallChange_; }
    void setMin(int v);
    // A maximum below the value pulls the value along (Change fires).
    void setMax(int v);
    void setValue(int v);
    void setLargeChange(int v);
    void setSmallChange(int v);

    std::function<void()> Change;

    // The user moves the bar to `value` (thumb released, arrow or page step): nothing when the
    // bar is hidden or disabled.
    void scroll(int value);

private:
    Orientation orientation_;
    int min_ = 0, max_ = 32767, value_ = 0, largeChange_ = 1, smallChange_ = 1;
};

}  // namespace pelzaro
