#include "qt/window_view.h"

#include <QCloseEvent>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "forms/controls.h"
#include "forms/window.h"
#include "qt/binder.h"
#include "qt/bound_widgets.h"
#include "qt/control_widgets.h"
#include "qt/qt_text.h"

namespace pelzaro {

namespace {

// A modal window that the model closes: Escape and the close box ask the model, which presses
// the dialog's Cancel (or its only button); the window goes away when the model hides it.
class ModelDialog : public QDialog {
  public:
    ModelDialog(Window& model, Binder& binder, QWidget* owner, Qt::WindowFlags flags)
        : QDialog(owner, flags), model_(model), binder_(binder) {}
    void reject() override {
        binder_.userAction(nullptr, [this] { model_.userClose(); });
    }

  protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        reject();
    }

  private:
    Window& model_;
    Binder& binder_;
};

// A page or reference window: only the model closes it (no Ctrl+F4, no system menu).
class ModelSubWindow : public QMdiSubWindow {
  public:
    ModelSubWindow() : QMdiSubWindow(nullptr, Qt::FramelessWindowHint) { setSystemMenu(nullptr); }

  protected:
    void closeEvent(QCloseEvent* e) override { e->ignore(); }
};

// The layers of a window, bottom to top: captions and lines in their order on the page, then
// the drawing surfaces without a border (what the program prints on the window), then the
// controls that take input, so that no caption ever hides a field, a button or an option.
int layerOf(const Control& c) {
    switch (c.kind()) {
        case ControlKind::Label:
        case ControlKind::Line:
            return 0;
        case ControlKind::PictureBox:
            return static_cast<const PictureBox&>(c).BorderStyle == 0 ? 1 : 2;
        default:
            return 2;
    }
}

}  // namespace

WindowView::WindowView(Window& window, Binder& binder, QMdiArea* area, QWidget* dialogOwner)
    : window_(window) {
    surface_ = new QWidget;
    surface_->setObjectName(toQ(window.name()));
    build(binder);
    nestInContainers();
    stackAndOrder();
    wrap(binder, area, dialogOwner);
}

WindowView::~WindowView() {
    delete outer_.data();
}

bool WindowView::isDialog() const {
    return qobject_cast<QDialog*>(outer_.data()) != nullptr;
}

void WindowView::build(Binder& binder) {
    for (Control* c : window_.controls()) {
        QWidget* w = buildControlWidget(*c, binder, surface_);
        w->setObjectName(toQ(c->name()));
        bindings_.push_back({c, w, ~0u});
    }
}

// Containers may be declared after what they hold, so nesting waits until every widget exists.
void WindowView::nestInContainers() {
    for (Binding& b : bindings_) {
        if (b.control->container() == nullptr) continue;
        if (QWidget* parent = widgetOf(*b.control->container())) b.widget->setParent(parent);
    }
}

// Each widget is raised in turn, layer by layer and within a layer in the page's order; the
// Tab key follows the controls' tab indexes.
void WindowView::stackAndOrder() {
    for (int layer = 0; layer <= 2; ++layer) {
        for (Binding& b : bindings_) {
            if (layerOf(*b.control) == layer) b.widget->raise();
        }
    }
    std::vector<Binding*> stops;
    for (Binding& b : bindings_) {
        if (b.control->canTakeFocus()) stops.push_back(&b);
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Binding* a, const Binding* b) {
        return a->control->tabIndex < b->control->tabIndex;
    });
    for (size_t i = 1; i < stops.size(); ++i) {
        QWidget::setTabOrder(stops[i - 1]->widget, stops[i]->widget);
    }
}

