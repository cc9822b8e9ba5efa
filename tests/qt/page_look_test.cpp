// How a page looks: background colours from the model, opaque captions over the lines behind
// them, the focus frame after Enter, a dialog left by Escape and its close box, message-box
// titles kept whole, and a model change made outside a user's action reaching the screen.

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "forms/app.h"
#include "forms/controls.h"
#include "qt/fonts.h"
#include "qt/message_box.h"
#include "qt/qt_host.h"
#include "qt/qt_text.h"
#include "qt_fixture.h"

namespace pelzaro {
namespace {

constexpr Rgb kLightCyan{192, 255, 255};
constexpr Rgb kLightYellow{255, 255, 192};

class LookPage : public Window {
  public:
    explicit LookPage(App& app) : Window(app, "LookPage", "", WindowRole::Page, 6000, 3000) {
        Surface.geometry = {0, 0, 6000, 3000};
        Surface.BorderStyle = 0;
        Line1.BorderColor = 12;  // red, to be told from any text
        lblOver.geometry = {120, 240, 1800, 360};
        lblOver.setBackColor(kLightYellow);
        lblPlain.geometry = {120, 900, 1800, 360};
        txtToe.geometry = {2400, 120, 900, 300};
        txtToe.setBackColor(kLightCyan);
        txtToe.KeyPress = [this](int& key) {
            if (key != 13) return;
            key = 0;
            cmd1.SetFocus();  // the last stop of an Enter chain is focused, not pressed
        };
        cmd1.geometry = {2400, 600, 1500, 375};
        cmd2.geometry = {2400, 1200, 1500, 375};
        cmd1.Click = [this] { ++presses; };
    }
    // What the program prints on the page itself.
    PictureBox Surface{*this, "Surface"};
    // The line lies behind both captions in the page's order.
    Line Line1{*this, "Line1", 0, 420, 6000, 420};
    Line Line2{*this, "Line2", 0, 1080, 6000, 1080};
    Label lblOver{*this, "lblOver", "m"};
    Label lblPlain{*this, "lblPlain", "m"};
    TextBox txtToe{*this, "txtToe"};
    CommandButton cmd1{*this, "cmd1", "安定性の検討"};
    CommandButton cmd2{*this, "cmd2", "戻る"};
    int presses = 0;
};

class LookDialog : public Window {
  public:
    explicit LookDialog(App& app)
        : Window(app, "LookDialog", "Pelzaro", WindowRole::Dialog, 3000, 1500) {
        cmd2.geometry = {120, 120, 1200, 375};
        cmd2.Click = [this] {
            ++cancels;
            Hide();
        };
        Cancel = &cmd2;
    }
    CommandButton cmd2{*this, "cmd2", "キャンセル"};
    int cancels = 0;
};

class PageLook : public ::testing::Test {
  protected:
    void SetUp() override {
        host.attach(app);
        host.binder().setMdiArea(&area);
        area.resize(800, 400);
        area.show();
        area.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
        page.Show();
        page.txtToe.SetFocus();
        host.binder().syncAll();
    }
    template <class W>
    W* widget(const Control& c) {
        return qobject_cast<W*>(host.binder().widgetOf(c));
    }
    QColor at(const Control& c, QPoint where) {
        return widget<QWidget>(c)->grab().toImage().pixelColor(where);
    }

