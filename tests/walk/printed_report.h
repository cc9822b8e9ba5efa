#pragma once
// What the report printed, read back from the recording transcript the way an engineer reads
// the sheets: the texts of every sheet in print order (`T x y size colour "text"` lines), the
// conditions page, the stability page and the sections of the member chapter found by their
// headings. Nothing here knows how the report is drawn.

#include <optional>
#include <string>
#include <vector>

namespace pelzaro {

struct PrintedSheet {
    std::vector<std::string> texts;  // in drawing order
    bool holds(const std::string& fragment) const;
};

// The eight member parts of the report's member chapter, by the heading the chapter gives
// them, for the rows A to H of the member page.
const char* memberHeading(char letter);

struct PrintedReport {
    std::vector<PrintedSheet> sheets;

    // The sheet of the design conditions ("§１．設計条件"), or none.
    const PrintedSheet* conditionsPage() const;
    // The sheet of the stability check (its heading "安定性の検討（"), or none.
    const PrintedSheet* stabilityPage() const;
    // Whether any sheet holds the member chapter: its heading "断面の検討（" or a part's section.
    bool holdsMemberChapter() const;
    // The texts of a member part's section, from its heading "N）name" to the next part's
    // heading or the end of its sheet; none when the part is not printed.
    std::optional<std::vector<std::string>> memberSection(char letter) const;
    bool empty() const;
};

// Reads transcript lines; lines other than texts (strokes, beeps) are passed over.
PrintedSheet sheetFromTranscript(const std::vector<std::string>& lines);

// The printed number at the start of `text` after `label`, e.g. "Ｆc= " in "…： Ｆc= 21 N/mm2".
std::optional<double> numberAfter(const std::string& text, const std::string& label);

}  // namespace pelzaro
