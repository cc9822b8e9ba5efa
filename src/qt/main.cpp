// Pelzaro: the main window with its menus and toolbar; everything else follows from the model.

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "qt/fonts.h"
#include "qt/main_window.h"
#include "qt/qt_host.h"

namespace {

// Qt's own texts (file dialogs, context menus of the fields) in Japanese, when installed.
void loadJapaneseQtTexts(QApplication& app, QTranslator& translator) {
    if (translator.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&translator);
    }
}

// Qt ends the program with a terse fatal message when there is no display; say it plainly.
bool hasDisplay() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!hasDisplay()) {
        std::fprintf(stderr, "Pelzaro needs a desktop session: no display is set (DISPLAY).\n");
        return 1;
    }
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelzaro"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    pelzaro::installFontSubstitutions();
    QTranslator translator;
    loadJapaneseQtTexts(qapp, translator);

    pelzaro::QtHost host;
    pelzaro::App app(host);
    host.attach(app);
    auto& frame = app.get<pelzaro::MDIForm1>();
    pelzaro::MainWindow window(frame, host);
    window.show();
    // Without a window manager (a kiosk, a virtual display) nobody else gives it the keyboard.
    window.activateWindow();
    return qapp.exec();
}
