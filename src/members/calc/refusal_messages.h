#pragma once
// The messages of the member design's refusals, in the style of the input checks. The page
// shows them in the error box ("エラーメッセージ") and shows no result for the refused row.

#include <string>

#include "members/calc/ground_reaction.h"
#include "members/calc/member_coefficient.h"
#include "members/calc/required_spacing.h"
#include "members/calc/stress_check.h"
#include "members/calc/wall_forces.h"

namespace pelzaro::members {

std::string refusalMessage(ReactionRefusal why);
std::string refusalMessage(CoefficientRefusal why);
std::string refusalMessage(ForceRefusal why);
std::string refusalMessage(SpacingStatus why);  // empty for Ok and NoForces (not a refusal)
std::string refusalMessage(StressStatus why);

}  // namespace pelzaro::members
