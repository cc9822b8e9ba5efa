#pragma once
// The report's own layout values: written only by the section printers, never by a
// calculation, and read by the sections drawn after them on the same page. They live as long
// as the program and keep their last value between drawings (0 before the first).

namespace pelzaro {

struct ReportVars {
    float Loop_i = 0.0f;   // the one counter of every counted loop of the sections
    int Doatu_OfsY = 0;    // twips: room for the wall-friction derivation on the earth-pressure page
    int Doatu2_OfsY = 0;   // twips: shift of the load summary below the earth-pressure variant
    int Kentou_OfsY = 0;   // twips: vertical origin of the stability diagrams
    float Syukusyaku = 0.0f;    // metres of wall per 1000 twips in a wall-section drawing
    float Syukusyaku_V = 0.0f;  // twips per kN/m2 of load or ground pressure in the member figure
};

}  // namespace pelzaro
