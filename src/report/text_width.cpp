#include "report/text_width.h"

#include "forms/utf8.h"

namespace pelzaro {

namespace {

double charWidth(const std::string& ch, double points) {
    int c = utf8::firstCodePoint(ch);
    bool half = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
    return (half ? 1 : 2) * points * 10.0;
}

bool endsClause(const std::string& ch) {
    return ch == "、" || ch == "。";
}

// Marks that close what stands before them: they stay on its line.
bool closingMark(const std::string& ch) {
    for (const char* mark : {"、", "。", "，", "．", "）", "」", "』", "､", "｡"})
        if (ch == mark) return true;
    return false;
}

// Where the line that starts at `start` ends (one past its last character).
size_t lineEnd(const std::vector<std::string>& chars, size_t start, double room, double points) {
    size_t end = start;
    double used = 0;
    size_t afterClause = start;
    while (end < chars.size()) {
        const double w = charWidth(chars[end], points);
        if (end > start && used + w > room) break;
        used += w;
        ++end;
        if (endsClause(chars[end - 1])) afterClause = end;
    }
    if (end == chars.size()) return end;
    if (afterClause > start) return afterClause;
    if (end - start > 1 && closingMark(chars[end])) --end;
    return end;
}

}  // namespace

double textWidthTwips(const std::string& text, double points) {
    double width = 0;
    for (const std::string& ch : utf8::chars(text)) width += charWidth(ch, points);
    return width;
}

std::vector<std::string> breakToWidth(const std::string& indent, const std::string& text,
                                      double points, double widthTwips) {
    const std::vector<std::string> chars = utf8::chars(text);
    const double room = widthTwips - textWidthTwips(indent, points);
    std::vector<std::string> lines;
    size_t start = 0;
    do {
        const size_t end = lineEnd(chars, start, room, points);
        std::string line = indent;
        for (size_t i = start; i < end; ++i) line += chars[i];
        lines.push_back(line);
        start = end;
    } while (start < chars.size());
    return lines;
}

}  // namespace pelzaro
