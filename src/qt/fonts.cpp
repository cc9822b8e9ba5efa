#include "qt/fonts.h"

#include <QApplication>

#include "qt/qt_text.h"

namespace pelzaro {

namespace {
struct FaceMapping {
    const char* windowsName;
    const char* ipaName;
};
// IPAMincho and IPAGothic are the fixed-pitch faces (a half-width character is half an em);
// IPAPMincho, IPAPGothic and IPAexMincho are proportional and would break the report's
// columns.
constexpr FaceMapping kFaces[] = {
    {"ＭＳ ゴシック", "IPAGothic"},     {"ＭＳ 明朝", "IPAMincho"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"},  {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"MS Gothic", "IPAGothic"},         {"MS Mincho", "IPAMincho"},
    {"ＭＳ ＵＩ Gothic", "IPAPGothic"},
};
}  // namespace

QString drawingFamily(const std::string& modelFamily) {
    for (const FaceMapping& f : kFaces)
        if (modelFamily == f.windowsName) return QString::fromLatin1(f.ipaName);
    return toQ(modelFamily);
}

void installFontSubstitutions() {
    for (const FaceMapping& f : kFaces) QFont::insertSubstitution(toQ(f.windowsName), f.ipaName);
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
