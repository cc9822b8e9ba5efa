#pragma once
// Conversions at the edge between the model (UTF-8, twips, palette indexes, caret positions in
// characters) and Qt (QString in UTF-16, pixels, QColor, positions in UTF-16 code units).

#include <QColor>
#include <QString>
#include <string>

#include "forms/palette.h"

namespace pelzaro {

// The pages are laid out at 96 dpi: 1440 twips to the inch, 15 twips to a pixel.
constexpr int kTwipsPerPixel = 15;

inline int twipsToPx(int twips) {
    // Round half away from zero, so that a negative offset mirrors a positive one.
    int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

inline QString toQ(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string fromQ(const QString& text) {
    return text.toStdString();
}

inline QColor paletteQColor(int index) {
    Rgb c = paletteColor(index);
    return QColor(c.r, c.g, c.b);
}

// The model counts characters (code points); QString counts UTF-16 units. They differ only
// for characters beyond the basic plane, but a caret must never land inside a surrogate pair.
inline int charsBefore(const QString& text, int utf16Pos) {
    int chars = 0;
    for (int i = 0; i < utf16Pos && i < text.size(); ++i) {
        if (!text.at(i).isLowSurrogate()) ++chars;
    }
    return chars;
}

inline int utf16PosOf(const QString& text, int chars) {
    int i = 0;
    for (int n = 0; n < chars && i < text.size(); ++n) {
        i += (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
    }
    return i;
}

}  // namespace pelzaro
