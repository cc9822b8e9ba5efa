#include "qt/qt_host.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPageLayout>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <cmath>

#include "qt/file_filter.h"
#include "qt/message_box.h"
#include "qt/painter_document.h"
#include "qt/qt_text.h"

namespace pelzaro {

namespace {

// A Windows folder such as "C:\Pelzaro\" means the user's Pelzaro folder when it exists,
// otherwise the home folder.
QString initialFolder(const std::string& folder) {
    QString dir = toQ(folder);
    if (!dir.isEmpty() && QDir(dir).exists()) return dir;
    QString own = QDir::home().filePath(QStringLiteral("Pelzaro"));
    return QDir(own).exists() ? own : QDir::homePath();
}

// Gives the keyboard back to the window that was active before a system dialog opened, so
// that its menu keys work again at once; without a window manager (a bare X display) nobody
// else does. When no window is active (a dialog before it has just closed), the main window
// takes the keyboard.
class KeepActiveWindow {
  public:
    explicit KeepActiveWindow(QWidget* main)
        : window_(QApplication::activeWindow() ? QApplication::activeWindow() : main) {}
    ~KeepActiveWindow() {
        if (window_ && window_->isVisible()) window_->activateWindow();
    }
    KeepActiveWindow(const KeepActiveWindow&) = delete;
    KeepActiveWindow& operator=(const KeepActiveWindow&) = delete;

  private:
    QPointer<QWidget> window_;
};

std::string runFileDialog(const FileDialogRequest& r, QFileDialog::AcceptMode mode,
                          QWidget* parent) {
    KeepActiveWindow keep(parent ? parent->window() : nullptr);
    QFileDialog dialog(parent, toQ(r.title), initialFolder(r.initialDir), qtFileFilter(r.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // The program asks its own question before it overwrites a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QStringLiteral("qkz"));
    if (!r.fileName.empty()) dialog.selectFile(toQ(r.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return fromQ(dialog.selectedFiles().front());
}

// The default printer at printer resolution; without one, Qt's PDF output (A4 portrait).
std::unique_ptr<QPrinter> defaultPrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (QPrinterInfo::defaultPrinter().isNull()) printer->setOutputFormat(QPrinter::PdfFormat);
    return printer;
}

int toTwips(double points) {
    return static_cast<int>(std::lround(points * 20.0));
}

QWidget* boxParent(Binder& binder) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return binder.mainWidget();
}

}  // namespace

MsgAnswer QtHost::msgBox(const Message& message) {
    binder_.syncAll();  // the user sees the page as the model has it behind the question
    auto box = buildMessageBox(message, boxParent(binder_));
    box->exec();
    return answerOf(*box, message);
}

void QtHost::beep() {
    QApplication::beep();
}

std::string QtHost::openFileDialog(const FileDialogRequest& request) {
    binder_.syncAll();
    return runFileDialog(request, QFileDialog::AcceptOpen, boxParent(binder_));
}

std::string QtHost::saveFileDialog(const FileDialogRequest& request) {
    binder_.syncAll();
    return runFileDialog(request, QFileDialog::AcceptSave, boxParent(binder_));
}

void QtHost::quit() {
    quitting_ = true;
    // Leaves every event loop, nested ones included; the windows close without a question.
    QCoreApplication::exit(0);
}

// The sheet and its printable area, in twips (20 to the point).
PrinterPage QtHost::printerPage() {
    const QPageLayout layout = defaultPrinter()->pageLayout();
    const QRectF sheet = layout.fullRect(QPageLayout::Point);
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    PrinterPage page;
    page.width = toTwips(sheet.width());
    page.height = toTwips(sheet.height());
    page.left = toTwips(printable.left());
    page.top = toTwips(printable.top());
    page.scaleWidth = toTwips(printable.width());
    page.scaleHeight = toTwips(printable.height());
    return page;
}

// Qt's print dialog, which offers the PDF output on a machine without a printer; no choice of
// a selection or a page range, as the print-range dialog has chosen the pages already.
PrinterChoice QtHost::ShowPrinter() {
    binder_.syncAll();
    std::unique_ptr<QPrinter> printer = defaultPrinter();
    KeepActiveWindow keep(binder_.mainWidget());
    QPrintDialog dialog(printer.get(), boxParent(binder_));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) return PrinterChoice{};
    return documentOnPrinter(std::move(printer));
}

}  // namespace pelzaro
