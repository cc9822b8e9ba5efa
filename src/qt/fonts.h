#pragma once
// The pages name the Windows Japanese fonts; on Linux they are drawn with Konatu Tohaba and the
// IPA fonts.

#include <QFont>
#include <string>

namespace pelzaro {

// Registers "ＭＳ ゴシック" → Konatu Tohaba (IPAGothic where it is missing), "ＭＳ 明朝" →
// IPAMincho (and their proportional and Latin-named variants) with Qt's font substitution, and
// sets the application's own font.
void installFontSubstitutions();

// The font of a control: the family as the model names it, the size in points at 96 dpi so
// that text fits the geometry laid out in twips whatever the screen's resolution.
// Small Gothic text is drawn without antialiasing, from the face's bitmaps.
QFont modelFont(const std::string& family, int sizePt, bool bold = false);

}  // namespace pelzaro
