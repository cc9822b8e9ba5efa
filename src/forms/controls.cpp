#include "forms/controls.h"

#include <algorithm>

#include "forms/utf8.h"
#include "forms/window.h"

namespace pelzaro {

namespace {
std::string encodeCodePoint(int cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

// Runs a KeyPress handler; returns the character to insert, or empty when it was swallowed.
std::string filterKey(const std::function<void(int&)>& handler, const std::string& ch) {
    int original = utf8::firstCodePoint(ch);
    int key = original;
    if (handler) handler(key);
    if (key == 0) return {};
    return key == original ? ch : encodeCodePoint(key);
}
}  // namespace

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(Window& owner, std::string name, Control* container)
    : Control(owner, std::move(name), ControlKind::TextBox, container) {}

void TextBox::setText(const std::string& text) {
    if (text_ == text) return;
    text_ = text;
    selStart_ = 0;
    selLength_ = 0;
    touch();
    fire(Change);
}

void TextBox::setSelStart(int start) {
    selStart_ = std::clamp(start, 0, utf8::length(text_));
    selLength_ = 0;
    touch();
}

void TextBox::setSelLength(int length) {
    selLength_ = std::clamp(length, 0, utf8::length(text_) - selStart_);
    touch();
}

void TextBox::selectAll() {
    selStart_ = 0;
    selLength_ = utf8::length(text_);
    touch();
}

std::string TextBox::SelText() const { return utf8::mid(text_, selStart_, selLength_); }

void TextBox::insertAtSelection(const std::string& utf8Text) {
    int n = utf8::length(text_);
    std::string before = utf8::mid(text_, 0, selStart_);
    std::string after = utf8::mid(text_, selStart_ + selLength_, n);
    text_ = before + utf8Text + after;
    selStart_ += utf8::length(utf8Text);
    selLength_ = 0;
    touch();
    fire(Change);
}

void TextBox::type(const std::string& text) {
    for (const std::string& ch : utf8::chars(text)) {
        if (!userCanReach()) return;
        if (!hasFocus()) SetFocus();
        std::string insert = filterKey(KeyPress, ch);
        if (!insert.empty() && !Locked) insertAtSelection(insert);
    }
}

void TextBox::pressEnter() {
    if (!userCanReach()) return;
    int key = 13;
    if (KeyPress) KeyPress(key);
}

void TextBox::userEdit(const std::string& newText, int caret) {
    if (!userCanReach() || Locked) return;
    text_ = newText;
    int n = utf8::length(text_);
    selStart_ = caret < 0 ? n : std::min(caret, n);
    selLength_ = 0;
    touch();
    fire(Change);
    fire(UserEdit);
}

void TextBox::click() {
    if (!userCanReach()) return;
    SetFocus();
    fire(Click);
}

void TextBox::dblClick() {
    click();
    if (userCanReach()) fire(DblClick);
}

// ---------------------------------------------------------------- Label

Label::Label(Window& owner, std::string name, std::string caption, Control* container)
    : Control(owner, std::move(name), ControlKind::Label, container),
      caption_(std::move(caption)) {}

void Label::setCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    touch();
}

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(Window& owner, std::string name, std::string caption,
                             Control* container)
    : Control(owner, std::move(name), ControlKind::CommandButton, container),
      caption_(std::move(caption)) {}

void CommandButton::setCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    touch();
}

void CommandButton::click() {
    if (!userCanReach()) return;
    SetFocus();
    fire(Click);
}

void CommandButton::pressEnter() {
    if (!userCanReach()) return;
    int key = 13;
    if (KeyPress) KeyPress(key);
    // Enter on a focused button presses it, as the platform does.
    if (key != 0) fire(Click);
}

// ---------------------------------------------------------------- OptionButton

OptionButton::OptionButton(Window& owner, std::string name, std::string caption,
                           Control* container)
    : Control(owner, std::move(name), ControlKind::OptionButton, container),
      caption_(std::move(caption)) {}

void OptionButton::setCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    touch();
}

void OptionButton::setValue(bool selected) {
    if (value_ == selected) return;
    value_ = selected;
    touch();
    if (!selected) return;
    for (Control* c : window().controls()) {
        if (c == this || c->kind() != ControlKind::OptionButton) continue;
        if (c->container() != container()) continue;
        auto* other = static_cast<OptionButton*>(c);
        if (other->value_) {
            other->value_ = false;
            other->touch();
        }
    }
    fire(Click);
}

void OptionButton::click() {
    if (!userCanReach() || !userMayClick) return;
    SetFocus();
    setValue(true);
}

// ---------------------------------------------------------------- CheckBox

CheckBox::CheckBox(Window& owner, std::string name, std::string caption, Control* container)
    : Control(owner, std::move(name), ControlKind::CheckBox, container),
      caption_(std::move(caption)) {}

