#pragma once
// The texts of the stability section, exactly as the report prints them, with their own
// half-width and full-width blanks. Kept in one place so that no printer retypes one.

namespace pelzaro::kentou {

inline constexpr const char kIndent12[] = "            ";
inline constexpr const char kHeading[] = "－２ 安定性の検討";
inline constexpr const char kOverturningTitle[] = "            １）転倒に対する検討";
inline constexpr const char kNoOverturning[] = "                対称土圧の為、転倒は生じない。";
inline constexpr const char kMrLabel[] = "                抵抗モーメント Mr=ΣV･x=";
inline constexpr const char kMoLabel[] = "                転倒モーメント Mo=ΣH･y=";
inline constexpr const char kMomentUnit[] = "kNm/m";
inline constexpr const char kDLine[] = "                合力の作用位置  d=(Mr－Mo)/ΣV=(";
inline constexpr const char kMinus[] = "－";
inline constexpr const char kCloseOver[] = ")/";
inline constexpr const char kEquals[] = "=";
inline constexpr const char kMetre[] = "m";
inline constexpr const char kELine[] = "                偏　心　距　離  e=(B/2)－d=(";
inline constexpr const char kHalfMinus[] = "/2)－";
inline constexpr const char kPassB6[] = "m < B/6=";
inline constexpr const char kOver6[] = "/6=";
inline constexpr const char kOK[] = "m ∴ O.K";
inline constexpr const char kFailB6[] = "m > B/6=";
inline constexpr const char kPassB2[] = "m < B/2=";
inline constexpr const char kOver2[] = "/2=";
inline constexpr const char kFailB2[] = "m > B/2=";
inline constexpr const char kPassB3[] = "m < B/3=";
inline constexpr const char kOver3[] = "/3=";
inline constexpr const char kFailB3[] = "m > B/3=";
inline constexpr const char kFLine[] = "                転 倒 安 全 率  F=Mr/Mo=";
inline constexpr const char kSlash[] = "/";
inline constexpr const char kPass15[] = " > 1.5  ∴ O.K";
inline constexpr const char kFail15[] = " < 1.5";
inline constexpr const char kPass10[] = " > 1.0  ∴ O.K";
inline constexpr const char kFail10[] = " < 1.0";
inline constexpr const char kPass12[] = " > 1.2  ∴ O.K";
inline constexpr const char kFail12[] = " < 1.2";
inline constexpr const char kDCheckFirst[] = "                合力の作用位置  d=(Mr－Mo)/ΣV";
inline constexpr const char kDCheckSecond[] = "                                 =(";
inline constexpr const char kBearingTitle[] = "            ２）地盤支持力(接地圧)に対する検討";
inline constexpr const char kMoZero[] = "                転倒モーメント Mo=ΣH･y=0kNm/m";
inline constexpr const char kBearingDLine[] = "                合力の作用位置 d=(Mr－Mo)/ΣV=(";
inline constexpr const char kBearingENormal[] = "                偏  心  距  離 e=(B/2)－d=(";
inline constexpr const char kBearingESeismic[] = "                偏　心　距　離 e=(B/2)－d=(";
inline constexpr const char kSigmaMaxFull[] =
    "                最 大 接 地 圧 σmax=(ΣV/B)･{1＋(6e/B)}";
inline constexpr const char kFormulaNumbers[] = "                           　　     =(";
inline constexpr const char kPlusSixE[] = ")×{1＋(6×";
inline constexpr const char kCloseBrace[] = ")}";
inline constexpr const char kFormulaResult[] = "                          　　      =";
inline constexpr const char kPressureUnit[] = "kN/m2";
inline constexpr const char kSigmaMinFull[] =
    "                最 小 接 地 圧 σmin=(ΣV/B)･{1－(6e/B)}";
inline constexpr const char kMinusSixE[] = ")×{1－(6×";
inline constexpr const char kSigmaMaxLifted[] =
    "                最 大 接 地 圧 σmax=(ΣV/B)･[2/{3×(1/2－e/B)}]";
inline constexpr const char kLiftedOpen[] = ")×[2/{3×(1/2－";
inline constexpr const char kLiftedClose[] = ")}]";
inline constexpr const char kSigmaMinZero[] = "                最 小 接 地 圧 σmin=0kN/m2";
inline constexpr const char kBothBelow[] = "                               σmax,σmin < ";
inline constexpr const char kPressureOK[] = "kN/m2  ∴ O.K";
inline constexpr const char kMaxBelow[] = "                               σmax < ";
inline constexpr const char kBothAbove[] = "                               σmax,σmin > ";
inline constexpr const char kPressureNG[] = "kN/m2  ∴ NG";
inline constexpr const char kMaxAbove[] = "                               σmax > ";
inline constexpr const char kSlidingTitle[] = "            ３）滑り出しに対する検討";
inline constexpr const char kNoSliding[] = "                対称土圧の為､滑動は生じない｡";
inline constexpr const char kSumHCompact[] = "                水平力の総和 ΣH=";
inline constexpr const char kForceUnit[] = "kN/m";
inline constexpr const char kSumHLine[] = "                水 平 力 の 総 和 ΣH=";
inline constexpr const char kRHFull[] = "                滑動に対する抵抗力 RH=C･B＋ΣV･μ=";
inline constexpr const char kTimes[] = "×";
inline constexpr const char kPlus[] = "＋";
inline constexpr const char kTimesOpen[] = "×(";
inline constexpr const char kClosePlus[] = ")＋";
inline constexpr const char kAeffLine[] = "                底版の有効載荷面積 A'=B-2e=";
inline constexpr const char kMinusTwice[] = "－2×";
inline constexpr const char kAreaUnit[] = "m2/m";
inline constexpr const char kRHEffective[] = "                滑動に対する抵抗力 RH=C･A'＋ΣV･μ=";
inline constexpr const char kFKatsudou[] = "                滑 動 安 全 率      F=RH/ΣH=";
inline constexpr const char kPassToKey[] = " > 1.0  ――-> 突起を設ける";
inline constexpr const char kLabelB[] = "Ｂ";
inline constexpr const char kSigmaMax[] = "σmax";
inline constexpr const char kSigmaMin[] = "σmin";
inline constexpr const char kWedgeAngle[] = "45ﾟ＋φB/2";
inline constexpr const char kH0[] = "H0";
inline constexpr const char kL1[] = "L1";
inline constexpr const char kL[] = "L";
inline constexpr const char kL2[] = "L2";
inline constexpr const char kSigma1[] = "σ1";
inline constexpr const char kSigma2[] = "σ2";
inline constexpr const char kQ1[] = "ｑ1";
inline constexpr const char kQ2[] = "ｑ2";
inline constexpr const char kQ3[] = "ｑ3";
inline constexpr const char kKeyTitle[] = "              ・突起の計算";
inline constexpr const char kH0Line[] = "                 H0=";
inline constexpr const char kLLine[] = "                  L=H0･tan(45ﾟ＋φB/2)=";
inline constexpr const char kTanOpen[] = "×tan{45ﾟ＋(";
inline constexpr const char kHalfDegClose[] = "ﾟ/2)}=";
inline constexpr const char kSigmaMinLine[] = "                σmin=";
inline constexpr const char kSigma1Line[] = "                σ1=";
inline constexpr const char kSigma2Mid[] = "kN/m2   σ2=";
inline constexpr const char kSigma0Line[] = "                σ0=(σ1＋σ2)/2=(";
inline constexpr const char kHalfEquals[] = ")/2=";
inline constexpr const char kPSymbols[] = "                  P=σ0･tan^2(45ﾟ＋φB/2)";
inline constexpr const char kPNumbers[] = "                   =";
inline constexpr const char kTan2Open[] = "×tan^2{45ﾟ＋(";
inline constexpr const char kW1Variant1[] =
    "                 W1={(σmax＋σ1)/2}･L1＋{(σ2＋σmin)/2}･L2";
inline constexpr const char kW1Numbers[] = "                   ={(";
inline constexpr const char kHalfTimes[] = ")/2}×";
inline constexpr const char kPlusBrace[] = "＋{(";
inline constexpr const char kW1Variant2[] =
    "                 W1={(σmin＋σ1)/2}･L1＋{(σ2＋σmax)/2}･L2";
inline constexpr const char kW1Variant3[] = "                 W1={(σmax＋σ1)/2}･L1＋(σ2/2)･L2";
inline constexpr const char kPlusParen[] = "＋(";
inline constexpr const char kSlashHalfTimes[] = "/2)×";
inline constexpr const char kW1Variant4[] = "                 W1=(σ1)/2･L1＋{(σ2＋σmax)/2}･L2";
inline constexpr const char kW1Numbers4[] = "                   =(";
inline constexpr const char kFTokkiB[] = "                滑動安全率 F=(C･B＋W1･μ＋P･H0)/∑H";
inline constexpr const char kFTokkiNumbers[] = "                            =(";
inline constexpr const char kFTokkiResult[] = "                            =";
inline constexpr const char kFTokkiA[] = "                滑動安全率 F=(C･A'＋W1･μ＋P･H0)/∑H";
inline constexpr const char kHkFront[] =
    "                せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+{(q2+q3)/2}･L2･tanφB";
inline constexpr const char kCohesionTerm[] = "+c･L1";
inline constexpr const char kHkBack[] =
    "                せん断抵抗力 Hk={(q2+q3)/2}･L1･tanφ+{(q1+q3)/2}･L2･tanφB";
inline constexpr const char kHkNumbers1[] = "                               ={(";
inline constexpr const char kHkNumbers2[] = "                                ＋{(";
inline constexpr const char kHkNumbers2Lifted[] = "                                ＋(";
inline constexpr const char kHkResult[] = "                               =";
inline constexpr const char kHkCohesion[] = "                                ＋";
inline constexpr const char kFHkLine[] = "                  滑動安全率  F=Hk/∑H=";
// The lifted-base formula with the maximum at the front, without its cohesion term; with
// cohesion the printer closes it with kCohesionTerm, as it does the other two.
inline constexpr const char kHkFrontLiftedNoC[] =
    "                せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+(q3/2)･L2･tanφB";

}  // namespace pelzaro::kentou
