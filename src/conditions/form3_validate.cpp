// "地盤の形状 >": the page is copied into the design state, checked in a fixed order (the
// first failure speaks and puts the focus where the user mends it) and hands over to the
// ground-shape page.

#include <functional>
#include <string>
#include <vector>

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/host.h"
#include "stability/form23.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
struct Check {
    std::function<bool()> fails;
    std::string message;
    std::function<void()> focus;
};
}  // namespace

void Form3::cmd3_Click() {
    if (!validate()) return;
    app().get<Form23>().Show();
}

bool Form3::validate() {
    ConditionsVars v = state();
    if (TextBox* f = hensuuInto(v).tooLarge) return !reportTooLarge(f);
    commit(v);
    const bool road = opt_D.Value();
    const bool seismic = opt4.Value();
    auto empty = [](const TextBox& t) { return t.Text().empty(); };
    auto caret = [this](TextBox& t) { return [this, &t] { caretAtStart(t); }; };
    const char* phi = road ? "せん断抵抗角を入力してください。" : "内部摩擦角を入力してください。";
    const std::vector<Check> checks = {
        {[&] { return empty(txt1); }, "築造地を入力してください。", caret(txt1)},
        {[&] { return !opt_T.Value() && !road; }, "材料の許容応力度の計算方法を選択してください。",
         [this] { opt_T.SetFocus(); }},
        {[&] { return empty(txt2); }, "コンクリートの設計基準強度を入力してください。",
         caret(txt2)},
        {[&] { return road && state().Fc < 21.0f; },
         "コンクリートの設計基準強度を21N/mm2以上にしてください。", caret(txt2)},
        {[&] { return empty(txt3); }, "鉄筋の許容引張応力度を入力してください。", caret(txt3)},
        {[&] { return empty(txt4); }, "許容地耐力度を入力してください。", caret(txt4)},
        {[&] { return empty(txt5); }, "土の単位体積重量を入力してください。", caret(txt5)},
        {[&] { return empty(txt6); }, "鉄筋コンクリートの単位体積重量を入力してください。",
         caret(txt6)},
        {[&] { return cbo1.Text().empty(); }, "土質を入力してください。",
         [this] { cbo1.SetFocus(); }},
        {[&] { return empty(txt8); }, phi, caret(txt8)},
        {[&] { return empty(txt10); }, "壁背面と土との間の壁面摩擦角を入力してください。",
         caret(txt10)},
        {[&] { return empty(txt12); }, "壁背面と土との間の壁面摩擦角を入力してください。",
         caret(txt12)},
        {[&] { return cbo2.Text().empty(); }, "土質を入力してください。",
         [this] { cbo2.SetFocus(); }},
        // The foundation checks only point at their field: the KA source is not theirs.
        {[&] { return empty(txt14); }, "土の粘着力を入力してください。", caret(txt14)},
        {[&] { return empty(txt11); }, "内部摩擦角度を入力してください。", caret(txt11)},
        {[&] { return empty(txt9); }, "底面の摩擦係数を入力又は計算してください。",
         [this] {
             if (opt5.Value())
                 caretAtStart(txt9);
             else
                 opt5.SetFocus();
         }},
        {[&] { return empty(txt15); }, "主働土圧係数を入力又は計算してください。",
         [this] {
             setBorder(txt15, 1);
             opt1.setValue(true);
             focusField(txt15);
         }},
        {[&] { return seismic && empty(txt13); }, "短期の鉄筋の許容引張応力度を入力してください。",
         caret(txt13)},
        {[&] { return seismic && seismicMethod() == SeismicMethod::None; },
         "地震時水平荷重の計算方法を選択してください。", [this] { showSeismicDialog(); }},
    };
    for (const Check& c : checks) {
        if (!c.fails()) continue;
        showError(host(), c.message);
        c.focus();
        return false;
    }
    return true;
}

}  // namespace pelzaro
