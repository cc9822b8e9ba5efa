// The stability calculation of the wall-dimensions page: reads the page, the ground shape, the
// design conditions, the seismic and check-method dialogs and the key dialog of the governing
// standard, runs the calculation and reports a refused run in the style of the input checks.

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/host.h"
#include "numeric/lenient.h"
#include "numeric/rounding.h"
#include "stability/calc/stability_calc.h"
#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form21.h"
#include "stability/form23.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {

namespace {

// Fields are read leniently into single precision. A number beyond single precision cannot be
// stored: the run is refused rather than calculated with another value.
class FieldReader {
  public:
    float operator()(const TextBox& box) {
        const double v = Val(box.Text());
        if (fitsSingle(v)) return static_cast<float>(v);
        tooLarge = true;
        return 0.0f;
    }
    bool tooLarge = false;
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

// The value of a group of two options; neither selected is a choice not yet made.
template <class E>
E pick(const OptionButton& first, E a, const OptionButton& second, E b, E none) {
    if (first.Value()) return a;
    if (second.Value()) return b;
    return none;
}

// The width rule from whichever check-method dialog holds it, the full width tested first.
LoadedWidth readWidth(const Form14& normal, const Form21& seismic) {
    if (normal.opt5.Value() || seismic.opt8.Value()) return LoadedWidth::Width_Full;
    if (normal.opt4.Value() || seismic.opt7.Value()) return LoadedWidth::Width_Reduced;
    return LoadedWidth::None;
}

KeyDimensions readKey(const ShearKeyDialog& d, FieldReader& read) {
    return KeyDimensions{read(d.txt1), read(d.txt2), read(d.txt3)};
}

void readOptions(App& app, const Form4& p, StabilityInput& in) {
    in.shape = app.get<Form23>().shape();
    const Form3& f3 = app.get<Form3>();
    in.standard = f3.standard();
    in.calcCase = f3.calcCase();
    in.method = app.get<Form25>().method();
    in.pv =
        pick(p.opt1, PvInMoment::Pv_Counted, p.opt2, PvInMoment::Pv_NotCounted, PvInMoment::None);
    in.frontSoil = p.frontSoil();
    in.key = pick(p.opt5, ShearKey::Key_None, p.opt6, ShearKey::Key_Present, ShearKey::None);
    in.surchargeReducedBy5 = p.chk1.Value() == 1;
    const Form21& seismic = app.get<Form21>();
    in.width = readWidth(app.get<Form14>(), seismic);
    in.surchargeInertia = seismic.chk1.Value() == 1;
}

StabilityInput readInput(App& app, const Form4& p, FieldReader& read) {
    StabilityInput in;
    in.wall = readWall(p, read);
    readOptions(app, p, in);
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
        read.tooLarge ? StabilityOutcome::TooLarge : calculateStability(in, state());
    if (outcome == StabilityOutcome::Ok) return;
    // No result of a refused run counts as valid.
    state().Sigma_max = 0.0f;
    showError(host(), stabilityRefusalMessage(outcome));
}

}  // namespace pelzaro
