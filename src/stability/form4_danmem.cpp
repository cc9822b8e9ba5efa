// The stability calculation of the wall-dimensions page: reads the page, the ground shape, the
// design conditions, the seismic and check-method dialogs and the key dialog of the governing
// standard, runs the calculation and reports a refused run in the style of the input checks.

#include "forms/host.h"
#include "numeric/lenient.h"
#include "numeric/single_store.h"
#include "report/page_choices.h"
#include "stability/calc/stability_calc.h"
#include "stability/calc/verdicts.h"
#include "stability/form19.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {

namespace {

// Fields are read leniently into single precision. A number beyond single precision cannot be
// stored: the run is refused rather than calculated with another value.
class FieldReader {
  public:
    float operator()(const TextBox& box) { return store_(Val(box.Text())); }
    bool tooLarge() const { return store_.overflowed(); }

  private:
    SingleStore store_;
};

WallDimensions readWall(const Form4& p, FieldReader& read) {
    WallDimensions w;
    w.Syou_No = p.txt1.Text();
    w.Kigou = p.txt2.Text();
    w.H1 = read(p.txt3), w.H2 = read(p.txt4), w.H3 = read(p.txt5), w.H4 = read(p.txt6);
    w.T1_Mae = read(p.txt7), w.N_Mae_In = read(p.txt8);
    w.T1_Usiro = read(p.txt9), w.N_Usiro_In = read(p.txt10);
    w.B_Tumasaki = read(p.txt12), w.T2_Mae = read(p.txt13), w.B_Tyuuou = read(p.txt14);
    w.T2_Usiro = read(p.txt15), w.B_Kakato = read(p.txt16);
    w.D_Teiban = read(p.txt17), w.D_Tumasaki = read(p.txt18), w.D_Kakato = read(p.txt19);
    w.H_Tyuuou = read(p.txt20);
    w.Q_Haimen = read(p.txt21), w.Q_Tyuuou = read(p.txt22);
    return w;
}

DesignConditions readConditions(const Module1& m) {
    DesignConditions c;
    c.KA = m.KA, c.Gamma_S = m.Gamma_S, c.Gamma_C = m.Gamma_C, c.Delta = m.Delta;
    c.Kh = m.Kh, c.Mu = m.Mu, c.C = m.C, c.Phi_B = m.Phi_B;
    return c;
}

PvInMoment pvOf(const PageChoices& c) {
    if (c.pvCounted) return PvInMoment::Pv_Counted;
    if (c.pvNotCounted) return PvInMoment::Pv_NotCounted;
    return PvInMoment::None;
}

ShearKey keyOf(const PageChoices& c) {
    if (c.keyNone) return ShearKey::Key_None;
    if (c.keyPresent) return ShearKey::Key_Present;
    return ShearKey::None;
}

KeyDimensions readKey(const ShearKeyDialog& d, FieldReader& read) {
    return KeyDimensions{read(d.txt1), read(d.txt2), read(d.txt3)};
}

// The choices through the one reader of the page choices: a dialog never opened has nothing
// chosen, and reading it does not create it.
void readOptions(const PageChoices& c, StabilityInput& in) {
    in.shape = groundShapeOf(c);
    in.standard = standardOf(c);
    in.calcCase = calcCaseOf(c);
    in.method = seismicMethodOf(c);
    in.pv = pvOf(c);
    in.frontSoil = frontSoilOf(c);
    in.key = keyOf(c);
    in.surchargeReducedBy5 = c.surchargeLess5;
    in.width = loadedWidthOf(c);
    in.surchargeInertia = c.s_surchargeInertia;
}

StabilityInput readInput(App& app, const Form4& p, FieldReader& read) {
    StabilityInput in;
    in.wall = readWall(p, read);
    readOptions(readPageChoices(app), in);
    // The front surcharge field belongs to the one-sided shape only.
    if (in.shape == GroundShape::Shape_OneSided) in.wall.Q_Zenmen = read(p.txt23);
    in.cond = readConditions(app.m);
    // The key dialog of the governing standard is read only with a key.
    if (in.key == ShearKey::Key_Present && in.standard == DesignStandard::Std_T) {
        in.keyDims = readKey(app.get<Form19>(), read);
    } else if (in.key == ShearKey::Key_Present && in.standard == DesignStandard::Std_D) {
        in.keyDims = readKey(app.get<Form26>(), read);
    }
    return in;
}

}  // namespace

void Form4::DANMEM_1() {
    FieldReader read;
    const StabilityInput in = readInput(app(), *this, read);
    const StabilityOutcome outcome =
        read.tooLarge() ? StabilityOutcome::TooLarge : calculateStability(in, state());
    state().Stability_Outcome = outcome;
    if (outcome == StabilityOutcome::Ok) return;
    // No result of a refused run counts as valid.
    state().Sigma_max = 0.0f;
    showError(host(), stabilityRefusalMessage(outcome));
}

}  // namespace pelzaro
