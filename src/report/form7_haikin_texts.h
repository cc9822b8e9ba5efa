#pragma once
// The fixed texts of the member-design chapter page: its heading, the neutral-axis formulas,
// the ordinate and load lines, the angles and the typed and Rankine coefficient lines.

namespace pelzaro::haikin {

constexpr const char* kIndent = "            ";
constexpr const char* kHeading = "－３ 断面の検討";
constexpr const char* kXnHeading = "            中立軸までの距離";
constexpr const char* kXnTrapezoid = "            Xn=(B/2)･[1＋{B/(6e)}]=(";
constexpr const char* kXnTrapezoidB = "/2)×[1＋{";
constexpr const char* kXnTrapezoidE = "/(6×";
constexpr const char* kXnTrapezoidEq = ")}]=";
constexpr const char* kMetre = "m";
constexpr const char* kXnTriangle = "            Xn=3･{(B/2)-e}=3×{(";
constexpr const char* kXnTriangleB = "/2)-";
constexpr const char* kXnTriangleEq = "}=";
constexpr const char* kPressureUnit = "KN/m2";
constexpr const char* kFirstV1 = "            V1=";
constexpr const char* kFirstV4 = "            V4=";
constexpr const char* kFirstV5 = "            V5=";
constexpr const char* kFirstVP = "            VP=";
constexpr const char* kNextV1 = "  V1=";
constexpr const char* kNextV2 = "  V2=";
constexpr const char* kNextV3 = "  V3=";
constexpr const char* kNextV4 = "  V4=";
constexpr const char* kNextV5 = "  V5=";
constexpr const char* kNextVP = "  VP=";
constexpr const char* kNextVR = "  VR=";
constexpr const char* kUniformV = "            V=";
constexpr const char* kLoadW1 = "            W1=(";
constexpr const char* kLoadW2 = "            W2=(";
constexpr const char* kLoadW3 = "            W3=(";
constexpr const char* kLoadW4 = "            W4=(";
constexpr const char* kLoadW5 = "            W5=(";
constexpr const char* kTimes = "×";
constexpr const char* kSoilPlusConcrete = ")＋(";
constexpr const char* kPlusSurcharge = ")＋";
constexpr const char* kEquals = "=";
constexpr const char* kBetaLine = "            地表面と水平面とのなす角度    ：β=";
constexpr const char* kDegree = "ﾟ";
constexpr const char* kThetaLine = "            後壁背面と鉛直面とのなす角度  ：θ=";
constexpr const char* kTypedKA = "            主働土圧係数 KA=";
constexpr const char* kRankine1 = "              主働土圧係数";
constexpr const char* kRankine2 = "               KA=tan^2(45ﾟ-φ/2)";
constexpr const char* kRankine3 = "                 =tan^2(45ﾟ-";
constexpr const char* kRankine3End = "ﾟ/2)";
constexpr const char* kRankine4 = "                 =tan^2(";
constexpr const char* kRankine4End = "ﾟ)";
constexpr const char* kRankine5 = "                 =";

}  // namespace pelzaro::haikin
