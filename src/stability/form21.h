#pragma once
// Check methods of the seismic case: the overturning and sliding criteria, the loaded width
// with a cohesive foundation and the surcharge inertia force with its height.

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"
#include "forms/dialog_snapshot.h"

namespace pelzaro {

class Form21 : public Window {
  public:
    explicit Form21(App& app);

    Label Label1;  // title
    Frame Frame1;  // overturning
    OptionButton opt1, opt2, opt3, opt4, opt9, opt10;
    Label Label3, Label4;
    Frame Frame2;  // bearing, no choice
    Label Label5, Label6, Label7;
    Frame Frame3;  // sliding
    OptionButton opt5, opt6;
    Label Label10;
    Frame Frame4;  // loaded width with cohesion: its own group inside the sliding frame
    Label lbl1;
    OptionButton opt7, opt8;
    CheckBox chk1;  // surcharge inertia force counted
    Label lbl2;
    TextBox txt1;  // its height above the underside of the base slab, m
    Label lbl3;
    CommandButton cmd1, cmd2;

    void Form_Load() override;
    void Form_Activate() override;
    void cmd1_Click();
    void cmd2_Click();
    void chk1_Click();
    // Whether a method of the group is chosen.
    bool overturningChosen() const;
    bool slidingChosen() const;
    bool widthChosen() const;

  private:
    void wire();
    void invalidateResults();
    DialogSnapshot opened_;
};

}  // namespace pelzaro
