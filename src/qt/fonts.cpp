#include "qt/fonts.h"

#include <QApplication>

#include "qt/qt_text.h"

namespace pelzaro {

namespace {
// Up to this size in device pixels the Gothic face is drawn from its hand-made bitmaps, without
// antialiasing: a lowercase "m" and a decimal point stay what they are at 9 point.
constexpr int kLargestBitmapPx = 21;

bool isGothic(const QString& family) {
    return family == toQ("ＭＳ ゴシック") || family == QStringLiteral("MS Gothic");
}
}  // namespace

void installFontSubstitutions() {
    // The fixed-pitch Gothic of the pages: Konatu Tohaba, with IPAGothic behind it where it is
    // not installed; both keep the half-width and full-width classes of the pages' layout.
    const QStringList gothic{QStringLiteral("Konatu Tohaba"), QStringLiteral("IPAGothic")};
    QFont::insertSubstitutions(toQ("ＭＳ ゴシック"), gothic);
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), gothic);
    const struct {
        const char* windowsName;
        const char* ipaName;
    } map[] = {
        {"ＭＳ 明朝", "IPAMincho"},        {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},     {"MS Mincho", "IPAMincho"},
        {"ＭＳ ＵＩ Gothic", "IPAPGothic"},
    };
    for (const auto& m : map) QFont::insertSubstitution(toQ(m.windowsName), m.ipaName);
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
