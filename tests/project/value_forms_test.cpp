#include "project/value_forms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pelzaro {
namespace {

TEST(ValueForms, WrittenForms) {
    struct Case {
        std::string written;
        std::string expected;
        const char* why;
    };
    const Case cases[] = {
        {formatBoolean(true), "True", "an option set"},
        {formatBoolean(false), "False", "an option not set"},
        {formatInteger(3), " 3 ", "list index: blank, digits, blank"},
        {formatInteger(-1), "-1 ", "nothing selected: the sign takes the blank's place"},
        {formatInteger(0), " 0 ", "check box cleared"},
        {*formatSingle(0.7133f), " 0.7133 ", "bar area: seven digits, trailing zeros dropped"},
        {*formatSingle(60.0f), " 60 ", "cover: a whole value without a point"},
        {*formatSingle(5.745f), " 5.745 ", "bar area of D25,D29"},
        {*formatSingle(71.5f), " 71.5 ", "cover plus the bar's addition"},
        {*formatSingle(0.0f), " 0 ", "a part never calculated"},
        {*formatSingle(-0.0f), " 0 ", "never a negative zero"},
        {*formatSingle(-2.5f), "-2.5 ", "a negative value"},
        {*formatSingle(1234567.0f), " 1234567 ", "seven digits still without exponent"},
        {*formatSingle(0.00001f), " 1E-05 ", "exponent form only where needed"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.written, c.expected) << c.why;
    EXPECT_FALSE(formatSingle(std::numeric_limits<float>::infinity()));
    EXPECT_FALSE(formatSingle(std::nanf("")));
}

TEST(ValueForms, ReadingIsStrict) {
    struct Case {
        std::string line;
        std::optional<bool> boolean;
        std::optional<int> listIndex;  // range -1..20
        std::optional<float> single;
        const char* why;
    };
    const Case cases[] = {
        {"True", true, {}, {}, "the written Boolean"},
        {"false", false, {}, {}, "letter case does not matter"},
        {" 3 ", true, 3, 3.0f, "number form with its blanks"},
        {"-1 ", true, -1, -1.0f, "nothing selected"},
        {" 0 ", false, 0, 0.0f, "zero is false"},
        {" 0.7133 ", true, {}, 0.7133f, "a fraction is no list index"},
        {" 21 ", true, {}, 21.0f, "beyond the 21 bar kinds"},
        {"-2 ", true, {}, -2.0f, "below 'nothing selected'"},
        {"1E-05", true, {}, 0.00001f, "exponent form"},
        {"", {}, {}, {}, "an empty line converts to nothing"},
        {"abc", {}, {}, {}, "a word"},
        {"3abc", {}, {}, {}, "a number followed by garbage"},
        {"1e39", true, {}, {}, "beyond single precision"},
        {"Tru", {}, {}, {}, "not quite a Boolean"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseBoolean(c.line), c.boolean) << c.why;
        EXPECT_EQ(parseInteger(c.line, -1, 20), c.listIndex) << c.why;
        EXPECT_EQ(parseSingle(c.line), c.single) << c.why;
    }
}

TEST(ValueForms, WrittenNumbersReadBackExactly) {
    // The bar table's values and covers come back as the same single-precision value.
    for (float v : {0.7133f, 5.067f, 8.143f, 0.1f, 65.4f, 123456.7f}) {
        auto written = formatSingle(v);
        ASSERT_TRUE(written);
        EXPECT_EQ(parseSingle(*written), v) << *written;
    }
    // Seven digits may not hold every float, but once written the text stays the same, so
    // saving an opened project again gives the same bytes.
    auto once = formatSingle(1.0f / 3.0f);
    EXPECT_EQ(formatSingle(*parseSingle(*once)), once);
}

}  // namespace
}  // namespace pelzaro
