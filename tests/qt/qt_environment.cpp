// The one QApplication of the Qt test program, with the program's fonts and style.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>

#include "qt/fonts.h"

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "test_qt";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        pelzaro::installFontSubstitutions();
    }
    void TearDown() override { delete app_; }

  private:
    QApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
