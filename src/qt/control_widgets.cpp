#include "qt/control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "forms/controls.h"
#include "preview/page_box.h"
#include "qt/binder.h"
#include "qt/bound_widgets.h"
#include "qt/page_box_widget.h"
#include "qt/qt_text.h"

namespace pelzaro {

namespace {

bool isEnter(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// A printable character typed without a command modifier: the model types it.
bool isTypedCharacter(const QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = e->text();
    if (text.isEmpty()) return false;
    for (QChar ch : text) {
        if (!ch.isPrint() && !ch.isSurrogate()) return false;
    }
    return true;
}

template <class W>
void reportFocus(Bound<W>* w, Control& c, Binder& b) {
    w->focusHook = [&c, &b](Qt::FocusReason reason) { b.userFocus(c, reason); };
}

// The model's selection follows the caret and selection the user sets with mouse or keys,
// so that the next typed character replaces what the user sees selected.
void followSelection(QLineEdit* e, TextBox& t, Binder& b) {
    auto mirror = [e, &t, &b] {
        if (b.updating()) return;
        const QString text = e->text();
        int start = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
        int end = e->hasSelectedText() ? e->selectionEnd() : start;
        t.setSelStart(charsBefore(text, start));
        t.setSelLength(charsBefore(text, end) - charsBefore(text, start));
    };
    QObject::connect(e, &QLineEdit::selectionChanged, e, mirror);
    QObject::connect(e, &QLineEdit::cursorPositionChanged, e, mirror);
}

QWidget* buildTextBox(TextBox& t, Binder& b, QWidget* parent) {
    auto* w = new Bound<QLineEdit>(parent);
    w->keyHook = [&t, &b](QKeyEvent* e) {
        if (isEnter(e)) {
            b.userAction(&t, [&t] { t.pressEnter(); });
            return true;
        }
        if (!isTypedCharacter(e)) return false;
        const std::string typed = fromQ(e->text());
        b.userAction(&t, [&t, typed] { t.type(typed); });
        return true;
    };
    w->clickHook = [&t, &b] { b.userAction(&t, [&t] { t.click(); }); };
    w->dblClickHook = [&t, &b] { b.userAction(&t, [&t] { t.dblClick(); }); };
    reportFocus(w, t, b);
    // Every other change of the text by the user: Backspace, Delete, paste, cut, drop, undo,
    // an input-method commit. Qt emits textEdited only for the user's changes.
    QObject::connect(w, &QLineEdit::textEdited, w, [w, &t, &b](const QString& text) {
        int caret = charsBefore(text, w->cursorPosition());
        b.userAction(&t, [&t, text, caret] { t.userEdit(fromQ(text), caret); });
    });
    followSelection(w, t, b);
    return w;
}

QWidget* buildButton(CommandButton& c, Binder& b, QWidget* parent) {
    auto* w = new Bound<QPushButton>(parent);
    // Enter is the model's business (KeyPress, then the press); no button is a default.
    w->setAutoDefault(false);
    w->setDefault(false);
    w->setFocusPolicy(Qt::StrongFocus);
    w->keyHook = [&c, &b](QKeyEvent* e) {
        if (!isEnter(e)) return false;
        b.userAction(&c, [&c] { c.pressEnter(); });
        return true;
    };
    reportFocus(w, c, b);
    QObject::connect(w, &QPushButton::clicked, w,
                     [&c, &b] { b.userAction(&c, [&c] { c.click(); }); });
    return w;
}

QWidget* buildOption(OptionButton& o, Binder& b, QWidget* parent) {
    auto* w = new Bound<QRadioButton>(parent);
    // The model groups the options by container and allows none selected.
    w->setAutoExclusive(false);
    reportFocus(w, o, b);
    QObject::connect(w, &QRadioButton::clicked, w,
                     [&o, &b] { b.userAction(&o, [&o] { o.click(); }); });
    return w;
}

QWidget* buildCheck(CheckBox& c, Binder& b, QWidget* parent) {
    auto* w = new Bound<QCheckBox>(parent);
    w->setTristate(true);  // value 2 shows greyed; the model decides what a click sets
    reportFocus(w, c, b);
    QObject::connect(w, &QCheckBox::clicked, w,
                     [&c, &b] { b.userAction(&c, [&c] { c.click(); }); });
    return w;
}

QWidget* buildCombo(ComboBox& c, Binder& b, QWidget* parent) {
    auto* w = new Bound<QComboBox>(parent);
    bool editable = c.Style() == 0;
    w->setEditable(editable);
    w->setInsertPolicy(QComboBox::NoInsert);
    w->keyHook = [&c, &b, editable](QKeyEvent* e) {
        if (isEnter(e)) {
            b.userAction(&c, [&c] { c.pressEnter(); });
            return true;
        }
        if (!editable || !isTypedCharacter(e)) return false;
        const std::string typed = fromQ(e->text());
        b.userAction(&c, [&c, typed] { c.type(typed); });
        return true;
    };
    reportFocus(w, c, b);
    QObject::connect(w, &QComboBox::activated, w,
                     [&c, &b](int index) { b.userAction(&c, [&c, index] { c.pick(index); }); });
    if (editable) {
        w->setCompleter(nullptr);
        QObject::connect(w->lineEdit(), &QLineEdit::textEdited, w, [&c, &b](const QString& text) {
            b.userAction(&c, [&c, text] { c.setText(fromQ(text)); });
        });
    }
    return w;
}

QWidget* buildFrame(Frame& f, QWidget* parent) {
    if (f.BorderStyle == 0) return new QFrame(parent);
    auto* box = new QGroupBox(parent);
    // The caption sits on the top border, as on the pages' printed forms, and the contents'
    // positions count from the frame's corner, caption included.
    box->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    return box;
}

// The value reaches the model when the user lets go of the thumb or steps with an arrow or a
// page click: while the thumb is dragged the page stays where it is.
QWidget* buildScrollBar(ScrollBar& bar, Binder& b, QWidget* parent) {
    auto* w = new QScrollBar(
        bar.orientation() == ScrollBar::Vertical ? Qt::Vertical : Qt::Horizontal, parent);
    w->setTracking(false);
    w->setFocusPolicy(Qt::NoFocus);
    QObject::connect(w, &QScrollBar::valueChanged, w, [&bar, &b](int value) {
        if (b.updating()) return;
        b.userAction(&bar, [&bar, value] { bar.scroll(value); });
    });
    return w;
}

// A caption is opaque: it covers the lines and captions behind it with the page's colour, so
// that overlapping captions never mix into an unreadable print.
QWidget* buildLabel(QWidget* parent) {
    auto* w = new QLabel(parent);
    w->setTextFormat(Qt::PlainText);
    w->setWordWrap(true);
    w->setAutoFillBackground(true);
    return w;
}

}  // namespace

QWidget* buildControlWidget(Control& c, Binder& b, QWidget* parent) {
    switch (c.kind()) {
        case ControlKind::TextBox:
            return buildTextBox(static_cast<TextBox&>(c), b, parent);
        case ControlKind::Label:
            return buildLabel(parent);
        case ControlKind::CommandButton:
            return buildButton(static_cast<CommandButton&>(c), b, parent);
        case ControlKind::OptionButton:
            return buildOption(static_cast<OptionButton&>(c), b, parent);
        case ControlKind::CheckBox:
            return buildCheck(static_cast<CheckBox&>(c), b, parent);
        case ControlKind::ComboBox:
            return buildCombo(static_cast<ComboBox&>(c), b, parent);
        case ControlKind::Frame:
            return buildFrame(static_cast<Frame&>(c), parent);
        case ControlKind::Line:
            return new LineWidget(static_cast<Line&>(c), parent);
        case ControlKind::PictureBox: {
            auto* picture = new PictureWidget(static_cast<PictureBox&>(c), parent);
            // A drawing surface without a border is the window's own background: clicks pass
            // to what lies on it.
            if (static_cast<PictureBox&>(c).BorderStyle == 0)
                picture->setAttribute(Qt::WA_TransparentForMouseEvents);
            return picture;
        }
        case ControlKind::ScrollBar:
            return buildScrollBar(static_cast<ScrollBar&>(c), b, parent);
        case ControlKind::PageBox:
            return new PageBoxWidget(static_cast<PageBox&>(c), parent);
    }
    return new QWidget(parent);
}

}  // namespace pelzaro
