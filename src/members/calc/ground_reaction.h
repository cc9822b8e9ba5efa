#pragma once
// Ground reaction under the base slab for the member design: the linear pressure diagram of
// the stability result, read at the seven points where the member parts need it. Distances
// run from the edge of maximum pressure: the toe end when the resultant lies forward of the
// base centre (e > 0), the heel end when it lies behind it (e < 0). The pressure at a distance
// x is Sigma_max * (|Xn| - x) / |Xn| and 0 at or beyond Xn, since the base cannot pull on the
// ground. Every ordinate is written on every run; none survives from an earlier one.

#include <optional>

namespace pelzaro::members {

// The base from front to rear (m) and the stability result.
struct ReactionInput {
    float B_Tumasaki = 0, T2_Mae = 0, B_Tyuuou = 0, T2_Usiro = 0, B_Kakato = 0;
    float B = 0;          // their sum
    float e = 0;          // eccentricity, m, signed (0 when centred)
    float Sigma_max = 0;  // kN/m2
};

enum class ReactionShape { Uniform, Trapezoid, Triangle };

// Ordinates in kN/m2 at the toe tip (VP), both faces of the front wall (V1, V2), the middle of
// the clear span (V3), both faces of the rear wall (V4, V5) and the heel tip (VR).
struct GroundReaction {
    ReactionShape shape = ReactionShape::Uniform;
    float VP = 0, V1 = 0, V2 = 0, V3 = 0, V4 = 0, V5 = 0, VR = 0;
    // Distance from the maximum edge to zero pressure, m; none for a uniform reaction, whose
    // zero point lies at infinity (the stored value then stays as it is).
    std::optional<float> Xn;
};

enum class ReactionRefusal {
    None,
    NoBase,                // a base width of zero or less
    ResultantOutsideBase,  // |e| >= B/2: no contact length
    NotFinite,             // an input or result beyond single precision
};

struct ReactionOutcome {
    ReactionRefusal refusal = ReactionRefusal::None;
    GroundReaction value;
    bool ok() const { return refusal == ReactionRefusal::None; }
};

ReactionOutcome groundReaction(const ReactionInput& in);

}  // namespace pelzaro::members
