#pragma once
// The eight member parts of the member design and the choices of the earlier pages that the
// member calculation depends on, as plain values: the calculation never reads a page.

#include "conditions/design_rules.h"
#include "stability/calc/wall_choices.h"

namespace pelzaro::members {

// A wall at mid-height, B wall at the fixed end, C base slab at mid-span, D and E base slab
// at the front and rear wall, F heel, G toe, H shear key.
enum class MemberPart { A, B, C, D, E, F, G, H };

constexpr MemberPart kAllParts[] = {MemberPart::A, MemberPart::B, MemberPart::C, MemberPart::D,
                                    MemberPart::E, MemberPart::F, MemberPart::G, MemberPart::H};

// The slab centre is designed for bending only: no shear force, no bond, no shear check.
constexpr bool hasShear(MemberPart part) {
    return part != MemberPart::C;
}

// How the walls (parts A and B) are loaded in the current case.
enum class WallLoading {
    EarthPressure,    // normal case, or seismic earth pressure alone
    WithWallInertia,  // plus the inertia of the wall above the section
    WithAllInertia,   // plus the inertia of the back soil and the surcharge
};

struct MemberOptions {
    DesignStandard standard = DesignStandard::None;
    CalcCase loadCase = CalcCase::None;
    SeismicMethod method = SeismicMethod::None;
    GroundShape shape = GroundShape::None;
    FrontSoil frontSoil = FrontSoil::None;
    bool surchargeReducedBy5 = false;  // the back surcharge less 5 kN/m2 for its earth pressure
    bool surchargeInertia = false;     // the member page's surcharge-inertia box ticked
};

inline WallLoading wallLoading(const MemberOptions& o) {
    bool inertia = o.method == SeismicMethod::Method_K2 || o.method == SeismicMethod::Method_D1;
    if (o.loadCase != CalcCase::Case_S || !inertia) return WallLoading::EarthPressure;
    return o.surchargeInertia ? WallLoading::WithAllInertia : WallLoading::WithWallInertia;
}

}  // namespace pelzaro::members
