#pragma once
// Qt widgets that hand what the user does to the binder instead of acting on their own:
// a key the model decides, the focus taken by the user, a click into a field. The binder
// installs the hooks; a widget without hooks behaves as its Qt base class.

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <functional>

namespace pelzaro {

class Line;
class PictureBox;

template <class W>
class Bound : public W {
  public:
    using W::W;

    // Returns true when the model took the key; the widget then never sees it.
    std::function<bool(QKeyEvent*)> keyHook;
    std::function<void(Qt::FocusReason)> focusHook;
    // After the widget has handled the press or double click itself (caret placed).
    std::function<void()> clickHook;
    std::function<void()> dblClickHook;

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (keyHook && keyHook(e)) {
            e->accept();
            return;
        }
        W::keyPressEvent(e);
    }
    void focusInEvent(QFocusEvent* e) override {
        W::focusInEvent(e);
        if (focusHook) focusHook(e->reason());
    }
    void mousePressEvent(QMouseEvent* e) override {
        W::mousePressEvent(e);
        if (e->button() == Qt::LeftButton && clickHook) clickHook();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        W::mouseDoubleClickEvent(e);
        if (e->button() == Qt::LeftButton && dblClickHook) dblClickHook();
    }
};

// Paints the drawing list of a picture box (segments and texts in twips of the picture).
class PictureWidget : public QWidget {
  public:
    PictureWidget(const PictureBox& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    const PictureBox& model_;
};

// A straight line decoration; it takes no mouse input, so what lies beneath stays usable.
class LineWidget : public QWidget {
  public:
    LineWidget(const Line& model, QWidget* parent);
    // The rectangle in the container's pixels that holds the line and its pen.
    QRect span() const;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    const Line& model_;
};

}  // namespace pelzaro
