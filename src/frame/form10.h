#pragma once
// Form10: reference tables of the residential-land regulations and the building standards.

#include "frame/reference_window.h"

namespace pelzaro {

class Form10 : public ReferenceWindow {
  public:
    explicit Form10(App& app) : ReferenceWindow(app, "Form10", residentialLandTables()) {}
};

}  // namespace pelzaro
