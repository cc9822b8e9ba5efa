// Mirrors the model's controls into their widgets. Writes only what differs, so a sync after
// every event costs little and never disturbs what the user is doing.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "forms/controls.h"
#include "qt/bound_widgets.h"
#include "qt/control_widgets.h"
#include "qt/fonts.h"
#include "qt/qt_text.h"

namespace pelzaro {

namespace {

Qt::Alignment horizontal(int alignment) {
    switch (alignment) {
        case 1:
            return Qt::AlignRight;
        case 2:
            return Qt::AlignHCenter;
        default:
            return Qt::AlignLeft;
    }
}

// The fore colour for the active and inactive states only: a disabled control stays grey.
void syncForeColor(QWidget* w, int paletteIndex) {
    QColor color = paletteQColor(paletteIndex);
    QPalette p = w->palette();
    if (p.color(QPalette::Active, QPalette::WindowText) == color &&
        p.isBrushSet(QPalette::Active, QPalette::WindowText)) {
        return;
    }
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            p.setColor(g, r, color);
        }
    }
    w->setPalette(p);
}

// The control's own background colour: a field's base, the area of a caption, an option or a
// frame. Without one a caption still covers what lies behind it with the window's colour.
void syncBackColor(const Control& c, QWidget* w) {
    if (!c.BackColor()) return;
    const Rgb rgb = *c.BackColor();
    const QColor color(rgb.r, rgb.g, rgb.b);
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        const QString sheet = box->styleSheet();
        const QString background = QStringLiteral("QGroupBox { background-color: %1; }")
                                       .arg(color.name());
        if (!sheet.contains(background)) box->setStyleSheet(sheet + background);
        return;
    }
    const QPalette::ColorRole role =
        qobject_cast<QLineEdit*>(w) != nullptr ? QPalette::Base : QPalette::Window;
    QPalette p = w->palette();
    if (p.isBrushSet(QPalette::Active, role) && p.color(QPalette::Active, role) == color) return;
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(g, role, color);
    w->setPalette(p);
    if (role == QPalette::Window) w->setAutoFillBackground(true);
}

void syncFont(const Control& c, QWidget* w) {
    QFont font = modelFont(c.fontName, c.fontSizePt, c.fontBold);
    if (w->font() != font) w->setFont(font);
}

void syncTextBoxLook(const TextBox& t, QLineEdit* e) {
    if (e->hasFrame() != (t.BorderStyle != 0)) e->setFrame(t.BorderStyle != 0);
    Qt::Alignment align = horizontal(t.Alignment) | Qt::AlignVCenter;
    if (e->alignment() != align) e->setAlignment(align);
    if (e->isReadOnly() != t.Locked) e->setReadOnly(t.Locked);
    // The input method cannot be switched to a mode on Linux; a numeric field turns it off.
    bool ime = t.IMEMode != ImeMode::Off && !t.Locked;
    if (e->testAttribute(Qt::WA_InputMethodEnabled) != ime) {
        e->setAttribute(Qt::WA_InputMethodEnabled, ime);
        e->setInputMethodHints(ime ? Qt::ImhNone : Qt::ImhLatinOnly | Qt::ImhPreferNumbers);
    }
}

void syncTextBoxValue(const TextBox& t, QLineEdit* e) {
    const QString text = toQ(t.Text());
    if (e->text() != text) e->setText(text);
    int start = utf16PosOf(text, t.SelStart());
    int end = utf16PosOf(text, t.SelStart() + t.SelLength());
    if (end > start) {
        if (e->selectionStart() != start || e->selectionEnd() != end)
            e->setSelection(start, end - start);
    } else if (e->hasSelectedText() || e->cursorPosition() != start) {
        e->deselect();
        e->setCursorPosition(start);
    }
}

void syncComboValue(const ComboBox& c, QComboBox* w) {
    bool same = w->count() == c.ListCount();
    for (int i = 0; same && i < c.ListCount(); ++i) same = w->itemText(i) == toQ(c.List(i));
    if (!same) {
        w->clear();
        for (const std::string& item : c.items()) w->addItem(toQ(item));
    }
    if (w->currentIndex() != c.ListIndex()) w->setCurrentIndex(c.ListIndex());
    if (w->isEditable() && w->currentText() != toQ(c.Text())) w->setEditText(toQ(c.Text()));
}

