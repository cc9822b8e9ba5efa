#include "members/calc/slab_loads.h"

#include <gtest/gtest.h>

#include "close_to.h"
#include "members/calc/slab_forces.h"

namespace pelzaro::members {
namespace {

// Soil 18 and concrete 24.5 kN/m3; slab 0.5 m under 1.0 m of centre soil and 10 kN/m2;
// heel 0.4 m at its tip (haunch 0.1) under 2.5 m of back soil and 10 kN/m2; toe 0.3 m at its
// tip (haunch 0.2) under 0.8 m of front soil and 5 kN/m2.
SlabLoadInput wall(GroundShape shape, FrontSoil soil) {
    SlabLoadInput in;
    in.Gamma_S = 18.0f;
    in.Gamma_C = 24.5f;
    in.D_Teiban = 0.5f;
    in.H_Tyuuou = 1.0f;
    in.Q_Tyuuou = 10.0f;
    in.B_Kakato = 1.0f;
    in.D_Kakato = 0.4f;
    in.D_Kakato_H = 0.1f;
    in.H_Haimen = 2.5f;
    in.Q_Haimen = 10.0f;
    in.B_Tumasaki = 1.0f;
    in.D_Tumasaki = 0.3f;
    in.D_Tumasaki_H = 0.2f;
    in.H_Zenmen = 0.8f;
    in.Q_Zenmen = 5.0f;
    in.shape = shape;
    in.frontSoil = soil;
    return in;
}

TEST(SlabLoads, DownwardLoadsOfEachSlabPart) {
    struct Case {
        const char* why;
        SlabLoadInput in;
        double W4, W5;
    };
    const Case cases[] = {
        {"front soil included: soil, slab and surcharge",
         wall(GroundShape::Shape_OneSided, FrontSoil::FrontSoil_In), 14.4 + 12.25 + 5,
         18 + 7.35 + 5},
        {"front soil left out: the front surcharge still counts",
         wall(GroundShape::Shape_OneSided, FrontSoil::FrontSoil_Out), 12.25 + 5, 7.35 + 5},
        {"no front-soil choice: left out, the toe moment stays on the safe side",
         wall(GroundShape::Shape_OneSided, FrontSoil::None), 12.25 + 5, 7.35 + 5},
        {"symmetric shape: the toe carries the back-soil depth",
         wall(GroundShape::Shape_TwoSided, FrontSoil::None), 45 + 12.25 + 5, 48.6 + 7.35 + 5},
    };
    for (const Case& c : cases) {
        const SlabLoads w = slabLoads(c.in);
        EXPECT_CLOSE(w.W1, 12.25 + 18 + 10) << c.why;
        EXPECT_CLOSE(w.W2, 45 + 12.25 + 10) << c.why;
        EXPECT_CLOSE(w.W3, 46.8 + 9.8 + 10) << c.why;
        EXPECT_CLOSE(w.W4, c.W4) << c.why;
        EXPECT_CLOSE(w.W5, c.W5) << c.why;
    }
}

// Ground below the top of the slab: the soil depth is negative and takes its share off the
// load, on the toe as on the heel. Only the one-sided shape that leaves the front soil out
// drops the soil term.
TEST(SlabLoads, GroundBelowTheSlabTopTakesItsShareOff) {
    struct Case {
        const char* why;
        GroundShape shape;
        FrontSoil soil;
        float H_Haimen, H_Zenmen;
        double W4, W5;
    };
    const Case cases[] = {
        // -0.1 x 18 = -1.8; (0.2 - 0.1) x 18 = 1.8.
        {"front soil included, front ground 0.1 m below the toe's top", GroundShape::Shape_OneSided,
         FrontSoil::FrontSoil_In, 2.5f, -0.1f, -1.8 + 12.25 + 5, 1.8 + 7.35 + 5},
        // -0.3 x 18 = -5.4; (0.2 - 0.3) x 18 = -1.8.
        {"front soil included, front ground below the haunch", GroundShape::Shape_OneSided,
         FrontSoil::FrontSoil_In, 2.5f, -0.3f, -5.4 + 12.25 + 5, -1.8 + 7.35 + 5},
        {"front soil left out: no soil term whatever the depth", GroundShape::Shape_OneSided,
         FrontSoil::FrontSoil_Out, 2.5f, -0.1f, 12.25 + 5, 7.35 + 5},
        // The toe mirrors the heel: -0.38 x 18 = -6.84; (0.2 - 0.38) x 18 = -3.24.
        {"symmetric shape, back ground 0.38 m below the slab's top", GroundShape::Shape_TwoSided,
         FrontSoil::None, -0.38f, 0.8f, -6.84 + 12.25 + 5, -3.24 + 7.35 + 5},
    };
    for (const Case& c : cases) {
        SlabLoadInput in = wall(c.shape, c.soil);
        in.H_Haimen = c.H_Haimen;
        in.H_Zenmen = c.H_Zenmen;
        const SlabLoads w = slabLoads(in);
        EXPECT_CLOSE(w.W4, c.W4) << c.why;
        EXPECT_CLOSE(w.W5, c.W5) << c.why;
    }
}

// A symmetric wall with toe and heel alike (1.0 m long, 0.3 m at the tip, haunch 0.2, surcharge
// 5 on both sides) and the back ground 0.38 m below the slab's top: the toe carries what the
// heel carries, and under a uniform reaction of 60 kN/m2 its forces are the heel's. By hand:
//   W2 = W4 = -0.38 x 18 + 0.5 x 24.5 + 5 = -6.84 + 12.25 + 5 = 10.41
//   W3 = W5 = (0.2 - 0.38) x 18 + 0.3 x 24.5 + 5 = -3.24 + 7.35 + 5 = 9.11
//   M1 = 1.0^2 x (10.41 + 2 x 9.11) / 6 = 4.771667, S1 = (10.41 + 9.11) x 1.0 / 2 = 9.76
//   M2 = 1.0^2 x 60 / 2 = 30, S2 = 60 x 1.0 = 60
//   M = 10^5 x |4.771667 - 30| = 2522833.3, S = 10^3 x |9.76 - 60| = 50240.
TEST(SlabLoads, SymmetricToeCarriesWhatTheHeelCarries) {
    SlabLoadInput in = wall(GroundShape::Shape_TwoSided, FrontSoil::None);
    in.H_Haimen = -0.38f;
    in.D_Kakato = in.D_Tumasaki;
    in.D_Kakato_H = in.D_Tumasaki_H;
    in.Q_Haimen = in.Q_Zenmen;
    const SlabLoads w = slabLoads(in);
    EXPECT_CLOSE(w.W2, 10.41);
    EXPECT_CLOSE(w.W3, 9.11);
    EXPECT_EQ(w.W4, w.W2);
    EXPECT_EQ(w.W5, w.W3);

    SlabInput slab;
    slab.B_Tumasaki = 1.0f, slab.T2_Mae = 0.5f, slab.B_Tyuuou = 3.0f, slab.T2_Usiro = 0.5f;
    slab.B_Kakato = 1.0f, slab.B = 6.0f, slab.e = 0.0f, slab.Sigma_max = 60.0f;
    slab.VP = slab.V1 = slab.V5 = slab.VR = 60.0f;
    slab.W2 = w.W2, slab.W3 = w.W3, slab.W4 = w.W4, slab.W5 = w.W5;
    const auto heel = slabForces(MemberPart::F, slab);
    const auto toe = slabForces(MemberPart::G, slab);
    ASSERT_TRUE(heel.ok() && toe.ok());
    EXPECT_CLOSE(toe.value.M1, 4.771667);
    EXPECT_CLOSE(toe.value.S1, 9.76);
    EXPECT_CLOSE(toe.value.M, 2522833.3);
    EXPECT_CLOSE(toe.value.S, 50240.0);
    EXPECT_EQ(toe.value.M, heel.value.M);
    EXPECT_EQ(toe.value.S, heel.value.S);
}

TEST(SlabLoads, AbsentHeelAndToeCarryNoLoad) {
    SlabLoadInput in = wall(GroundShape::Shape_OneSided, FrontSoil::FrontSoil_In);
    in.B_Kakato = 0.0f;
    in.B_Tumasaki = 0.0f;
    const SlabLoads w = slabLoads(in);
    EXPECT_CLOSE(w.W1, 40.25);
    EXPECT_EQ(w.W2, 0.0f);
    EXPECT_EQ(w.W3, 0.0f);
    EXPECT_EQ(w.W4, 0.0f);
    EXPECT_EQ(w.W5, 0.0f);
}

TEST(BackFaceAngle, OuterBatterOverTheWallHeight) {
    // Foot 0.5, top 0.3, inner batter 0.1: outer batter 0.1 over (3.0 - 0.5) + 0.5 = 3.0 m.
    const BackFaceAngle a = backFaceAngle(0.5f, 0.3f, 0.1f, 3.0f, 0.5f, 0.5f);
    EXPECT_CLOSE(a.rad, 0.0333209958782472);
    EXPECT_CLOSE(a.deg, 1.9091540455898113);  // with pi taken as 3.14159

    const BackFaceAngle vertical = backFaceAngle(0.4f, 0.3f, 0.1f, 3.0f, 0.5f, 0.5f);
    EXPECT_EQ(vertical.rad, 0.0f);
    EXPECT_EQ(vertical.deg, 0.0f);

    // A wall without height above the slab: a vertical face, not a division by zero.
    const BackFaceAngle flat = backFaceAngle(0.5f, 0.3f, 0.1f, 0.5f, 0.5f, 0.0f);
    EXPECT_EQ(flat.rad, 0.0f);
    EXPECT_EQ(flat.deg, 0.0f);
}

}  // namespace
}  // namespace pelzaro::members
