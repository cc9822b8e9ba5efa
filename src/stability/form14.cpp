#include "stability/form14.h"

namespace pelzaro {

Form14::Form14(App& app)
    : Window(app, "Form14", "Pelzaro", WindowRole::Dialog, 7200, 6480),
      Label1(*this, "Label1", "安全性の検討方法（常時）"),
      Frame1(*this, "Frame1", "転倒に対する検討"),
      opt6(*this, "opt6", "転倒安全率 Ｆ≧1.5 かつ ｅ≦Ｂ/6 による", &Frame1),
      opt1(*this, "opt1", "転倒安全率 Ｆ≧1.5 による", &Frame1),
      opt2(*this, "opt2", "ｄ≧Ｂ/3", &Frame1),
      opt3(*this, "opt3", "ｅ≦Ｂ/6", &Frame1),
      lbl9(*this, "lbl9", "を満足させる", &Frame1),
      lbl2(*this, "lbl2", "ｄ：合力の作用位置", &Frame1),
      lbl3(*this, "lbl3", "ｅ：偏心距離", &Frame1),
      lbl4(*this, "lbl4", "Ｂ：擁壁の底版幅", &Frame1),
      Line1(*this, "Line1", 1800, 1020, 1920, 1020, &Frame1),
      Line2(*this, "Line2", 1920, 1020, 1920, 1380, &Frame1),
      Line3(*this, "Line3", 1800, 1380, 1920, 1380, &Frame1),
      Frame2(*this, "Frame2", "地盤支持力に対する検討"),
      lbl5(*this, "lbl5", "σmax≦ｑaによる", &Frame2),
      lbl6(*this, "lbl6", "σmax：最大接地圧", &Frame2),
      lbl7(*this, "lbl7", "ｑa：地盤の許容応力度", &Frame2),
      Frame3(*this, "Frame3", "滑動に対する検討"),
      lbl8(*this, "lbl8", "滑動安全率 F≧1.5 による", &Frame3),
      lbl10(*this, "lbl10", "（突起を設ける場合は F≧1.0）", &Frame3),
      lbl1(*this, "lbl1", "底版の有効載荷面積（基礎地盤の土の粘着力を考慮する場合）", &Frame3),
      opt4(*this, "opt4", "偏心の控除をする　　A'=底盤巾-(2×偏心距離)", &Frame3),
      opt5(*this, "opt5", "偏心の控除をしない   B=底盤巾(浮き上がりが生じる部分を控除)", &Frame3),
      cmd1(*this, "cmd1", "ＯＫ"),
      cmd2(*this, "cmd2", "キャンセル") {
    Label1.geometry = {240, 120, 4200, 300};
    Label1.setForeColor(2);  // green title
    Frame1.geometry = {240, 480, 6720, 1920};
    opt6.geometry = {240, 300, 5400, 270};
    opt1.geometry = {240, 600, 4200, 270};
    opt2.geometry = {240, 900, 1500, 270};
    opt3.geometry = {240, 1230, 1500, 270};
    lbl9.geometry = {2040, 1080, 1500, 240};
    lbl2.geometry = {4200, 900, 2400, 240};
    lbl3.geometry = {4200, 1170, 2400, 240};
    lbl4.geometry = {4200, 1440, 2400, 240};
    Frame2.geometry = {240, 2520, 6720, 1080};
    lbl5.geometry = {240, 300, 3000, 240};
    lbl6.geometry = {3600, 300, 3000, 240};
    lbl7.geometry = {3600, 600, 3000, 240};
    Frame3.geometry = {240, 3720, 6720, 1920};
    lbl8.geometry = {240, 300, 3000, 240};
    lbl10.geometry = {3300, 300, 3300, 240};
    lbl1.geometry = {240, 720, 6300, 240};
    opt4.geometry = {480, 1020, 6000, 270};
    opt5.geometry = {480, 1350, 6000, 270};
    cmd1.geometry = {3600, 5880, 1500, 420};
    cmd2.geometry = {5280, 5880, 1500, 420};
    wire();
}

}  // namespace pelzaro
