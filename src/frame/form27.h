#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form27 : public Window {
public:
    explicit Form27(App& app);
};

}  // namespace pelzaro
