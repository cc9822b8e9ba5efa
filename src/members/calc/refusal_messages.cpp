#include "members/calc/refusal_messages.h"

namespace pelzaro::members {
namespace {

const char* const kCheckStability = "地盤反力を計算できません。安定計算の結果を確認してください。";
const char* const kOutOfRange = "計算結果が数値の範囲を超えました。入力値を確認してください。";
const char* const kThinSection =
    "部材厚が鉄筋中心までの距離（かぶり厚＋鉄筋径の1/2）以下のため、計算できません。";

}  // namespace

std::string refusalMessage(ReactionRefusal why) {
    switch (why) {
        case ReactionRefusal::None:
            return "";
        case ReactionRefusal::NotFinite:
            return kOutOfRange;
        default:
            return kCheckStability;
    }
}

std::string refusalMessage(CoefficientRefusal why) {
    switch (why) {
        case CoefficientRefusal::None:
        case CoefficientRefusal::NoFormula:
            return "";
        case CoefficientRefusal::VerticalUnity:
            return "鉛直震度が1のため、主働土圧係数を計算できません。";
        default:
            return "この角度の組合せでは主働土圧係数を計算できません。角度を確認してください。";
    }
}

std::string refusalMessage(ForceRefusal why) {
    switch (why) {
        case ForceRefusal::None:
            return "";
        case ForceRefusal::NoWallSection:
            return "たて壁の断面積が0のため、計算できません。寸法を確認してください。";
        case ForceRefusal::NoWallHeight:
            return "たて壁の高さが0のため、計算できません。寸法を確認してください。";
        case ForceRefusal::ContactOutsideMethod:
            return "地盤反力がこの部材の途中で0になるため、この計算方法の適用範囲外です。"
                   "寸法を見直してください。";
        case ForceRefusal::NoBase:
            return kCheckStability;
        default:
            return kOutOfRange;
    }
}

std::string refusalMessage(SpacingStatus why) {
    switch (why) {
        case SpacingStatus::Ok:
        case SpacingStatus::NoForces:
            return "";
        case SpacingStatus::ThicknessNotLargerThanBarCentre:
            return kThinSection;
        case SpacingStatus::NoBarKind:
            return "鉄筋の種類を選択してください。";
        case SpacingStatus::ZeroAllowableSteelStress:
            return "鉄筋の許容引張応力度が0以下のため、計算できません。設計条件を確認してください"
                   "。";
        case SpacingStatus::ZeroAllowableBondStress:
            return "許容付着応力度が0以下のため、計算できません。設計条件を確認してください。";
        default:
            return kOutOfRange;
    }
}

std::string refusalMessage(StressStatus why) {
    switch (why) {
        case StressStatus::Ok:
            return "";
        case StressStatus::SpacingNotPositive:
            return "設計上の鉄筋の間隔に0より大きい値を入力してください。";
        case StressStatus::DepthNotPositive:
            return kThinSection;
        case StressStatus::NoSteel:
            return "鉄筋の種類を選択してください。";
        default:
            return kOutOfRange;
    }
}

}  // namespace pelzaro::members
