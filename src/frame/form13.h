#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form13 : public Window {
public:
    explicit Form13(App& app);
};

}  // namespace pelzaro
