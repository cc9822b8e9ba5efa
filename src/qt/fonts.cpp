#include "qt/fonts.h"

#include <QApplication>

#include "qt/qt_text.h"

namespace pelzaro {

void installFontSubstitutions() {
    const struct {
        const char* windowsName;
        const char* ipaName;
    } map[] = {
        {"ＭＳ ゴシック", "IPAGothic"},     {"ＭＳ 明朝", "IPAMincho"},
        {"ＭＳ Ｐゴシック", "IPAPGothic"},  {"ＭＳ Ｐ明朝", "IPAPMincho"},
        {"MS Gothic", "IPAGothic"},         {"MS Mincho", "IPAMincho"},
        {"ＭＳ ＵＩ Gothic", "IPAPGothic"},
    };
    for (const auto& m : map) QFont::insertSubstitution(toQ(m.windowsName), m.ipaName);
    // Menus, tool tips and message boxes in the proportional Gothic, as on a Japanese desktop.
    QApplication::setFont(modelFont("ＭＳ Ｐゴシック", 9));
}

QFont modelFont(const std::string& family, int sizePt, bool bold) {
    QFont font(toQ(family));
    // 96 dpi: one point is 4/3 pixel.
    font.setPixelSize(qMax(1, (sizePt * 4 + 1) / 3));
    font.setBold(bold);
    font.setStyleHint(QFont::AnyStyle, QFont::PreferAntialias);
    return font;
}

}  // namespace pelzaro
