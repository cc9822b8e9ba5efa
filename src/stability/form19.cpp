// The controls of the shear-key dialog: guidance, the key entries, the fixed figure of the
// base with its key, and the surface on which the ground-reaction sketch is drawn.

#include "stability/form19.h"

#include "stability/static_text.h"

namespace pelzaro {

Form19::Form19(App& app)
    : Window(app, "Form19", "Pelzaro", WindowRole::Dialog, 5160, 5985),
      Surface(*this, "Surface"),
      txt1(*this, "txt1"),
      txt2(*this, "txt2"),
      txt3(*this, "txt3"),
      lbl1(*this, "lbl1"),
      lbl2(*this, "lbl2"),
      lbl3(*this, "lbl3"),
      lbl4(*this, "lbl4"),
      lbl5(*this, "lbl5"),
      chk1(*this, "chk1", "支持地盤の粘着力 Ｃ を考慮する"),
      cmd1(*this, "cmd1", "計算"),
      cmd2(*this, "cmd2", "キャンセル") {
    Surface.geometry = {0, 0, geometry.width, geometry.height};
    Surface.BorderStyle = 0;
    txt1.geometry = {4080, 2430, 555, 270};
    txt2.geometry = {1740, 3210, 555, 270};
    txt3.geometry = {3300, 3210, 555, 270};
    for (TextBox* box : {&txt1, &txt2, &txt3}) box->IMEMode = ImeMode::Off;
    lbl1.geometry = {1860, 4950, 840, 240};
    lbl2.geometry = {1080, 690, 840, 240};
    lbl3.geometry = {2160, 690, 840, 240};
    lbl4.geometry = {1080, 1500, 840, 240};
    lbl5.geometry = {2160, 1500, 840, 240};
    for (Label* l : {&lbl1, &lbl2, &lbl3, &lbl4, &lbl5}) l->Alignment = 1;
    chk1.geometry = {240, 5040, 3600, 270};
    chk1.setVisible(false);  // no calculation reads it
    cmd1.geometry = {1560, 5400, 1560, 420};
    cmd2.geometry = {3360, 5400, 1560, 420};
    layoutTexts();
    layoutFigure();
    wire();
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
    struct Segment {
        int x1, y1, x2, y2, style;  // style 3: dashed
    };
    const Segment segments[] = {
        {1560, 2400, 2580, 2400, 3}, {2820, 2400, 3600, 2400, 3}, {1560, 2160, 1560, 2400, 3},
        {3600, 2160, 3600, 2400, 3}, {2580, 2400, 2580, 2700, 3}, {2580, 2700, 2820, 2700, 3},
        {2820, 2700, 2820, 2400, 3}, {3360, 2400, 3360, 2700, 1}, {3360, 2700, 2940, 2700, 1},
        {1560, 2820, 1560, 3180, 1}, {2580, 2820, 2580, 3180, 1}, {2820, 2820, 2820, 3180, 1},
        {1560, 3180, 2820, 3180, 1}, {2580, 2700, 2160, 2400, 1}, {2160, 2040, 2580, 2040, 1},
        {2160, 2040, 2160, 2280, 1}, {2580, 2040, 2580, 2280, 1}, {2550, 2460, 2400, 2580, 1},
        {2490, 2520, 2460, 2460, 1}, {2460, 2460, 2100, 2580, 1}, {1560, 3420, 3600, 3420, 1},
        {2160, 4140, 2160, 4500, 1}, {2580, 4140, 2580, 4500, 1}, {1560, 4860, 3600, 4860, 1},
        {1560, 4140, 1560, 4860, 1}, {3600, 4140, 3600, 4860, 1}};
    for (const Segment& s : segments) {
        auto line = std::make_unique<Line>(*this, "Line" + std::to_string(figure.size() + 1), s.x1,
                                           s.y1, s.x2, s.y2);
        line->BorderStyle = s.style;
        figure.push_back(std::move(line));
    }
}

}  // namespace pelzaro
