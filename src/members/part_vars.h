#pragma once
// The design-state values of one member part, addressed by the part's letter, so that the
// procedures shared by the eight rows of the member-design page are written once.

#include <string>

#include "state/module1.h"

namespace pelzaro {

struct PartVars {
    std::string& Tekkin;  // designation of the chosen bar kind
    float& M;             // design moment, N·cm/m
    float& S;             // design shear, N/m (part C: none)
    float& a1;            // area of one bar, cm2
    float& U;             // perimeter of one bar, cm
    float& Kaburi;        // cover, mm
    float& dk;            // cover plus half the bar diameter, mm
    float& D;             // member thickness, cm
    float& d;             // effective depth, cm
    float& j;             // lever arm 7/8 d, cm
    float& At;            // required steel area, cm2/m
    float& PhiReq;        // required bar perimeter, cm/m
    float& Honsuu1;       // bars per metre for the area
    float& Honsuu2;       // bars per metre for the perimeter
    float& Honsuu;        // governing bars per metre
    float& KankakuReq;    // largest admissible spacing, mm, unrounded
    float& Kankaku;       // design spacing, mm
    float& p;             // steel ratio
    float& k;             // neutral-axis depth ratio
    float& j1;            // lever-arm ratio
    float& Sigma_c;       // N/mm2, as shown
    float& Sigma_s;       // N/mm2, as shown
    float& Tau_c;         // N/mm2, as shown
    float& Ce;            // effective-depth factor of the allowable shear
    float& As;            // provided steel area, mm2/m
    float& Pt;            // steel ratio, %
    float& Cpt;           // steel-ratio factor of the allowable shear
    float& Tau_ca;        // allowable shear stress, N/mm2
};

// The values of part 'A' .. 'H'; any other letter gives those of part A.
PartVars partVars(Module1& m, char letter);

}  // namespace pelzaro
