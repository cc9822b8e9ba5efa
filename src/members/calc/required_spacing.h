#pragma once
// Largest admissible bar spacing of a member part for one metre of width: the tension steel
// that the moment needs, At = M / (sigma_sa * j), and (all parts but the slab centre) the bar
// perimeter that the shear needs for bond, phi = S / (tau_0a * j), each divided by what one
// bar gives; the larger number of bars per metre governs. j = 7/8 d, d = D - (cover + half
// the bar diameter). Units: M N·cm/m, S N/m, stresses N/mm2 (x 100 to N/cm2), D and d cm,
// cover mm, spacing mm.

#include <optional>
#include <string>

#include "members/calc/bar_table.h"
#include "members/calc/member_part.h"

namespace pelzaro::members {

struct SpacingInput {
    MemberPart part = MemberPart::A;
    float M = 0, S = 0;           // N·cm/m, N/m
    float D = 0;                  // member thickness at the section, cm
    float Kaburi = 0;             // cover, mm
    std::optional<BarKind> bar;   // the chosen entry; none keeps the bar data below
    float a1 = 0, U = 0, dk = 0;  // bar data kept from an earlier choice or a loaded project
    DesignStandard standard = DesignStandard::None;
    CalcCase loadCase = CalcCase::None;
    float Sigma_sa = 0;    // allowable steel stress in use before this part, N/mm2
    float Sigma_sa_N = 0;  // long-term value entered, N/mm2
    float Tau_0a = 0;      // allowable bond stress, N/mm2
};

enum class SpacingStatus {
    Ok,
    NoForces,  // no moment and no shear (or none that pulls): no spacing to require
    ThicknessNotLargerThanBarCentre,  // d <= 0
    NoBarKind,                        // no bar area or perimeter: a kind was never chosen
    ZeroAllowableSteelStress,
    ZeroAllowableBondStress,
    NotFinite,
};

// The values of the row; those after the step that refused stay 0.
struct SpacingResult {
    SpacingStatus status = SpacingStatus::Ok;
    std::optional<std::string> Tekkin;  // designation, when an entry was chosen
    float a1 = 0, U = 0, Kaburi = 0, dk = 0;
    float D = 0, d = 0, j = 0;
    float Sigma_sa = 0;  // after the bar-size rule: the state's value from now on
    float At = 0, PhiReq = 0, Honsuu1 = 0, Honsuu2 = 0, Honsuu = 0;
    float KankakuReq = 0;  // mm, unrounded
    bool ok() const { return status == SpacingStatus::Ok; }
};

SpacingResult requiredSpacing(const SpacingInput& in);

// The computed-spacing label: the whole millimetres of the spacing ("187" for 187.9); empty
// when no spacing is required or the row was refused.
std::string spacingCaption(const SpacingResult& r);

}  // namespace pelzaro::members
