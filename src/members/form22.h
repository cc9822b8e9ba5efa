#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form22 : public Window {
public:
    explicit Form22(App& app);
};

}  // namespace pelzaro
