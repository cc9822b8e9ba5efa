#include "report/design_spacing.h"

#include "numeric/lenient.h"
#include "numeric/rounding.h"
#include "report/page_choices.h"

namespace pelzaro {

float designSpacing(const PageChoices& choices, members::MemberPart part) {
    const double typed = Val(choices.designSpacingText[static_cast<size_t>(part)]);
    return fitsSingle(typed) ? static_cast<float>(typed) : 0.0f;
}

}  // namespace pelzaro
