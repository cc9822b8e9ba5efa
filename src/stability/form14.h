#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form14 : public Window {
public:
    explicit Form14(App& app);
};

}  // namespace pelzaro
