// Storing doubles into the single-precision state: a value single precision cannot hold is
// never stored as such, and a guarded run remembers it.

#include "numeric/single_store.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pelzaro {
namespace {

TEST(SingleStore, OnlyValuesThatFitAreStored) {
    struct Row {
        double v;
        float stored;
        bool fits;
        const char* why;
    } rows[] = {
        {1.25, 1.25f, true, "a plain value"},
        {0.1, 0.1f, true, "rounded to the nearest single"},
        {-3.0e38, -3.0e38f, true, "large but within range"},
        {1e39, 0.0f, false, "beyond single precision"},
        {-1e39, 0.0f, false, "beyond, negative"},
        {std::numeric_limits<double>::infinity(), 0.0f, false, "infinite"},
        {std::nan(""), 0.0f, false, "not a number"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        EXPECT_EQ(singleOrZero(r.v), r.stored);
        SingleStore store;
        float to = 7.0f;
        store.put(to, r.v);
        EXPECT_EQ(to, r.stored);
        EXPECT_EQ(store.ok(), r.fits);
        store.put(to, 2.0);  // a later value that fits does not clear the mark
        EXPECT_EQ(store.overflowed(), !r.fits);
    }
}

}  // namespace
}  // namespace pelzaro
