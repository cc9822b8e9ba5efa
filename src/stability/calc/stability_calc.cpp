#include "stability/calc/stability_calc.h"

#include "numeric/single_store.h"
#include "stability/calc/ground_pressure.h"
#include "stability/calc/stability_run.h"
#include "state/module1.h"

namespace pelzaro {

std::optional<double> weightedMean(std::initializer_list<Piece> pieces) {
    double area = 0.0;
    double moment = 0.0;
    for (const Piece& p : pieces) {
        area += p.area;
        moment += p.area * p.arm;
    }
    if (area == 0.0) return std::nullopt;
    return moment / area;
}

void StabilityRun::put(float& to, double value) {
    to = singleOrZero(value);
    if (!fitsSingle(value)) tooLarge_ = true;
}

StabilityOutcome StabilityRun::run() {
    using O = StabilityOutcome;
    readInputs();
    if (O o = deriveGeometry(); o != O::Ok) return o;
    readKeyInputs();
    resetRows();
    earthPressure();
    rowAreas();
    verticalTotals();
    if (tooLarge_) return O::TooLarge;
    piecesAndArms();
    if (O o = rowCentroids(); o != O::Ok) return o;
    rowHeights();
    momentTotals();
    if (tooLarge_) return O::TooLarge;
    if (O o = overturning(); o != O::Ok) return o;
    if (O o = groundReaction(); o != O::Ok) return o;
    if (in_.shape != GroundShape::Shape_OneSided) return O::Ok;
    return oneSidedChecks();
}

StabilityOutcome StabilityRun::oneSidedChecks() {
    using O = StabilityOutcome;
    if (in_.key == ShearKey::Key_None) {
        if (O o = sliding(); o != O::Ok) return o;
    } else if (in_.key == ShearKey::Key_Present) {
        if (O o = shearKey(); o != O::Ok) return o;
    }
    return tooLarge_ ? O::TooLarge : O::Ok;
}

StabilityOutcome runStability(const StabilityInput& in, StabilityWork& work) {
    return StabilityRun(in, work).run();
}

namespace {

// The stability variables and the values of the other subsystems that the run writes, in
// either direction between the design state and the work.
template <class From, class To>
void copyWork(const From& from, To& to) {
    static_cast<StabilityVars&>(to) = from;
    to.Q_Haimen = from.Q_Haimen;
    to.Q_Tyuuou = from.Q_Tyuuou;
    to.Q_Zenmen = from.Q_Zenmen;
    to.Sigma_max = from.Sigma_max;
}

StabilityWork loadWork(const Module1& m) {
    StabilityWork w;
    copyWork(m, w);
    return w;
}

void storeWork(const StabilityWork& w, Module1& m) {
    copyWork(w, m);
}

}  // namespace

StabilityOutcome calculateStability(const StabilityInput& in, Module1& m) {
    StabilityWork work = loadWork(m);
    const StabilityOutcome outcome = runStability(in, work);
    if (outcome == StabilityOutcome::Ok) {
        storeWork(work, m);
    } else {
        m.Sigma_max = 0.0f;
    }
    return outcome;
}

}  // namespace pelzaro
