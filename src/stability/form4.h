#pragma once

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form4 : public Window {
public:
    explicit Form4(App& app);
    void Hihyouji_1();
    void Hihyouji_2();
    void Hihyouji_3();
    void DANMEM_1();
    void GamenHyouji();
};

}  // namespace pelzaro
