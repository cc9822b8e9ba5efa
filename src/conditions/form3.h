#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form3 : public Window {
public:
    explicit Form3(App& app);
    void HENSUU();
    void KEISAN();
    void jDERUTA();
    void Masatu();
};

}  // namespace pelzaro
