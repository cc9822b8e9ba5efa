#include "frame/form27.h"

namespace pelzaro {

Form27::Form27(App& app)
    : Window(app, "Form27", "Pelzaro", WindowRole::Dialog, 6600, 3600),
      lblTitle(*this, "lblTitle", "背面上載荷重の土圧について"),
      lblLine1(*this, "lblLine1", "「宅地造成等規制法施行令の別表第二を用いる場合は、"),
      lblLine2(*this, "lblLine2", "土圧係数に５KN/m2程度の積載荷重が含まれているこ"),
      lblLine3(*this, "lblLine3", "とに留意する。」"),
      lblSource(*this, "lblSource", "（宅地防災マニュアルの解説）"),
      Line1(*this, "Line1", 240, 600, 6240, 600),
      Line2(*this, "Line2", 6240, 600, 6240, 1860),
      Line3(*this, "Line3", 6240, 1860, 240, 1860),
      Line4(*this, "Line4", 240, 1860, 240, 600),
      cmd1(*this, "cmd1", "閉じる") {
    lblTitle.geometry = {360, 180, 5400, 300};
    lblLine1.geometry = {480, 720, 5700, 255};
    lblLine2.geometry = {480, 1080, 5700, 255};
    lblLine3.geometry = {480, 1440, 5700, 255};
    lblSource.geometry = {2400, 2040, 3800, 255};
    cmd1.geometry = {2550, 2640, 1500, 420};
    cmd1.Click = [this] { cmd1_Click(); };
    Cancel = &cmd1;  // the only button: the close box and Escape press it
}

}  // namespace pelzaro
