#pragma once
// The one generic binder between the page model and Qt. It builds the widgets of any window
// when it is first shown, mirrors the model into them after every event, and turns what the
// user does into the model's user actions (type, pressEnter, click, userEdit, pick). The
// binder's own updates never fire a model event.

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

class QMdiArea;
class QWidget;
class QEventLoop;

namespace pelzaro {

class App;
class Control;
class Window;
class WindowView;

class Binder {
  public:
    Binder();
    ~Binder();
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    void attach(App& app) { app_ = &app; }
    // Pages and reference windows become frameless children of this area; without one (in
    // tests) they are top-level windows.
    void setMdiArea(QMdiArea* area);
    // The owner of dialogs and message boxes.
    void setMainWidget(QWidget* widget) { mainWidget_ = widget; }
    QWidget* mainWidget() const { return mainWidget_; }
    // Called at the end of every sync, for what is not a window's control (menus, toolbar).
    std::function<void()> afterSync;

    // Runs something the user did on the model, then mirrors every window. `touched` is the
    // control acted on: it is refreshed even when the model refused the action, so a widget
    // never keeps a state the model did not take (an option the user may not click).
    void userAction(Control* touched, const std::function<void()>& action);
    // The user moved the focus (mouse, Tab, a mnemonic). Focus that moves because a message
    // box or another window appeared or went away is the platform's, not the user's.
    void userFocus(Control& control, int qtFocusReason);
    // True while the binder writes into widgets: nothing then reaches the model.
    bool updating() const { return updating_ > 0; }
    void syncAll();
    // A change of the model outside a user's action (after a modal dialog, a print, a timer):
    // the widgets follow once the event loop is back, in one sync however many changes came.
    void scheduleSync();

    // Host notifications.
    void windowShown(Window& window);
    void windowHidden(Window& window);
    void windowUnloading(Window& window);
    void focusMoved(Control& control);
    // Shows a modal window and returns when the model has hidden or unloaded it.
    void runModal(Window& window);

    WindowView* viewOf(const Window& window) const;
    QWidget* widgetOf(const Control& control) const;

  private:
    friend class UpdateGuard;
    WindowView& ensureView(Window& window);
    void applyPendingFocus();
    void followActiveWindow();
    bool isCurrent(const Window& window) const;
    void activatedByUser(QWidget* subWindow);

    App* app_ = nullptr;
    QPointer<QMdiArea> mdiArea_;
    QPointer<QWidget> mainWidget_;
    std::map<const Window*, std::unique_ptr<WindowView>> views_;
    // Views of unloaded windows: their widgets are deleted later, as a handler of theirs may
    // still be running.
    std::vector<std::unique_ptr<WindowView>> discarded_;
    std::map<const Window*, QEventLoop*> modalLoops_;
    std::set<const Control*> dirty_;
    // The control each window's focus moved to, until its widget can take it.
    std::map<const Window*, Control*> pendingFocus_;
    int updating_ = 0;
    bool syncScheduled_ = false;
    QObject timerContext_;  // a scheduled sync dies with the binder
};

// Marks the binder as writing into widgets for its lifetime.
class UpdateGuard {
  public:
    explicit UpdateGuard(Binder& b) : b_(b) { ++b_.updating_; }
    ~UpdateGuard() { --b_.updating_; }
    UpdateGuard(const UpdateGuard&) = delete;
    UpdateGuard& operator=(const UpdateGuard&) = delete;

  private:
    Binder& b_;
};

}  // namespace pelzaro
