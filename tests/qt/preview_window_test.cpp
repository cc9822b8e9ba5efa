// The preview in Qt: a page window's own menus in place of the main menus while it is active,
// the toolbar hidden until the preview closes, and the page box shown as an image that the
// scroll bars move without drawing the page again.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <cstdlib>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "preview/preview_page.h"
#include "preview/report_steps.h"
#include "qt/main_window.h"
#include "qt/page_box_widget.h"
#include "qt/qt_host.h"
#include "qt/qt_text.h"
#include "report/surface.h"
#include "state/module1.h"

namespace pelzaro {
namespace {

// Each page prints one line naming its first section, so a page shows what it is.
class OneLinePerPage : public ReportSteps {
  public:
    void HENSUU(App&) override {}
    void DANMEM_1(App&) override {}
    void hideMemberPage(App&) override {}
    void draw(App&, Surface& pri, const std::vector<SectionPrinter>&) override {
        pri.CurrentY(1100);
        pri.Print({"          §１．設計条件"});
    }
};

class PreviewWindowTest : public ::testing::Test {
  protected:
    PreviewWindowTest() {
        model.setReportSteps(std::make_unique<OneLinePerPage>());
        window.show();
    }
    QStringList menuBarCaptions() {
        QStringList out;
        for (QAction* a : window.menuBar()->actions()) out << a->text();
        return out;
    }
    QAction* menuBarAction(const QString& caption) {
        for (QAction* a : window.menuBar()->actions())
            if (a->text() == caption) return a;
        return nullptr;
    }
    void openPreview() {
        app.m.Flg_Page = Page_Conditions;
        host.binder().userAction(nullptr, [this] { model.FileImage(); });
    }

    QtHost host;
    App app{host};
    MDIForm1& model = (host.attach(app), app.get<MDIForm1>());
    MainWindow window{model, host};
};

TEST_F(PreviewWindowTest, APageWindowsMenusTakeThePlaceOfTheMainMenusUntilThePreviewCloses) {
    const QStringList mainMenus = {"ﾌｧｲﾙ(&F)", "参考(&S)", "ﾍﾙﾌﾟ(&H)"};
    ASSERT_EQ(menuBarCaptions(), mainMenus);

    openPreview();
    EXPECT_EQ(menuBarCaptions(), QStringList({"次のﾍﾟｰｼﾞ(&N)", "印刷(&P)", "閉じる(&C)"}));
    EXPECT_TRUE(window.toolbar()->isHidden());

    menuBarAction(QStringLiteral("次のﾍﾟｰｼﾞ(&N)"))->trigger();
    EXPECT_TRUE(app.get<Form2>().Visible());
    EXPECT_EQ(menuBarCaptions(),
              QStringList({"前のﾍﾟｰｼﾞ(&F)", "次のﾍﾟｰｼﾞ(&N)", "印刷(&P)", "閉じる(&C)"}));

    menuBarAction(QStringLiteral("閉じる(&C)"))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(menuBarCaptions(), mainMenus);
    EXPECT_FALSE(window.toolbar()->isHidden());
    EXPECT_EQ(app.find<Form2>(), nullptr);
}

TEST_F(PreviewWindowTest, PageEightsNextIsGreyedWhenThereIsNoPageNine) {
    app.m.B_Kakato = 0.6f;     // the heel alone
    app.m.Sigma_max = 100.0f;  // the member design stands: the chapter can be previewed
    app.m.Flg_Ouryoku = 1;
    openPreview();
    app.get<Form7>().txt2.setText("250");
    for (int page = 1; page < 8; ++page) menuBarAction(QStringLiteral("次のﾍﾟｰｼﾞ(&N)"))->trigger();
    ASSERT_TRUE(app.get<Form17>().Visible());
    QAction* next = menuBarAction(QStringLiteral("次のﾍﾟｰｼﾞ(&N)"));
    ASSERT_NE(next, nullptr);
    EXPECT_FALSE(next->isEnabled());
}

TEST_F(PreviewWindowTest, TheScrollBarsMoveThePageImageWithoutDrawingItAgain) {
    openPreview();
    PreviewPage& page = app.get<Form1>();
    auto* box = dynamic_cast<PageBoxWidget*>(host.binder().widgetOf(page.Picture2));
    auto* bar = qobject_cast<QScrollBar*>(host.binder().widgetOf(page.VScroll1));
    ASSERT_NE(box, nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->maximum(), page.VScroll1.Max());
    EXPECT_EQ(bar->pageStep(), page.VScroll1.LargeChange());
    EXPECT_EQ(box->size(), QSize(twipsToPx(page.Picture2.geometry.width),
                                 twipsToPx(page.Picture2.geometry.height)));
    box->grab();
    const qint64 rendered = box->image().cacheKey();
    ASSERT_FALSE(box->image().isNull());

    bar->setValue(bar->maximum());  // as the user's step or released thumb reports it
    EXPECT_EQ(page.VScroll1.Value(), page.VScroll1.Max());
    EXPECT_EQ(box->pos().y(), -twipsToPx(page.VScroll1.Max()));
    box->grab();
    EXPECT_EQ(box->image().cacheKey(), rendered) << "the image is not rendered again";
}

// A page whose section stops says so in the sheet's top margin, above what was drawn.
TEST_F(PreviewWindowTest, APageThatStoppedShowsItsNoteAboveThePrintableArea) {
    openPreview();
    PageBox& box = app.get<Form1>().Picture2;
    const double s = 150.0 / 1440.0;
    auto inkAboveTheArea = [&](const QImage& image) {
        for (int y = 0; y < box.originTop() * s; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 160) return true;
        return false;
    };
    EXPECT_FALSE(inkAboveTheArea(renderPageBox(box, s)));
    box.setNote("このページの作成を中断しました：the arm: division by zero");
    const QImage image = renderPageBox(box, s);
    EXPECT_TRUE(inkAboveTheArea(image));
    if (const char* dir = std::getenv("PELZARO_SHOTS")) image.save(QString(dir) + "/note.png");
}

}  // namespace
}  // namespace pelzaro
