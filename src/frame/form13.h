#pragma once
// Form13: the version box, modal.

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form13 : public Window {
  public:
    explicit Form13(App& app);
    PictureBox Picture1;  // the program's image
    Label Label1;
    CommandButton cmd1;  // ＯＫ
    void cmd1_Click() { Unload(); }
};

}  // namespace pelzaro
