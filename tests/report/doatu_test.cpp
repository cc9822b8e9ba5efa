// Report page 3: the earth pressure with its coefficient in every form, the wall friction angle
// on the virtual back face, the forces and their points of action, then the load summary.
// Expected transcripts are worked out by hand from the wall's numbers.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "page3_fixture.h"

namespace pelzaro {
namespace {

using Lines = std::vector<std::string>;

// A one-sided wall 3 m high behind, KA typed as 0.30, delta 15 degrees, a back surcharge of
// 10 kN/m2 reduced by 5 kN/m2 for its earth pressure, a centre surcharge of 5 kN/m2.
Page3 typedNormalWithReduction() {
    Page3 p;
    p.opt.std_T = p.opt.case_N = p.opt.kaTyped = true;
    p.opt.shapeOneSided = p.opt.pvCounted = p.opt.frontSoilIn = true;
    p.opt.surchargeLess5 = true;
    Module1& m = p.m;
    m.Flg_DeltaCalc = 0;
    m.KA = 0.3f;
    m.Gamma_S = 18.0f;
    m.Delta = 15.0f;
    m.H = 3.0f;
    m.B = 3.2f;
    m.B_Kakato = 0.6f;
    m.PA = 24.3f;
    m.PAX = 23.47199821472168f;  // 24.3 cos 15 degrees, as the calculation stores it
    m.PAY = 6.289297580718994f;
    m.Q_Haimen = 10.0f;
    m.DeltaPA = 4.5f;            // 0.30 x (10 - 5) x 3.0
    m.DeltaPAX = 4.34666633605957f;
    m.DeltaPAY = 1.164684772491455f;
    m.SumW = 150.0f;
    m.SumWx = 240.0f;
    m.SumWy = 105.0f;
    m.A7 = 1.5f;
    m.A8 = 0.8f;
    m.W_Q_Haimen = 10.0f;
    m.X_Q_Haimen = 2.7f;
    m.Q_Tyuuou = 5.0f;
    m.W_Q_Tyuuou = 6.0f;
    m.X_Q_Tyuuou = 1.6f;
    m.SumV = 173.4539794921875f;  // 150 + 10 + 6 + PAY + DeltaPAY
    m.Mo = 29.99199676513672f;    // DeltaPAX x 1.5 + PAX x 1.0
    return p;
}

// The grid of the load summary with its header and labels, the table's origin at `o` twips.
Lines summaryGrid(int o, bool oneSided = true) {
    auto y = [o](int v) { return std::to_string(o + v); };
    Lines l = {
        "L 1600 " + y(9500) + " 10900 " + y(9500) + " solid 0",
        "L 5700 " + y(9900) + " 10900 " + y(9900) + " solid 0",
    };
    for (int i = 0; i <= 7; ++i)
        l.push_back("L 1600 " + y(10300 + 400 * i) + " 10900 " + y(10300 + 400 * i) + " solid 0");
    for (int x : {1600, 3100, 4400, 5700})
        l.push_back("L " + std::to_string(x) + " " + y(9500) + " " + std::to_string(x) + " " +
                    y(13100) + " solid 0");
    l.push_back("L 7000 " + y(9900) + " 7000 " + y(13100) + " solid 0");
    l.push_back("L 8300 " + y(9500) + " 8300 " + y(13100) + " solid 0");
    l.push_back("L 9600 " + y(9900) + " 9600 " + y(13100) + " solid 0");
    l.push_back("L 10900 " + y(9500) + " 10900 " + y(13100) + " solid 0");
    Lines texts = {
        "T 1800 " + y(9800) + " 11 0 \"荷重の種類\"",
        "T 3300 " + y(9650) + " 11 0 \"鉛 直 力\"",
        "T 3300 " + y(9950) + " 11 0 \"Ｖ(kN/m)\"",
        "T 4550 " + y(9650) + " 11 0 \"水 平 力\"",
        "T 4550 " + y(9950) + " 11 0 \"Ｈ(kN/m)\"",
        "T 6400 " + y(9600) + " 11 0 \"作 用 点 (m)\"",
        "T 8550 " + y(9600) + " 11 0 \"モーメント(kN･m/m)\"",
        "T 6250 " + y(10000) + " 11 0 \"ｘ\"",
        "T 7550 " + y(10000) + " 11 0 \"ｙ\"",
        "T 8750 " + y(10000) + " 11 0 \"Ｖ･x\"",
        "T 10000 " + y(10000) + " 11 0 \"Ｈ･y\"",
        "T 1900 " + y(10400) + " 11 0 \"自 重(W)\"",
    };
    l.insert(l.end(), texts.begin(), texts.end());
    if (oneSided) {
        l.push_back("T 1900 " + y(10800) + " 11 0 \"土圧(PA)\"");
        l.push_back("T 1800 " + y(11200) + " 11 0 \"土圧(△PA)\"");
    }
    l.push_back("T 1700 " + y(11600) + " 11 0 \"背面上載荷重\"");
    l.push_back("T 1700 " + y(12000) + " 11 0 \"中央上載荷重\"");
    l.push_back("T 1700 " + y(12400) + " 11 0 \"前面上載荷重\"");
    l.push_back("T 1900 " + y(12800) + " 11 0 \"合 計 Σ\"");
    return l;
}

Lines joined(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(Page3, TypedCoefficientInTheNormalCaseWithTheReducedSurcharge) {
    Page3 p = typedNormalWithReduction();
    Page3::Drawn d = p.draw();
    // Five empty lines of 220 twips, the heading on the sixth line; the typed coefficient with
    // an empty line either side; the forces flow on; the table stands 3500 twips higher than
    // its written place because the typed coefficient takes so little room.
    const Lines expected = joined({
        {
            "T 0 1100 11 0 \"　          ３）擁壁に及ぼす土圧\"",
            "T 0 1540 11 0 \"                主働土圧係数 KA=0.30\"",
            "T 0 1980 11 0 \" 　　　　　　　 前面及び背面土による土圧\"",
            "T 0 2200 11 0 \"                PA=1/2･KA･γ･H^2=1/2×0.30×18.0×3.000^2=24.3000kN/m\"",
            "T 0 2420 11 0 \"                PAX=PA･cosδ=PA･cos15.00ﾟ=24.3000×0.9659=23.4720kN/m\"",
            "T 0 2640 11 0 \"                PAY=PA･sinδ=PA･sin15.00ﾟ=24.3000×0.2588=6.2893kN/m\"",
            "T 0 3080 11 0 \" 　　　　　　　 背面上載荷重による土圧\"",
            "T 0 3300 11 0 \"               (宅造法施行令の別表第二を用いるので、上載荷重から５kN/m2を差し引いて算定する。)\"",
            "T 0 3520 11 0 \"                △PA=KA･q･H=0.30×(10.0-5.0)×3.000=4.5000kN/m\"",
            "T 0 3740 11 0 \"                △PAX=△PA･cosδ=△PA･cos15.00ﾟ=4.5000×0.9659=4.3467kN/m\"",
            "T 0 3960 11 0 \"                △PAY=△PA･sinδ=△PA･sin15.00ﾟ=4.5000×0.2588=1.1647kN/m\"",
            "T 0 4400 11 0 \"               作用点の位置\"",
            "T 0 4620 11 0 \"                  PAX：y=H/3=3.000/3=1.000m      PAY：x=3.200m\"",
            "T 0 4840 11 0 \"                △PAX：y=H/2=3.000/2=1.500m    △PAY：x=3.200m\"",
            // The load summary at 9000 - 3500.
            "T 0 5500 11 0 \"            ４）荷重の集計\"",
        },
        summaryGrid(-3500),
        {
            // Self weight: V, H dash, x = 240 / 150, y dash, V·x, H·y dash.
            "T 3300 6900 11 0 \"150.0000\"",
            "L 4800 7000 5300 7000 solid 0",
            "T 6200 6900 11 0 \"1.600\"",
            "L 7400 7000 7900 7000 solid 0",
            "T 8500 6900 11 0 \"240.0000\"",
            "L 10000 7000 10500 7000 solid 0",
            // Earth pressure: PAY, PAX, B, H/3, PAY x B, PAX x H/3.
            "T 3500 7300 11 0 \"6.2893\"",
            "T 4700 7300 11 0 \"23.4720\"",
            "T 6200 7300 11 0 \"3.200\"",
            "T 7500 7300 11 0 \"1.000\"",
            "T 8600 7300 11 0 \"20.1258\"",
            "T 9900 7300 11 0 \"23.4720\"",
            // Surcharge earth pressure: DeltaPAY, DeltaPAX, B, H/2, x B, x H/2.
            "T 3500 7700 11 0 \"1.1647\"",
            "T 4800 7700 11 0 \"4.3467\"",
            "T 6200 7700 11 0 \"3.200\"",
            "T 7500 7700 11 0 \"1.500\"",
            "T 8700 7700 11 0 \"3.7270\"",
            "T 10000 7700 11 0 \"6.5200\"",
            // Back surcharge: no inertia in the normal case.
            "T 3400 8100 11 0 \"10.0000\"",
            "L 4800 8200 5300 8200 solid 0",
            "T 6200 8100 11 0 \"2.700\"",
            "L 7400 8200 7900 8200 solid 0",
            "T 8600 8100 11 0 \"27.0000\"",
            "L 10000 8200 10500 8200 solid 0",
            // Centre surcharge.
            "T 3500 8500 11 0 \"6.0000\"",
            "L 4800 8600 5300 8600 solid 0",
            "T 6200 8500 11 0 \"1.600\"",
            "L 7400 8600 7900 8600 solid 0",
            "T 8700 8500 11 0 \"9.6000\"",
            "L 10000 8600 10500 8600 solid 0",
            // No front surcharge: its row stays blank. Totals: V, H, V·x, x, y, H·y.
            "T 3300 9300 11 0 \"173.4540\"",
            "T 4700 9300 11 0 \"27.8187\"",
            "T 8500 9300 11 0 \"300.4527\"",
            "L 6100 9400 6600 9400 solid 0",
            "L 7400 9400 7900 9400 solid 0",
            "T 9900 9300 11 0 \"29.9920\"",
        },
    });
    EXPECT_EQ(d.lines, expected);
    EXPECT_EQ(d.error, "");
    EXPECT_TRUE(d.endsClean());
    EXPECT_EQ(p.m.Doatu_OfsY, 0);
    EXPECT_EQ(p.m.Doatu2_OfsY, 0);
}

// Without the reduction the surcharge block has no note and the formula keeps q whole.
TEST(Page3, TypedCoefficientWithoutTheReduction) {
    Page3 p = typedNormalWithReduction();
    p.opt.surchargeLess5 = false;
    p.m.DeltaPA = 9.0f;
    p.m.DeltaPAX = 8.69333267211914f;
    p.m.DeltaPAY = 2.32936954498291f;
    Page3::Drawn d = p.draw({Form4_Doatu});
    const Lines expected = {
        "T 0 3080 11 0 \" 　　　　　　　 背面上載荷重による土圧\"",
        "T 0 3300 11 0 \"                △PA=KA･q･H=0.30×10.0×3.000=9.0000kN/m\"",
        "T 0 3520 11 0 \"                △PAX=△PA･cosδ=△PA･cos15.00ﾟ=9.0000×0.9659=8.6933kN/m\"",
        "T 0 3740 11 0 \"                △PAY=△PA･sinδ=△PA･sin15.00ﾟ=9.0000×0.2588=2.3294kN/m\"",
        "T 0 4180 11 0 \"               作用点の位置\"",
    };
    EXPECT_EQ(blockFrom(d.lines, expected.front(), 5), expected);
}

// phi 30, delta 20, beta = theta = 0: KA = 0.750 / (1.000 x 0.940 x (1 + sqrt(0.766 x 0.500 /
// (0.940 x 1.000)))^2) = 0.297. A wall 2.5 m high, no back surcharge, the vertical components
// not counted in the moments, a front surcharge over front soil.
Page3 coulombNormal() {
    Page3 p;
    p.opt.std_T = p.opt.case_N = p.opt.kaComputed = true;
    p.opt.shapeOneSided = p.opt.pvNotCounted = p.opt.frontSoilIn = true;
    Module1& m = p.m;
    m.Flg_DeltaCalc = 0;
    m.Phi = 30.0f;
    m.Delta = 20.0f;
    m.KA = 0.2973141372203827f;
    m.Gamma_S = 19.0f;
    m.H = 2.5f;
    m.B = 2.8f;
    m.B_Kakato = 0.5f;
    m.PA = 17.653026580810547f;
    m.PAX = 16.588420867919922f;
    m.PAY = 6.037685871124268f;
    m.SumW = 120.0f;
    m.SumWx = 180.0f;
    m.SumWy = 60.0f;
    m.A7 = 1.0f;
    m.A8 = 0.5f;
    m.Q_Zenmen = 10.0f;
    m.W_Q_Zenmen = 3.0f;
    m.X_Q_Zenmen = 0.15f;
    m.SumV = 123.0f;
    m.Mo = 13.823684692382812f;  // PAX x 2.5 / 3
    return p;
}

TEST(Page3, CoulombInTheNormalCase) {
    Page3 p = coulombNormal();
    Page3::Drawn d = p.draw();
    const Lines expected = joined({
        {
            "T 0 1100 11 0 \"　          ３）擁壁に及ぼす土圧\"",
            // The symbolic formula and its bracketed root.
            "T 1300 1500 11 0 \"主働土圧係数\"",
            "T 3800 1700 11 0 \"cos^2(φ－θ）\"",
            "T 1300 1900 11 0 \"KA=──────────────────────────\"",
            "T 4550 2150 11 0 \"sin(φ＋δ)sin(φ－β)\"",
            "T 7300 2150 11 0 \"2\"",
            "T 1700 2350 11 0 \"cos^2θcos(θ＋δ)\"",
            "T 3875 2350 11 0 \"1＋\"",
            "T 4450 2350 11 0 \"──────────── \"",
            "T 4550 2550 11 0 \"cos(θ＋δ)cos(θ－β)\"",
            "L 4175 2625 4200 2550 solid 0",
            "L 4200 2550 4250 2750 solid 0",
            "L 4250 2750 4400 2100 solid 0",
            "L 4400 2100 7050 2100 solid 0",
            "L 3875 2100 3775 2200 solid 0",
            "L 3775 2200 3775 2700 solid 0",
            "L 3775 2700 3875 2800 solid 0",
            "L 7100 2100 7200 2200 solid 0",
            "L 7200 2200 7200 2700 solid 0",
            "L 7200 2700 7100 2800 solid 0",
            // The angles substituted.
            "T 5100 2850 11 0 \"cos^2(30.00ﾟ－0.00ﾟ)\"",
            "T 1500 3050 11 0 \"=───────────────────────────────────────────\"",
            "T 6400 3300 11 0 \"sin(30.00ﾟ＋20.00ﾟ)×sin(30.00ﾟ－0.00ﾟ)\"",
            "T 11150 3300 11 0 \"2\"",
            "T 1700 3500 11 0 \"cos^2(0.00ﾟ)×cos(0.00ﾟ＋20.00ﾟ)×\"",
            "T 5775 3500 11 0 \"1＋\"",
            "T 6300 3500 11 0 \"─────────────────────\"",
            "T 6400 3700 11 0 \"cos(0.00ﾟ＋20.00ﾟ)×cos(0.00ﾟ－0.00ﾟ)\"",
            "L 6075 3775 6100 3700 solid 0",
            "L 6100 3700 6150 3900 solid 0",
            "L 6150 3900 6300 3250 solid 0",
            "L 6300 3250 10900 3250 solid 0",
            "L 5800 3250 5700 3350 solid 0",
            "L 5700 3350 5700 3850 solid 0",
            "L 5700 3850 5800 3950 solid 0",
            "L 10950 3250 11050 3350 solid 0",
            "L 11050 3350 11050 3850 solid 0",
            "L 11050 3850 10950 3950 solid 0",
            // The terms evaluated, full form since phi is not below beta.
            "T 3500 4000 11 0 \"0.7500\"",
            "T 1500 4200 11 0 \"=─────────────────────\"",
            "T 4350 4450 11 0 \"0.7660×0.5000\"",
            "T 6250 4450 11 0 \"2\"",
            "T 1700 4650 11 0 \"1.0000×0.9397×\"",
            "T 3675 4650 11 0 \"1＋\"",
            "T 4250 4650 11 0 \"────────\"",
            "T 4350 4850 11 0 \"0.9397×1.0000\"",
            "T 1500 5050 11 0 \"=0.297\"",
            "L 3975 4925 4000 4850 solid 0",
            "L 4000 4850 4050 5050 solid 0",
            "L 4050 5050 4200 4400 solid 0",
            "L 4200 4400 6000 4400 solid 0",
            "L 3675 4400 3575 4500 solid 0",
            "L 3575 4500 3575 5000 solid 0",
            "L 3575 5000 3675 5100 solid 0",
            "L 6050 4400 6150 4500 solid 0",
            "L 6150 4500 6150 5000 solid 0",
            "L 6150 5000 6050 5100 solid 0",
            // Two empty lines from the last stroke's end (5100), then the forces.
            "T 0 5540 11 0 \" 　　　　　　　 前面及び背面土による土圧\"",
            "T 0 5760 11 0 \"                PA=1/2･KA･γ･H^2=1/2×0.297×19.0×2.500^2=17.6530kN/m\"",
            "T 0 5980 11 0 \"                PAX=PA･cosδ=PA･cos20.00ﾟ=17.6530×0.9397=16.5884kN/m\"",
            "T 0 6200 11 0 \"                PAY=PA･sinδ=PA･sin20.00ﾟ=17.6530×0.3420=6.0377kN/m\"",
            "T 0 6640 11 0 \"               作用点の位置\"",
            "T 0 6860 11 0 \"                  PAX：y=H/3=2.500/3=0.833m      PAY：x=2.800m\"",
            // KA computed in the normal case: the table at its written place.
            "T 0 9000 11 0 \"            ４）荷重の集計\"",
        },
        summaryGrid(0),
        {
            "T 3300 10400 11 0 \"120.0000\"",
            "L 4800 10500 5300 10500 solid 0",
            "T 6200 10400 11 0 \"1.500\"",
            "L 7400 10500 7900 10500 solid 0",
            "T 8500 10400 11 0 \"180.0000\"",
            "L 10000 10500 10500 10500 solid 0",
            // The vertical components are not counted: dashes in V, x and V·x.
            "L 3500 10900 4000 10900 solid 0",
            "T 4700 10800 11 0 \"16.5884\"",
            "L 6100 10900 6600 10900 solid 0",
            "T 7500 10800 11 0 \"0.833\"",
            "L 8700 10900 9200 10900 solid 0",
            "T 9900 10800 11 0 \"13.8237\"",
            "L 3500 11300 4000 11300 solid 0",
            "T 4800 11200 11 0 \"0.0000\"",
            "L 6100 11300 6600 11300 solid 0",
            "T 7500 11200 11 0 \"1.250\"",
            "L 8700 11300 9200 11300 solid 0",
            "T 10000 11200 11 0 \"0.0000\"",
            // No back or centre surcharge; the front surcharge over the front soil.
            "T 3500 12400 11 0 \"3.0000\"",
            "L 4800 12500 5300 12500 solid 0",
            "T 6200 12400 11 0 \"0.150\"",
            "L 7400 12500 7900 12500 solid 0",
            "T 8700 12400 11 0 \"0.4500\"",
            "L 10000 12500 10500 12500 solid 0",
            "T 3300 12800 11 0 \"123.0000\"",
            "T 4700 12800 11 0 \"16.5884\"",
            "T 8500 12800 11 0 \"180.4500\"",
            "L 6100 12900 6600 12900 solid 0",
            "L 7400 12900 7900 12900 solid 0",
            "T 9900 12800 11 0 \"13.8237\"",
        },
    });
    EXPECT_EQ(d.lines, expected);
    EXPECT_EQ(d.error, "");
    EXPECT_TRUE(d.endsClean());
}

// The residential standard, seismic, delta computed from phi 30, Kh 0.2, Kv 0: thetaK
// = atan(0.2) = 11.31, sin(Δ) = sin 11.31 / sin 30 = 0.1961 / 0.5000 = 0.3922, Δ = 23.09,
// tan(δ) = 0.5000 x sin 34.40 / (1 - 0.5000 x cos 34.40) = 0.4809, δ = 25.68.
Page3 seismicComputedDelta() {
    Page3 p;
    p.opt.std_T = p.opt.case_S = true;
    p.opt.shapeOneSided = p.opt.pvCounted = p.opt.frontSoilIn = true;
    Module1& m = p.m;
    m.Flg_DeltaCalc = 1;
    m.Phi = 30.0f;
    m.Kh = 0.2f;
    m.Kv = 0.0f;
    m.ThetaK = 11.309942245483398f;
    m.Sin_DDelta = 0.3922325670719147f;
    m.DDelta = 23.093507766723633f;
    m.Tan_Delta = 0.480896919965744f;
    m.Delta = 25.68277931213379f;
    m.Gamma_S = 18.0f;
    m.H = 2.0f;
    m.B = 3.0f;
    m.B_Kakato = 0.5f;
    m.PA = 10.0f;
    m.PAX = 9.0f;
    m.PAY = 4.3f;
    m.SumW = 100.0f;
    m.SumWx = 150.0f;
    m.SumWy = 50.0f;
    m.SumV = 104.3f;
    m.Mo = 16.0f;
    return p;
}

const Lines kDerivation = {
    "T 1925 2100 11 0 \"土(仮想背面)と土との摩擦角\"",
    "T 1925 2540 10 0 \"sinΔ=\"",
    "T 2700 2400 10 0 \"sin(β＋θk)\"",
    "T 3000 2650 10 0 \"sinφ\"",
    "L 2650 2625 3900 2625 solid 0",
    "T 3950 2540 10 0 \"=\"",
    "T 4150 2400 10 0 \"sin(0.00ﾟ＋11.31ﾟ)\"",
    "T 4600 2650 10 0 \"sin30.00ﾟ\"",
    "L 4100 2625 6100 2625 solid 0",
    "T 6150 2540 10 0 \"=\"",
    "T 6350 2400 10 0 \"0.1961\"",
    "T 6350 2650 10 0 \"0.5000\"",
    "L 6300 2625 7100 2625 solid 0",
    "T 7150 2540 10 0 \"=0.3922　∴Δ=23.09ﾟ\"",
    "T 1925 3040 10 0 \"tanδ=\"",
    "T 2900 2900 10 0 \"sinφ･sin(θk＋Δ－β)\"",
    "T 2700 3150 10 0 \"1－sinφ･cos(θk＋Δ－β)\"",
    "L 2650 3125 5250 3125 solid 0",
    "T 5300 3040 10 0 \"=\"",
    "T 5650 2900 10 0 \"sin30.00ﾟ×sin(11.31ﾟ＋23.09ﾟ－0.00ﾟ)\"",
    "T 5500 3150 10 0 \"1－sin30.00ﾟ×cos(11.31ﾟ＋23.09ﾟ－0.00ﾟ)\"",
    "L 5450 3125 9750 3125 solid 0",
    "T 2450 3540 10 0 \"=\"",
    "T 2850 3400 10 0 \"0.5000×0.5650\"",
    "T 2700 3650 10 0 \"1－0.5000×0.8251\"",
    "L 2650 3625 4550 3625 solid 0",
    "T 4600 3540 10 0 \"=0.4809　∴δ=25.68ﾟ\"",
};

const Lines kResidentialSeismicLines = {
    "T 1925 1400 11 0 \"設計水平震度Kh=0.20    設計鉛直震度Kv=0.00\"",
    "T 1925 1700 11 0 \"地震合成角θk=Atn{Kh/(1－Kv)}=Atn{0.20/(1－0.00)}=11.31ﾟ\"",
};

size_t occurrences(const Lines& lines, const std::string& line) {
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

// K1: seismic earth pressure only. The seismic lines, the derivation, then the seismic
// coefficient 2000 twips lower than written: k0 = 1.00, k1 = cos²(18.69) = 0.8973,
// k2 = sin 18.69 = 0.3204, k3 = sin 55.68 = 0.8259, k4 = cos 11.31 = 0.9806, k6 = cos 36.99
// = 0.7987, KA = 0.461. The forces follow two 9-point lines (180 twips) below its last stroke.
TEST(Page3, SeismicEarthPressureWithTheFrictionAngleDerived) {
    Page3 p = seismicComputedDelta();
    p.opt.kaComputed = p.opt.method_K1 = true;
    p.m.KA = 0.4614803194999695f;
    Page3::Drawn d = p.draw();
    EXPECT_EQ(p.m.Doatu_OfsY, 2000);
    EXPECT_EQ(blockFrom(d.lines, kResidentialSeismicLines[0], 2), kResidentialSeismicLines);
    EXPECT_EQ(blockFrom(d.lines, kDerivation[0], kDerivation.size()), kDerivation);
    EXPECT_EQ(occurrences(d.lines, kDerivation[0]), 1u);
    const Lines title = {
        "T 1300 4100 11 0 \"地震時主働土圧係数\"",
        "T 3800 4350 9 0 \"(1－Kv)cos^2(φ－θ－θk）\"",
        "T 1150 4520 9 0 \"ＫAE=\"",
    };
    EXPECT_EQ(blockFrom(d.lines, title[0], 3), title);
    const Lines substituted = {
        "T 4800 5500 9 0 \"(1－0.00)×cos^2(30.00ﾟ－0.00ﾟ－11.31ﾟ)\"",
        "T 1230 5670 9 0 \"=\"",
        "T 6900 5900 9 0 \"sin(30.00ﾟ－0.00ﾟ－11.31ﾟ)×sin(30.00ﾟ＋25.68ﾟ)\"",
        "T 11400 5900 9 0 \"2\"",
        "T 1430 6100 9 0 \"cos11.31ﾟ×cos^2(0.00ﾟ)×cos(25.68ﾟ＋0.00ﾟ＋11.31ﾟ)×\"",
        "T 6275 6100 9 0 \"1＋\"",
        "T 6900 6300 9 0 \"cos(25.68ﾟ＋0.00ﾟ＋11.31ﾟ)×cos(0.00ﾟ－0.00ﾟ)\"",
        "L 1400 5750 11450 5750 solid 0",
    };
    EXPECT_EQ(blockFrom(d.lines, substituted[0], substituted.size()), substituted);
    const Lines evaluated = {
        "T 3230 6650 9 0 \"1.00×0.8973\"",
        "T 1230 6820 9 0 \"=\"",
        "T 4430 7050 9 0 \"0.3204×0.8259\"",
        "T 5980 7050 9 0 \"2\"",
        "T 1430 7250 9 0 \"0.9806×1.0000×0.7987×\"",
        "T 3755 7250 9 0 \"1＋\"",
        "T 4430 7450 9 0 \"0.7987×1.0000\"",
        "T 1230 7750 9 0 \"=0.461\"",
        "L 1380 6900 6230 6900 solid 0",
        "L 4330 7330 5730 7330 solid 0",
        "L 4055 7525 4080 7450 solid 0",
        "L 4070 7450 4130 7650 solid 0",
        "L 4130 7650 4280 7000 solid 0",
        "L 4280 7000 5730 7000 solid 0",
        "L 3755 7000 3655 7100 solid 0",
        "L 3655 7100 3655 7600 solid 0",
        "L 3655 7600 3755 7700 solid 0",
        "L 5780 7000 5880 7100 solid 0",
        "L 5880 7100 5880 7600 solid 0",
        "L 5880 7600 5780 7700 solid 0",
        "T 0 8060 11 0 \" 　　　　　　　 前面及び背面土による土圧\"",
    };
    EXPECT_EQ(blockFrom(d.lines, evaluated[0], evaluated.size()), evaluated);
    // The table: computed coefficient, seismic, not K2: only the section's offset moves it.
    EXPECT_EQ(blockFrom(d.lines, "T 0 11200 11 0 \"            ４）荷重の集計（水平力＝地震時土圧）\"", 1).size(), 1u);
    EXPECT_TRUE(d.endsClean());
}

// K2 with delta typed: no seismic lines, no derivation; a typed coefficient stands at 1600
// and the table 3100 twips above its written place.
TEST(Page3, WallInertiaWithTypedCoefficientAndTypedDelta) {
    Page3 p = seismicComputedDelta();
    p.m.Flg_DeltaCalc = 0;
    p.m.KA = 0.3f;
    p.opt.kaTyped = p.opt.method_K2 = true;
    Page3::Drawn d = p.draw();
    EXPECT_EQ(p.m.Doatu_OfsY, 0);
    const Lines expected = {
        "T 0 1100 11 0 \"　          ３）擁壁に及ぼす土圧\"",
        "T 0 1600 11 0 \"                主働土圧係数 KA=0.30\"",
        "T 0 2040 11 0 \" 　　　　　　　 前面及び背面土による土圧\"",
    };
    EXPECT_EQ(Lines(d.lines.begin(), d.lines.begin() + 3), expected);
    EXPECT_EQ(blockFrom(d.lines, "T 0 6100 11 0 \"            ４）荷重の集計（水平力＝慣性力＋常時土圧）\"", 2),
              (Lines{"T 0 6100 11 0 \"            ４）荷重の集計（水平力＝慣性力＋常時土圧）\"",
                     "L 1600 6400 10900 6400 solid 0"}));
    EXPECT_TRUE(d.endsClean());
}

// K2 with delta computed: the seismic lines and the derivation, then the typed coefficient
// 2600 lower (4200), or the Coulomb layout from 4100; the derivation is drawn once.
TEST(Page3, WallInertiaWithDeltaDerived) {
    Page3 typed = seismicComputedDelta();
    typed.m.KA = 0.3f;
    typed.opt.kaTyped = typed.opt.method_K2 = true;
    Page3::Drawn d = typed.draw();
    EXPECT_EQ(typed.m.Doatu_OfsY, 2600);
    EXPECT_EQ(blockFrom(d.lines, kResidentialSeismicLines[0], 2), kResidentialSeismicLines);
    EXPECT_EQ(blockFrom(d.lines, kDerivation[0], kDerivation.size() + 2),
              joined({kDerivation,
                      {"T 0 4200 11 0 \"                主働土圧係数 KA=0.30\"",
                       "T 0 4640 11 0 \" 　　　　　　　 前面及び背面土による土圧\""}}));
    // 2600 - 3100: the table 500 twips above its written place.
    EXPECT_EQ(blockFrom(d.lines, "T 0 8700 11 0 \"            ４）荷重の集計（水平力＝慣性力＋常時土圧）\"", 1).size(), 1u);

    Page3 computed = seismicComputedDelta();
    computed.m.KA = 0.3f;
    computed.opt.kaComputed = computed.opt.method_K2 = true;
    d = computed.draw();
    EXPECT_EQ(occurrences(d.lines, kDerivation[0]), 1u);
    EXPECT_EQ(blockFrom(d.lines, kDerivation.back(), 2),
              (Lines{kDerivation.back(), "T 1300 4100 11 0 \"主働土圧係数\""}));
    // 2600 - 600.
    EXPECT_EQ(blockFrom(d.lines, "T 0 11200 11 0 \"            ４）荷重の集計（水平力＝慣性力＋常時土圧）\"", 1).size(), 1u);
    EXPECT_TRUE(d.endsClean());
}

// D1 under the road guideline: the coefficient line names the zone factor and the standard
// coefficient; the wall's inertia enters the self-weight row.
TEST(Page3, RoadGuidelineWallInertiaAndSeismicEarthPressure) {
    Page3 p = seismicComputedDelta();
    p.opt.std_T = false;
    p.opt.std_D = p.opt.kaComputed = p.opt.method_D1 = true;
    p.m.Cz = 0.85;
    p.m.Kho = 0.16;
    p.m.Kh = 0.136f;
    p.m.KA = 0.4f;
    Page3::Drawn d = p.draw();
    EXPECT_EQ(d.lines[1], "T 1925 1400 11 0 \"設計水平震度Kh=CZ･Kho=0.85×0.16=0.136"
                          "    設計鉛直震度Kv=0.00\"");
    EXPECT_EQ(d.lines[2], "T 1925 1700 11 0 \"地震合成角θk=Atn{Kh/(1－Kv)}=Atn{0.136/(1－0.00)}=11.31ﾟ\"");
    // Self weight at 2000 + 10400: V 100, H = 0.136 x 100, x = 1.5, y = 0.5, V·x 150,
    // H·y = 0.5 x 13.6.
    const Lines selfWeight = {
        "T 3300 12400 11 0 \"100.0000\"",
        "T 4700 12400 11 0 \"13.6000\"",
        "T 6200 12400 11 0 \"1.500\"",
        "T 7500 12400 11 0 \"0.500\"",
        "T 8500 12400 11 0 \"150.0000\"",
        "T 10000 12400 11 0 \"6.8000\"",
    };
    EXPECT_EQ(blockFrom(d.lines, selfWeight[0], 6), selfWeight);
    EXPECT_EQ(blockFrom(d.lines, "T 0 11200 11 0 \"            ４）荷重の集計（水平力＝慣性力＋地震時土圧）\"", 1).size(), 1u);
    EXPECT_TRUE(d.endsClean());
}

// beta + thetaK at or beyond phi: delta = phi in two lines. The stored delta is phi then.
TEST(Page3, DerivationWhereTheGroundAndSeismicAnglesReachPhi) {
    Page3 p = seismicComputedDelta();
    p.opt.kaComputed = p.opt.method_K1 = true;
    p.m.Phi = 11.309942245483398f;  // exactly thetaK
    p.m.Delta = p.m.Phi;
    Page3::Drawn d = p.draw();
    const Lines expected = {
        "T 1925 2100 11 0 \"土(仮想背面)と土との摩擦角\"",
        "T 2125 2400 11 0 \"β＋θk=0.00ﾟ＋11.31=11.31ﾟ ≧ φ=11.31ﾟ\"",
        "T 2125 2700 11 0 \"∴δ=11.31ﾟ\"",
        "T 1300 4100 11 0 \"地震時主働土圧係数\"",
    };
    EXPECT_EQ(blockFrom(d.lines, expected[0], 4), expected);
    // The seismic coefficient then has no root term: k2 would be sin 0. Equality keeps the full
    // form, with k2 printed 0.0000.
    EXPECT_EQ(blockFrom(d.lines, "T 4430 7050 9 0 \"0.0000×0.3846\"", 1).size(), 1u);
}

// The seismic earth pressure where beta + thetaK (0 + 11.31) passes phi = 11.
Page3 seismicShortForm(float KA) {
    Page3 p = seismicComputedDelta();
    p.opt.kaComputed = p.opt.method_K1 = true;
    p.m.Phi = 11.0f;
    p.m.Delta = 11.0f;
    p.m.KA = KA;
    return p;
}

// Coulomb with the ground (35 degrees) steeper than phi (30).
Page3 coulombShortForm() {
    Page3 p = coulombNormal();
    p.m.Beta = 35.0f;
    return p;
}

// Short forms: beta + thetaK beyond phi leaves the root out of the seismic coefficient, one
// fraction bar ending at (3380, Y+4900); ground steeper than phi does the same for Coulomb,
// with no stroke at all.
TEST(Page3, CoefficientsWithoutTheRootTerm) {
    Page3::Drawn d = seismicShortForm(0.5f).draw();
    const Lines shortSeismic = {
        "T 1880 6650 9 0 \"1.00×1.0000\"",
        "T 1230 6820 9 0 \"=\"",
        "T 1430 7000 9 0 \"0.9806×1.0000×0.9251\"",
        "T 1230 7300 9 0 \"=0.500\"",
        "L 1380 6900 3380 6900 solid 0",
        // Below the coefficient's line (7300 + 180) and two empty lines at size 9, not on it.
        "T 0 7840 11 0 \" 　　　　　　　 前面及び背面土による土圧\"",
    };
    EXPECT_EQ(blockFrom(d.lines, shortSeismic[0], shortSeismic.size()), shortSeismic);

    d = coulombShortForm().draw({Form4_Doatu});
    const Lines shortCoulomb = {
        "T 2150 4000 11 0 \"0.7500\"",
        "T 1500 4200 11 0 \"=────────\"",
        "T 1700 4400 11 0 \"1.0000×0.9397\"",
        "T 1500 4700 11 0 \"=0.297\"",
        "T 0 5360 11 0 \" 　　　　　　　 前面及び背面土による土圧\"",
    };
    EXPECT_EQ(blockFrom(d.lines, shortCoulomb[0], shortCoulomb.size()), shortCoulomb);
}

// Whatever form the coefficient takes, the forces that follow start below its last line: on
// the whole page (section and load summary) no two texts share more than the 20 twips by which
// a text fraction bar's row touches its terms.
TEST(Page3, NoTextOnAnotherAfterEitherShortForm) {
    for (Page3 p : {seismicShortForm(1.443f), coulombShortForm()}) {
        const std::vector<PlacedText> t = placedTexts(p.draw().lines);
        for (size_t i = 0; i < t.size(); ++i)
            for (size_t j = i + 1; j < t.size(); ++j) {
                const double shared = std::min(t[i].bottom(), t[j].bottom()) -
                                      std::max(t[i].y, t[j].y);
                EXPECT_FALSE(overlap(t[i], t[j]) && shared > 20)
                    << "\"" << t[i].text << "\" at " << t[i].y << " and \"" << t[j].text
                    << "\" at " << t[j].y;
            }
    }
}

// The symmetric shape: no earth-pressure rows, dashes for the wall's inertia and the
// horizontal totals, ΣV·x without the earth-pressure terms, and the note three lines below the
// last dash.
TEST(Page3, SymmetricEarthPressure) {
    Page3 p = coulombNormal();
    p.opt.shapeOneSided = false;
    p.opt.shapeTwoSided = true;
    p.opt.pvNotCounted = false;
    p.opt.pvCounted = true;
    p.m.Q_Tyuuou = 5.0f;
    p.m.W_Q_Tyuuou = 6.0f;
    p.m.X_Q_Tyuuou = 1.4f;
    Page3::Drawn d = p.draw();
    EXPECT_EQ(blockFrom(d.lines, "T 1900 10800 11 0 \"土圧(PA)\"", 1).size(), 0u);
    const Lines rows = {
        "T 3300 10400 11 0 \"120.0000\"",
        "L 4800 10500 5300 10500 solid 0",
        "T 6200 10400 11 0 \"1.500\"",
        "L 7400 10500 7900 10500 solid 0",
        "T 8500 10400 11 0 \"180.0000\"",
        "L 10000 10500 10500 10500 solid 0",
        // The centre surcharge straight after: the earth-pressure rows are empty.
        "T 3500 12000 11 0 \"6.0000\"",
        "L 4800 12100 5300 12100 solid 0",
        "T 6200 12000 11 0 \"1.400\"",
        "L 7400 12100 7900 12100 solid 0",
        "T 8700 12000 11 0 \"8.4000\"",
        "L 10000 12100 10500 12100 solid 0",
        "T 3500 12400 11 0 \"3.0000\"",
        "L 4800 12500 5300 12500 solid 0",
        "T 6200 12400 11 0 \"0.150\"",
        "L 7400 12500 7900 12500 solid 0",
        "T 8700 12400 11 0 \"0.4500\"",
        "L 10000 12500 10500 12500 solid 0",
        // 180 + 6 x 1.4 + 0.15 x 3: no PAY x B although the page counts it.
        "T 3300 12800 11 0 \"123.0000\"",
        "L 4800 12900 5300 12900 solid 0",
        "T 8500 12800 11 0 \"188.8500\"",
        "L 6100 12900 6600 12900 solid 0",
        "L 7400 12900 7900 12900 solid 0",
        "L 10000 12900 10500 12900 solid 0",
        "T 0 13560 11 0 \"               両面対称土圧の為、土圧によるモーメントΣＨy＝０\"",
    };
    EXPECT_EQ(blockFrom(d.lines, rows[0], rows.size()), rows);
    EXPECT_EQ(d.lines.back(), rows.back());
    EXPECT_TRUE(d.endsClean());
}

}  // namespace
}  // namespace pelzaro
