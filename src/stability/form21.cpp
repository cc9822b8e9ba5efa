#include "stability/form21.h"

namespace pelzaro {

Form21::Form21(App& app)
    : Window(app, "Form21", "Pelzaro", WindowRole::Dialog, 7200, 7320),
      Label1(*this, "Label1", "安全性の検討方法（地震時）"),
      Frame1(*this, "Frame1", "転倒に対する検討"),
      opt1(*this, "opt1", "転倒安全率 Ｆ≧1.0 による", &Frame1),
      opt2(*this, "opt2", "転倒安全率 Ｆ≧1.2 による", &Frame1),
      opt3(*this, "opt3", "ｅ≦Ｂ/2 を満足させる", &Frame1),
      opt4(*this, "opt4", "ｅ≦Ｂ/3 を満足させる", &Frame1),
      opt9(*this, "opt9", "転倒安全率 Ｆ≧1.0 かつ ｅ≦Ｂ/2 による", &Frame1),
      opt10(*this, "opt10", "転倒安全率 Ｆ≧1.2 かつ ｅ≦Ｂ/3 による", &Frame1),
      Label3(*this, "Label3", "ｅ：偏心距離", &Frame1),
      Label4(*this, "Label4", "Ｂ：擁壁の底版幅", &Frame1),
      Frame2(*this, "Frame2", "地盤支持力に対する検討"),
      Label5(*this, "Label5", "σmax≦feによる", &Frame2),
      Label6(*this, "Label6", "σmax：最大接地圧", &Frame2),
      Label7(*this, "Label7", "fe：地盤の許容応力度（短期）", &Frame2),
      Frame3(*this, "Frame3", "滑動に対する検討"),
      opt5(*this, "opt5", "滑動安全率 Ｆ≧1.0 による", &Frame3),
      opt6(*this, "opt6", "滑動安全率 Ｆ≧1.2 による", &Frame3),
      Label10(*this, "Label10", "（突起を設ける場合は F≧1.0）", &Frame3),
      Frame4(*this, "Frame4", "", &Frame3),
      lbl1(*this, "lbl1", "底版の有効載荷面積（基礎地盤の土の粘着力を考慮する場合）", &Frame4),
      opt7(*this, "opt7", "偏心の控除をする　　A'=底盤巾-(2×偏心距離)", &Frame4),
      opt8(*this, "opt8", "偏心の控除をしない   B=底盤巾(浮き上がりが生じる部分を控除)", &Frame4),
      chk1(*this, "chk1", "上載荷重の慣性力を算入する"),
      lbl2(*this, "lbl2", "作用位置：底盤下端より"),
      txt1(*this, "txt1"),
      lbl3(*this, "lbl3", "m"),
      cmd1(*this, "cmd1", "ＯＫ"),
      cmd2(*this, "cmd2", "キャンセル") {
    Label1.geometry = {240, 120, 4200, 300};
    Label1.setForeColor(2);  // green title
    Frame1.geometry = {240, 480, 6720, 2160};
    opt1.geometry = {240, 300, 3600, 270};
    opt2.geometry = {240, 600, 3600, 270};
    opt3.geometry = {240, 900, 3600, 270};
    opt4.geometry = {240, 1200, 3600, 270};
    opt9.geometry = {240, 1500, 5400, 270};
    opt10.geometry = {240, 1800, 5400, 270};
    Label3.geometry = {4200, 600, 2400, 240};
    Label4.geometry = {4200, 900, 2400, 240};
    Frame2.geometry = {240, 2760, 6720, 1020};
    Label5.geometry = {240, 300, 3000, 240};
    Label6.geometry = {3300, 300, 3300, 240};
    Label7.geometry = {3300, 600, 3300, 240};
    Frame3.geometry = {240, 3900, 6720, 2040};
    opt5.geometry = {240, 300, 3000, 270};
    opt6.geometry = {240, 600, 3000, 270};
    Label10.geometry = {3300, 450, 3300, 240};
    Frame4.geometry = {120, 900, 6480, 1020};
    Frame4.BorderStyle = 0;
    lbl1.geometry = {120, 60, 6300, 240};
    opt7.geometry = {360, 360, 6000, 270};
    opt8.geometry = {360, 690, 6000, 270};
    chk1.geometry = {240, 6060, 3000, 270};
    lbl2.geometry = {3360, 6090, 2280, 240};
    txt1.geometry = {5640, 6060, 555, 270};
    txt1.IMEMode = ImeMode::Off;
    lbl3.geometry = {6240, 6090, 240, 240};
    cmd1.geometry = {3600, 6720, 1500, 420};
    cmd2.geometry = {5280, 6720, 1500, 420};
    // Counting the surcharge inertia force is offered only by the seismic methods that have it.
    chk1.setEnabled(false);
    txt1.setEnabled(false);
    lbl2.setEnabled(false);
    lbl3.setEnabled(false);
    wire();
}

}  // namespace pelzaro
