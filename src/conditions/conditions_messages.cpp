#include "conditions/conditions_messages.h"

#include <map>

namespace pelzaro {

std::string tooLargeMessage(const std::string& fieldName) {
    static const std::map<std::string, std::string> names = {
        {"txt2", "コンクリートの設計基準強度"},
        {"txt3", "鉄筋の許容引張応力度"},
        {"txt13", "短期の鉄筋の許容引張応力度"},
        {"txt4", "許容地耐力度"},
        {"txt5", "土の単位体積重量"},
        {"txt6", "鉄筋コンクリートの単位体積重量"},
        {"txt14", "土の粘着力"},
        {"txt8", "内部摩擦角"},
        {"txt11", "内部摩擦角度"},
        {"txt9", "底面の摩擦係数"},
        {"txt10", "壁背面と土との間の壁面摩擦角"},
        {"txt12", "壁背面と土との間の壁面摩擦角"},
        {"txt15", "主働土圧係数"},
        {"Text1", "水平震度"},
        {"Text2", "鉛直震度"},
    };
    auto it = names.find(fieldName);
    std::string name = it == names.end() ? "入力値" : it->second;
    return name + "が大きすぎます。正しい値を入力してください。";
}

std::string refusalMessage(CalcRefusal refusal) {
    switch (refusal) {
        case CalcRefusal::KvAtLeastOne:
            return "鉛直震度は1未満にしてください。";
        case CalcRefusal::AngleSumAt90:
            return "壁面摩擦角と地震合成角の和が90゜以上のため主働土圧係数を計算できません。"
                   "入力値を確認してください。";
        case CalcRefusal::NegativeRoot:
            return "内部摩擦角と壁面摩擦角の組合せでは主働土圧係数を計算できません。"
                   "入力値を確認してください。";
        case CalcRefusal::PhiZero:
            return "内部摩擦角が0゜のため壁面摩擦角を計算できません。"
                   "内部摩擦角を入力してください。";
        case CalcRefusal::NoWallFriction:
            return "この内部摩擦角と震度では壁面摩擦角を計算できません。入力値を確認してください。";
        case CalcRefusal::NotFinite:
        case CalcRefusal::None:
            break;
    }
    return "計算結果が大きすぎるため計算できません。入力値を確認してください。";
}

}  // namespace pelzaro