    QtHost host;
    App app{host};
    LookPage& page = app.get<LookPage>();
    QMdiArea area;
};

TEST_F(PageLook, ControlsShowTheBackgroundColourOfTheModel) {
    QLineEdit* toe = widget<QLineEdit>(page.txtToe);
    EXPECT_EQ(toe->palette().color(QPalette::Base), QColor(192, 255, 255));
    // Right of the caption's one letter only its background shows.
    EXPECT_EQ(at(page.lblOver, QPoint(100, 5)), QColor(255, 255, 192));
    EXPECT_EQ(at(page.txtToe, QPoint(30, 10)), QColor(192, 255, 255));
}

// A caption covers the line behind it: beside its text the line does not show through.
TEST_F(PageLook, AnOpaqueCaptionHidesTheLineBehindIt) {
    QImage surface = widget<QWidget>(page.lblOver)->parentWidget()->grab().toImage();
    const QColor red(255, 0, 0);
    const int y = twipsToPx(420);
    EXPECT_EQ(surface.pixelColor(300, y), red) << "the line where no caption lies";
    EXPECT_NE(surface.pixelColor(100, y), red) << "the yellow caption lies over it";
    EXPECT_NE(surface.pixelColor(100, twipsToPx(1080)), red) << "so does a plain caption";
}

// A note the program prints on the page stands over a caption it overlaps, readable.
TEST_F(PageLook, ANotePrintedOnThePageStandsOverTheCaptionsItCrosses) {
    QWidget* surface = widget<QWidget>(page.lblOver)->parentWidget();
    const QImage before = surface->grab().toImage();
    page.Surface.print(120, 1000, "ＮＯＴＥ", 9, 12);
    host.binder().syncAll();
    QApplication::processEvents();
    const QImage after = surface->grab().toImage();
    int red = 0;
    for (int x = 8; x < 120; ++x)
        for (int y = twipsToPx(1000); y < twipsToPx(1000) + 12; ++y)
            if (const QColor c = after.pixelColor(x, y);
                c.red() > 200 && c.green() < 100 && c.blue() < 100)
                ++red;  // the letters' ink, edges smoothed or not
    EXPECT_GT(red, 20) << "the note's letters show over the caption";
    EXPECT_NE(before, after);
}

TEST_F(PageLook, TextBoxesAndButtonsStandInFrontOfCaptions) {
    QWidget* surface = widget<QWidget>(page.lblOver)->parentWidget();
    const QList<QObject*> order = surface->children();
    EXPECT_GT(order.indexOf(widget<QWidget>(page.txtToe)),
              order.indexOf(widget<QWidget>(page.lblPlain)));
    EXPECT_GT(order.indexOf(widget<QWidget>(page.cmd1)),
              order.indexOf(widget<QWidget>(page.lblOver)));
    EXPECT_GT(order.indexOf(widget<QWidget>(page.lblOver)),
              order.indexOf(widget<QWidget>(page.Line1)))
        << "a caption lies over the lines declared before it";
}

// Enter moves the focus to the button: it shows its focus frame as after a Tab, and it is not
// pressed.
TEST_F(PageLook, AButtonReachedByEnterShowsItsFocusFrame) {
    QPushButton* button = widget<QPushButton>(page.cmd1);
    const QImage unfocused = button->grab().toImage();
    QTest::keyClick(widget<QLineEdit>(page.txtToe), Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_TRUE(button->hasFocus());
    EXPECT_EQ(page.presses, 0);
    EXPECT_TRUE(button->window()->testAttribute(Qt::WA_KeyboardFocusChange));
    EXPECT_NE(button->grab().toImage(), unfocused) << "the focus frame is drawn";
}

TEST_F(PageLook, EscapeAndTheCloseBoxActAsCancel) {
    auto& dialog = app.get<LookDialog>();
    for (bool escape : {true, false}) {
        QTimer::singleShot(0, [&, escape] {
            auto* qdialog = qobject_cast<QDialog*>(widget<QWidget>(dialog.cmd2)->window());
            ASSERT_NE(qdialog, nullptr);
            if (escape) {
                QTest::keyClick(qdialog, Qt::Key_Escape);
            } else {
                qdialog->close();  // the close box, Alt+F4
            }
        });
        dialog.ShowModal();
        EXPECT_FALSE(dialog.Visible()) << (escape ? "Escape" : "close box");
    }
    EXPECT_EQ(dialog.cancels, 2);
}

// A change the program makes outside a user's action, here from a timer, reaches the screen
// once the event loop runs again.
TEST_F(PageLook, AChangeOutsideAUserActionReachesTheScreen) {
    QTimer::singleShot(0, [&] { page.txtToe.setText("0.5"); });
    QTRY_COMPARE(widget<QLineEdit>(page.txtToe)->text(), QStringLiteral("0.5"));
}

// Small Gothic text comes from the bitmap face, without antialiasing.
TEST(PageFonts, SmallGothicTextIsDrawnFromBitmapsWithoutAntialiasing) {
    installFontSubstitutions();
    QFont small = modelFont("ＭＳ ゴシック", 9);
    EXPECT_EQ(small.pixelSize(), 12);
    EXPECT_EQ(QFontInfo(small).family(), QStringLiteral("Konatu Tohaba"));
    EXPECT_TRUE(small.styleStrategy() & QFont::NoAntialias);
    QFont large = modelFont("ＭＳ ゴシック", 18);  // 24 px
    EXPECT_FALSE(large.styleStrategy() & QFont::NoAntialias);
    QFont report = modelFont("ＭＳ 明朝", 9);
    EXPECT_EQ(QFontInfo(report).family(), QStringLiteral("IPAMincho"));
    EXPECT_FALSE(report.styleStrategy() & QFont::NoAntialias);
}

TEST(MessageBoxTitle, IsNeverCutShort) {
    Message m{"OK", "エラーメッセージ", MsgButtons::OKOnly, MsgIcon::None, 1};
    auto box = buildMessageBox(m, nullptr);
    box->show();
    QApplication::processEvents();
    const int titlePx = QFontMetrics(QApplication::font()).horizontalAdvance(toQ(m.title));
    EXPECT_GT(box->width(), titlePx + 100);
    box->hide();
}

}  // namespace
}  // namespace pelzaro
