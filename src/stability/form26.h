#pragma once
// Shear-key dialog of the road guideline: the key height, its position and its width,
// with the guidance ranges from the base width and a sketch of the ground reaction.

#include "stability/shear_key_dialog.h"

namespace pelzaro {

class Form26 : public ShearKeyDialog {
  public:
    explicit Form26(App& app);

  protected:
    Control& firstStop() override;
    Control& returnStop(Form4& page) override;

  private:
    void layoutTexts();
    void layoutFigure();
};

}  // namespace pelzaro
