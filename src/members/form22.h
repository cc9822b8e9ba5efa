#pragma once
// Form22: the rebar-cover dialog. One cover per member group (walls, base slab, heel, toe,
// shear key); OK writes the covers to the design state and the member-design page and
// designs again the rows with a bar kind whose cover changed, Cancel discards the dialog.

#include <string>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form22 : public Window {
  public:
    explicit Form22(App& app);

    void cmd1_Click();  // ＯＫ
    void cmd2_Click();  // キャンセル

    Label lbl1{*this, "lbl1", "鉄筋のかぶり厚さ"};
    Label lbl2{*this, "lbl2", "コンクリート表面から鉄筋表面までの最小間隔"};
    Label lbl3{*this, "lbl3", "土に接する部分：60mm以上"};
    Label lbl4{*this, "lbl4", "その他の部分　：40mm以上"};
    Label lbl5{*this, "lbl5", "たて壁"};
    TextBox txt1{*this, "txt1"};
    Label lbl6{*this, "lbl6", "mm"};
    Label lbl9{*this, "lbl9", "底　版"};
    TextBox txt3{*this, "txt3"};
    Label lbl10{*this, "lbl10", "mm"};
    Label lbl11{*this, "lbl11", "かかと版"};
    TextBox txt4{*this, "txt4"};
    Label lbl12{*this, "lbl12", "mm"};
    Label lbl13{*this, "lbl13", "つま先版"};
    TextBox txt5{*this, "txt5"};
    Label lbl14{*this, "lbl14", "mm"};
    Label lbl15{*this, "lbl15", "突　起"};
    TextBox txt6{*this, "txt6"};
    Label lbl16{*this, "lbl16", "mm"};
    CommandButton cmd1{*this, "cmd1", "ＯＫ"};
    CommandButton cmd2{*this, "cmd2", "キャンセル"};

  private:
    void layOut();
    void wireHandlers();
    // The entry tests of OK: false after the message of the first box that fails.
    bool coversComplete();
    // The letters of the rows whose cover changed.
    std::string storeCovers();
    void recomputeRows(const std::string& changed);
};

}  // namespace pelzaro