void WindowView::wrap(Binder& binder, QMdiArea* area, QWidget* dialogOwner) {
    const QSize size(twipsToPx(window_.geometry.width), twipsToPx(window_.geometry.height));
    surface_->setFixedSize(size);
    if (window_.role() == WindowRole::Dialog) {
        auto* dialog = new ModelDialog(window_, binder, dialogOwner,
                                       Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                           Qt::WindowCloseButtonHint);
        dialog->setWindowModality(Qt::ApplicationModal);
        surface_->setParent(dialog);
        dialog->setFixedSize(size);
        outer_ = dialog;
    } else if (area != nullptr) {
        // Pages and reference windows have neither border nor title bar.
        auto* sub = new ModelSubWindow;
        // A page covers the whole page area, so that a smaller page never leaves the lower
        // part of the page behind it showing (and clickable); its controls stay top-left.
        auto* holder = new QWidget;
        holder->setObjectName(surface_->objectName() + "Page");
        surface_->setParent(holder);
        surface_->move(0, 0);
        holder->setMinimumSize(size);
        sub->setWidget(holder);
        area->addSubWindow(sub);
        sub->resize(size);
        outer_ = sub;
        coverArea(area->viewport()->size());
        // Placed by the model, never cascaded by the area: moving marks the position as set.
        sub->move(twipsToPx(window_.geometry.left), twipsToPx(window_.geometry.top));
    } else {
        outer_ = surface_;
    }
    outer_->setWindowTitle(toQ(window_.Caption()));
}

QRect WindowView::rectOf(const Control& c) const {
    const Twips& g = c.geometry;
    QRect own(twipsToPx(g.left), twipsToPx(g.top), twipsToPx(g.width), twipsToPx(g.height));
    const Control* box = c.container();
    if (box == nullptr) return own;
    // Inside a frame or picture a position counts from the container's corner. A control laid
    // out in window coordinates instead is recognised by fitting only that way.
    QRect boxRect(0, 0, twipsToPx(box->geometry.width), twipsToPx(box->geometry.height));
    QRect shifted = own.translated(-twipsToPx(box->geometry.left), -twipsToPx(box->geometry.top));
    if (!boxRect.contains(own) && boxRect.contains(shifted)) return shifted;
    return own;
}

void WindowView::sync(const std::set<const Control*>& dirty) {
    bool changed = window_.revision() != windowRevision_;
    windowRevision_ = window_.revision();
    if (outer_ && outer_->windowTitle() != toQ(window_.Caption())) {
        outer_->setWindowTitle(toQ(window_.Caption()));
    }
    if (outer_ && !isDialog() && outer_ != surface_) {
        QPoint at(twipsToPx(window_.geometry.left), twipsToPx(window_.geometry.top));
        if (outer_->pos() != at) outer_->move(at);
    }
    for (Binding& b : bindings_) {
        if (!b.widget) continue;
        bool valueMoved = changed && (b.revision != b.control->revision());
        bool withValue = valueMoved || dirty.count(b.control) > 0;
        b.revision = b.control->revision();
        if (b.control->kind() == ControlKind::Line) {
            QRect span = static_cast<LineWidget*>(b.widget.data())->span();
            if (b.widget->geometry() != span) b.widget->setGeometry(span);
        } else {
            QRect r = rectOf(*b.control);
            if (b.widget->geometry() != r) b.widget->setGeometry(r);
        }
        syncControlWidget(*b.control, b.widget, withValue);
    }
}

void WindowView::coverArea(const QSize& areaSize) {
    auto* sub = qobject_cast<QMdiSubWindow*>(outer_.data());
    if (sub == nullptr) return;
    if (window_.role() != WindowRole::Page && window_.role() != WindowRole::Reference) return;
    QSize want = surface_->size().expandedTo(areaSize);
    if (sub->size() != want) sub->resize(want);
}

void WindowView::show() {
    if (!outer_) return;
    outer_->show();
    outer_->raise();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(outer_.data())) {
        sub->mdiArea()->setActiveSubWindow(sub);
    } else {
        outer_->activateWindow();
    }
}

void WindowView::hide() {
    if (outer_) outer_->hide();
}

void WindowView::discard() {
    hide();
    if (outer_) outer_->deleteLater();
    outer_ = nullptr;
}

QWidget* WindowView::widgetOf(const Control& control) const {
    for (const Binding& b : bindings_) {
        if (b.control == &control) return b.widget;
    }
    return nullptr;
}

}  // namespace pelzaro
