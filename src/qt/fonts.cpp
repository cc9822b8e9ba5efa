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

// Up to this size in device pixels the Gothic face is drawn from its hand-made bitmaps, without
// antialiasing: a lowercase "m" and a decimal point stay what they are at 9 point.
constexpr int kLargestBitmapPx = 21;

bool isGothic(const QString& family) {
    return family == toQ("ＭＳ ゴシック") || family == QStringLiteral("MS Gothic");
}
}  // namespace

QString drawingFamily(const std::string& modelFamily) {
    for (const FaceMapping& f : kFaces)
        if (modelFamily == f.windowsName) return QString::fromLatin1(f.ipaName);
    return toQ(modelFamily);
}

void installFontSubstitutions() {
    // The fixed-pitch Gothic of the pages' controls: Konatu Tohaba, with IPAGothic behind it
    // where it is not installed; both keep the half-width and full-width classes of the pages'
    // layout.
    const QStringList gothic{QStringLiteral("Konatu Tohaba"), QStringLiteral("IPAGothic")};
    for (const FaceMapping& f : kFaces) {
        if (isGothic(toQ(f.windowsName)))
            QFont::insertSubstitutions(toQ(f.windowsName), gothic);
        else
            QFont::insertSubstitution(toQ(f.windowsName), f.ipaName);
    }
    // Menus, tool tips and message boxes in the proportional Gothic, as on a Japanese desktop.
    QApplication::setFont(modelFont("ＭＳ Ｐゴシック", 9));
}

QFont modelFont(const std::string& family, int sizePt, bool bold) {
    QFont font(toQ(family));
    // 96 dpi: one point is 4/3 pixel.
    const int px = qMax(1, (sizePt * 4 + 1) / 3);
    font.setPixelSize(px);
    font.setBold(bold);
    const bool bitmaps = isGothic(font.family()) && px <= kLargestBitmapPx;
    font.setStyleStrategy(bitmaps ? QFont::NoAntialias : QFont::PreferAntialias);
    if (bitmaps) font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace pelzaro
