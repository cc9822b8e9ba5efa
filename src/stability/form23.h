#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form23 : public Window {
public:
    explicit Form23(App& app);
};

}  // namespace pelzaro
