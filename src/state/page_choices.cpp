#include "state/page_choices.h"

namespace pelzaro {

DesignStandard standardOf(const PageChoices& c) {
    if (c.std_T) return DesignStandard::Std_T;
    if (c.std_D) return DesignStandard::Std_D;
    return DesignStandard::None;
}

CalcCase calcCaseOf(const PageChoices& c) {
    if (c.case_N) return CalcCase::Case_N;
    if (c.case_S) return CalcCase::Case_S;
    return CalcCase::None;
}

SeismicMethod seismicMethodOf(const PageChoices& c) {
    if (c.method_K1) return SeismicMethod::Method_K1;
    if (c.method_K2) return SeismicMethod::Method_K2;
    if (c.method_D1) return SeismicMethod::Method_D1;
    return SeismicMethod::None;
}

GroundShape groundShapeOf(const PageChoices& c) {
    if (c.shapeOneSided) return GroundShape::Shape_OneSided;
    if (c.shapeTwoSided) return GroundShape::Shape_TwoSided;
    return GroundShape::None;
}

FrontSoil frontSoilOf(const PageChoices& c) {
    if (c.frontSoilIn) return FrontSoil::FrontSoil_In;
    if (c.frontSoilOut) return FrontSoil::FrontSoil_Out;
    return FrontSoil::None;
}

}  // namespace pelzaro
