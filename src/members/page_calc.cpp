#include "members/page_calc.h"

#include <algorithm>

#include "forms/app.h"
#include "members/bar_kinds.h"
#include "members/page_context.h"
#include "members/part_vars.h"
#include "state/module1.h"
// After the design state: the <cmath> it brings defines a macro M_E, the name of the design
// moment of part E.
#include "numeric/rounding.h"

namespace pelzaro {

namespace {
// Modular ratio n = 15 and the width of the designed strip, b = 1000 mm.
constexpr double kModularRatio = 15.0;
constexpr double kStripWidthMm = 1000.0;

// Stores a double result in single precision; remembers when one cannot be stored.
struct Store {
    bool ok = true;
    float operator()(double v) {
        if (fitsSingle(v)) return static_cast<float>(v);
        ok = false;
        return 0.0f;
    }
};

// Member thickness at the section, cm: the rear wall at mid-height (A) and at its foot (B),
// the base slab (C to G) and the shear key (H).
double thicknessCm(const Module1& m, char letter) {
    switch (letter) {
        case 'A':
            return 100.0 * (static_cast<double>(m.T2_Usiro) + m.T1_Usiro) / 2.0;
        case 'B':
            return 100.0 * m.T2_Usiro;
        case 'H':
            return 100.0 * m.D_Tokki;
        default:
            return 100.0 * m.D_Teiban;
    }
}

bool residentialNormalCase(App& app) {
    OpeningChoices c = readOpeningChoices(app);
    return c.standard == OpeningChoices::Standard::Std_T &&
           c.calcCase == OpeningChoices::Case::Normal;
}

// Under the residential-land standard in the normal case a part with bars of 5.745 cm2 or
// more is designed with 195 N/mm2, any other with the long-term value entered; otherwise the
// allowable steel stress of the case stays. Compared in single precision.
void applySteelStressRule(App& app, float a1) {
    if (!residentialNormalCase(app)) return;
    app.m.Sigma_sa = a1 >= 5.745f ? 195.0f : app.m.Sigma_sa_N;
}

// Bar data of the chosen kind; without a chosen kind the data already held stays.
void takeBarKind(PartVars& v, int listIndex) {
    if (listIndex < 0 || listIndex >= kBarKindCount) return;
    const BarKindEntry& kind = kBarKinds[listIndex];
    v.Tekkin = kind.designation;
    v.a1 = kind.areaCm2;
    v.U = kind.perimeterCm;
    v.dk = static_cast<float>(static_cast<double>(v.Kaburi) + kind.coverAdditionMm);
}

// Bars per metre that the steel area and (but part C) the bond perimeter require.
RowDesign spacingFromBars(App& app, PartVars& v, bool hasShear) {
    Module1& m = app.m;
    if (m.Sigma_sa <= 0.0f || (hasShear && m.Tau_0a <= 0.0f)) {
        return {RowRefusal::NoAllowableStress};
    }
    Store store;
    v.At = store(v.M / (100.0 * m.Sigma_sa * v.j));
    v.Honsuu1 = store(v.a1 > 0.0f ? v.At / static_cast<double>(v.a1) : 0.0);
    v.Honsuu = v.Honsuu1;
    if (hasShear) {
        v.PhiReq = store(v.S / (100.0 * m.Tau_0a * v.j));
        v.Honsuu2 = store(v.U > 0.0f ? v.PhiReq / static_cast<double>(v.U) : 0.0);
        v.Honsuu = std::max(v.Honsuu1, v.Honsuu2);
    }
    if (!store.ok) return {RowRefusal::NotFinite};
    // No moment and no shear: nothing to reinforce, no spacing to show.
    if (v.Honsuu <= 0.0f) {
        v.KankakuReq = 0.0f;
        return {};
    }
    v.KankakuReq = store(1000.0 / v.Honsuu);
    if (!store.ok) return {RowRefusal::NotFinite};
    return {RowRefusal::None, true, v.KankakuReq};
}
}  // namespace

RowDesign designRow(App& app, char letter, int listIndex) {
    PartVars v = partVars(app.m, letter);
    const bool hasShear = letter != 'C';
    takeBarKind(v, listIndex);
    Store store;
    v.D = store(thicknessCm(app.m, letter));
    v.d = store(v.D - v.dk / 10.0);
    v.j = store(7.0 / 8.0 * v.d);
    if (!store.ok) return {RowRefusal::NotFinite};
    if (v.d <= 0.0f) return {RowRefusal::NoEffectiveDepth};
    applySteelStressRule(app, v.a1);
    return spacingFromBars(app, v, hasShear);
}

std::string rowRefusalMessage(RowRefusal refusal) {
    switch (refusal) {
        case RowRefusal::ContactOutsideMethod:
            return "この部分の地盤反力の分布は、本計算の適用範囲外です。";
        case RowRefusal::NoEffectiveDepth:
            return "鉄筋かぶり厚が部材厚に対して大きすぎます。";
        case RowRefusal::NoAllowableStress:
            return "許容応力度が０です。設計条件を確認してください。";
        case RowRefusal::NotFinite:
            return "計算できない値になりました。入力値を確認してください。";
        case RowRefusal::None:
            break;
    }
    return {};
}

namespace {
// Factor of the allowable shear stress for the effective depth (road guideline): 1.4 up to
// 300 mm, falling linearly to 1.0 at 1000 mm; beyond 1000 mm it stays 1.0.
double depthFactor(float dMm) {
    if (dMm <= 300.0f) return 1.4;
    if (dMm <= 1000.0f) return 1.4 - (dMm - 300.0) * 0.4 / 700.0;
    return 1.0;
}

// Factor of the allowable shear stress for the tension steel ratio Pt, %; every rung
// includes its lower end.
double steelRatioFactor(float pt) {
    if (pt < 0.1f) return 0.7;
    if (pt < 0.2f) return (pt - 0.1) * 0.2 / 0.1 + 0.7;
    if (pt < 0.3f) return (pt - 0.2) * 0.1 / 0.1 + 0.9;
    if (pt < 0.5f) return (pt - 0.3) * 0.2 / 0.2 + 1.0;
    if (pt < 1.0f) return (pt - 0.5) * 0.3 / 0.5 + 1.2;
    return 1.5;
}

// The allowable shear stress of the road guideline, with its factors stored.
double roadShearLimit(Module1& m, PartVars& v, double asMm2, double dMm) {
    Store store;
    v.Ce = store(depthFactor(static_cast<float>(dMm)));
    v.As = store(asMm2);
    v.Pt = store(asMm2 / (kStripWidthMm * dMm) * 100.0);
    v.Cpt = store(steelRatioFactor(v.Pt));
    v.Tau_ca = store(static_cast<double>(v.Cpt) * v.Ce * m.Tau_a1);
    return v.Tau_ca;
}
}  // namespace

RowStress checkRowStress(App& app, char letter, double spacingMm) {
    Module1& m = app.m;
    PartVars v = partVars(m, letter);
    RowStress out;
    out.hasShear = letter != 'C';
    const double dMm = 10.0 * v.d;
    if (!(spacingMm > 0.0) || v.a1 <= 0.0f || dMm <= 0.0) return out;
    const double asMm2 = 100.0 * v.a1 * 1000.0 / spacingMm;
    const double p = asMm2 / (kStripWidthMm * dMm);
    const double np = kModularRatio * p;
    const double k = std::sqrt(np * np + 2.0 * np) - np;
    const double j1 = 1.0 - k / 3.0;
    Store store;
    v.p = store(p);
    v.k = store(k);
    v.j1 = store(j1);
    const double moment = 10.0 * v.M;  // N·mm per metre
    out.sigmaC = 2.0 * moment / (dMm * dMm * j1 * k * kStripWidthMm);
    out.sigmaS = moment / (asMm2 * j1 * dMm);
    applySteelStressRule(app, v.a1);
    out.sigmaCFails = out.sigmaC > m.Sigma_ca;
    out.sigmaSFails = out.sigmaS > m.Sigma_sa;
    if (out.hasShear) {
        const bool road = readOpeningChoices(app).standard == OpeningChoices::Standard::Std_D;
        out.tauC = road ? v.S / (kStripWidthMm * dMm) : v.S / (kStripWidthMm * j1 * dMm);
        const double limit = road ? roadShearLimit(m, v, asMm2, dMm) : m.Tau_a1;
        out.tauCFails = out.tauC > limit;
    }
    out.checked = store.ok && fitsSingle(out.sigmaC) && fitsSingle(out.sigmaS) &&
                  fitsSingle(out.tauC) && k > 0.0;
    return out;
}

}  // namespace pelzaro
