#pragma once
// Form7: the member-design page. One row per member part A to H (controls numbered 1, 2,
// 5 to 10 and lettered a, b, e to j): bar kind, cover, computed and design bar spacing and the
// four stress results. Above the table the surcharge-inertia line and the KA of the member
// design; below it the four steps, the sketch of the wall and the two buttons.

#include <array>
#include <initializer_list>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

struct RowDesign;
namespace members {
struct StressResult;
}

// The controls of one member-part row, so that the procedures shared by the eight rows can
// be written once. `letter` is 'A' to 'H'; `number` is the control number (1, 2, 5 .. 10).
struct Form7Row {
    char letter;
    int number;
    Label* groupCaption;  // null for the rows that share the group caption of the row above
    Label* caption;
    ComboBox* barKind;
    Label* cover;
    Label* computedSpacing;
    TextBox* designSpacing;
    Label* sigmaC;
    Label* sigmaS;
    Label* tauC;
    Label* verdict;
};

class Form7 : public Window {
  public:
    explicit Form7(App& app);

    void Form_Load() override;
    void Form_Activate() override;

    // The page reset called by every edit of the earlier pages.
    void Hihyouji_3();
    // Results that do not stand go, the user's inputs stay: every row's computed spacing and
    // stress results are emptied, its bar kind and design spacing and the KA kept, and the
    // stress check is withdrawn. For a project whose recalculation did not complete.
    void withholdResults();
    // While a project is being opened, a row that cannot be designed keeps the bar kind the
    // file holds (a user's own pick that the row refuses is withdrawn).
    bool restoringProject = false;
    // While Open sets the bar kinds from the file, before the ground reaction of the file's wall
    // is computed, a pick designs no row: Open designs every row once the reaction stands.
    bool rowsWaitForTheReaction = false;
    // Ground reaction, base-slab loads and the back-face angle (member calculation).
    void TEKKIN();
    // Earth-pressure coefficient of the member design, written to txt_ka without a border.
    void Doatu();
    // The notice that the KA of the member design is missing.
    void Tyuui();

    // Forces and required spacing of one row, run by the row's bar-kind choice.
    void cmd_r1();
    void cmd_r2();
    void cmd_r5();
    void cmd_r6();
    void cmd_r7();
    void cmd_r8();
    void cmd_r9();
    void cmd_r10();

    // Stress check of one row; reads the row's design spacing itself.
    void Ouryoku_1();
    void Ouryoku_2();
    void Ouryoku_5();
    void Ouryoku_6();
    void Ouryoku_7();
    void Ouryoku_8();
    void Ouryoku_9();
    void Ouryoku_10();

    // The three validation messages of "応力度計算".
    void Er_Syurui();
    void Er_Kankaku1();
    void Er_Kankaku2();

    // Handlers of the buttons, callable by name.
    void cmd1_Click();  // 応力度計算
    void cmd3_Click();  // < 寸法の変更
    void cmd4_Click();  // 直接入力
    void cmd5_Click();  // 計算する
    void cmd6_Click();  // 変更
    void chk_1_Click();

    // The rows A to H, top to bottom.
    const std::array<Form7Row, 8>& rows() const { return rows_; }
    // The row of part 'A' .. 'H'.
    const Form7Row& row(char letter) const;
    // The procedure of a row by its letter: runs cmd_rN / Ouryoku_N.
    // Returns whether the row was designed (false after a refusal or without a KA).
    bool runRowProcedure(char letter);
    void runStressCheck(char letter);
    // An edit that empties rows (bar kind, computed and design spacing, results) withdraws the
    // stress check with them.
    void emptyRowsByEdit(std::initializer_list<char> letters);
    // The stress check no longer holds: marker reset, overwrite save and print image disabled.
    void withdrawStressCheck();
    // Rows designed on a ground reaction, a wall or page choices other than those the design
    // state holds now no longer stand: they are emptied and the stress check is withdrawn.
    void withdrawRowsNotStanding();

