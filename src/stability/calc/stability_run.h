#pragma once
// The steps of one stability run, in their order; each step is complete before the next.
// Internal to the calculation.

#include <initializer_list>
#include <optional>

#include "numeric/single_store.h"
#include "stability/calc/stability_calc.h"

namespace pelzaro {

// A piece of a self-weight row: its area and its arm from the row's origin.
struct Piece {
    double area;
    double arm;
};

// Area-weighted mean arm of a row; none when the pieces have no area.
std::optional<double> weightedMean(std::initializer_list<Piece> pieces);

class StabilityRun {
  public:
    StabilityRun(const StabilityInput& in, StabilityWork& w) : in_(in), w_(w) {}
    StabilityOutcome run();

  private:
    // The page, the geometry, the key (geometry.cpp).
    void readInputs();
    StabilityOutcome deriveGeometry();
    void readKeyInputs();
    // Earth pressure, row areas, surcharges, vertical totals (loads.cpp).
    void resetRows();
    void earthPressure();
    void rowAreas();
    void frontSoilArea();
    void surchargeLoads();
    void verticalTotals();
    // Pieces, arms, centroids, moment totals (arms.cpp, centroids.cpp).
    void piecesAndArms();
    void frontWallPieces();
    void rearWallPieces();
    void slabPieces();
    void soilPieces();
    StabilityOutcome rowCentroids();
    StabilityOutcome slabEndCentroids();
    void soilCentroids();
    void loadArms();
    void rowHeights();
    void momentTotals();
    // Overturning, ground pressure, sliding, key (overturning.cpp, sliding.cpp, shear_key.cpp).
    StabilityOutcome overturning();
    StabilityOutcome groundReaction();
    StabilityOutcome sliding();
    void horizontalTotal();
    void slidingResistance();
    StabilityOutcome shearKey();
    StabilityOutcome keyOrdinates();
    void passiveWedgeResistance();
    void shearResistance();

    StabilityOutcome oneSidedChecks();

    // Rounds a value computed in double to single precision for the state; a value beyond
    // single precision is stored as 0 and refuses the run at the end of its step.
    void put(float& to, double value);

    const StabilityInput& in_;
    StabilityWork& w_;
    bool tooLarge_ = false;

    // Local quantities of one run, not stored.
    double Hw_Mae = 0, Hw_Usiro = 0;  // wall heights above the top of the base slab
    double Nc_Mae = 0, Nc_Usiro = 0;  // inner-face set-backs at the centre-soil surface
    double Ng_Mae = 0, Ng_Usiro = 0;  // outer-face set-backs at the front and back ground
    float A7_2 = 0, A7_3 = 0, x7_2 = 0, x7_3 = 0;
    double y7_2 = 0, y7_3 = 0;
};

}  // namespace pelzaro
