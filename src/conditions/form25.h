#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form25 : public Window {
public:
    explicit Form25(App& app);
    void Jisin();
};

}  // namespace pelzaro
