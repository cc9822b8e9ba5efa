#pragma once
// The texts of the wall drawing: its headings, surcharge labels, part numbers and closing lines.

namespace pelzaro {
namespace drawing_text {

constexpr const char* kChapterLead = "          § ";
constexpr const char* kChapterMid = "．ＲＣ擁壁（";
constexpr const char* kChapterTail = "）の設計";
constexpr const char* kLoadLead = "            ";
constexpr const char* kLoadTitle = "－１ 荷重の計算";
constexpr const char* kSurcharge = "上載荷重";
constexpr const char* kSurchargeWide = "上載荷重 ";
constexpr const char* kPerSquareMetre = "kN/m2";
constexpr const char* kBetaLine = "                   地表面と水平面とのなす角度 β=0ﾟ";
constexpr const char* kThetaLead = "                   壁背面と鉛直面とのなす角度 θ=";
constexpr const char* kThetaTail = "ﾟ（仮想背面）";
constexpr const char* kHeightLead = "                   粘着力０の土圧に対しては、H=Ho=";
constexpr const char* kMetre = "m";
constexpr const char* kPartNumber[8] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧"};

}  // namespace drawing_text
}  // namespace pelzaro
