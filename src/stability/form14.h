#pragma once
// Check methods of the normal case: the overturning criterion and, with a cohesive
// foundation, the loaded width of the sliding resistance. The options are the storage.

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"
#include "forms/dialog_snapshot.h"

namespace pelzaro {

class Form14 : public Window {
  public:
    explicit Form14(App& app);

    Label Label1;  // title
    Frame Frame1;  // overturning
    OptionButton opt6, opt1, opt2, opt3;
    Label lbl9, lbl2, lbl3, lbl4;
    Line Line1, Line2, Line3;  // bracket joining opt2 and opt3 to lbl9
    Frame Frame2;              // bearing, no choice
    Label lbl5, lbl6, lbl7;
    Frame Frame3;  // sliding
    Label lbl8, lbl10, lbl1;
    OptionButton opt4, opt5;  // loaded width with cohesion
    CommandButton cmd1, cmd2;

    void Form_Activate() override;
    void cmd1_Click();
    void cmd2_Click();
    // Whether a method of the group is chosen.
    bool overturningChosen() const;
    bool widthChosen() const;

  private:
    void wire();
    DialogSnapshot opened_;  // the dialog as it stood when it was shown
};

}  // namespace pelzaro
