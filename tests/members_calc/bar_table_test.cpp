#include "members/calc/bar_table.h"

#include <gtest/gtest.h>

#include <string>

namespace pelzaro::members {
namespace {

TEST(BarTable, TheTwentyOneKindsInListOrder) {
    struct Row {
        const char* entry;
        const char* designation;
        float area, perimeter, addition;
    };
    const Row rows[kBarKindCount] = {
        {"  D10", "D10", 0.7133f, 3.0f, 5.0f},  {"D10,D13", "D10,D13", 0.99015f, 3.5f, 6.5f},
        {"  D13", "D13", 1.267f, 4.0f, 6.5f},   {"D13,D16", "D13,D16", 1.6265f, 4.5f, 8.0f},
        {"  D16", "D16", 1.986f, 5.0f, 8.0f},   {"D16,D19", "D16,D19", 2.4255f, 5.5f, 9.5f},
        {"  D19", "D19", 2.865f, 6.0f, 9.5f},   {"D19,D22", "D19,D22", 3.368f, 6.5f, 11.0f},
        {"  D22", "D22", 3.871f, 7.0f, 11.0f},  {"D22,D25", "D22,D25", 4.469f, 7.5f, 12.5f},
        {"  D25", "D25", 5.067f, 8.0f, 12.5f},  {"D25,D29", "D25,D29", 5.745f, 8.5f, 14.5f},
        {"  D29", "D29", 6.424f, 9.0f, 14.5f},  {"D29,D32", "D29,D32", 7.183f, 9.5f, 16.0f},
        {"  D32", "D32", 7.942f, 10.0f, 16.0f}, {"D32,D35", "D32,D35", 8.754f, 10.5f, 17.5f},
        {"  D35", "D35", 9.566f, 11.0f, 17.5f}, {"D35,D38", "D35,D38", 10.483f, 11.5f, 19.0f},
        {"  D38", "D38", 11.4f, 12.0f, 19.0f},  {"D38,D41", "D38,D41", 12.4f, 12.5f, 20.5f},
        {"  D41", "D41", 13.4f, 13.0f, 20.5f},
    };
    for (int i = 0; i < kBarKindCount; ++i) {
        const auto bar = barKindAt(i);
        ASSERT_TRUE(bar) << i;
        EXPECT_EQ(std::string(bar->listEntry), rows[i].entry) << i;
        EXPECT_EQ(std::string(bar->designation), rows[i].designation) << i;
        EXPECT_EQ(bar->areaCm2, rows[i].area) << i;
        EXPECT_EQ(bar->perimeterCm, rows[i].perimeter) << i;
        EXPECT_EQ(bar->coverAdditionMm, rows[i].addition) << i;
    }
}

TEST(BarTable, NoEntryOutsideTheList) {
    EXPECT_FALSE(barKindAt(-1));  // nothing chosen
    EXPECT_FALSE(barKindAt(kBarKindCount));
}

}  // namespace
}  // namespace pelzaro::members
