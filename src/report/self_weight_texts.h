#pragma once
// The texts of the self-weight table, its centroid lines and the surcharge loads.

namespace pelzaro {
namespace weight_text {

constexpr const char* kSelfWeightHeading = "            １）自 重";
constexpr const char* kHdrSection = "区 分";
constexpr const char* kHdrArea = "面  積 Ａ (m2)";
constexpr const char* kHdrUnitWeight = "単位重量";
constexpr const char* kHdrGamma = "γ(kN/m3)";
constexpr const char* kHdrWeight = "重  量";
constexpr const char* kHdrW = "Ｗ(kN/m)";
constexpr const char* kHdrCentroid = "重心距離 (m)";
constexpr const char* kHdrX = "ｘ";
constexpr const char* kHdrY = "ｙ";
constexpr const char* kHdrMoment = "モーメント(kN･m/m)";
constexpr const char* kHdrWx = "Ｗ･x";
constexpr const char* kHdrWy = "Ｗ･y";
constexpr const char* kTotalLabel = "合   計   Σ";
constexpr const char* kEquals = "＝";
constexpr const char* kCentroidX = "重心 ｘ=ΣW･x/ΣW=";
constexpr const char* kSlash = "/";
constexpr const char* kEq = "=";
constexpr const char* kCentroidY = "　　 ｙ=ΣW･y/ΣW=";
constexpr const char* kNoCentroid = "――";
constexpr const char* kTimes = "×";
constexpr const char* kTimesOpen = "×(";
constexpr const char* kPlus = "＋";
constexpr const char* kCloseHalf = ")/2";
constexpr const char* kOpen = "(";
constexpr const char* kCloseTimes = ")×";
constexpr const char* kHalf = "/2";
constexpr const char* kClose = ")";
constexpr const char* kSurchargeHeading = "　          ２）上載荷重";
constexpr const char* kBackLoad = "                背面上載荷重･･･W=";
constexpr const char* kPerMetre = "kN/m";
constexpr const char* kCentreLoad = "                中央上載荷重･･･W=";
constexpr const char* kFrontLoad = "                前面上載荷重･･･W=";
constexpr const char* kMetre = "m";
constexpr const char* kRowLabel[8] = {"①前たて壁", "②後たて壁", "③ 底　版", "④かかと版",
                                      "⑤つま先版", "⑥ 中央土",  "⑦ 背面土", "⑧ 前面土"};

}  // namespace weight_text
}  // namespace pelzaro
