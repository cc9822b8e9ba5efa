// The member-design page's calculation procedures on the design state: the ground reaction
// and slab loads (TEKKIN) and the earth-pressure coefficient of the member design (Doatu),
// and the choices of the earlier pages that the member calculation reads.

#include "forms/host.h"
#include "members/calc/member_state.h"
#include "members/calc/refusal_messages.h"
#include "members/form7.h"
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
