#include "qt/main_window.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <algorithm>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "qt/qt_host.h"
#include "qt/qt_text.h"
#include "qt/toolbar_icons.h"

namespace pelzaro {

MainWindow::MainWindow(MDIForm1& model, QtHost& host)
    : model_(model), host_(host), mdiArea_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowIcon(applicationIcon());
    // Pages keep their size and position at the corner; a small screen scrolls them.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    buildMenus();
    buildToolbar();
    Binder& binder = host_.binder();
    binder.setMdiArea(mdiArea_);
    binder.setMainWidget(this);
    binder.afterSync = [this] { syncFromModel(); };
    resizeToHoldPages();
    syncFromModel();
}

MainWindow::~MainWindow() {
    Binder& binder = host_.binder();
    binder.afterSync = nullptr;
    binder.setMainWidget(nullptr);
}

// The model's size is the area for the pages (1024 x 768 pixels): the largest page fits
// without scrolling where the screen allows it.
void MainWindow::resizeToHoldPages() {
    QSize area(twipsToPx(model_.geometry.width), twipsToPx(model_.geometry.height));
    QSize want = area + QSize(0, menuBar()->sizeHint().height() + toolbar_->sizeHint().height());
    if (QScreen* s = screen()) want = want.boundedTo(s->availableGeometry().size());
    resize(want);
}

void MainWindow::buildMenus() {
    for (MenuItem* top : model_.menuBar()) {
        if (top->items.empty()) {
            // A command on the menu bar itself (参考).
            QAction* a = menuBar()->addAction(toQ(top->caption));
            chooseOnTrigger(a, top);
            menuActions_.push_back({top, a});
            mainTopActions_.push_back(a);
        } else {
            buildMenu(*top);
            mainTopActions_.push_back(actionOf(*top));
        }
    }
    shownTopActions_ = mainTopActions_;
}

// The user's choice of an action is the model item's choice.
void MainWindow::chooseOnTrigger(QAction* action, MenuItem* item) {
    connect(action, &QAction::triggered, this,
            [this, item] { host_.binder().userAction(nullptr, [item] { item->choose(); }); });
}

void MainWindow::buildMenu(MenuItem& top) {
    QMenu* menu = menuBar()->addMenu(toQ(top.caption));
    menuActions_.push_back({&top, menu->menuAction()});
    // Opening the menu runs its Click (the File menu's enabling rule) before the items show.
    connect(menu, &QMenu::aboutToShow, this,
            [this, &top] { host_.binder().userAction(nullptr, [&top] { top.choose(); }); });
    for (MenuItem* item : top.items) {
        if (item->separator) {
            menu->addSeparator();
            continue;
        }
        QAction* a = menu->addAction(toQ(item->caption));
        chooseOnTrigger(a, item);
        menuActions_.push_back({item, a});
    }
}

void MainWindow::buildToolbar() {
    toolbar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(16, 16));
    for (const ToolButton& b : model_.Toolbar1.buttons) {
        if (b.separator) {
            toolbar_->addSeparator();
            continue;
        }
        QAction* a = toolbar_->addAction(toolbarIcon(b.index), QString());
        a->setToolTip(toQ(b.toolTip));
        int index = b.index;
        connect(a, &QAction::triggered, this, [this, index] {
            host_.binder().userAction(nullptr, [this, index] { model_.Toolbar1.press(index); });
        });
        toolActions_.push_back({index, a});
    }
}

QAction* MainWindow::actionOf(const MenuItem& item) const {
    for (const auto& [model, action] : menuActions_) {
        if (model == &item) return action;
    }
    return nullptr;
}

void MainWindow::syncFromModel() {
    if (windowTitle() != toQ(model_.Caption())) setWindowTitle(toQ(model_.Caption()));
    for (auto& [item, action] : menuActions_) {
        if (action->isEnabled() != item->enabled) action->setEnabled(item->enabled);
        if (action->isVisible() != item->visible) action->setVisible(item->visible);
    }
    for (auto& [index, action] : toolActions_) {
        bool enabled = model_.Toolbar1.button(index).isEnabled();
        if (action->isEnabled() != enabled) action->setEnabled(enabled);
    }
    if (toolbar_->isHidden() == model_.Toolbar1.visible)
        toolbar_->setVisible(model_.Toolbar1.visible);
    syncMenuBar();
}

// Qt's document area does not merge a child's menus into the main window's: the menu bar's
// top-level entries are swapped instead, and swapped back when no such child is active.
void MainWindow::syncMenuBar() {
    // The menus of closed windows go once their own handler is over, before a window is looked
    // up by its address: a new window may take the address of one just closed.
    const std::vector<Window*> existing = model_.app().windows();
    for (auto it = childMenus_.begin(); it != childMenus_.end();) {
        if (std::find(existing.begin(), existing.end(), it->first) != existing.end()) {
            ++it;
            continue;
        }
        for (auto& [item, action] : it->second) action->deleteLater();
        it = childMenus_.erase(it);
    }
    Window* active = model_.app().activeWindow();
    std::vector<QAction*> want = mainTopActions_;
    if (active != nullptr && active->Visible() && !active->childMenuBar().empty())
        want = childMenuActions(*active);
    if (want != shownTopActions_) {
        for (QAction* a : shownTopActions_) menuBar()->removeAction(a);
        menuBar()->addActions(QList<QAction*>(want.begin(), want.end()));
        shownTopActions_ = want;
    }
    for (auto& [window, items] : childMenus_) {
        for (auto& [item, action] : items) {
            if (action->isEnabled() != item->enabled) action->setEnabled(item->enabled);
        }
    }
}

std::vector<QAction*> MainWindow::childMenuActions(Window& window) {
    auto& items = childMenus_[&window];
    if (items.empty()) {
        for (MenuItem* item : window.childMenuBar()) {
            auto* a = new QAction(toQ(item->caption), this);
            chooseOnTrigger(a, item);
            items.push_back({item, a});
        }
    }
    std::vector<QAction*> out;
    for (auto& [item, action] : items) out.push_back(action);
    return out;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (host_.quitting()) {
        event->accept();
        return;
    }
    bool closing = false;
    host_.binder().userAction(nullptr,
                              [this, &closing] { closing = model_.MDIForm_QueryUnload(); });
    if (closing) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace pelzaro
