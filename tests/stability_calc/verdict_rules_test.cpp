// The comparisons behind the stability verdicts, which the wall page and the report share:
// the criteria that the dialog of the case chooses, and each limit in single precision with
// equality passing.

#include <gtest/gtest.h>

#include <cmath>

#include "stability/calc/verdicts.h"

namespace pelzaro {
namespace {

TEST(VerdictRules, LimitsInSinglePrecisionEqualityPasses) {
    const float below15 = std::nextafter(1.5f, 0.0f), below12 = std::nextafter(1.2f, 0.0f);
    struct Row {
        const char* why;
        bool got, expected;
    } rows[] = {
        {"F = 1.5 passes 1.5", factorPasses(1.5f, FactorLimit::F15), true},
        {"just below 1.5 fails", factorPasses(below15, FactorLimit::F15), false},
        {"F = 1.0 passes 1.0", factorPasses(1.0f, FactorLimit::F10), true},
        {"1.2 as stored passes 1.2", factorPasses(1.2f, FactorLimit::F12), true},
        {"just below 1.2f fails", factorPasses(below12, FactorLimit::F12), false},
        {"|e| = B/6 passes", eccentricityPasses(2.4f / 6.0f, 2.4f, 6), true},
        {"a negative e by its size", eccentricityPasses(-2.4f / 6.0f, 2.4f, 6), true},
        {"just beyond B/6 fails", eccentricityPasses(std::nextafter(0.4f, 1.0f), 2.4f, 6), false},
        {"|e| = B/2 passes", eccentricityPasses(1.2f, 2.4f, 2), true},
        {"d = B/3 passes", resultantPasses(2.4f / 3.0f, 2.4f), true},
        {"d below B/3 fails", resultantPasses(0.79f, 2.4f), false},
        {"sigma_max = qa passes", bearingPasses(150.0f, 150.0f), true},
        {"sigma_max above qa fails", bearingPasses(150.01f, 150.0f), false},
    };
    for (const Row& r : rows) EXPECT_EQ(r.got, r.expected) << r.why;
    EXPECT_EQ(factorLimit(FactorLimit::F12), 1.2f);
    EXPECT_EQ(baseFraction(2.4f, 3), 2.4f / 3.0f);
}

TEST(VerdictRules, CriteriaByCaseAndDialog) {
    using K = OverturningChecks;
    struct Row {
        const char* why;
        bool normal, seismic;
        bool PageChoices::*option;
        K expected;
    } rows[] = {
        {"normal F >= 1.5", true, false, &PageChoices::n_F15,
         K{false, false, false, false, true, false, false}},
        {"normal d >= B/3", true, false, &PageChoices::n_BOver3,
         K{false, false, false, true, false, false, false}},
        {"normal e <= B/6", true, false, &PageChoices::n_BOver6,
         K{true, false, false, false, false, false, false}},
        {"normal both", true, false, &PageChoices::n_F15AndBOver6,
         K{true, false, false, false, true, false, false}},
        {"seismic F >= 1.0", false, true, &PageChoices::s_F10,
         K{false, false, false, false, false, true, false}},
        {"seismic F >= 1.2", false, true, &PageChoices::s_F12,
         K{false, false, false, false, false, false, true}},
        {"seismic e <= B/2", false, true, &PageChoices::s_BOver2,
         K{false, true, false, false, false, false, false}},
        {"seismic e <= B/3", false, true, &PageChoices::s_BOver3,
         K{false, false, true, false, false, false, false}},
        {"seismic F 1.0 and B/2", false, true, &PageChoices::s_F10AndBOver2,
         K{false, true, false, false, false, true, false}},
        {"seismic F 1.2 and B/3", false, true, &PageChoices::s_F12AndBOver3,
         K{false, false, true, false, false, false, true}},
        {"the other case's dialog is not read", false, true, &PageChoices::n_F15, K{}},
        {"no case: no criterion", false, false, &PageChoices::s_F10, K{}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        PageChoices c;
        c.case_N = r.normal, c.case_S = r.seismic;
        c.*r.option = true;
        const K k = overturningChecks(c);
        EXPECT_EQ(k.eB6, r.expected.eB6);
        EXPECT_EQ(k.eB2, r.expected.eB2);
        EXPECT_EQ(k.eB3, r.expected.eB3);
        EXPECT_EQ(k.dB3, r.expected.dB3);
        EXPECT_EQ(k.F15, r.expected.F15);
        EXPECT_EQ(k.F10, r.expected.F10);
        EXPECT_EQ(k.F12, r.expected.F12);
    }
}

TEST(VerdictRules, SlidingCriterionAndWidthRule) {
    PageChoices c;
    EXPECT_FALSE(slidingLimit(c).has_value()) << "no case";
    c.case_N = true;
    EXPECT_EQ(slidingLimit(c), FactorLimit::F15);
    c.case_N = false, c.case_S = true;
    EXPECT_FALSE(slidingLimit(c).has_value()) << "seismic without a criterion";
    c.s_slideF12 = true;
    EXPECT_EQ(slidingLimit(c), FactorLimit::F12);
    c.s_slideF10 = true;
    EXPECT_EQ(slidingLimit(c), FactorLimit::F10);

    PageChoices w;
    EXPECT_EQ(loadedWidthOf(w), LoadedWidth::None);
    w.n_effectiveWidth = true;
    EXPECT_EQ(loadedWidthOf(w), LoadedWidth::Width_Reduced);
    w.s_baseWidth = true;
    EXPECT_EQ(loadedWidthOf(w), LoadedWidth::Width_Full) << "the full width of either dialog first";
}

}  // namespace
}  // namespace pelzaro
