#pragma once
// The calculations behind the rows of the member-design page: the forces, bar data and
// required spacing of a row, and the working-stress check of a row. Results go to the design
// state; a row that cannot be designed says why.

#include <string>

namespace pelzaro {

class App;

enum class RowRefusal {
    None,
    ContactOutsideMethod,  // the ground reaction ends inside the clear span or the toe
    NoEffectiveDepth,      // the cover and half the bar reach the member's thickness
    NoAllowableStress,     // an allowable steel or bond stress of 0
    NotFinite,             // a value beyond single precision
};

// Forces, bar data and required spacing of part 'A' .. 'H' for the bar kind at `listIndex`
// (outside 0..20: the bar data already in the design state). The cover is the design
// state's. `hasSpacing` is false for a part without moment and shear: nothing to design.
struct RowDesign {
    RowRefusal refusal = RowRefusal::None;
    bool hasSpacing = false;
    float requiredSpacingMm = 0.0f;
};
RowDesign designRow(App& app, char letter, int listIndex);

// The message a refused row shows.
std::string rowRefusalMessage(RowRefusal refusal);

// The working-stress check of one row at the design spacing: σc, σs and (but part C) τc
// against their allowable values. `checked` is false when the section gives no stress (no
// spacing, depth or steel); such a row fails.
struct RowStress {
    bool checked = false;
    bool hasShear = true;
    double sigmaC = 0, sigmaS = 0, tauC = 0;
    bool sigmaCFails = false, sigmaSFails = false, tauCFails = false;
    bool passes() const { return checked && !sigmaCFails && !sigmaSFails && !tauCFails; }
};
RowStress checkRowStress(App& app, char letter, double spacingMm);

}  // namespace pelzaro
