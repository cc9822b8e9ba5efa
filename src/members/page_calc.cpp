#include "members/page_calc.h"

#include "forms/app.h"
#include "members/calc/member_state.h"
#include "members/calc/refusal_messages.h"
#include "members/page_context.h"
#include "state/module1.h"

namespace pelzaro {

members::MemberPart partOf(char letter) {
    const int index = letter - 'A';
    return index >= 0 && index < 8 ? members::kAllParts[index] : members::MemberPart::A;
}

const members::PartFields& fieldsOf(char letter) {
    return members::partFields(partOf(letter));
}

// A part with no moment and no shear has nothing to reinforce: it shows no spacing and is not
// refused.
RowDesign designRow(App& app, char letter, int listIndex, float coverMm) {
    using namespace members;
    const MemberOptions o = readMemberOptions(app);
    const MemberPart part = partOf(letter);
    // The part keeps what the row computed for the report, or nothing when it is refused.
    const DesignedPart d = designPart(app.m, part, listIndex, coverMm, o);
    if (!d.forces.ok()) return {refusalMessage(d.forces.refusal), ""};
    if (!d.designed()) return {refusalMessage(d.spacing.status), ""};
    return {"", spacingCaption(d.spacing)};
}

void withdrawRowDesign(App& app, char letter) {
    members::forgetDesign(app.m, partOf(letter));
}

members::StressResult checkRowStress(App& app, char letter, float spacingMm) {
    return members::computeStress(app.m, partOf(letter), spacingMm,
                                  members::readMemberOptions(app));
}

}  // namespace pelzaro
