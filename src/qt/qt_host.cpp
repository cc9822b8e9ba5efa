#include "qt/qt_host.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStringList>

#include "qt/file_filter.h"
#include "qt/message_box.h"
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

std::string runFileDialog(const FileDialogRequest& r, QFileDialog::AcceptMode mode,
                          QWidget* parent) {
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

}  // namespace pelzaro
