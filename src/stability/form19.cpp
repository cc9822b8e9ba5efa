// The static texts and the fixed figure of the base with its key of the residential-land standard's
// shear-key dialog; its controls and their behaviour are those of every shear-key dialog.

#include "stability/form19.h"

#include "stability/form4.h"
#include "stability/static_figure.h"
#include "stability/static_text.h"

namespace pelzaro {

Form19::Form19(App& app) : ShearKeyDialog(app, "Form19") {
    layoutTexts();
    layoutFigure();
    wire({&txt1, &txt2, &txt3, &cmd1, &cmd2});
}

void Form19::layoutTexts() {
    addStaticTexts(*this, texts, "Label",
                   {
                       {"突起の計算", 240, 120, 1500, 300},
                       {"・突起の高さ (Ｈ0)：基礎底版 巾(B) の１０～１５％", 240, 420, 4800, 240},
                       {"Ｈ0=", 600, 690, 480, 240},
                       {"～", 1920, 690, 240, 240},
                       {"ｍ", 3000, 690, 240, 240},
                       {"・突起の幅(Ｄ)：高さと同程度", 240, 960, 4800, 240},
                       {"・突起の位置(B1)：基礎底版の中央部１/３の範囲内", 240, 1230, 4800, 240},
                       {"B1=", 600, 1500, 480, 240},
                       {"～", 1920, 1500, 240, 240},
                       {"ｍ", 3000, 1500, 240, 240},
                       {"Ｈ0=", 3660, 2460, 420, 240},
                       {"B1=", 1320, 3240, 420, 240},
                       {"Ｄ=", 2880, 3240, 420, 240},
                       {"B=", 1440, 4950, 420, 240},
                       {"ｍ", 2760, 4950, 240, 240},
                       {"45 ゜＋φB/2", 420, 2520, 1200, 240},
                       {"L", 2300, 1800, 240, 240},
                       {"L", 2300, 4200, 240, 240},
                   });
    texts.front()->setForeColor(2);  // green title
}

void Form19::layoutFigure() {
    const FigureLine segments[] = {
        {1560, 2400, 2580, 2400, 3}, {2820, 2400, 3600, 2400, 3}, {1560, 2160, 1560, 2400, 3},
        {3600, 2160, 3600, 2400, 3}, {2580, 2400, 2580, 2700, 3}, {2580, 2700, 2820, 2700, 3},
        {2820, 2700, 2820, 2400, 3}, {3360, 2400, 3360, 2700, 1}, {3360, 2700, 2940, 2700, 1},
        {1560, 2820, 1560, 3180, 1}, {2580, 2820, 2580, 3180, 1}, {2820, 2820, 2820, 3180, 1},
        {1560, 3180, 2820, 3180, 1}, {2580, 2700, 2160, 2400, 1}, {2160, 2040, 2580, 2040, 1},
        {2160, 2040, 2160, 2280, 1}, {2580, 2040, 2580, 2280, 1}, {2550, 2460, 2400, 2580, 1},
        {2490, 2520, 2460, 2460, 1}, {2460, 2460, 2100, 2580, 1}, {1560, 3420, 3600, 3420, 1},
        {2160, 4140, 2160, 4500, 1}, {2580, 4140, 2580, 4500, 1}, {1560, 4860, 3600, 4860, 1},
        {1560, 4140, 1560, 4860, 1}, {3600, 4140, 3600, 4860, 1}};
    addFigureLines(*this, figure, "Line", segments);
}

Control& Form19::firstStop() {
    return txt1;
}

// "計算" returns to "安定性の検討".
Control& Form19::returnStop(Form4& page) {
    return page.cmd3;
}

}  // namespace pelzaro
