// The member-design page's calculation procedures on the design state: the ground reaction
// and slab loads (TEKKIN) and the earth-pressure coefficient of the member design (Doatu),
// and the choices of the earlier pages that the member calculation reads.

#include <tuple>

#include "forms/host.h"
#include "members/calc/member_state.h"
#include "members/calc/refusal_messages.h"
#include "members/form7.h"
#include "members/page_calc.h"
#include "numeric/format.h"
#include "report/page_choices.h"
#include "state/module1.h"

namespace pelzaro {

namespace members {

// The choices of the earlier pages through the one reader, which creates no page or dialog: a
// seismic dialog never opened has no method chosen, as at its creation.
MemberOptions readMemberOptions(App& app) {
    return memberOptionsOf(readPageChoices(app));
}

MemberOptions memberOptionsOf(const PageChoices& p) {
    MemberOptions o;
    o.standard = standardOf(p);
    o.loadCase = calcCaseOf(p);
    o.method = seismicMethodOf(p);
    o.shape = groundShapeOf(p);
    o.frontSoil = frontSoilOf(p);
    o.surchargeReducedBy5 = p.surchargeLess5;
    o.surchargeInertia = p.memberSurchargeInertia;
    return o;
}

}  // namespace members

// Ground reaction under the base slab at the seven points, the loads on the slab parts and the
// batter of the rear wall. It shows nothing. The stability calculation refuses a resultant
// outside the base before the page can open; should one reach here, the ordinates are 0,
// never those of an earlier wall, and the slab parts that read them refuse.
void Form7::TEKKIN() {
    members::computeGroundReaction(state(), members::readMemberOptions(app()));
    withdrawRowsNotStanding();
}

namespace {

bool sameWall(const members::WallInput& a, const members::WallInput& b) {
    const auto fields = [](const members::WallInput& w) {
        return std::make_tuple(w.H_Haimen, w.H4, w.T1_Usiro, w.N_Usiro_In, w.N_Usiro_Out,
                               w.B_Haimen, w.D_Teiban, w.Q_Haimen, w.A7, w.Y7, w.Gamma_S, w.Gamma_C,
                               w.Kh, w.KA_Danmen, w.Delta_Danmen, w.Theta_Danmen, w.Hq_Danmen,
                               w.seismic, w.loading, w.surchargeReducedBy5);
    };
    return fields(a) == fields(b);
}

bool sameSlab(const members::SlabInput& a, const members::SlabInput& b) {
    const auto fields = [](const members::SlabInput& s) {
        return std::make_tuple(s.B, s.e, s.Sigma_max, s.Xn, s.B_Tumasaki, s.T2_Mae, s.B_Tyuuou,
                               s.T2_Usiro, s.B_Kakato, s.VP, s.V1, s.V2, s.V3, s.V4, s.V5, s.VR,
                               s.W1, s.W2, s.W3, s.W4, s.W5, s.H0, s.P_Tokki);
    };
    return fields(a) == fields(b);
}

// Whether a part designed from `was` would be computed from the same inputs now. The wall parts
// compare their wall and loads but not the coefficient and the surcharge height, which the page
// takes from its own boxes when a row runs (their edits withdraw the wall rows themselves, and
// opening the page computes the coefficient again, unrounded); the slab parts compare the
// ground reaction and the slab.
bool inputsStand(const members::DesignedPart& was, const Module1& now,
                 const members::MemberOptions& o) {
    using members::MemberPart;
    const MemberPart part = was.forces.part;
    if (part == MemberPart::A || part == MemberPart::B) {
        members::WallInput current = members::wallInputOf(now, o);
        current.KA_Danmen = was.wall.KA_Danmen;
        current.Hq_Danmen = was.wall.Hq_Danmen;
        return sameWall(current, was.wall);
    }
    return sameSlab(members::slabInputOf(now), was.slab);
}

}  // namespace

// The ground reaction is computed on a copy, so that the check itself changes no value of the
// design state. Opening a project designs every row again itself.
void Form7::withdrawRowsNotStanding() {
    if (restoringProject) return;
    const members::MemberOptions o = members::readMemberOptions(app());
    Module1 now = state();
    members::computeGroundReaction(now, o);
    bool withdrawn = false;
    for (const Form7Row& r : rows_) {
        const members::DesignedPart* was = members::designedPart(state(), partOf(r.letter));
        if (was == nullptr || inputsStand(*was, now, o)) continue;
        emptyRow(r);
        withdrawn = true;
    }
    if (withdrawn) withdrawStressCheck();
}

// The coefficient goes into the box as computed (no border), three decimals; the wall rows
// read it back from there. A coefficient that the angles leave undefined empties the box, so
// the rows ask for one to be typed.
void Form7::Doatu() {
    const members::CoefficientOutcome out =
        members::computeMemberCoefficient(state(), members::readMemberOptions(app()));
    txt_ka.BorderStyle = 0;
    if (out.ok() || out.refusal == members::CoefficientRefusal::NoFormula) {
        txt_ka.setText(Format(state().KA_Danmen, "0.000"));
        return;
    }
    txt_ka.setText("");
    showError(host(), members::refusalMessage(out.refusal));
}

}  // namespace pelzaro
