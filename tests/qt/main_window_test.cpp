// The main window mirrors MDIForm1: its menus and toolbar as the model lists them, the File
// menu's enabling rule run on opening, the toolbar's state, and the close box's question.

#include "qt/main_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/mdiform1.h"
#include "qt/qt_host.h"
#include "qt_fixture.h"

namespace pelzaro {
namespace {

using ::testing::ElementsAre;

class MainWindowTest : public ::testing::Test {
  protected:
    QStringList captions(const QList<QAction*>& actions) {
        QStringList out;
        for (QAction* a : actions) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }
    QStringList toolTips() {
        QStringList out;
        for (QAction* a : window.toolbar()->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->toolTip());
        return out;
    }
    std::vector<bool> toolEnabled() {
        std::vector<bool> out;
        for (QAction* a : window.toolbar()->actions()) {
            if (!a->isSeparator()) out.push_back(a->isEnabled());
        }
        return out;
    }

    QtHost host;
    App app{host};
    MDIForm1& model = (host.attach(app), app.get<MDIForm1>());
    MainWindow window{model, host};
};

TEST_F(MainWindowTest, MenusAndToolbarAreThoseOfTheModel) {
    EXPECT_EQ(window.windowTitle(), "Pelzaro");
    EXPECT_EQ(captions(window.menuBar()->actions()),
              QStringList({"ﾌｧｲﾙ(&F)", "参考(&S)", "ﾍﾙﾌﾟ(&H)"}));
    EXPECT_EQ(window.actionOf(model.Men_S)->menu(), nullptr) << "参考 is a command, not a menu";
    EXPECT_EQ(captions(window.actionOf(model.Men_F)->menu()->actions()),
              QStringList({"新規作成(&N)", "開く(&O)", "閉じる(&C)", "-", "上書き保存(&V)",
                           "名前を付けて保存(&A)", "-", "印刷イメージ(&I)", "印刷(&P)", "-",
                           "終了(&X)"}));
    EXPECT_EQ(captions(window.actionOf(model.Men_H)->menu()->actions()),
              QStringList({"ﾊﾞｰｼﾞｮﾝ情報(&A)"}));
    EXPECT_EQ(toolTips(),
              QStringList({"[ファイル]-[新規作成]", "[ファイル]-[開く]", "[ファイル]-[上書き保存]",
                           "-", "[ファイル]-[印刷ｲﾒｰｼﾞ]", "[ファイル]-[印刷]"}));
    // At start-up only New and Open can be pressed.
    EXPECT_THAT(toolEnabled(), ElementsAre(true, true, false, false, false));
    for (QAction* a : window.toolbar()->actions()) {
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
        }
    }
}

TEST_F(MainWindowTest, OpeningTheFileMenuRunsItsRuleBeforeTheItemsShow) {
    int opened = 0;
    model.Men_F.Click = [this, &opened] {
        ++opened;
        model.Men_FSav.enabled = false;
    };
    QMenu* file = window.actionOf(model.Men_F)->menu();
    emit file->aboutToShow();
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(window.actionOf(model.Men_FSav)->isEnabled());
    EXPECT_TRUE(window.actionOf(model.Men_FNew)->isEnabled());
}

TEST_F(MainWindowTest, MenuItemsAndToolbarButtonsCallTheModel) {
    std::vector<int> pressed;
    model.Toolbar1.ButtonClick = [&pressed](int index) { pressed.push_back(index); };
    int chosen = 0;
    model.Men_S.Click = [this, &chosen] {
        ++chosen;
        model.Toolbar1.visible = false;  // as the reference lock does
        model.Men_F.enabled = false;
    };
    window.toolbar()->actions().at(0)->trigger();
    window.actionOf(model.Men_S)->trigger();
    EXPECT_THAT(pressed, ElementsAre(1));
    EXPECT_EQ(chosen, 1);
    EXPECT_TRUE(window.toolbar()->isHidden());
    EXPECT_FALSE(window.actionOf(model.Men_F)->isEnabled());
}

// New shows the page as a frameless child at the area's corner with the focus in its site
// field; a confirmed Close takes it away again.
TEST_F(MainWindowTest, APageStandsFramelessAtTheCornerUntilItIsDiscarded) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.toolbar()->actions().at(0)->trigger();  // New
    ASSERT_EQ(window.mdiArea()->subWindowList().size(), 1);
    QMdiSubWindow* page = window.mdiArea()->subWindowList().front();
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(page->pos(), QPoint(0, 0));
    EXPECT_TRUE(page->windowFlags() & Qt::FramelessWindowHint);
    auto& form3 = app.get<Form3>();
    QWidget* surface = page->widget()->findChild<QWidget*>("Form3");
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->size(), QSize(form3.geometry.width / 15, form3.geometry.height / 15));
    EXPECT_EQ(surface->pos(), QPoint(0, 0));
    EXPECT_GE(page->height(), window.mdiArea()->viewport()->height())
        << "a page covers the whole area, hiding the page behind it";
    window.resize(window.width() + 200, window.height() + 200);  // as when maximised
    QApplication::processEvents();
    EXPECT_GE(page->height(), window.mdiArea()->viewport()->height());
    EXPECT_GE(page->width(), window.mdiArea()->viewport()->width());
    EXPECT_EQ(host.binder().widgetOf(form3.txt1), QApplication::focusWidget());
    EXPECT_FALSE(page->close()) << "only the program closes a page";

    BoxAnswerer answer(QMessageBox::Ok);
    window.actionOf(model.Men_FCls)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.mdiArea()->subWindowList().empty());
}

TEST_F(MainWindowTest, TheCloseBoxAsksAndClosesOnlyOnYes) {
    window.show();
    {
        BoxAnswerer answer(QMessageBox::No);
        EXPECT_FALSE(window.close());
        ASSERT_EQ(answer.seen.size(), 1u);
        EXPECT_EQ(answer.seen[0].title, "Pelzaro");
        EXPECT_EQ(answer.seen[0].text, "終了してもよろしいですか?");
        EXPECT_EQ(answer.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(answer.seen[0].defaultButton, QMessageBox::Yes);
        EXPECT_EQ(answer.seen[0].icon, QMessageBox::NoIcon);
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(host.quitting());
    }
    {
        BoxAnswerer answer(QMessageBox::Yes);
        EXPECT_TRUE(window.close());
        EXPECT_EQ(answer.seen.size(), 1u);
        EXPECT_TRUE(host.quitting());
    }
    // Quitting leaves every event loop; one turn of the application's own loop clears that
    // for the tests that follow.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

}  // namespace
}  // namespace pelzaro
