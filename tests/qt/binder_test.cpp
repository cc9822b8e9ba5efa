// The binder's wiring, on a small window of its own: what the user does in the widgets reaches
// the model as the model's user actions, and what the model does shows in the widgets without
// firing anything back.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/palette.h"
#include "qt/qt_host.h"
#include "qt_fixture.h"

namespace pelzaro {
namespace {

using ::testing::ElementsAre;

class SampleForm : public Window {
  public:
    explicit SampleForm(App& app) : Window(app, "SampleForm", "", WindowRole::Page, 7200, 3600) {
        txt1.geometry = {120, 120, 1500, 300};
        txt2.geometry = {120, 540, 1500, 300};
        txt2.IMEMode = ImeMode::Off;  // a numeric field
        frm.geometry = {1800, 120, 2400, 1200};
        opt1.geometry = {120, 240, 1800, 255};
        opt2.geometry = {120, 600, 1800, 255};
        opt2.userMayClick = false;  // an indicator only the program sets
        cmd1.geometry = {4500, 120, 1500, 375};
        cbo1.geometry = {4500, 600, 1500, 300};
        cbo1.AddItem("砂質土");
        cbo1.AddItem("粘性土");
        wireHandlers();
    }

    std::vector<std::string> log;
    TextBox txt1{*this, "txt1"};
    TextBox txt2{*this, "txt2"};
    Frame frm{*this, "frm", "ケース"};
    OptionButton opt1{*this, "opt1", "常時", &frm};
    OptionButton opt2{*this, "opt2", "地震時", &frm};
    CommandButton cmd1{*this, "cmd1", "計算する"};
    ComboBox cbo1{*this, "cbo1", 0};

  private:
    void wireHandlers() {
        txt1.KeyPress = [this](int& key) {
            log.push_back("KeyPress " + std::to_string(key));
            if (key != 13) return;
            key = 0;
            txt2.SetFocus();  // the Enter chain
        };
        txt1.Change = [this] { log.push_back("Change " + txt1.Text()); };
        txt1.UserEdit = [this] { log.push_back("UserEdit " + txt1.Text()); };
        txt2.KeyPress = [this](int& key) {
            if (key != 13) return;
            key = 0;
            host().msgBox(Message{"高さを入力してください。", "エラーメッセージ",
                                  MsgButtons::OKOnly, MsgIcon::Exclamation, 1});
        };
        txt2.GotFocus = [this] { log.push_back("GotFocus txt2"); };
        txt2.LostFocus = [this] { log.push_back("LostFocus txt2"); };
        opt1.Click = [this] { log.push_back("Click opt1"); };
        opt2.Click = [this] { log.push_back("Click opt2"); };
        cmd1.Click = [this] { log.push_back("Click cmd1"); };
        cbo1.KeyPress = [this](int& key) { log.push_back("KeyPress cbo1 " + std::to_string(key)); };
        cbo1.Click = [this] { log.push_back("Click cbo1 " + std::to_string(cbo1.ListIndex())); };
    }
};

// The page that follows SampleForm.
class NextPage : public Window {
  public:
    explicit NextPage(App& app) : Window(app, "NextPage", "", WindowRole::Page, 4500, 3000) {
        txt1.geometry = {120, 120, 1500, 300};
    }
    TextBox txt1{*this, "txt1"};
};

// A modal dialog that closes itself with its button, as the program's dialogs do.
class SampleDialog : public Window {
  public:
    explicit SampleDialog(App& app)
        : Window(app, "SampleDialog", "設計震度", WindowRole::Dialog, 3000, 1500) {
        cmd1.geometry = {120, 120, 1200, 375};
        cmd1.Click = [this] { Hide(); };
    }
    CommandButton cmd1{*this, "cmd1", "OK"};
};

class BinderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.attach(app);
        host.binder().setMdiArea(&area);
        area.resize(800, 400);
        area.show();
        area.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
        form.Show();
        form.txt1.SetFocus();
        host.binder().syncAll();
        form.log.clear();
    }
    template <class W>
    W* widget(const Control& c) {
        return qobject_cast<W*>(host.binder().widgetOf(c));
    }

    QtHost host;
    App app{host};
    SampleForm& form = app.get<SampleForm>();
    QMdiArea area;  // destroyed first: it owns the page's widgets
};

TEST_F(BinderTest, TypedCharactersReachTheModelAsKeyPressThenChange) {
    QLineEdit* edit = widget<QLineEdit>(form.txt1);
    QTest::keyClicks(edit, "21");
    EXPECT_THAT(form.log, ElementsAre("KeyPress 50", "Change 2", "KeyPress 49", "Change 21"));
    EXPECT_EQ(edit->text(), "21");
    EXPECT_EQ(edit->cursorPosition(), 2);
}

