#pragma once
// Form9: reference tables of the road earthwork retaining-wall guideline.

#include "frame/reference_window.h"

namespace pelzaro {

class Form9 : public ReferenceWindow {
  public:
    explicit Form9(App& app) : ReferenceWindow(app, "Form9", roadEarthworkTables()) {}
};

}  // namespace pelzaro
