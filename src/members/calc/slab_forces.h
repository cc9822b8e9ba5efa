#pragma once
// Design forces of the base slab parts per metre of wall: the slab between the walls as a beam
// fixed at both walls (C at mid-span, D at the front wall, E at the rear wall), the heel (F)
// and the toe (G) as cantilevers from their wall, the shear key (H) as a cantilever under the
// passive pressure. Downward loads (1) and the ground reaction (2) are taken separately; the
// design force is the magnitude of their difference. Intermediate moments kN·m/m and shears
// kN/m; M in N·cm/m (x 10^5), S in N/m (x 10^3).
//
// The method has formulas only for a ground reaction that covers the member it loads. Where
// the reaction ends inside the clear span, the toe or (on the heel side) the heel, the part is
// refused as outside the method rather than designed with a wrong load.

#include "members/calc/wall_forces.h"

namespace pelzaro::members {

struct SlabInput {
    float B = 0, e = 0, Sigma_max = 0;
    float Xn = 0;  // the stored zero-pressure distance; not read when e = 0
    float B_Tumasaki = 0, T2_Mae = 0, B_Tyuuou = 0, T2_Usiro = 0, B_Kakato = 0;
    float VP = 0, V1 = 0, V2 = 0, V3 = 0, V4 = 0, V5 = 0, VR = 0;
    float W1 = 0, W2 = 0, W3 = 0, W4 = 0, W5 = 0;
    float H0 = 0, P_Tokki = 0;  // shear-key height, m, and its uniform passive pressure, kN/m2
};

// Fixed-end moments of the clear span (kN·m/m): C1 of the downward load; C21 and C22 of a
// trapezoidal reaction at its larger and smaller end; C2 of a uniform reaction (e = 0). The
// ones that do not apply to the case are 0.
struct SpanMoments {
    float C1 = 0, C21 = 0, C22 = 0, C2 = 0;
};

struct SlabPartForces {
    SpanMoments span;                      // parts C, D, E
    float M1 = 0, S1 = 0, M2 = 0, S2 = 0;  // part C has no shear: S1 = S2 = 0
    float M = 0, S = 0;
};

// How the heel takes the ground reaction: over its whole length (a trapezoid from V5 at the
// wall to VR at the tip; also the uniform reaction), as a triangle from V5 over the loaded
// length when contact ends on the heel with the maximum at the toe, or not at all (refused)
// when contact ends on the heel with the maximum at the heel end.
enum class HeelReaction { WholeLength, Triangle, OutsideMethod };
HeelReaction heelReaction(const SlabInput& in);
// The loaded heel length of the triangle, m: from the heel's root to the zero-pressure point,
// 0 when that point lies before the root.
double heelLoadedLength(const SlabInput& in);

// Parts C to H. Part A and B are in wall_forces.h.
ForceOutcome<SlabPartForces> slabForces(MemberPart part, const SlabInput& in);

}  // namespace pelzaro::members
