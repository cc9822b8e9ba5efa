#pragma once
// Allowable stresses of concrete, reinforcement and ground by the governing standard and the
// calculation case. Pure: the caller copies the result into the design state.

#include "conditions/design_rules.h"

namespace pelzaro {

struct AllowableStresses {
    float Sigma_ca_N = 0, Sigma_ca_S = 0;  // N/mm2, concrete bending compression
    float Tau_a1_N1 = 0, Tau_a1_N2 = 0;    // N/mm2, long-term shear candidates (residential)
    float Tau_a1_N = 0, Tau_a1_S = 0;      // N/mm2, concrete shear
    float Tau_0a_N1 = 0, Tau_0a_N2 = 0;    // N/mm2, long-term bond candidates (residential)
    float Tau_0a_N = 0, Tau_0a_S = 0;      // N/mm2, bond
    float Qa_S = 0;                        // kN/m2, short-term bearing capacity
};

struct ValuesInUse {
    float Sigma_ca = 0, Tau_a1 = 0, Sigma_sa = 0, Tau_0a = 0, Qa = 0;
};

enum class StressRefusal { None, BeyondSingle };

struct AllowableOutcome {
    StressRefusal refusal = StressRefusal::None;
    AllowableStresses value;
};

// The long- and short-term values for the standard from the concrete strength Fc (sigma_ck
// under the road guideline), the long-term bearing capacity and Kh. With no standard the
// previous values stay. Under the road guideline a sigma_ck below the table (21 N/mm2) has no
// allowable shear or bond stress: both are 0, so every check that uses them fails instead of
// passing on a stale value (the page refuses such a strength; only a loaded file brings one).
AllowableOutcome allowableStresses(DesignStandard standard, float Fc, float Qa_N, float Kh,
                                   const AllowableStresses& previous);

// The values in use for the case: long-term in the normal case, short-term in the seismic case
// (the short-term steel stress is the typed one). With no case the previous values stay.
ValuesInUse valuesInUse(CalcCase calcCase, const AllowableStresses& a, float Qa_N, float Sigma_sa_N,
                        float Sigma_sa_S, const ValuesInUse& previous);

}  // namespace pelzaro