void CheckBox::setCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    touch();
}

void CheckBox::setValue(int value) {
    if (value_ == value) return;
    value_ = value;
    touch();
    fire(Click);
}

void CheckBox::click() {
    if (!userCanReach()) return;
    SetFocus();
    setValue(value_ == 1 ? 0 : 1);
}

// ---------------------------------------------------------------- ComboBox

ComboBox::ComboBox(Window& owner, std::string name, int style, Control* container)
    : Control(owner, std::move(name), ControlKind::ComboBox, container), style_(style) {}

std::string ComboBox::List(int index) const {
    if (index < 0 || index >= ListCount()) return {};
    return items_[static_cast<size_t>(index)];
}

void ComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    touch();
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    text_.clear();
    touch();
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= ListCount()) index = -1;
    if (listIndex_ == index) return;
    listIndex_ = index;
    text_ = List(index);
    touch();
    fire(Click);
}

void ComboBox::setText(const std::string& text) {
    if (text_ == text) return;
    text_ = text;
    // A typed text that matches no entry leaves no entry selected.
    auto it = std::find(items_.begin(), items_.end(), text);
    listIndex_ = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    touch();
    fire(Change);
}

void ComboBox::pick(int index) {
    if (!userCanReach()) return;
    SetFocus();
    setListIndex(index);
}

void ComboBox::type(const std::string& text) {
    for (const std::string& ch : utf8::chars(text)) {
        if (!userCanReach()) return;
        if (!hasFocus()) SetFocus();
        std::string insert = filterKey(KeyPress, ch);
        if (!insert.empty() && style_ == 0) setText(text_ + insert);
    }
}

void ComboBox::pressEnter() {
    if (!userCanReach()) return;
    int key = 13;
    if (KeyPress) KeyPress(key);
}

// ---------------------------------------------------------------- Frame, Line, PictureBox

Frame::Frame(Window& owner, std::string name, std::string caption, Control* container)
    : Control(owner, std::move(name), ControlKind::Frame, container),
      caption_(std::move(caption)) {}

void Frame::setCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    touch();
}

Line::Line(Window& owner, std::string name, int x1, int y1, int x2, int y2, Control* container)
    : Control(owner, std::move(name), ControlKind::Line, container),
      X1(x1),
      Y1(y1),
      X2(x2),
      Y2(y2) {}

void Line::setEnds(int x1, int y1, int x2, int y2) {
    X1 = x1;
    Y1 = y1;
    X2 = x2;
    Y2 = y2;
    touch();
}

PictureBox::PictureBox(Window& owner, std::string name, Control* container)
    : Control(owner, std::move(name), ControlKind::PictureBox, container) {}

void PictureBox::Cls() {
    ops_.clear();
    touch();
}

void PictureBox::line(int x1, int y1, int x2, int y2, int color, int drawStyle) {
    DrawOp op;
    op.kind = DrawOp::Segment;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
    op.drawStyle = drawStyle;
    ops_.push_back(op);
    touch();
}

void PictureBox::print(int x, int y, const std::string& text, int fontSizePt, int color) {
    DrawOp op;
    op.kind = DrawOp::Text;
    op.x1 = x;
    op.y1 = y;
    op.text = text;
    op.fontSizePt = fontSizePt;
    op.color = color;
    ops_.push_back(op);
    touch();
}

// ---------------------------------------------------------------- ScrollBar

namespace {
int to16Bit(int v) {
    return std::clamp(v, -32768, 32767);
}
}  // namespace

ScrollBar::ScrollBar(Window& owner, std::string name, Orientation orientation,
                     Control* container)
    : Control(owner, std::move(name), ControlKind::ScrollBar, container),
      orientation_(orientation) {}

void ScrollBar::setMin(int v) {
    min_ = to16Bit(v);
    touch();
    if (value_ < min_) setValue(min_);
}

void ScrollBar::setMax(int v) {
    max_ = to16Bit(v);
    touch();
    if (value_ > std::max(min_, max_)) setValue(max_);
}

void ScrollBar::setValue(int v) {
    const int low = std::min(min_, max_), high = std::max(min_, max_);
    const int clamped = std::clamp(v, low, high);
    if (clamped == value_) return;
    value_ = clamped;
    touch();
    fire(Change);
}

void ScrollBar::setLargeChange(int v) {
    largeChange_ = std::clamp(v, 1, 32767);
    touch();
}

void ScrollBar::setSmallChange(int v) {
    smallChange_ = std::clamp(v, 1, 32767);
    touch();
}

void ScrollBar::scroll(int value) {
    if (isUsable()) setValue(value);
}

}  // namespace pelzaro
