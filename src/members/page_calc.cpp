#include "members/page_calc.h"

#include "forms/app.h"
#include "members/calc/bar_table.h"
#include "members/calc/refusal_messages.h"
#include "members/calc/required_spacing.h"
#include "members/page_context.h"
#include "members/part_vars.h"
#include "members/row_forces.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
using namespace members;

// Member thickness at the section, cm: the rear wall at mid-height (A) and at its foot (B),
// the base slab (C to G) and the shear key (H).
float thicknessCm(const Module1& m, char letter) {
    switch (letter) {
        case 'A':
            return static_cast<float>(100.0 * (static_cast<double>(m.T2_Usiro) + m.T1_Usiro) / 2.0);
        case 'B':
            return static_cast<float>(100.0 * m.T2_Usiro);
        case 'H':
            return static_cast<float>(100.0 * m.D_Tokki);
        default:
            return static_cast<float>(100.0 * m.D_Teiban);
    }
}

MemberPart partOf(char letter) {
    const int index = letter - 'A';
    return index >= 0 && index < 8 ? kAllParts[index] : MemberPart::A;
}

SpacingInput spacingInput(App& app, char letter, int listIndex) {
    Module1& m = app.m;
    const MemberOptions o = memberOptions(app);
    PartVars v = partVars(m, letter);
    SpacingInput in;
    in.part = partOf(letter);
    in.M = v.M;
    in.S = v.S;
    in.D = thicknessCm(m, letter);
    in.Kaburi = v.Kaburi;
    in.bar = barKindAt(listIndex);
    in.a1 = v.a1;
    in.U = v.U;
    in.dk = v.dk;
    in.standard = o.standard;
    in.loadCase = o.loadCase;
    in.Sigma_sa = m.Sigma_sa;
    in.Sigma_sa_N = m.Sigma_sa_N;
    in.Tau_0a = m.Tau_0a;
    return in;
}

void storeSpacing(Module1& m, char letter, const SpacingResult& r) {
    PartVars v = partVars(m, letter);
    if (r.Tekkin) v.Tekkin = *r.Tekkin;
    v.a1 = r.a1;
    v.U = r.U;
    v.dk = r.dk;
    v.D = r.D;
    v.d = r.d;
    v.j = r.j;
    v.At = r.At;
    v.PhiReq = r.PhiReq;
    v.Honsuu1 = r.Honsuu1;
    v.Honsuu2 = r.Honsuu2;
    v.Honsuu = r.Honsuu;
    v.KankakuReq = r.KankakuReq;
    m.Sigma_sa = r.Sigma_sa;
}
}  // namespace

// A part with no moment and no shear has nothing to reinforce: it shows no spacing and is not
// refused.
RowDesign designRow(App& app, char letter, int listIndex) {
    const ForceRefusal forces = computePartForces(app, letter);
    if (forces != ForceRefusal::None) return {refusalMessage(forces), ""};
    const SpacingResult r = requiredSpacing(spacingInput(app, letter, listIndex));
    storeSpacing(app.m, letter, r);
    if (!r.ok() && r.status != SpacingStatus::NoForces) return {refusalMessage(r.status), ""};
    return {"", spacingCaption(r)};
}

StressResult checkRowStress(App& app, char letter, float spacingMm) {
    Module1& m = app.m;
    const MemberOptions o = memberOptions(app);
    PartVars v = partVars(m, letter);
    StressInput in;
    in.part = partOf(letter);
    in.M = v.M;
    in.S = v.S;
    in.d = v.d;
    in.a1 = v.a1;
    in.spacing = spacingMm;
    in.standard = o.standard;
    in.loadCase = o.loadCase;
    in.Sigma_ca = m.Sigma_ca;
    in.Sigma_sa = m.Sigma_sa;
    in.Sigma_sa_N = m.Sigma_sa_N;
    in.Tau_a1 = m.Tau_a1;
    const StressResult r = checkStress(in);
    // A refused check has applied no steel-stress rule: the allowable value in use stays.
    if (r.ok()) m.Sigma_sa = r.Sigma_sa;
    v.Kankaku = r.Kankaku;
    v.p = r.p;
    v.k = r.k;
    v.j1 = r.j1;
    v.Sigma_c = r.Sigma_c;
    v.Sigma_s = r.Sigma_s;
    if (in.part != MemberPart::C) v.Tau_c = r.Tau_c;
    if (r.roadShear) {
        v.Ce = r.Ce;
        v.As = r.As;
        v.Pt = r.Pt;
        v.Cpt = r.Cpt;
        v.Tau_ca = r.Tau_ca;
    }
    return r;
}

}  // namespace pelzaro
