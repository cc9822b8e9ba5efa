#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form19 : public Window {
public:
    explicit Form19(App& app);
};

}  // namespace pelzaro
