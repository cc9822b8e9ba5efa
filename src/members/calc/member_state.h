#pragma once
// The member design on the design state: each step reads its inputs from Module1, runs the
// calculation of this folder and writes its results back, so that the page procedures of the
// member-design page (TEKKIN, Doatu, cmd_rN, Ouryoku_N) and the project file's recalculation
// need only the choices of the pages (MemberOptions) besides the state.
//
// Contract for the page:
//   computeGroundReaction(m, o)         TEKKIN: ordinates VP..VR, Xn, W1..W5, Theta_Danmen.
//   computeMemberCoefficient(m, o)      Doatu: KA_Danmen (and ThetaK in the seismic branch);
//                                       the page writes the coefficient into txt_ka.
//   computePartForces(m, part, o)       step 5 of a row: M_X, S_X and the part's values.
//   computeSpacing(m, part, index, cover, o)
//                                       steps 6 to 12: bar data, section, Sigma_sa by bar
//                                       size, required spacing; spacingCaption() is the label.
//   designPart(m, part, index, cover, o)
//                                       a whole row: the two steps above, and the part's
//                                       record (Designed_Parts) kept when it is designed,
//                                       withdrawn when it is refused.
//   computeStress(m, part, spacing, o)  the stress check of a row: Kankaku_X, p, k, j1, the
//                                       shown stresses, the road-guideline shear values and
//                                       Sigma_sa; the result carries captions and verdicts.
// A refusal comes back as its reason (refusalMessage() gives the text); the results of the
// refused step are then 0 in the state, never those of an earlier run. readMemberOptions()
// and memberOptionsOf() are defined with the page procedures (form7_calc.cpp).

#include "members/calc/designed_part.h"
#include "members/calc/ground_reaction.h"
#include "members/calc/member_coefficient.h"
#include "members/calc/member_part.h"
#include "members/calc/required_spacing.h"
#include "members/calc/slab_forces.h"
#include "members/calc/stress_check.h"
#include "members/calc/wall_forces.h"

namespace pelzaro {
class App;
struct Module1;
struct PageChoices;
}  // namespace pelzaro

namespace pelzaro::members {

// The choices of the earlier pages as they stand now: standard and case (Form3), seismic
// method (Form25), ground shape (Form23), front soil and reduced surcharge (Form4), surcharge
// inertia (Form7.chk_1). A page or dialog not yet created counts as nothing chosen.
MemberOptions readMemberOptions(App& app);
// The same choices from page choices already read (the report reads them once).
MemberOptions memberOptionsOf(const PageChoices& p);

// The base widths and the stability result from which the ground reaction is computed; the
// report draws the reaction from the same input, so it shows what the calculation used.
ReactionInput reactionInput(const Module1& m);
// The angles and seismic coefficients of the member earth-pressure coefficient.
CoefficientInput coefficientInput(const Module1& m);

ReactionRefusal computeGroundReaction(Module1& m, const MemberOptions& o);
CoefficientOutcome computeMemberCoefficient(Module1& m, const MemberOptions& o);
ForceRefusal computePartForces(Module1& m, MemberPart part, const MemberOptions& o);
SpacingResult computeSpacing(Module1& m, MemberPart part, int listIndex, float coverMm,
                             const MemberOptions& o);
StressResult computeStress(Module1& m, MemberPart part, float spacingMm, const MemberOptions& o);

// The same steps without writing: what the calculation gives for the state as it stands, for
// readers that print it (the report) and must neither change the state nor show a value of an
// earlier run. The spacing step takes the bar data and cover already stored for the part.
PartForces evaluatePartForces(const Module1& m, MemberPart part, const MemberOptions& o);
SpacingResult evaluateSpacing(const Module1& m, const PartForces& f, const MemberOptions& o);
// The stress check takes the bar area of the spacing step.
StressResult evaluateStress(const Module1& m, const PartForces& f, const SpacingResult& s,
                            float spacingMm, const MemberOptions& o);
// The forces and the required spacing together, with the inputs they were computed from.
DesignedPart evaluateDesign(const Module1& m, MemberPart part, const MemberOptions& o);

// A row of the member-design page.
DesignedPart designPart(Module1& m, MemberPart part, int listIndex, float coverMm,
                        const MemberOptions& o);
// The part's record as its row last designed it; null when there is none.
const DesignedPart* designedPart(const Module1& m, MemberPart part);
// The row's results are withdrawn: the part keeps no record.
void forgetDesign(Module1& m, MemberPart part);

// The inputs of the pure calculations as the state holds them.
WallInput wallInputOf(const Module1& m, const MemberOptions& o);
SlabInput slabInputOf(const Module1& m);

// Member thickness at the section of a part, cm: the rear wall's mean thickness (A) and foot
// thickness (B), the base slab (C to G), the shear key (H).
float memberThicknessCm(const Module1& m, MemberPart part);

}  // namespace pelzaro::members
