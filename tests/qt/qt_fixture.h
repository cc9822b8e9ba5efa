#pragma once
// Shared by the Qt tests: one QApplication for the program (CTest runs it offscreen) and a
// helper that answers the next message box and records what it showed.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <vector>

namespace pelzaro {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// While alive, presses `answer` on every message box that comes up.
class BoxAnswerer {
  public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer] { answerOpenBox(answer); });
        timer_.start(5);
    }
    std::vector<SeenBox> seen;

  private:
    void answerOpenBox(QMessageBox::StandardButton answer) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        SeenBox s{box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                  box->standardButton(box->defaultButton())};
        seen.push_back(s);
        box->button(answer)->click();
    }
    QTimer timer_;
};

}  // namespace pelzaro
