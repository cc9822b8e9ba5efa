#pragma once
// The bar kinds of the member design, in the order of the page's lists: single bars with two
// leading blanks, alternating pairs of two sizes without. A pair has its own tabulated area
// and perimeter (the means of its two bars) and the cover addition of its larger bar; the
// addition is half the nominal diameter, so cover + addition reaches the bar centre.

namespace pelzaro {

struct BarKindEntry {
    const char* listEntry;    // as the lists hold it
    const char* designation;  // as the report prints it
    float areaCm2;            // one bar
    float perimeterCm;        // one bar
    float coverAdditionMm;
};

constexpr int kBarKindCount = 21;
constexpr BarKindEntry kBarKinds[kBarKindCount] = {
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
    {"  D41", "D41", 13.4f, 13.0f, 20.5f}};

}  // namespace pelzaro
