#include "members/calc/slab_loads.h"

#include <cmath>

#include "numeric/single_store.h"

namespace pelzaro::members {
namespace {

void toeLoads(const SlabLoadInput& in, SlabLoads& w) {
    const double gs = in.Gamma_S, gc = in.Gamma_C;
    const std::optional<float> depth =
        toeSoilDepth(toeSoil(in.shape, in.frontSoil), in.H_Zenmen, in.H_Haimen);
    if (!depth) {
        w.W4 = singleOrZero(gc * in.D_Teiban + in.Q_Zenmen);
        w.W5 = singleOrZero(static_cast<double>(in.D_Tumasaki) * gc + in.Q_Zenmen);
        return;
    }
    w.W4 = singleOrZero(static_cast<double>(*depth) * gs + gc * in.D_Teiban + in.Q_Zenmen);
    w.W5 = singleOrZero((static_cast<double>(in.D_Tumasaki_H) + *depth) * gs +
                        static_cast<double>(in.D_Tumasaki) * gc + in.Q_Zenmen);
}

}  // namespace

ToeSoil toeSoil(GroundShape shape, FrontSoil frontSoil) {
    if (shape == GroundShape::Shape_TwoSided) return ToeSoil::MirroredBackSoil;
    if (frontSoil == FrontSoil::FrontSoil_In) return ToeSoil::FrontSoil;
    if (frontSoil == FrontSoil::FrontSoil_Out) return ToeSoil::LeftOut;
    return ToeSoil::Unchosen;
}

std::optional<float> toeSoilDepth(ToeSoil soil, float H_Zenmen, float H_Haimen) {
    if (soil == ToeSoil::MirroredBackSoil) return H_Haimen;
    if (soil == ToeSoil::FrontSoil) return H_Zenmen;
    return std::nullopt;
}

SlabLoads slabLoads(const SlabLoadInput& in) {
    const double gs = in.Gamma_S, gc = in.Gamma_C;
    SlabLoads w;
    w.W1 = singleOrZero(gc * in.D_Teiban + gs * in.H_Tyuuou + in.Q_Tyuuou);
    if (in.B_Kakato != 0.0f) {
        w.W2 = singleOrZero(static_cast<double>(in.H_Haimen) * gs + gc * in.D_Teiban + in.Q_Haimen);
        w.W3 = singleOrZero((static_cast<double>(in.D_Kakato_H) + in.H_Haimen) * gs +
                            static_cast<double>(in.D_Kakato) * gc + in.Q_Haimen);
    }
    if (in.B_Tumasaki != 0.0f) toeLoads(in, w);
    return w;
}

BackFaceAngle backFaceAngle(float T2_Usiro, float T1_Usiro, float N_Usiro_In, float H3,
                            float D_Teiban, float H4) {
    const double height = (static_cast<double>(H3) - D_Teiban) + H4;
    const double batter = static_cast<double>(T2_Usiro) - T1_Usiro - N_Usiro_In;
    BackFaceAngle a;
    // Thicknesses typed to the millimetre that add up leave a batter of a few 1e-8 m in
    // single precision: that face is vertical.
    if (std::fabs(batter) < 1e-6 || height == 0.0 || !std::isfinite(batter / height)) return a;
    a.rad = static_cast<float>(std::atan(batter / height));
    a.deg = static_cast<float>(static_cast<double>(a.rad) / kPi * 180.0);
    return a;
}

}  // namespace pelzaro::members
