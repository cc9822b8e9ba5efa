#pragma once
// Shear-key dialog of the residential-land standard: the key height, its position and its width,
// with the guidance ranges from the base width and a sketch of the ground reaction.

#include <memory>
#include <vector>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form19 : public Window {
  public:
    explicit Form19(App& app);

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

  private:
    void layoutTexts();
    void layoutFigure();
    void wire();
    void keyPress(int& key, Control& next);
    bool shownBefore_ = false;
};

}  // namespace pelzaro
