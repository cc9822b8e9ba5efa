#pragma once
// What the two shear-key dialogs (residential-land standard and road guideline) share: the
// key height, its position and its width, the guidance ranges from the base width, the
// ground-reaction sketch, and the checks of "計算". Each standard keeps its own window with its
// own static texts, figure, Tab order and return stop.

#include <memory>
#include <string>
#include <vector>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/dialog_snapshot.h"
#include "forms/window.h"

namespace pelzaro {

class Form4;

class ShearKeyDialog : public Window {
  public:
    // The dialog's own drawing surface, under the figure: the ground-reaction sketch.
    PictureBox Surface;
    TextBox txt1;  // key height H0, m
    TextBox txt2;  // distance from the front end of the base to the key's front face, m
    TextBox txt3;  // key width D, m
    Label lbl1, lbl2, lbl3, lbl4, lbl5;  // B and the guidance ranges, m
    CheckBox chk1;                       // never shown; kept for the project file
    CommandButton cmd1;                  // check the entries and return to the page
    CommandButton cmd2;                  // cancel

    // Static texts and the fixed figure of the base with the key.
    std::vector<std::unique_ptr<Label>> texts;
    std::vector<std::unique_ptr<Line>> figure;

    void Form_Activate() override;
    void cmd1_Click();
    void cmd2_Click();
    // Guidance ranges from the base width B, m.
    void showRanges(float baseWidth);

  protected:
    ShearKeyDialog(App& app, std::string name);
    // Handlers of the entries and buttons; tabOrder lists the five stops.
    void wire(std::initializer_list<Control*> tabOrder);
    // Where the focus goes on the first display.
    virtual Control& firstStop() = 0;
    // The page button that takes the focus when "計算" returns to the page.
    virtual Control& returnStop(Form4& page) = 0;

  private:
    void keyPress(int& key, Control& next);
    bool shownBefore_ = false;
    DialogSnapshot opened_;  // the entries as they stood when the dialog was shown
};

}  // namespace pelzaro
