#include <gtest/gtest.h>

#include <string>

#include "project/cp932.h"

namespace pelzaro {
namespace {

struct RoundTrip {
    const char* text;
    const char* cp932;  // expected bytes
    const char* why;
};

// Characters that trip codecs: ASCII that Shift-JIS tables reinterpret, the two full-width
// marks that JIS and Windows code differently, a kanji whose second byte is a backslash, and
// the NEC extensions that plain Shift-JIS lacks.
const RoundTrip kRoundTrips[] = {
    {"\\", "\x5C", "backslash stays ASCII, never the yen sign"},
    {"~", "\x7E", "tilde stays ASCII, never the overline"},
    {"－", "\x81\x7C", "full-width hyphen-minus U+FF0D, Windows' minus"},
    {"～", "\x81\x60", "full-width tilde U+FF5E, Windows' wave dash"},
    {"表", "\x95\x5C", "second byte 0x5C must not be read as a backslash"},
    {"①", "\x87\x40", "NEC special character"},
    {"㎡", "\x87\x75", "NEC special character used for areas"},
    {"ｱ", "\xB1", "half-width katakana is one byte"},
    {"大阪府大阪市1-2",
     "\x91\xE5\x8D\xE3\x95\x7B\x91\xE5\x8D\xE3\x8E\x73"
     "1-2",
     "a mixed site name"},
    {"", "", "empty text"},
};

TEST(Cp932Codec, RoundTripIsExact) {
    for (const RoundTrip& c : kRoundTrips) {
        Cp932Encoded encoded = encodeCp932(c.text);
        ASSERT_TRUE(encoded.ok) << c.why;
        EXPECT_EQ(encoded.bytes, std::string(c.cp932)) << c.why;
        Cp932Decoded decoded = decodeCp932(encoded.bytes);
        ASSERT_TRUE(decoded.ok) << c.why;
        EXPECT_EQ(decoded.text, c.text) << c.why;
    }
}

TEST(Cp932Codec, JisFormsAreStoredAsTheirFullWidthTwins) {
    const std::pair<const char*, const char*> cases[] = {
        {"〜", "～"},  // WAVE DASH typed by a Linux input method
        {"−", "－"},   // MINUS SIGN
        {"‖", "∥"},
        {"—", "―"},
    };
    for (const auto& [typed, stored] : cases) {
        Cp932Encoded encoded = encodeCp932(typed);
        ASSERT_TRUE(encoded.ok) << typed;
        EXPECT_EQ(decodeCp932(encoded.bytes).text, stored) << typed;
    }
}

TEST(Cp932Codec, RefusesWhatItCannotHoldAndNamesTheCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"壁♥A", "♥"},     // no CP932 code at all
        {"10¥", "¥"},      // glibc would quietly store a backslash
        {"a‾", "‾"},       // glibc would quietly store a tilde
        {"𠮷野家", "𠮷"},  // outside the BMP
        {"한", "한"},      // Hangul
    };
    for (const auto& [text, offending] : cases) {
        Cp932Encoded encoded = encodeCp932(text);
        EXPECT_FALSE(encoded.ok) << text;
        EXPECT_EQ(encoded.offending, offending) << text;
    }
}

TEST(Cp932Codec, DecodingRefusesBrokenBytes) {
    const std::pair<std::string, size_t> cases[] = {
        {"ab\x82", 2},  // a lead byte cut off at the end
        {"\xA0"
         "x",
         0},                    // not a CP932 byte
        {"\x81\x20", 0},        // a lead byte followed by a blank
        {"\xEF\xBB\xBFok", 0},  // a UTF-8 file is not a CP932 file
    };
    for (const auto& [bytes, offset] : cases) {
        Cp932Decoded decoded = decodeCp932(bytes);
        EXPECT_FALSE(decoded.ok);
        EXPECT_EQ(decoded.badOffset, offset);
    }
}

}  // namespace
}  // namespace pelzaro
