#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form9 : public Window {
public:
    explicit Form9(App& app);
};

}  // namespace pelzaro
