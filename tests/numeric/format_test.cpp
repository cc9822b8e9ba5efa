#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numeric/format.h"
#include "numeric/lenient.h"
#include "numeric/rounding.h"

namespace pelzaro {
namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
    const char* why;
};

TEST(NumberPatterns, FormatsAsThePagesAndTheReportShowIt) {
    const FormatCase cases[] = {
        {24.4, "0", "24", "whole numbers round"},
        {23.5, "0", "24", "a half goes away from zero"},
        {-23.5, "0", "-24", "a negative half goes away from zero"},
        {12, "0.0", "12.0", "required decimal"},
        {2, "0.0#", "2.0", "optional decimal dropped"},
        {2.25, "0.0#", "2.25", "optional decimal kept"},
        {2.256, "0.0#", "2.26", "rounded to the last optional decimal"},
        {30, "0.0#", "30.0", ""},
        {0.5, "0.0##", "0.5", ""},
        {0.375, "0.0##", "0.375", ""},
        {0.2, "0.0###", "0.2", ""},
        {0.25, "0.0###", "0.25", ""},
        {30, "0.00", "30.00", ""},
        {0.5, "0.00#", "0.50", ""},
        {0.577, "0.00#", "0.577", ""},
        {0.2, "0.00##", "0.20", ""},
        {1.5, "0.000", "1.500", ""},
        {-1.5, "0.000", "-1.500", ""},
        {0.35, "0.0000", "0.3500", ""},
        {0.35f, "0.0000", "0.3500", "a single widened to double still shows its decimals"},
        {2.675, "0.00", "2.68", "halves of the decimal value, not of the binary one"},
        {1.0005, "0.000", "1.001", "halves of the decimal value, not of the binary one"},
        {0.0, "0.000", "0.000", ""},
        {-0.0004, "0.000", "0.000", "never -0.000"},
        {0.9996, "0.000", "1.000", "carry into the integer part"},
        {9.9996, "0.000", "10.000", "carry adds an integer digit"},
        {600, "##,###", "600", ""},
        {2500, "##,###", "2,500", "grouped by three"},
        {1234567, "##,###", "1,234,567", ""},
        {0, "##,###", "", "a dimension of 0 mm prints nothing"},
        {0.4, "##,###", "", "rounds to 0: nothing"},
        {0.000123, "0.0000", "0.0001", "small values"},
        {1e-20, "0.000", "0.000", "tiny values"},
        {std::numeric_limits<double>::infinity(), "0.000", "", "never inf"},
        {std::nan(""), "0.000", "", "never nan"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Format(c.value, c.pattern), c.expected)
            << c.value << " with " << c.pattern << " (" << c.why << ")";
    }
}

struct ValCase {
    const char* text;
    double expected;
};

TEST(LenientReader, ReadsTheLeadingNumberAndNeverFails) {
    const ValCase cases[] = {
        {"", 0},        {"abc", 0},       {"  21", 21},    {"-1.5", -1.5}, {"+3", 3},
        {"1.2.3", 1.2}, {"12kN", 12},     {"1e3", 1000},   {"1E-2", 0.01}, {"2e", 2},
        {"2e+", 2},     {".5", 0.5},      {"-.5", -0.5},   {"5.", 5},      {" 0.7133 ", 0.7133},
        {"-", 0},       {".", 0},         {"１２", 0},     {"\t7", 7},     {"1,000", 1},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
}

TEST(LenientReader, AValueBeyondSinglePrecisionIsReadButCannotBeStored) {
    EXPECT_FALSE(fitsSingle(Val("1e39")));
    EXPECT_TRUE(fitsSingle(Val("1e38")));
    EXPECT_FALSE(fitsSingle(Val("1e999")));
}

TEST(Marume, RoundsHalfUpTowardPlusInfinity) {
    EXPECT_DOUBLE_EQ(Marume(0.25, 1), 0.3);
    EXPECT_DOUBLE_EQ(Marume(-0.25, 1), -0.2);
    EXPECT_DOUBLE_EQ(Marume(-0.00005, 4), 0.0);
    EXPECT_DOUBLE_EQ(Marume(0.00005, 4), 0.0001);
    EXPECT_EQ(Format(Marume(-0.00005, 4), "0.0000"), "0.0000");
    EXPECT_DOUBLE_EQ(Marume(1.23456, 3), 1.235);
}

TEST(Angles, ConvertWithTheProgramsPi) {
    EXPECT_DOUBLE_EQ(degToRad(180), 3.14159);
    EXPECT_DOUBLE_EQ(radToDeg(3.14159), 180);
}

}  // namespace
}  // namespace pelzaro
