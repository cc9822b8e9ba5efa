#pragma once
// The two scales of the member-design section figure. The wall is drawn so that a wall higher
// than 1 m spans 1000 / 0.3 twips from the top of the rear wall to the base underside; the
// loads and ground reactions are drawn at a scale that keeps the longest ordinate between
// 200 (n - 1) and 200 n^2 / (n - 1) twips for a maximum pressure in the band (100 (n - 1), 100 n].

namespace pelzaro {

// Metres of wall per 1000 twips for a wall of height H4 + H3 (m).
float figureScale(float H4, float H3);
// Twips per kN/m2 of load or ground pressure for the maximum ground pressure (kN/m2).
float loadScale(float sigmaMax);

}  // namespace pelzaro
