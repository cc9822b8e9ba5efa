#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form15 : public Window {
public:
    explicit Form15(App& app);
};

}  // namespace pelzaro
