#include "printed_report.h"

#include <cstdlib>
#include <regex>

namespace pelzaro {

namespace {

const char* const kHeadings[] = {"たて壁（中央部）",   "たて壁（固定部）",   "底版（中央部）",
                                 "底版（前面固定部）", "底版（後面固定部）", "かかと版（固定部）",
                                 "つま先版（固定部）", "突起部"};
const char kLetters[] = "ABCDEFGH";

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::string trimmed(const std::string& s) {
    size_t b = s.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b);
}

// A part's heading: its number, "）" and its name, alone on the line ("１）たて壁（中央部）").
bool isHeadingOf(const std::string& text, const std::string& name) {
    const std::string t = trimmed(text);
    const std::string tail = "）" + name;
    if (!endsWith(t, tail)) return false;
    const std::string number = t.substr(0, t.size() - tail.size());
    return !number.empty() && number.size() <= 6 && number.find(' ') == std::string::npos;
}

bool isAnyHeading(const std::string& text) {
    for (const char* h : kHeadings)
        if (isHeadingOf(text, h)) return true;
    return false;
}

}  // namespace

bool PrintedSheet::holds(const std::string& fragment) const {
    for (const std::string& t : texts)
        if (t.find(fragment) != std::string::npos) return true;
    return false;
}

const char* memberHeading(char letter) {
    for (int i = 0; i < 8; ++i)
        if (kLetters[i] == letter) return kHeadings[i];
    return "";
}

const PrintedSheet* PrintedReport::conditionsPage() const {
    for (const PrintedSheet& s : sheets)
        if (s.holds("§１．設計条件")) return &s;
    return nullptr;
}

const PrintedSheet* PrintedReport::stabilityPage() const {
    for (const PrintedSheet& s : sheets)
        if (s.holds(" 安定性の検討（")) return &s;
    return nullptr;
}

bool PrintedReport::holdsMemberChapter() const {
    for (const PrintedSheet& s : sheets) {
        if (s.holds(" 断面の検討（")) return true;
        for (const std::string& t : s.texts)
            if (isAnyHeading(t)) return true;
    }
    return false;
}

std::optional<std::vector<std::string>> PrintedReport::memberSection(char letter) const {
    const std::string name = memberHeading(letter);
    for (const PrintedSheet& s : sheets) {
        for (size_t i = 0; i < s.texts.size(); ++i) {
            if (!isHeadingOf(s.texts[i], name)) continue;
            std::vector<std::string> section{s.texts[i]};
            for (size_t j = i + 1; j < s.texts.size() && !isAnyHeading(s.texts[j]); ++j)
                section.push_back(s.texts[j]);
            return section;
        }
    }
    return std::nullopt;
}

bool PrintedReport::empty() const {
    for (const PrintedSheet& s : sheets)
        if (!s.texts.empty()) return false;
    return true;
}

PrintedSheet sheetFromTranscript(const std::vector<std::string>& lines) {
    static const std::regex text(R"re(^T -?\d+ -?\d+ [0-9.]+ \d+ "(.*)"$)re");
    PrintedSheet sheet;
    std::smatch m;
    for (const std::string& line : lines)
        if (std::regex_match(line, m, text)) sheet.texts.push_back(m[1]);
    return sheet;
}

std::optional<double> numberAfter(const std::string& text, const std::string& label) {
    size_t at = text.find(label);
    if (at == std::string::npos) return std::nullopt;
    const char* start = text.c_str() + at + label.size();
    char* end = nullptr;
    double v = std::strtod(start, &end);
    if (end == start) return std::nullopt;
    return v;
}

}  // namespace pelzaro