void syncLabel(const Label& l, QLabel* w) {
    if (w->text() != toQ(l.Caption())) w->setText(toQ(l.Caption()));
    Qt::Alignment align = horizontal(l.Alignment) | Qt::AlignTop;
    if (w->alignment() != align) w->setAlignment(align);
    int shape = l.BorderStyle != 0 ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame;
    if (w->frameStyle() != shape) w->setFrameStyle(shape);
}

void syncButton(const CommandButton& c, QPushButton* b) {
    QString caption = toQ(c.Caption());
    if (b->text() != caption) b->setText(caption);
}

void syncOption(const OptionButton& o, QRadioButton* r) {
    if (r->text() != toQ(o.Caption())) r->setText(toQ(o.Caption()));
    if (r->isChecked() != o.Value()) r->setChecked(o.Value());
}

void syncCheck(const CheckBox& k, QCheckBox* x) {
    if (x->text() != toQ(k.Caption())) x->setText(toQ(k.Caption()));
    // 2 is the greyed state: neither on nor off.
    Qt::CheckState state = k.Value() == 1   ? Qt::Checked
                           : k.Value() == 2 ? Qt::PartiallyChecked
                                            : Qt::Unchecked;
    if (x->checkState() != state) x->setCheckState(state);
}

void syncScrollBar(const ScrollBar& bar, QScrollBar* w) {
    if (w->minimum() != bar.Min() || w->maximum() != bar.Max()) w->setRange(bar.Min(), bar.Max());
    if (w->pageStep() != bar.LargeChange()) w->setPageStep(bar.LargeChange());
    if (w->singleStep() != bar.SmallChange()) w->setSingleStep(bar.SmallChange());
    if (w->value() != bar.Value()) w->setValue(bar.Value());
}

void syncFrame(const Frame& f, QWidget* w) {
    auto* box = qobject_cast<QGroupBox*>(w);
    if (box != nullptr && box->title() != toQ(f.Caption())) box->setTitle(toQ(f.Caption()));
}

template <class C, class W, class F>
void as(Control& c, QWidget* w, F sync) {
    sync(static_cast<C&>(c), static_cast<W*>(w));
}

void syncValue(Control& c, QWidget* w) {
    switch (c.kind()) {
        case ControlKind::TextBox:
            return as<TextBox, QLineEdit>(c, w, syncTextBoxValue);
        case ControlKind::Label:
            return as<Label, QLabel>(c, w, syncLabel);
        case ControlKind::CommandButton:
            return as<CommandButton, QPushButton>(c, w, syncButton);
        case ControlKind::OptionButton:
            return as<OptionButton, QRadioButton>(c, w, syncOption);
        case ControlKind::CheckBox:
            return as<CheckBox, QCheckBox>(c, w, syncCheck);
        case ControlKind::ComboBox:
            return as<ComboBox, QComboBox>(c, w, syncComboValue);
        case ControlKind::Frame:
            return as<Frame, QWidget>(c, w, syncFrame);
        case ControlKind::ScrollBar:
            return as<ScrollBar, QScrollBar>(c, w, syncScrollBar);
        case ControlKind::Line:
        case ControlKind::PictureBox:
        case ControlKind::PageBox:
            w->update();
            return;
    }
}

}  // namespace

void syncControlWidget(Control& c, QWidget* w, bool withValue) {
    syncFont(c, w);
    syncForeColor(w, c.ForeColor());
    syncBackColor(c, w);
    if (c.kind() == ControlKind::TextBox) {
        syncTextBoxLook(static_cast<TextBox&>(c), static_cast<QLineEdit*>(w));
    }
    if (c.kind() == ControlKind::Label) syncLabel(static_cast<Label&>(c), static_cast<QLabel*>(w));
    if (withValue) syncValue(c, w);
    // The control's own flag; a disabled frame disables what it holds, in Qt as in the model.
    bool ownEnabled = !w->testAttribute(Qt::WA_ForceDisabled);
    if (ownEnabled != c.Enabled()) w->setEnabled(c.Enabled());
    if (w->isHidden() == c.Visible()) w->setVisible(c.Visible());
}

}  // namespace pelzaro
