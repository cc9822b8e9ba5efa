// The program's questions appear with their exact title, buttons, icon and default button,
// and a box closed without a button answers as its safe button does.

#include "qt/message_box.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include "qt/file_filter.h"

namespace pelzaro {
namespace {

struct BoxCase {
    const char* why;
    Message message;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton defaultButton;
    MsgAnswer closedWithoutButton;
};

class MessageBoxTable : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxTable, ShowsTheMessageAsAskedFor) {
    const BoxCase& c = GetParam();
    auto box = buildMessageBox(c.message, nullptr);
    EXPECT_EQ(box->windowTitle().toStdString(), c.message.title) << c.why;
    EXPECT_EQ(box->text().toStdString(), c.message.text) << c.why;
    EXPECT_EQ(box->standardButtons(), c.buttons) << c.why;
    EXPECT_EQ(box->icon(), c.icon) << c.why;
    EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton) << c.why;
    EXPECT_EQ(answerOf(*box, c.message), c.closedWithoutButton) << c.why;
}

TEST_P(MessageBoxTable, AnswersWithTheButtonPressed) {
    const BoxCase& c = GetParam();
    auto box = buildMessageBox(c.message, nullptr);
    const std::pair<QMessageBox::StandardButton, MsgAnswer> answers[] = {
        {QMessageBox::Ok, MsgAnswer::OK},
        {QMessageBox::Cancel, MsgAnswer::Cancel},
        {QMessageBox::Yes, MsgAnswer::Yes},
        {QMessageBox::No, MsgAnswer::No}};
    for (auto [button, answer] : answers) {
        if (!(c.buttons & button)) continue;
        box = buildMessageBox(c.message, nullptr);
        box->button(button)->click();
        EXPECT_EQ(answerOf(*box, c.message), answer) << c.why;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Questions, MessageBoxTable,
    ::testing::Values(
        BoxCase{"input check: OK only, no icon",
                {"築造地を入力してください。", "エラーメッセージ", MsgButtons::OKOnly,
                 MsgIcon::None, 1},
                QMessageBox::Ok,
                QMessageBox::NoIcon,
                QMessageBox::Ok,
                MsgAnswer::OK},
        BoxCase{"Close: Cancel is the default and the safe answer",
                {"閉じてもよろしいですか？", "確認", MsgButtons::OKCancel, MsgIcon::Question, 2},
                QMessageBox::Ok | QMessageBox::Cancel,
                QMessageBox::Question,
                QMessageBox::Cancel,
                MsgAnswer::Cancel},
        BoxCase{"Exit: No is the default",
                {"終了してもよろしいですか？", "確認", MsgButtons::YesNo, MsgIcon::None, 2},
                QMessageBox::Yes | QMessageBox::No,
                QMessageBox::NoIcon,
                QMessageBox::No,
                MsgAnswer::No},
        BoxCase{"overwrite on Save as: stop icon, No default",
                {"同名ファイルがあります。上書き保存しますか？", "上書き保存の確認",
                 MsgButtons::YesNo, MsgIcon::Critical, 2},
                QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Critical,
                QMessageBox::No,
                MsgAnswer::No},
        BoxCase{"exclamation maps to the warning icon",
                {"注意", "Pelzaro", MsgButtons::YesNoCancel, MsgIcon::Exclamation, 3},
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Warning,
                QMessageBox::Cancel,
                MsgAnswer::Cancel}));

TEST(MessageBoxCaptions, ButtonsAreCaptionedInJapanese) {
    auto box = buildMessageBox({"?", "確認", MsgButtons::YesNo, MsgIcon::None, 1}, nullptr);
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), "はい(&Y)");
    EXPECT_EQ(box->button(QMessageBox::No)->text(), "いいえ(&N)");
    box = buildMessageBox({"?", "確認", MsgButtons::OKCancel, MsgIcon::None, 1}, nullptr);
    EXPECT_EQ(box->button(QMessageBox::Cancel)->text(), "キャンセル");
}

TEST(FileFilter, PairsBecomeQtNameFilters) {
    EXPECT_EQ(qtFileFilter("Pelzaro(.qkz)|*.qkz"), "Pelzaro(.qkz) (*.qkz)");
    EXPECT_EQ(qtFileFilter("Pelzaro(.qkz)|*.qkz|すべて|*.qkz;*.txt"),
              "Pelzaro(.qkz) (*.qkz);;すべて (*.qkz *.txt)");
}

}  // namespace
}  // namespace pelzaro
