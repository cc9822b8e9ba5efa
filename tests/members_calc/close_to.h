#pragma once
// Expected values of the member design are worked by hand in double precision; the program
// stores single-precision values, so they agree to a few units of the sixth digit.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace pelzaro::members {

inline ::testing::AssertionResult closeTo(const char* actualExpr, const char* expectedExpr,
                                          double actual, double expected) {
    const double tolerance = 2e-5 * std::max(1.0, std::fabs(expected));
    if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << actualExpr << " = " << actual << ", expected " << expectedExpr << " = " << expected;
}

#define EXPECT_CLOSE(actual, expected) \
    EXPECT_PRED_FORMAT2(::pelzaro::members::closeTo, actual, expected)

}  // namespace pelzaro::members
