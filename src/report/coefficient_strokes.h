#pragma once
// The drawn strokes of the earth-pressure coefficient formulas that both the load calculation
// and the member-design chapter write out: the fraction bars drawn as lines, the radical over
// the root term and the brackets round 1 + √(…), for each of the three stages (the symbols,
// the angles substituted, the terms evaluated). They are given where the load-calculation page
// sets them at its offset 0; the member-design page sets the same formulas lower and, for the
// seismic one, 200 twips further left, so one geometry serves both pages.

#include <vector>

#include "report/conventions.h"

namespace pelzaro {

struct FormulaStrokes {
    std::vector<Stroke> symbolic, substituted, evaluated;
};

// Coulomb: the radical and the brackets of each stage.
const FormulaStrokes& coulombStrokes();
// Mononobe-Okabe: the main and inner fraction bars, the radical and the brackets of each
// stage (the evaluated stage as printed when the root term stays).
const FormulaStrokes& mononobeOkabeStrokes();

}  // namespace pelzaro
