#pragma once
// The one codec of the project file: UTF-8 text of the program <-> CP932 (Shift-JIS with the
// Windows extensions) bytes, through glibc's iconv "CP932" table, never the locale.
//
// Both directions are strict. Decoding refuses a byte sequence that is not CP932. Encoding
// refuses a character that has no CP932 code of its own: glibc quietly maps a few such
// characters onto a neighbour (U+00A5 YEN SIGN onto the backslash, U+203E OVERLINE onto the
// tilde), which would change the text between saving and opening, so those are refused too.
// The JIS forms of a handful of punctuation marks that CP932 codes as their full-width
// twins (WAVE DASH, MINUS SIGN, DOUBLE VERTICAL LINE, EM DASH, CENT, POUND, NOT SIGN) are
// what a Linux input method types for ～ － ∥ ― ￠ ￡ ￢; they are stored as those twins,
// which look the same on a Japanese screen and in the report.

#include <string>

namespace pelzaro {

struct Cp932Encoded {
    bool ok = false;
    std::string bytes;      // the CP932 bytes when ok
    std::string offending;  // otherwise the first character that CP932 cannot hold (UTF-8)
};

struct Cp932Decoded {
    bool ok = false;
    std::string text;      // the UTF-8 text when ok
    size_t badOffset = 0;  // otherwise the byte offset of the first undecodable sequence
};

Cp932Encoded encodeCp932(const std::string& utf8);
Cp932Decoded decodeCp932(const std::string& bytes);

}  // namespace pelzaro
