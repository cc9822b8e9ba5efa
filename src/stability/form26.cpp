// The static texts and the fixed figure of the base with its key of the road guideline's
// shear-key dialog; its controls and their behaviour are those of every shear-key dialog.

#include "stability/form26.h"

#include "stability/form4.h"
#include "stability/static_figure.h"
#include "stability/static_text.h"

namespace pelzaro {

Form26::Form26(App& app) : ShearKeyDialog(app, "Form26") {
    layoutTexts();
    layoutFigure();
    wire({&cmd2, &cmd1, &txt3, &txt2, &txt1});
}

void Form26::layoutTexts() {
    addStaticTexts(*this, texts, "Label",
                   {
                       {"突起の計算", 240, 120, 1500, 300},
                       {"・突起の高さ(H0)：基礎底版巾(B)の１０～１５％", 240, 420, 4800, 240},
                       {"H0=", 600, 690, 480, 240},
                       {"～", 1920, 690, 240, 240},
                       {"m", 3000, 690, 240, 240},
                       {"・突起の幅(Ｄ)：高さと同程度", 240, 960, 4800, 240},
                       {"・突起の位置(B1)：基礎底版の中央部１/３の範囲内", 240, 1230, 4800, 240},
                       {"L1=", 600, 1500, 480, 240},
                       {"～", 1920, 1500, 240, 240},
                       {"m", 3000, 1500, 240, 240},
                       {"H0=", 3660, 2460, 420, 240},
                       {"L1=", 1320, 3240, 420, 240},
                       {"D=", 2880, 3240, 420, 240},
                       {"B=", 1440, 4950, 420, 240},
                       {"m", 2760, 4950, 240, 240},
                       {"L1", 2000, 4200, 300, 240},
                       {"L2", 3050, 4200, 300, 240},
                   });
    texts.front()->setForeColor(2);  // green title
}

void Form26::layoutFigure() {
    const FigureLine segments[] = {
        {1560, 2400, 2580, 2400, 3}, {2820, 2400, 3600, 2400, 3}, {1740, 1740, 1560, 2400, 3},
        {3420, 1740, 3600, 2400, 3}, {2580, 2400, 2580, 2700, 3}, {2580, 2700, 2820, 2700, 3},
        {2820, 2700, 2820, 2400, 3}, {3360, 2400, 3360, 2700, 1}, {3360, 2700, 2940, 2700, 1},
        {1560, 2820, 1560, 3180, 1}, {2580, 2820, 2580, 3180, 1}, {2820, 2820, 2820, 3180, 1},
        {1560, 3180, 2820, 3180, 1}, {1560, 3420, 3600, 3420, 1}, {2580, 4140, 2580, 4500, 1},
        {1560, 4500, 3600, 4500, 1}, {1560, 4860, 3600, 4860, 1}, {1560, 4140, 1560, 4860, 1},
        {3600, 4140, 3600, 4860, 1}};
    addFigureLines(*this, figure, "Line", segments);
}

Control& Form26::firstStop() {
    return cmd2;
}

// "計算" returns to "< 地盤の形状".
Control& Form26::returnStop(Form4& page) {
    return page.cmd2;
}

}  // namespace pelzaro
