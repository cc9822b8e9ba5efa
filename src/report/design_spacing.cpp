#include "report/design_spacing.h"

#include "numeric/lenient.h"
#include "numeric/single_store.h"
#include "report/page_choices.h"

namespace pelzaro {

float designSpacing(const PageChoices& choices, members::MemberPart part) {
    return singleOrZero(Val(choices.designSpacingText[static_cast<size_t>(part)]));
}

}  // namespace pelzaro
