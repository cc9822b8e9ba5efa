#include "qt/binder.h"

#include <QApplication>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QTimer>

#include "forms/app.h"
#include "forms/control.h"
#include "forms/window.h"
#include "qt/window_view.h"

namespace pelzaro {

Binder::Binder() = default;
Binder::~Binder() = default;

namespace {
// Calls back when the watched widget changes its size.
class ResizeWatcher : public QObject {
  public:
    ResizeWatcher(QWidget* watched, std::function<void(QSize)> resized)
        : QObject(watched), resized_(std::move(resized)) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize) resized_(static_cast<QResizeEvent*>(e)->size());
        return false;
    }

  private:
    std::function<void(QSize)> resized_;
};
}  // namespace

void Binder::setMdiArea(QMdiArea* area) {
    mdiArea_ = area;
    QObject::connect(area, &QMdiArea::subWindowActivated, area,
                     [this](QMdiSubWindow* sub) { activatedByUser(sub); });
    new ResizeWatcher(area->viewport(), [this](QSize size) {
        UpdateGuard guard(*this);
        for (auto& [window, view] : views_) view->coverArea(size);
    });
}

void Binder::userAction(Control* touched, const std::function<void()>& action) {
    if (updating()) return;
    if (touched != nullptr) dirty_.insert(touched);
    action();
    syncAll();
}

void Binder::userFocus(Control& control, int qtFocusReason) {
    if (updating()) return;
    switch (static_cast<Qt::FocusReason>(qtFocusReason)) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            break;
        default:
            return;  // a window or message box came or went: not the user's choice
    }
    if (control.hasFocus()) return;
    // A page held behind the preview takes no focus; the sync puts the preview back in front.
    userAction(nullptr, [&control] {
        if (control.window().takesUserInput()) control.SetFocus();
    });
}

// A page the user brings to the front by clicking it or by the window-cycling keys becomes the
// model's active window; one the model refuses goes back behind with the sync.
void Binder::activatedByUser(QWidget* subWindow) {
    if (updating() || subWindow == nullptr || app_ == nullptr) return;
    for (auto& [window, view] : views_) {
        if (view->outer() != subWindow) continue;
        Window* w = const_cast<Window*>(window);
        if (app_->activeWindow() == w || !w->Visible()) return;
        userAction(nullptr, [this, w] { app_->activate(*w); });
        // Refused: the window that the model keeps in front comes back once the area has
        // finished its own activation (the window-cycling keys raise their choice after this).
        if (app_->activeWindow() != w) {
            QTimer::singleShot(0, &timerContext_, [this] {
                UpdateGuard guard(*this);
                followActiveWindow();
            });
        }
        return;
    }
}

void Binder::scheduleSync() {
    if (syncScheduled_ || updating()) return;
    syncScheduled_ = true;
    QTimer::singleShot(0, &timerContext_, [this] {
        syncScheduled_ = false;
        syncAll();
    });
}

void Binder::syncAll() {
    UpdateGuard guard(*this);
    for (auto& [window, view] : views_) view->sync(dirty_);
    dirty_.clear();
    followActiveWindow();
    applyPendingFocus();
    if (afterSync) afterSync();
}

WindowView& Binder::ensureView(Window& window) {
    auto it = views_.find(&window);
    if (it != views_.end()) return *it->second;
    UpdateGuard guard(*this);
    auto view = std::make_unique<WindowView>(window, *this, mdiArea_, mainWidget_);
    WindowView& v = *view;
    views_[&window] = std::move(view);
    v.sync({});
    return v;
}

void Binder::windowShown(Window& window) {
    if (window.role() == WindowRole::Main) return;
    WindowView& view = ensureView(window);
    UpdateGuard guard(*this);
    view.sync({});
    view.show();
}

void Binder::windowHidden(Window& window) {
    auto it = modalLoops_.find(&window);
    if (it != modalLoops_.end()) it->second->quit();
    if (WindowView* view = viewOf(window)) {
        UpdateGuard guard(*this);
        view->hide();
    }
}

void Binder::windowUnloading(Window& window) {
    windowHidden(window);
    pendingFocus_.erase(&window);
    auto it = views_.find(&window);
    if (it == views_.end()) return;
    {
        UpdateGuard guard(*this);
        it->second->discard();
    }
    discarded_.push_back(std::move(it->second));
    views_.erase(it);
}

void Binder::focusMoved(Control& control) {
    pendingFocus_[&control.window()] = &control;
}

// The front window is the one the model activated last: a window that Qt brought forward on
// its own, or that the model refused, goes back behind it (the window-cycling keys raise the
// window they chose even once another is active again).
void Binder::followActiveWindow() {
    if (app_ == nullptr || mdiArea_ == nullptr || app_->modalWindow() != nullptr) return;
    Window* active = app_->activeWindow();
    if (active == nullptr || !active->Visible()) return;
    WindowView* view = viewOf(*active);
    auto* sub = view == nullptr ? nullptr : qobject_cast<QMdiSubWindow*>(view->outer());
    if (sub == nullptr) return;
    const QList<QMdiSubWindow*> stack = mdiArea_->subWindowList(QMdiArea::StackingOrder);
    if (mdiArea_->activeSubWindow() == sub && !stack.isEmpty() && stack.last() == sub) return;
    sub->raise();
    mdiArea_->setActiveSubWindow(sub);
}

// Whether the window is the one the user works in: the open modal window, or else the page
// or reference window the model activated last.
bool Binder::isCurrent(const Window& window) const {
    if (app_ == nullptr) return true;
    if (const Window* modal = app_->modalWindow()) return modal == &window;
    return window.role() == WindowRole::Dialog || app_->activeWindow() == &window;
}

// The model moved the focus: the widget follows once the model's event is over, so that the
// widget's own focus event never re-enters the model in the middle of a handler. A window
// that is not the current one keeps its focus for later: focusing a widget in it would bring
// it to the front over the page the model has just shown.
void Binder::applyPendingFocus() {
    for (auto it = pendingFocus_.begin(); it != pendingFocus_.end();) {
        QWidget* w = widgetOf(*it->second);
        if (w == nullptr || !isCurrent(*it->first)) {
            ++it;  // no widgets yet, or not in front: wait
            continue;
        }
        if (QApplication::focusWidget() != w) {
            w->setFocus(Qt::OtherFocusReason);
            // The focus moved by Enter or by the program is shown as after a Tab: a button or
            // an option draws its focus frame, so the user sees where the next Enter goes.
            if (QWidget* top = w->window()) top->setAttribute(Qt::WA_KeyboardFocusChange);
            w->update();
        }
        it = pendingFocus_.erase(it);
    }
}

void Binder::runModal(Window& window) {
    WindowView& view = ensureView(window);
    syncAll();
    {
        UpdateGuard guard(*this);
        view.show();
    }
    if (!window.isModal() || !window.Visible()) return;
    QEventLoop loop;
    modalLoops_[&window] = &loop;
    loop.exec(QEventLoop::DialogExec);
    modalLoops_.erase(&window);
    // What the caller changes after the dialog closed reaches the screen even when no user
    // action follows.
    scheduleSync();
}

WindowView* Binder::viewOf(const Window& window) const {
    auto it = views_.find(&window);
    return it == views_.end() ? nullptr : it->second.get();
}

QWidget* Binder::widgetOf(const Control& control) const {
    WindowView* view = viewOf(control.window());
    return view == nullptr ? nullptr : view->widgetOf(control);
}

}  // namespace pelzaro
