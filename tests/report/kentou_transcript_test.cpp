// Report page 4 as a whole, written by hand before the section existed: a one-sided wall under
// the residential-land standard in the normal case, without a key, every check passing, then
// the same wall with a key under each standard.

#include <gtest/gtest.h>

#include "kentou_page.h"

namespace pelzaro {
namespace {

// The lines of the base state that both walls print alike: the moments and the resultant's
// position, then the ground pressure and the resistance to sliding.
const Lines kMoments = {
    "T 0 1980 11 0 \"                抵抗モーメント Mr=ΣV･x=100.123kNm/m\"",
    "T 0 2200 11 0 \"                転倒モーメント Mo=ΣH･y=40.000kNm/m\"",
    "T 0 2420 11 0 \"                合力の作用位置  "
    "d=(Mr－Mo)/ΣV=(100.123－40.000)/60.000=1.001m\"",
};
const Lines kBearingAndResistance = {
    "T 0 3520 11 0 \"            ２）地盤支持力(接地圧)に対する検討\"",
    "T 0 3960 11 0 \"                最 大 接 地 圧 σmax=(ΣV/B)･{1＋(6e/B)}\"",
    "T 0 4180 11 0 \"                           　　     "
    "=(60.000/2.400)×{1＋(6×0.199/2.400)}\"",
    "T 0 4400 11 0 \"                          　　      =45.678kN/m2\"",
    "T 0 4620 11 0 \"                最 小 接 地 圧 σmin=(ΣV/B)･{1－(6e/B)}\"",
    "T 0 4840 11 0 \"                           　　     "
    "=(60.000/2.400)×{1－(6×0.199/2.400)}\"",
    "T 0 5060 11 0 \"                          　　      =4.321kN/m2\"",
    "T 0 5280 11 0 \"                               σmax,σmin < 150.0kN/m2  ∴ O.K\"",
    "T 0 5940 11 0 \"            ３）滑り出しに対する検討\"",
    "T 0 6380 11 0 \"                水 平 力 の 総 和 ΣH=20.500kN/m\"",
    "T 0 6600 11 0 \"                滑動に対する抵抗力 "
    "RH=C･B＋ΣV･μ=0.0×2.400＋60.000×0.6=36.000kN/m\"",
};

TEST(KentouTranscript, ResidentialNormalCaseWithoutKey) {
    KentouPage page;
    const Lines expected =
        Lines({
            "T 0 1100 11 0 \"            1－２ 安定性の検討（常時）\"",
            "T 0 1540 11 0 \"            １）転倒に対する検討\"",
        }) +
        kMoments +
        Lines({
            "T 0 2640 11 0 \"                偏　心　距　離  e=(B/2)－d=(2.400/2)－1.001=0.199m < "
            "B/6=2.400/6=0.400m ∴ O.K\"",
            "T 0 2860 11 0 \"                転 倒 安 全 率  F=Mr/Mo=100.123/40.000=2.503 > 1.5  ∴ "
            "O.K\"",
        }) +
        kBearingAndResistance +
        Lines({
            "T 0 6820 11 0 \"                滑 動 安 全 率      F=RH/ΣH=36.000/20.500=1.756 > 1.5 "
            " ∴ "
            "O.K\"",
            "L 9500 3800 11000 3800 solid 0",
            "L 9500 3800 9500 3550 solid 0",
            "L 11000 3800 11000 3550 solid 0",
            "L 9500 5200 11000 5200 solid 0",
            "L 9500 5200 9500 4800 solid 0",
            "L 11000 5200 11000 4800 solid 0",
            "T 10150 5000 9 0 \"Ｂ\"",
            "L 9500 4100 11000 4100 solid 0",
            "L 9500 4100 9500 4600 solid 0",
            "L 11000 4100 11000 4350 solid 0",
            "L 9500 4600 11000 4350 solid 0",
            "T 9000 4250 9 0 \"σmax\"",
            "T 10650 4450 9 0 \"σmin\"",
        });
    EXPECT_EQ(page.draw(), expected);
    EXPECT_EQ(page.error, "");
    EXPECT_EQ(page.pri.fontSize(), 11);
    EXPECT_EQ(page.pri.foreColor(), 0);
    EXPECT_EQ(page.m.Kentou_OfsY, 0);
}

// Residential-land standard, seismic (Kh 0.3: a large earthquake), key at B1 = 1.0 m of a
// 2.4 m base, H0 = 0.3 m, phiB = 30 deg: t = tan 60 deg (with 3.14159) = 1.732, t^2 = 3.000.
// The resultant in the middle third, e > 0: W1 over L1 = B1 - L and L2 = B - B1.
TEST(KentouTranscript, ResidentialSeismicWithKey) {
    KentouPage page;
    page.opt.case_N = false, page.opt.case_S = true;
    page.opt.n_F15AndBOver6 = false, page.opt.s_F12AndBOver3 = true, page.opt.s_slideF12 = true;
    page.opt.keyNone = false, page.opt.keyPresent = true;
    page.m.Kh = 0.3f;
    page.m.F_Katsudou = 1.1f;
    page.m.H0 = 0.3f, page.m.B1 = 1.0f, page.m.Phi_B = 30.0f, page.m.L_Tokki = 0.52f;
    page.m.Sigma_1 = 30.5f, page.m.Sigma_2 = 25.25f, page.m.Sigma_0 = 27.875f;
    page.m.P_Tokki = 83.625f, page.m.W1_Tokki = 40.75f, page.m.F_Tokki = 1.15f;
    const Lines expected =
        Lines({
            "T 0 1100 11 0 \"            1－２ 安定性の検討（大地震時）\"",
            "T 0 1540 11 0 \"            １）転倒に対する検討\"",
        }) +
        kMoments +
        Lines({
            "T 0 2640 11 0 \"                偏　心　距　離  e=(B/2)－d=(2.400/2)－1.001=0.199m < "
            "B/3=2.400/3=0.800m ∴ O.K\"",
            "T 0 2860 11 0 \"                転 倒 安 全 率  F=Mr/Mo=100.123/40.000=2.503 > 1.2  ∴ "
            "O.K\"",
        }) +
        kBearingAndResistance +
        Lines({
            "T 0 6820 11 0 \"                滑 動 安 全 率      F=RH/ΣH=36.000/20.500=1.100 > 1.0 "
            " "
            "――-> 突起を設ける\"",
            "T 0 7260 11 0 \"              ・突起の計算\"",
            "T 0 7480 11 0 \"                 H0=0.300m\"",
            "T 0 7700 11 0 \"                  "
            "L=H0･tan(45ﾟ＋φB/2)=0.300×tan{45ﾟ＋(30.00ﾟ/2)}=0.300×1.732=0.520m\"",
            "T 0 7920 11 0 \"                σmin=4.321kN/m2\"",
            "T 0 8140 11 0 \"                σ1=30.500kN/m2   σ2=25.250kN/m2\"",
            "T 0 8360 11 0 \"                σ0=(σ1＋σ2)/2=(30.500＋25.250)/2=27.875kN/m2\"",
            "T 0 8580 11 0 \"                  P=σ0･tan^2(45ﾟ＋φB/2)\"",
            "T 0 8800 11 0 \"                   "
            "=27.875×tan^2{45ﾟ＋(30.00ﾟ/2)}=27.875×3.000=83.625kN/m2\"",
            // The base-width group fails 1.2: its three lines in colour 13, then one beep.
            "T 0 9020 11 0 \"                 W1={(σmax＋σ1)/2}･L1＋{(σ2＋σmin)/2}･L2\"",
            "T 0 9240 11 0 \"                   "
            "={(45.678＋30.500)/2}×0.480＋{(25.250＋4.321)/2}×1.400=40.750kN/m\"",
            "T 0 9460 11 13 \"                滑動安全率 F=(C･B＋W1･μ＋P･H0)/∑H\"",
            "T 0 9680 11 13 \"                            "
            "=(0.0×2.400＋40.750×0.600＋83.625×0.300)/20.500\"",
            "T 0 9900 11 13 \"                            =1.150 < 1.2\"",
            "BEEP",
            "L 9500 3800 10250 3800 solid 0",
            "L 10450 3800 11000 3800 solid 0",
            "L 9500 3800 9500 3550 solid 0",
            "L 11000 3800 11000 3550 solid 0",
            "L 10250 3800 10250 4050 solid 0",
            "L 10450 3800 10450 4050 solid 0",
            "L 10250 4050 10450 4050 solid 0",
            "L 10250 4050 9900 3800 solid 0",
            "L 10130 3950 10250 3900 solid 0",
            "L 10180 3910 10050 3650 solid 0",
            "T 10000 3500 9 0 \"45ﾟ＋φB/2\"",
            "L 10800 3800 10800 4050 solid 0",
            "L 10800 4050 10550 4050 solid 0",
            "T 10600 3850 9 0 \"H0\"",
            "L 9500 5400 11000 5400 solid 0",
            "L 9500 5400 9500 4850 solid 0",
            "L 11000 5400 11000 4850 solid 0",
            "T 10150 5230 9 0 \"Ｂ\"",
            "L 9500 5150 11000 5150 solid 0",
            "L 9900 5150 9900 4850 solid 0",
            "L 10250 5150 10250 4850 solid 0",
            "T 9600 4980 9 0 \"L1\"",
            "T 10050 4980 9 0 \"L\"",
            "T 10550 4980 9 0 \"L2\"",
            "L 9500 4200 11000 4200 solid 0",
            "L 9500 4200 9500 4700 solid 0",
            "L 11000 4200 11000 4450 solid 0",
            "L 9500 4700 11000 4450 solid 0",
            "L 9900 4200 9900 4640 solid 0",
            "L 10250 4200 10250 4590 solid 0",
            "T 9000 4350 9 0 \"σmax\"",
            "T 10650 4550 9 0 \"σmin\"",
            "T 9600 4350 9 0 \"σ1\"",
            "T 10300 4280 9 0 \"σ2\"",
        });
    EXPECT_EQ(page.draw(), expected);
    EXPECT_EQ(page.error, "");
}

}  // namespace
}  // namespace pelzaro
