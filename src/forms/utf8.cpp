#include "forms/utf8.h"

#include <algorithm>

namespace pelzaro::utf8 {

namespace {
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;  // a stray continuation byte stands alone
}
}  // namespace

std::vector<std::string> chars(const std::string& text) {
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size();) {
        size_t n = std::min<size_t>(sequenceLength(static_cast<unsigned char>(text[i])),
                                    text.size() - i);
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

int length(const std::string& text) { return static_cast<int>(chars(text).size()); }

std::string mid(const std::string& text, int start, int count) {
    auto cs = chars(text);
    int n = static_cast<int>(cs.size());
    start = std::clamp(start, 0, n);
    int end = std::clamp(start + std::max(count, 0), start, n);
    std::string out;
    for (int i = start; i < end; ++i) out += cs[i];
    return out;
}

int firstCodePoint(const std::string& text) {
    if (text.empty()) return 0;
    auto s = reinterpret_cast<const unsigned char*>(text.data());
    int n = std::min<int>(sequenceLength(s[0]), static_cast<int>(text.size()));
    if (n == 1) return s[0];
    int cp = s[0] & (0x7F >> n);
    for (int i = 1; i < n; ++i) cp = (cp << 6) | (s[i] & 0x3F);
    return cp;
}

}  // namespace pelzaro::utf8