    // --- head of the page ---
    Label Label72{*this, "Label72", "断 面 計 算"};
    Label Label18{*this, "Label18", "たて壁は、背面土の土圧で計算"};
    CheckBox chk_1{*this, "chk_1", "上載荷重の慣性力を算入する"};
    Label lbl_1{*this, "lbl_1", "作用位置：底盤下端より"};
    TextBox txt_1{*this, "txt_1"};
    Label lbl_2{*this, "lbl_2", "m"};

    Frame Frame1{*this, "Frame1", ""};
    Label Label28{*this, "Label28", "主働土圧係数", &Frame1};
    Label Label81{*this, "Label81", "KA=", &Frame1};
    TextBox txt_ka{*this, "txt_ka", &Frame1};
    OptionButton opt1{*this, "opt1", "", &Frame1};
    CommandButton cmd4{*this, "cmd4", "直接入力", &Frame1};
    OptionButton opt2{*this, "opt2", "", &Frame1};
    CommandButton cmd5{*this, "cmd5", "計算する", &Frame1};

    // --- column headings ---
    Label Label59{*this, "Label59", "部　分"};
    Label Label60{*this, "Label60", "計算箇所"};
    Label Label15{*this, "Label15", "鉄筋の種類"};
    Label Label37{*this, "Label37", "鉄筋かぶり厚"};
    Label Label20{*this, "Label20", "鉄筋の間隔"};
    Label Label11{*this, "Label11", "計算"};
    Label Label12{*this, "Label12", "設計"};
    Label Label35{*this, "Label35", "圧  縮応力度"};
    Label Label24{*this, "Label24", "σc(N/mm2)"};
    Label Label36{*this, "Label36", "引  張応力度"};
    Label Label25{*this, "Label25", "σs(N/mm2)"};
    Label Label44{*this, "Label44", "せん断応力度"};
    Label Label27{*this, "Label27", "τc(N/mm2)"};
    Label Label38{*this, "Label38", "判定"};
    Label Label21{*this, "Label21", "(mm)"};
    Label Label52{*this, "Label52", "(mm)"};
    Label Label23{*this, "Label23", "(mm)"};
    CommandButton cmd6{*this, "cmd6", "変更"};

    // --- group and row captions ---
    Label Label63{*this, "Label63", "たて壁"};
    Label Label76{*this, "Label76", "底　版"};
    Label Label14{*this, "Label14", "かかと版"};
    Label Label19{*this, "Label19", "つま先版"};
    Label Label13{*this, "Label13", "突　起"};
    Label Label1{*this, "Label1", "Ａ 中央部"};
    Label Label2{*this, "Label2", "Ｂ 固定部"};
    Label Label5{*this, "Label5", "Ｃ 中央部"};
    Label Label6{*this, "Label6", "Ｄ前固定部"};
    Label Label7{*this, "Label7", "Ｅ後固定部"};
    Label Label8{*this, "Label8", "Ｆ 固定部"};
    Label Label9{*this, "Label9", "Ｇ 固定部"};
    Label Label10{*this, "Label10", "Ｈ 固定部"};

    // --- bar kinds (pick-only lists of the 21 bar kinds) ---
    ComboBox cbo1{*this, "cbo1", 2};
    ComboBox cbo2{*this, "cbo2", 2};
    ComboBox cbo5{*this, "cbo5", 2};
    ComboBox cbo6{*this, "cbo6", 2};
    ComboBox cbo7{*this, "cbo7", 2};
    ComboBox cbo8{*this, "cbo8", 2};
    ComboBox cbo9{*this, "cbo9", 2};
    ComboBox cbo10{*this, "cbo10", 2};

    // --- covers, mm ---
    Label lbl_r1{*this, "lbl_r1", "60"};
    Label lbl_r2{*this, "lbl_r2", "60"};
    Label lbl_r5{*this, "lbl_r5", "60"};
    Label lbl_r6{*this, "lbl_r6", "60"};
    Label lbl_r7{*this, "lbl_r7", "60"};
    Label lbl_r8{*this, "lbl_r8", "60"};
    Label lbl_r9{*this, "lbl_r9", "60"};
    Label lbl_r10{*this, "lbl_r10", "60"};

