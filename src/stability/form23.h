#pragma once
// The ground-shape page: the user chooses the one-sided or the symmetric earth pressure and
// goes on to the wall dimensions, which are configured for that shape.

#include <memory>
#include <vector>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"
#include "stability/calc/wall_choices.h"

namespace pelzaro {

class Form4;

class Form23 : public Window {
  public:
    explicit Form23(App& app);

    Label Label1;  // the instruction above the choice
    Frame Frame1;
    OptionButton opt1;   // one-sided earth pressure
    OptionButton opt2;   // symmetric earth pressure on both sides
    CommandButton cmd1;  // on to the wall dimensions
    CommandButton cmd2;  // back to the design conditions

    // The fixed explanation of the two shapes (a plan of the site and two sections); no code
    // refers to these texts.
    std::vector<std::unique_ptr<Label>> figure;
    std::vector<std::unique_ptr<Line>> drawing;

    void opt1_Click();
    void opt2_Click();
    void cmd1_Click();
    void cmd2_Click();

  private:
    void shapeChosen();
    void layoutDrawing();
    void configureDimensionsPage();
    void configureOneSided(Form4& page);
    void configureTwoSided(Form4& page);
    void showDiagramFor(Form4& page, bool oneSided);
};

}  // namespace pelzaro
