#include "qt/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QPushButton>
#include <QSpacerItem>

#include "qt/qt_text.h"

namespace pelzaro {

namespace {

struct ButtonDef {
    QMessageBox::StandardButton standard;
    MsgAnswer answer;
    const char* caption;
};

// The buttons in the order of the model's default-button numbering.
std::vector<ButtonDef> buttonsOf(MsgButtons buttons) {
    const ButtonDef ok{QMessageBox::Ok, MsgAnswer::OK, "OK"};
    const ButtonDef cancel{QMessageBox::Cancel, MsgAnswer::Cancel, "キャンセル"};
    const ButtonDef yes{QMessageBox::Yes, MsgAnswer::Yes, "はい(&Y)"};
    const ButtonDef no{QMessageBox::No, MsgAnswer::No, "いいえ(&N)"};
    switch (buttons) {
        case MsgButtons::OKOnly:
            return {ok};
        case MsgButtons::OKCancel:
            return {ok, cancel};
        case MsgButtons::YesNo:
            return {yes, no};
        case MsgButtons::YesNoCancel:
            return {yes, no, cancel};
    }
    return {ok};
}

QMessageBox::Icon iconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// A short text would make the box narrower than its title, and the title bar would cut the
// title ("エラー…ージ"): the box is made wide enough for the whole title and the title bar's
// buttons.
void keepTitleWhole(QMessageBox& box, const QString& title) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) return;
    const QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    const int titleBarButtonsPx = 160;
    const int width = QFontMetrics(titleFont).horizontalAdvance(title) + titleBarButtonsPx;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const Message& message, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(toQ(message.title));
    box->setText(toQ(message.text));
    box->setTextFormat(Qt::PlainText);
    box->setIcon(iconOf(message.icon));
    std::vector<ButtonDef> defs = buttonsOf(message.buttons);
    for (const ButtonDef& d : defs) {
        QPushButton* button = box->addButton(d.standard);
        button->setText(toQ(d.caption));
        button->setIcon(QIcon());  // captions only, as on the platform the users know
    }
    size_t index = static_cast<size_t>(message.defaultButton) - 1;
    if (index >= defs.size()) index = 0;
    box->setDefaultButton(defs[index].standard);
    if (message.buttons == MsgButtons::OKOnly) box->setEscapeButton(box->button(QMessageBox::Ok));
    keepTitleWhole(*box, toQ(message.title));
    return box;
}

MsgAnswer answerOf(const QMessageBox& box, const Message& message) {
    std::vector<ButtonDef> defs = buttonsOf(message.buttons);
    QAbstractButton* pressed = box.clickedButton();
    for (const ButtonDef& d : defs) {
        if (pressed != nullptr && pressed == box.button(d.standard)) return d.answer;
    }
    return defs.size() == 1 ? defs.front().answer : defs.back().answer;
}

}  // namespace pelzaro
