#pragma once
// The pages and the report name the Windows Japanese fonts; on Linux they are drawn with the
// IPA fonts: the fixed-pitch faces for "ＭＳ ゴシック" and "ＭＳ 明朝" (their columns of text line
// up by counting characters), the proportional ones for the "Ｐ" faces.

#include <QFont>
#include <QString>
#include <string>

namespace pelzaro {

// The face that draws a family as the model names it: "ＭＳ 明朝" → IPAMincho,
// "ＭＳ ゴシック" → IPAGothic, their proportional and Latin-named variants likewise; any other
// name is returned as it is.
QString drawingFamily(const std::string& modelFamily);

// Registers the same mapping with Qt's font substitution and sets the application's own font.
void installFontSubstitutions();

// The font of a control: the family as the model names it, the size in points at 96 dpi so
// that text fits the geometry laid out in twips whatever the screen's resolution.
QFont modelFont(const std::string& family, int sizePt, bool bold = false);

}  // namespace pelzaro
