#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form21 : public Window {
public:
    explicit Form21(App& app);
};

}  // namespace pelzaro