    // --- computed (largest admissible) bar spacings, mm ---
    Label lbl_ra{*this, "lbl_ra"};
    Label lbl_rb{*this, "lbl_rb"};
    Label lbl_re{*this, "lbl_re"};
    Label lbl_rf{*this, "lbl_rf"};
    Label lbl_rg{*this, "lbl_rg"};
    Label lbl_rh{*this, "lbl_rh"};
    Label lbl_ri{*this, "lbl_ri"};
    Label lbl_rj{*this, "lbl_rj"};

    // --- design bar spacings, mm ---
    TextBox txt1{*this, "txt1"};
    TextBox txt2{*this, "txt2"};
    TextBox txt5{*this, "txt5"};
    TextBox txt6{*this, "txt6"};
    TextBox txt7{*this, "txt7"};
    TextBox txt8{*this, "txt8"};
    TextBox txt9{*this, "txt9"};
    TextBox txt10{*this, "txt10"};

    // --- results: σc, σs, τc, verdict per row ---
    Label lbl1{*this, "lbl1"}, lbl2{*this, "lbl2"}, lbl3{*this, "lbl3"}, lbl4{*this, "lbl4"};
    Label lbl5{*this, "lbl5"}, lbl6{*this, "lbl6"}, lbl7{*this, "lbl7"}, lbl8{*this, "lbl8"};
    Label lbl17{*this, "lbl17"}, lbl18{*this, "lbl18"}, lbl19{*this, "lbl19"},
        lbl20{*this, "lbl20"};
    Label lbl21{*this, "lbl21"}, lbl22{*this, "lbl22"}, lbl23{*this, "lbl23"},
        lbl24{*this, "lbl24"};
    Label lbl25{*this, "lbl25"}, lbl26{*this, "lbl26"}, lbl27{*this, "lbl27"},
        lbl28{*this, "lbl28"};
    Label lbl29{*this, "lbl29"}, lbl30{*this, "lbl30"}, lbl31{*this, "lbl31"},
        lbl32{*this, "lbl32"};
    Label lbl33{*this, "lbl33"}, lbl34{*this, "lbl34"}, lbl35{*this, "lbl35"},
        lbl36{*this, "lbl36"};
    Label lbl37{*this, "lbl37"}, lbl38{*this, "lbl38"}, lbl39{*this, "lbl39"},
        lbl40{*this, "lbl40"};

    // --- foot: the four steps ---
    Label Label22{*this, "Label22", "①主働土圧係数を入力又は計算"};
    Label Label26{*this, "Label26", "②鉄筋の種類を選択"};
    Label Label40{*this, "Label40", "（鉄筋の間隔が計算されます）"};
    Label Label41{*this, "Label41", "③設計上の鉄筋の間隔を入力（３０cm以下）"};
    Label Label43{*this, "Label43", "④応力度計算をクリック（結果が判定されます）"};

