#pragma once
// Character-wise access to UTF-8 text: selections and carets count characters, not bytes.

#include <string>
#include <vector>

namespace pelzaro::utf8 {

// The text split into characters, each one whole UTF-8 sequence.
std::vector<std::string> chars(const std::string& text);
int length(const std::string& text);
// Characters [start, start + count) of the text, clamped to its ends.
std::string mid(const std::string& text, int start, int count);
// The code point of the first character, or 0 for empty text.
int firstCodePoint(const std::string& text);

}  // namespace pelzaro::utf8
