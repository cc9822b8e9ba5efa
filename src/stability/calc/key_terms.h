#pragma once
// Terms of the sliding and shear-key checks that the stability calculation uses and the report
// prints without their being stored: the wedge slope, the friction factor, the cohesion width
// and its contact factor, and the lengths of base in contact in front of and behind the key.
// One function each, so that a printed formula and the stored result cannot drift apart.
// Lengths in m, angles in degrees (converted with 3.14159).

namespace pelzaro {

// tan(45 deg + phiB/2): the slope of the passive wedge in front of the key.
double passiveSlope(float phiB);
// tan(phiB): the friction factor of the shear resistance along the base.
double shearFactor(float phiB);

// The width that carries cohesion under the full-width rule: the whole base B while it all
// carries pressure, the contact length |Xn| when part of it lifts off.
double cohesionWidth(float e, float B, float Xn);
// That width as a share of the base, k = |Xn| / B under uplift (1 otherwise). B > 0.
double contactFactor(float e, float B, float Xn);

// The loaded lengths of a key formula: L1 in front (of the wedge, or of the key) and L2 behind
// the key. Only base in contact counts: where the key or the wedge's far end stands in the
// lifted part, the part without contact has length 0 and the other only the contact that
// exists. Never negative.
struct KeyLengths {
    double L1 = 0.0;
    double L2 = 0.0;
};
// Bearing-wedge method: L1 from the front end (or, with e < 0 under uplift, from the point
// where contact begins, B - |Xn|) to the wedge's far end B1 - L; L2 from the key to the back
// end (or, with e >= 0 under uplift, to the end of contact at |Xn|).
KeyLengths wedgeLengths(float e, float B, float B1, float L, float Xn);
// Shear-resistance method: L1 from the front end (or from B - |Xn| with e < 0 under uplift) to
// the key; L2 from the key to the back end (or to |Xn| with e >= 0 under uplift).
KeyLengths shearLengths(float e, float B, float B1, float Xn);

}  // namespace pelzaro