    // --- sketch of the U-shaped wall with the member sections ---
    Line figBaseBottom{*this, "figBaseBottom", 5700, 8520, 9900, 8520};
    Line figBaseTop{*this, "figBaseTop", 6300, 8160, 9300, 8160};
    Line figToeEnd{*this, "figToeEnd", 5700, 8160, 5700, 8520};
    Line figToeTop{*this, "figToeTop", 5700, 8160, 6300, 8160};
    Line figHeelEnd{*this, "figHeelEnd", 9900, 8160, 9900, 8520};
    Line figHeelTop{*this, "figHeelTop", 9600, 8160, 9900, 8160};
    Line figFrontOuter{*this, "figFrontOuter", 6300, 5760, 6300, 8160};
    Line figFrontInner{*this, "figFrontInner", 6600, 5760, 6600, 8160};
    Line figFrontTop{*this, "figFrontTop", 6300, 5760, 6600, 5760};
    Line figRearInner{*this, "figRearInner", 9300, 5760, 9300, 8160};
    Line figRearOuter{*this, "figRearOuter", 9600, 5760, 9600, 8160};
    Line figRearTop{*this, "figRearTop", 9300, 5760, 9600, 5760};
    Line figKeyLeft{*this, "figKeyLeft", 9000, 8520, 9000, 8820};
    Line figKeyRight{*this, "figKeyRight", 9300, 8520, 9300, 8820};
    Line figKeyBottom{*this, "figKeyBottom", 9000, 8820, 9300, 8820};
    Line figBackGround{*this, "figBackGround", 9600, 5880, 10800, 5880};
    Line figBackArrow1{*this, "figBackArrow1", 10500, 6600, 9660, 6600};
    Line figBackArrow2{*this, "figBackArrow2", 10500, 7560, 9660, 7560};
    Label figA1{*this, "figA1", "Ａ"};
    Label figB1{*this, "figB1", "Ｂ"};
    Label figA2{*this, "figA2", "Ａ"};
    Label figB2{*this, "figB2", "Ｂ"};
    Label figC{*this, "figC", "Ｃ"};
    Label figD{*this, "figD", "Ｄ"};
    Label figE{*this, "figE", "Ｅ"};
    Label figF{*this, "figF", "Ｆ"};
    Label figG{*this, "figG", "Ｇ"};
    Label figH{*this, "figH", "H"};
    Label figFrontSoil{*this, "figFrontSoil", "前面土"};
    Label figMiddleSoil{*this, "figMiddleSoil", "中央土"};
    Label figBackSoil{*this, "figBackSoil", "背面土"};
    Label figBackPA{*this, "figBackPA", "PA"};
    Label figBackDeltaPA{*this, "figBackDeltaPA", "ΔPA"};
    Label figBackDelta{*this, "figBackDelta", "δ"};
    // Front soil level of one-sided earth pressure; the front earth pressure of the symmetric
    // shape (upper level, two arrows with heads and their labels).
    Line Line100{*this, "Line100", 5400, 7440, 6300, 7440};
    Line Line101{*this, "Line101", 5400, 5880, 6300, 5880};
    Line Line102{*this, "Line102", 5520, 6600, 6240, 6600};
    Line Line103{*this, "Line103", 6240, 6600, 6120, 6540};
    Line Line104{*this, "Line104", 6240, 6600, 6120, 6660};
    Line Line105{*this, "Line105", 5520, 6600, 5520, 6600};
    Line Line106{*this, "Line106", 5520, 7560, 6240, 7560};
    Line Line107{*this, "Line107", 6240, 7560, 6120, 7500};
    Line Line108{*this, "Line108", 6240, 7560, 6120, 7620};
    Line Line109{*this, "Line109", 5520, 7560, 5520, 7560};
    Label Label100{*this, "Label100", "ΔPA"};
    Label Label101{*this, "Label101", "PA"};
    Label Label102{*this, "Label102", "δ"};

    // --- buttons ---
    CommandButton cmd1{*this, "cmd1", "応力度計算"};
    CommandButton cmd3{*this, "cmd3", "< 寸法の変更"};

  private:
    void layOut();
    void layOutHead();
    void layOutHeadings();
    void layOutRows();
    void layOutFoot();
    void layOutFigure();
    void wireHandlers();
    void wireSelection(TextBox& box);
    void wireSpacingField(const Form7Row& r);
    void wireHeightField();
    void wireKaField();
    void wireButtons();

    // The focus stop after the spacing field of a row, skipping absent parts.
    Control& nextStopAfter(char letter);
    // A click or keystroke in a row's spacing field: the row's results no longer hold.
    void spacingFieldEdited(const Form7Row& r);
    void clearRowResults(const Form7Row& r);
    // Bar kind, computed and design spacing and results of a row emptied.
    void emptyRow(const Form7Row& r);
    void emptyAllRows();
    void emptyWallRows();
    void heightFieldChanged();
    bool showRowDesign(const Form7Row& r, const RowDesign& design);
    void giveUpBarKind(const Form7Row& r);
    // "応力度計算": the three validations, in order.
    bool barKindsChosen();
    bool spacingsEntered();
    bool spacingsWithinComputed();
    void showStressResults(const Form7Row& r, const members::StressResult& stress);

    std::array<Form7Row, 8> rows_;
};

}  // namespace pelzaro
