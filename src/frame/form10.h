#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form10 : public Window {
public:
    explicit Form10(App& app);
};

}  // namespace pelzaro
