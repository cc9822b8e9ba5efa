#pragma once
// The sixteen-colour palette of the pages and the report. Colour 13 (light magenta) marks a
// failing verdict, colour 0 (black) everything else.

namespace pelzaro {

struct Rgb {
    int r, g, b;
};

constexpr int kColorBlack = 0;
constexpr int kColorFailing = 13;

constexpr Rgb paletteColor(int index) {
    constexpr Rgb table[16] = {{0, 0, 0},     {0, 0, 128},     {0, 128, 0},   {0, 128, 128},
                               {128, 0, 0},   {128, 0, 128},   {128, 128, 0}, {192, 192, 192},
                               {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                               {255, 0, 0},   {255, 0, 255},   {255, 255, 0}, {255, 255, 255}};
    return (index >= 0 && index < 16) ? table[index] : table[0];
}

}  // namespace pelzaro
