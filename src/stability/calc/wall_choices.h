#pragma once
// The choices of the ground-shape and wall-dimensions pages that the stability and member
// calculations both depend on.

namespace pelzaro {

// None: no button of the group is selected.
enum class GroundShape { None, Shape_OneSided, Shape_TwoSided };
// The front soil counts as a load, or not.
enum class FrontSoil { None, FrontSoil_In, FrontSoil_Out };

}  // namespace pelzaro
