#include "stability/calc/stability_outcome.h"

namespace pelzaro {

std::string stabilityRefusalMessage(StabilityOutcome outcome) {
    switch (outcome) {
        case StabilityOutcome::Ok:
            return {};
        case StabilityOutcome::NoWallHeight:
            return "底版上面からのたて壁の高さが０です。寸法を確認してください。";
        case StabilityOutcome::NoBaseWidth:
            return "底版巾Ｂが０以下です。寸法を確認してください。";
        case StabilityOutcome::HeelWithoutThickness:
            return "かかと版の厚さが０です。寸法を確認してください。";
        case StabilityOutcome::ToeWithoutThickness:
            return "つま先版の厚さが０です。寸法を確認してください。";
        case StabilityOutcome::NoOverturningMoment:
            return "転倒モーメントが０です。主働土圧係数と上載荷重を確認してください。";
        case StabilityOutcome::NoVerticalLoad:
            return "鉛直力の合計が０以下です。寸法と単位体積重量を確認してください。";
        case StabilityOutcome::ResultantOutsideBase:
            return "合力の作用位置が底版の外にあります（ｅ≧Ｂ/2）。寸法を確認してください。";
        case StabilityOutcome::NoHorizontalForce:
            return "水平力の合計が０です。主働土圧係数と上載荷重を確認してください。";
        case StabilityOutcome::NoContactLength:
            return "底版の接地長さが０です。寸法を確認してください。";
        case StabilityOutcome::TooLarge:
            return "計算値が大きすぎます。入力値を確認してください。";
    }
    return {};
}

}  // namespace pelzaro
