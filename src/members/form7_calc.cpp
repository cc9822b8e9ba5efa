// The member-design page's calculation procedures on the design state: the ground reaction
// and slab loads (TEKKIN) and the earth-pressure coefficient of the member design (Doatu),
// and the choices of the earlier pages that the member calculation reads.

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/host.h"
#include "members/calc/member_state.h"
#include "members/calc/refusal_messages.h"
#include "members/form7.h"
#include "numeric/format.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {

namespace members {
namespace {

void readConditions(App& app, MemberOptions& o) {
    const Form3* f3 = app.find<Form3>();
    if (!f3) return;
    o.standard = f3->standard();
    o.loadCase = f3->calcCase();
}

// A seismic dialog never opened has no method chosen, as at its creation; reading it does not
// create it.
void readSeismicMethod(App& app, MemberOptions& o) {
    if (const Form25* f25 = app.find<Form25>()) o.method = f25->method();
}

void readWallPages(App& app, MemberOptions& o) {
    if (const Form23* f23 = app.find<Form23>()) {
        o.shape = f23->shape();
    }
    if (const Form4* f4 = app.find<Form4>()) {
        o.frontSoil = f4->frontSoil();
        o.surchargeReducedBy5 = f4->chk1.Value() == 1;
    }
}

}  // namespace

MemberOptions readMemberOptions(App& app) {
    MemberOptions o;
    readConditions(app, o);
    readSeismicMethod(app, o);
    readWallPages(app, o);
    if (const Form7* f7 = app.find<Form7>()) o.surchargeInertia = f7->chk_1.Value() == 1;
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
