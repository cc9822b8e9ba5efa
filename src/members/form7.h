#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form7 : public Window {
public:
    explicit Form7(App& app);
    void Hihyouji_3();
    void TEKKIN();
    void Doatu();
    void Tyuui();
};

}  // namespace pelzaro