TEST_F(BinderTest, TypingReplacesTheSelectionTheUserMade) {
    form.txt1.setText("12345");
    host.binder().syncAll();
    QLineEdit* edit = widget<QLineEdit>(form.txt1);
    edit->setSelection(1, 3);  // as with the mouse: "234"
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(form.txt1.Text(), "1x5");
    EXPECT_EQ(edit->text(), "1x5");
}

TEST_F(BinderTest, EnterIsTheModelsKeyAndMovesTheFocusWhereTheModelSays) {
    QTest::keyClick(widget<QLineEdit>(form.txt1), Qt::Key_Return);
    EXPECT_THAT(form.log, ElementsAre("KeyPress 13", "GotFocus txt2"));
    EXPECT_TRUE(form.txt2.hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), widget<QLineEdit>(form.txt2));
}

// Edits that are not a typed character count as typing: the page sees Change and UserEdit.
// (Backspace, paste, an input-method commit.)
TEST_F(BinderTest, OtherEditsReachTheModelAsUserEdits) {
    QLineEdit* edit = widget<QLineEdit>(form.txt1);
    QTest::keyClicks(edit, "21");
    form.log.clear();
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_THAT(form.log, ElementsAre("Change 2", "UserEdit 2"));
    EXPECT_EQ(form.txt1.SelStart(), 1);

    QApplication::clipboard()->setText("3.5");
    form.log.clear();
    edit->selectAll();
    edit->paste();
    EXPECT_THAT(form.log, ElementsAre("Change 3.5", "UserEdit 3.5"));
    EXPECT_EQ(form.txt1.Text(), "3.5");

    form.log.clear();
    QInputMethodEvent commit;  // the input method hands over the converted text
    commit.setCommitString(QStringLiteral("東京"));
    QApplication::sendEvent(edit, &commit);
    EXPECT_THAT(form.log, ElementsAre("Change 3.5東京", "UserEdit 3.5東京"));
    EXPECT_EQ(form.txt1.SelStart(), 5) << "the caret after the committed text, in characters";
}

TEST_F(BinderTest, ClickingAnOptionSelectsItInTheModelUnlessOnlyTheProgramMay) {
    QRadioButton* radio1 = widget<QRadioButton>(form.opt1);
    QRadioButton* radio2 = widget<QRadioButton>(form.opt2);
    QTest::mouseClick(radio1, Qt::LeftButton, {}, QPoint(6, radio1->height() / 2));
    EXPECT_TRUE(form.opt1.Value());
    EXPECT_THAT(form.log, ElementsAre("Click opt1"));

    form.log.clear();
    QTest::mouseClick(radio2, Qt::LeftButton, {}, QPoint(6, radio2->height() / 2));
    EXPECT_TRUE(form.opt1.Value());
    EXPECT_FALSE(form.opt2.Value());
    EXPECT_FALSE(radio2->isChecked()) << "the widget must show what the model kept";
    EXPECT_TRUE(radio1->isChecked());
    EXPECT_THAT(form.log, ElementsAre());
}

TEST_F(BinderTest, ModelChangesShowInTheWidgetsWithoutFiringBack) {
    form.txt1.setText("4.25");
    form.opt2.setValue(true);
    form.cmd1.setEnabled(false);
    form.txt2.setVisible(false);
    form.txt1.setForeColor(kColorFailing);
    form.txt1.BorderStyle = 0;
    host.binder().syncAll();

    QLineEdit* edit = widget<QLineEdit>(form.txt1);
    EXPECT_EQ(edit->text(), "4.25");
    EXPECT_EQ(form.txt1.SelStart(), 0) << "the widget's own caret move is not the user's";
    EXPECT_FALSE(edit->hasFrame());
    EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 255));
    EXPECT_TRUE(widget<QRadioButton>(form.opt2)->isChecked());
    EXPECT_TRUE(widget<QLineEdit>(form.txt2)->isHidden());
    // Only the model's own firing: Change from setText, Click from selecting the option.
    EXPECT_THAT(form.log, ElementsAre("Change 4.25", "Click opt2"));

    QPushButton* button = widget<QPushButton>(form.cmd1);
    EXPECT_FALSE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_THAT(form.log, ElementsAre("Change 4.25", "Click opt2"));
    form.cmd1.setEnabled(true);
    host.binder().syncAll();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_THAT(form.log, ElementsAre("Change 4.25", "Click opt2", "Click cmd1"));
    EXPECT_TRUE(form.cmd1.hasFocus());
}

TEST_F(BinderTest, TabMovesTheModelsFocus) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(form.txt2.hasFocus());
    EXPECT_THAT(form.log, ElementsAre("GotFocus txt2"));
}

TEST_F(BinderTest, AComboTakesTypedCharactersAndPicks) {
    auto* combo = widget<QComboBox>(form.cbo1);
    ASSERT_EQ(combo->count(), 2);
    combo->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(form.cbo1.hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), "a");
    EXPECT_THAT(form.log, ElementsAre("KeyPress cbo1 97"));
    EXPECT_EQ(form.cbo1.Text(), "a");
    EXPECT_EQ(combo->currentText(), "a");
    form.log.clear();
    emit combo->activated(1);  // what choosing from the open list emits
    EXPECT_THAT(form.log, ElementsAre("Click cbo1 1"));
    EXPECT_EQ(form.cbo1.Text(), "粘性土");
}

