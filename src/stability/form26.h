#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form26 : public Window {
public:
    explicit Form26(App& app);
};

}  // namespace pelzaro
