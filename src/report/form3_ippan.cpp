// Report page 1, the design conditions: the case heading and the four numbered blocks (the
// structure, the materials with the allowable stresses of the current case, the soil and
// earth-pressure conditions, the design policy). Running text only: every line starts at the
// left edge and lines up its labels by the blanks inside its literals.

#include "report/conventions.h"
#include "report/report_context.h"
#include "report/sections.h"

namespace pelzaro {

namespace {

// The label of a line whose wording follows the governing standard, or nullptr when no
// standard is chosen (the line is then left out).
const char* byStandard(const PageChoices& o, const char* residential, const char* road) {
    if (o.std_T) return residential;
    if (o.std_D) return road;
    return nullptr;
}

// A line "label value unit" that is printed only when the standard gives it a label.
void standardLine(Surface& pri, const char* label, const std::string& value, const char* unit) {
    if (label != nullptr) pri.Print({label, value, unit});
}

// The earth-pressure method: its heading, then the method line of the case (none without a
// case, or in the seismic case without a seismic method).
void earthPressureBlock(Surface& pri, const Module1& m, const PageChoices& o) {
    const char* heading = "              ○土圧";
    if (o.case_N) {
        pri.Print({heading});
        if (o.kaComputed)
            pri.Print({"             　   クーロンの土圧式による。"});
        else if (o.kaTyped)
            pri.Print({"             　   直接入力 KA=", Num(m.KA, "0.0#")});
    } else if (o.case_S && (o.method_K1 || o.method_D1)) {
        // The Mononobe-Okabe coefficient whatever the source of KA.
        pri.Print({heading});
        pri.Print(
            {"             　   岡部･物部式による。(水平震度 Kh＝", Num(m.Kh, "0.0###"), ")"});
    } else if (o.case_S && o.method_K2) {
        pri.Print({heading});
        if (o.kaComputed)
            pri.Print({"             　   クーロンの土圧式による。(水平震度 Kh＝",
                       Num(m.Kh, "0.0#"), ")"});
        else if (o.kaTyped)
            pri.Print({"             　   直接入力 KA=", Num(m.KA, "0.0#"), " (水平震度 Kh＝",
                       Num(m.Kh, "0.0###"), ")"});
    }
}

}  // namespace

void Form3_Ippan(ReportContext& c) {
    Surface& pri = c.pri;
    const Module1& m = c.m;
    const PageChoices& o = c.opt;
    const char* nmm2 = " N/mm2";

    for (int i = 0; i < 5; ++i) pri.Print();
    Midashi_Case(pri, o, m.Kh, {"          §１．設計条件"});
    pri.Print();

    // 1-1: the structure.
    pri.Print({"            １－１ 工作物の概要"});
    pri.Print();
    pri.Print({"              ・築造地 ： ", m.Tikuzouti});
    pri.Print();
    pri.Print({"              ・形　式 ： Ｕ型鉄筋コンクリート造擁壁"});
    pri.Print();
    pri.Print();

    // 1-2: materials and the allowable stresses of the current case.
    pri.Print({"            １－２ 使用材料及び許容応力度"});
    pri.Print();
    pri.Print({"                 ・ コンクリート"});
    standardLine(pri,
                 byStandard(o, "                      設計基準強度     ： Ｆc= ",
                            "                      設計基準強度     ：σck= "),
                 Num(m.Fc, "0"), nmm2);
    pri.Print({"                      許容圧縮応力度   ：σca= ", Num(m.Sigma_ca, "0.0#"), nmm2});
    pri.Print({"                      許容せん断応力度 ：τca= ", Num(m.Tau_a1, "0.0#"), nmm2});
    standardLine(pri,
                 byStandard(o, "                      許容付着応力度   ： ｆa= ",
                            "                      許容付着応力度   ：τ0a= "),
                 Num(m.Tau_0a, "0.0#"), nmm2);
    pri.Print();
    pri.Print({"                 ・ 鉄　筋"});
    // The steel: long-term in the normal case, short-term in the seismic case.
    if (const char* label = byStandard(o, "                      許容引張応力度   ：ｆt= ",
                                       "                      許容引張応力度   ：σsa= ")) {
        if (o.case_N)
            pri.Print({label, Num(m.Sigma_sa_N, "0.0#"), nmm2});
        else if (o.case_S)
            pri.Print({label, Num(m.Sigma_sa_S, "0.0#"), nmm2});
    }
    pri.Print();
    pri.Print({"             　  ・ 鉄筋コンクリート"});
    pri.Print({"                      単位体積重量     ：γ= ", Num(m.Gamma_C, "0.0#"), " kN/m3"});
    pri.Print();
    pri.Print();

    // 1-3: the backfill, the earth pressure and the foundation ground.
    pri.Print({"            １－３ 設計条件"});
    pri.Print();
    pri.Print({"              ◎背面土"});
    pri.Print({"             　  ・土質の種類          ： ", m.Dositu_Haimen});
    pri.Print({"             　  ・土の単位体積重量    ：γs= ", Num(m.Gamma_S, "0.0#"), " kN/m3"});
    standardLine(pri,
                 byStandard(o, "             　  ・内部摩擦角          ： φ= ",
                            "             　  ・せん断抵抗角        ： φ= "),
                 Num(m.Phi, "0.0#"), "°");
    // The backfill is taken without cohesion.
    pri.Print({"               　・粘 着 力            ： Ｃ= 0 kN/m2"});
    // A flag never set counts as typed; a value other than 0 or 1 prints no line.
    const int deltaCalc = m.Flg_DeltaCalc;
    if (deltaCalc == 0)
        pri.Print({"             　  ・仮想背面と土との摩擦角：（安定計算時）δ=",
                   Num(m.Delta, "0.00"), "°"});
    else if (deltaCalc == 1)
        pri.Print({"             　  ・仮想背面と土との摩擦角：（安定計算時）δ= 計算による"});
    pri.Print({"             　  ・壁背面と土との摩擦角  ：（断面計算時）δ=",
               Num(m.Delta_Danmen, "0.00"), "°"});
    pri.Print();
    earthPressureBlock(pri, m, o);
    pri.Print();
    pri.Print({"              ◎基礎地盤"});
    pri.Print({"             　  ・土質の種類          ： ", m.Dositu_Kiso});
    standardLine(pri,
                 byStandard(o, "             　  ・内部摩擦角          ： φ= ",
                            "             　  ・せん断抵抗角        ： φ= "),
                 Num(m.Phi_B, "0.0#"), "°");
    // C is exactly 0 when cohesion is not considered.
    if (m.C != 0.0f)
        pri.Print({"             　  ・粘 着 力            ： Ｃ= ", Num(m.C, "0.0"), " kN/m2"});
    else
        pri.Print({"             　  ・粘 着 力            ： Ｃ= 0", " kN/m2"});
    standardLine(pri,
                 byStandard(o, "                 ・許容応力度(地耐力)  ： fe= ",
                            "                 ・許容応力度(地耐力)  ：ｑa= "),
                 Num(m.Qa, "0"), " kN/m2");
    if (o.muTyped)
        pri.Print({"             　  ・底面の摩擦係数      ： μ= ", Num(m.Mu, "0.0#")});
    else if (o.muTanPhi)
        pri.Print({"             　  ・底面の摩擦係数      ： μ=tan", Num(m.Phi_B, "0.0#"),
                   "°= ", Num(m.Mu, "0.00#")});
    pri.Print();
    pri.Print();

    // 1-4: the design policy and the standards followed.
    pri.Print({"            １－４ 設計方針"});
    pri.Print();
    pri.Print(
        {"              ・　本計算は、片持梁式鉄筋コンクリート擁壁として、すべて土圧にて行う。"});
    pri.Print();
    if (o.std_T) {
        pri.Print(
            {"              "
             "・　本計算は、宅地造成及び特定盛土等規制法、同施行令、建築基準法、同施行令"});
        pri.Print(
            {"                "
             "及び、日本建築学会諸基準「鉄筋コンクリート構造計算基準、建築基礎構造設計指針」"});
        pri.Print({"                に準拠して行う｡ "});
        pri.Print(
            {"　　　            なお、応力計算は、日本土木学会「コンクリート標準示方書」による。"});
    } else if (o.std_D) {
        pri.Print(
            {"              "
             "・　本計算は、(社)日本道路協会「道路土工(擁壁工指針)」及び、日本土木学会"});
        pri.Print({"                「コンクリート標準示方書」に準拠して行う。"});
    }
}

}  // namespace pelzaro
