#pragma once
// The main window MDIForm1: caption, menu bar, toolbar and the area that holds the pages.
// Every menu item and toolbar button only calls the model; the enabled and shown states are
// mirrored from the model after every event.

#include <QMainWindow>
#include <map>
#include <vector>

class QAction;
class QMdiArea;
class QMenu;
class QToolBar;

namespace pelzaro {

class MDIForm1;
class QtHost;
class Window;
struct MenuItem;

class MainWindow : public QMainWindow {
  public:
    MainWindow(MDIForm1& model, QtHost& host);
    ~MainWindow() override;

    QMdiArea* mdiArea() const { return mdiArea_; }
    QToolBar* toolbar() const { return toolbar_; }
    // The menu bar's action for a top-level menu or command, and the action of a menu item.
    QAction* actionOf(const MenuItem& item) const;

    // Mirrors the menus, the toolbar and the caption from the model.
    void syncFromModel();

  protected:
    // The close box, Alt+F4 or the session's end: the model asks its closing question.
    void closeEvent(QCloseEvent* event) override;
    // No menu to hide the toolbar: only the model shows and hides it.
    QMenu* createPopupMenu() override { return nullptr; }

  private:
    void buildMenus();
    void buildMenu(MenuItem& top);
    void chooseOnTrigger(QAction* action, MenuItem* item);
    void buildToolbar();
    void resizeToHoldPages();
    // The active child window's own menu bar in place of the main menus, or the main menus.
    void syncMenuBar();
    std::vector<QAction*> childMenuActions(Window& window);

    MDIForm1& model_;
    QtHost& host_;
    QMdiArea* mdiArea_;
    QToolBar* toolbar_ = nullptr;
    std::vector<std::pair<MenuItem*, QAction*>> menuActions_;
    std::vector<std::pair<int, QAction*>> toolActions_;
    std::vector<QAction*> mainTopActions_;   // the main menus on the menu bar, in order
    std::vector<QAction*> shownTopActions_;  // what the menu bar shows now
    // The own menus of child windows, built on first activation.
    std::map<const Window*, std::vector<std::pair<MenuItem*, QAction*>>> childMenus_;
};

}  // namespace pelzaro