// The button that shows the next page has the focus of its own page; that must not bring its
// page back in front of the one just shown.
TEST_F(BinderTest, APageShownByAButtonStaysInFront) {
    form.cmd1.Click = [this] { app.get<NextPage>().Show(); };
    QTest::mouseClick(widget<QPushButton>(form.cmd1), Qt::LeftButton);
    QApplication::processEvents();
    QMdiSubWindow* front = area.subWindowList(QMdiArea::StackingOrder).back();
    EXPECT_NE(front->widget()->findChild<QWidget*>("NextPage"), nullptr);
    EXPECT_EQ(area.activeSubWindow(), front);
    EXPECT_TRUE(form.cmd1.hasFocus()) << "the first page keeps its own focus";
}

// A sketch page: the picture draws its list of segments at 15 twips to a pixel, in the
// palette's colours, from the picture's corner.
class SketchPage : public Window {
  public:
    explicit SketchPage(App& app) : Window(app, "SketchPage", "", WindowRole::Page, 4500, 3000) {
        pic.geometry = {300, 300, 3000, 1500};
        pic.BorderStyle = 0;
        pic.line(0, 300, 1500, 300, 12);  // red, 20 px down, from 0 to 100 px
    }
    PictureBox pic{*this, "pic"};
};

TEST_F(BinderTest, APictureDrawsItsSegments) {
    auto& sketch = app.get<SketchPage>();
    sketch.Show();
    host.binder().syncAll();
    QImage image = widget<QWidget>(sketch.pic)->grab().toImage();
    EXPECT_EQ(image.pixelColor(50, 20), QColor(255, 0, 0));
    EXPECT_NE(image.pixelColor(50, 40), QColor(255, 0, 0));
    EXPECT_NE(image.pixelColor(150, 20), QColor(255, 0, 0)) << "the segment ends at 100 px";
}

// A dialog runs modally until the model hides it, in a nested loop of its own.
TEST_F(BinderTest, AModalDialogReturnsWhenTheModelHidesIt) {
    auto& dialog = app.get<SampleDialog>();
    bool wasModalQDialog = false;
    QTimer::singleShot(0, [&] {
        auto* qdialog = qobject_cast<QDialog*>(widget<QWidget>(dialog.cmd1)->window());
        wasModalQDialog = qdialog != nullptr && qdialog->isModal() && qdialog->isVisible();
        QTest::mouseClick(widget<QPushButton>(dialog.cmd1), Qt::LeftButton);
    });
    dialog.ShowModal();
    EXPECT_TRUE(wasModalQDialog);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(widget<QWidget>(dialog.cmd1)->window()->isVisible());
}

// The message box takes the keyboard away and gives it back: the page's field never lost it.
TEST_F(BinderTest, AMessageBoxIsNoFocusChangeOfThePage) {
    form.txt2.SetFocus();
    host.binder().syncAll();
    form.log.clear();
    BoxAnswerer answer(QMessageBox::Ok);
    QTest::keyClick(widget<QLineEdit>(form.txt2), Qt::Key_Return);
    QApplication::processEvents();

    ASSERT_EQ(answer.seen.size(), 1u);
    EXPECT_EQ(answer.seen[0].title, "エラーメッセージ");
    EXPECT_EQ(answer.seen[0].text, "高さを入力してください。");
    EXPECT_EQ(answer.seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(answer.seen[0].buttons, QMessageBox::Ok);
    EXPECT_THAT(form.log, ElementsAre());
    EXPECT_TRUE(form.txt2.hasFocus());
}

TEST_F(BinderTest, WidgetsStandAtTheirTwipsInTheMappedFont) {
    QLineEdit* edit = widget<QLineEdit>(form.txt1);
    EXPECT_EQ(edit->geometry(), QRect(8, 8, 100, 20));  // 15 twips to a pixel
    QRadioButton* radio = widget<QRadioButton>(form.opt1);
    EXPECT_EQ(radio->parentWidget(), widget<QGroupBox>(form.frm));
    EXPECT_EQ(radio->geometry(), QRect(8, 16, 120, 17));  // from the frame's corner
    EXPECT_EQ(QFontInfo(edit->font()).family(), QStringLiteral("Konatu Tohaba"));
    EXPECT_EQ(edit->font().pixelSize(), 12);  // 9 pt at 96 dpi
    // Input method: left on for a text field, off for a numeric one.
    EXPECT_TRUE(edit->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(widget<QLineEdit>(form.txt2)->testAttribute(Qt::WA_InputMethodEnabled));
}

}  // namespace
}  // namespace pelzaro
