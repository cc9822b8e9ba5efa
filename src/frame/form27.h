#pragma once
// Form27: the note on the earth pressure of the surcharge behind the wall, modal. It hides
// itself and is shown again unchanged.

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form27 : public Window {
  public:
    explicit Form27(App& app);
    Label lblTitle, lblLine1, lblLine2, lblLine3, lblSource;
    Line Line1, Line2, Line3, Line4;
    CommandButton cmd1;  // 閉じる
    void cmd1_Click() { Hide(); }
};

}  // namespace pelzaro
