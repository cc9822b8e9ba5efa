#pragma once
// What the member-design page reads of the earlier pages and does to them: the choices that
// configure it when it opens, and the way back to the wall-dimensions page. Kept in one place
// so that the page depends on the other pages' controls only here.

#include "conditions/design_rules.h"
#include "stability/calc/wall_choices.h"

namespace pelzaro {

class App;

struct OpeningChoices {
    CalcCase calcCase = CalcCase::None;
    SeismicMethod method = SeismicMethod::None;
    GroundShape shape = GroundShape::None;
    enum class KaSource { None, Given, Computed } kaSource = KaSource::None;
};

// The case, the seismic method, the ground shape and the source of KA as chosen now.
OpeningChoices readOpeningChoices(App& app);

// The wall parts that may be absent: heel length, toe length, shear-key height non-zero.
bool heelExists(App& app);
bool toeExists(App& app);
bool keyExists(App& app);
// Whether the row of part 'A' .. 'H' exists (A to E always).
bool rowExists(App& app, char letter);

// The button "安定性の検討" of the wall-dimensions page takes the focus.
void focusStabilityCheck(App& app);
// The wall-dimensions page shown at the main window's corner, the toe length selected.
void showDimensionsPage(App& app);

// Toolbar button 5 (print image) of the main window.
void setToolbarButton(App& app, int index, bool enabled);

}  // namespace pelzaro
