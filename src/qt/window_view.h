#pragma once
// The widgets of one model window: a surface with one widget per control, inside a frameless
// MDI child (pages, reference windows), a modal dialog, or a top-level window.

#include <QPointer>
#include <QRect>
#include <QSize>
#include <set>
#include <vector>

class QMdiArea;
class QWidget;

namespace pelzaro {

class Binder;
class Control;
class Window;

class WindowView {
  public:
    WindowView(Window& window, Binder& binder, QMdiArea* area, QWidget* dialogOwner);
    ~WindowView();
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    Window& window() const { return window_; }
    bool isDialog() const;
    QWidget* outer() const { return outer_; }
    QWidget* surface() const { return surface_; }

    void show();
    void hide();
    // Hides the widgets and deletes them once the event loop is back.
    void discard();
    void sync(const std::set<const Control*>& dirty);
    // A page grows with the area that holds it, so no page behind it ever shows through.
    void coverArea(const QSize& areaSize);

    QWidget* widgetOf(const Control& control) const;

  private:
    struct Binding {
        Control* control;
        QPointer<QWidget> widget;
        unsigned revision;
    };
    void build(Binder& binder);
    void nestInContainers();
    void stackAndOrder();
    void wrap(Binder& binder, QMdiArea* area, QWidget* dialogOwner);
    QRect rectOf(const Control& control) const;

    Window& window_;
    QPointer<QWidget> outer_;
    QPointer<QWidget> surface_;
    std::vector<Binding> bindings_;
    unsigned windowRevision_ = ~0u;
};

}  // namespace pelzaro
