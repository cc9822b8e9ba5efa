#include "members/form22.h"

namespace pelzaro {

namespace {
void place(Control& c, int left, int top, int width, int height = 240) {
    c.geometry = {left, top, width, height};
}
}  // namespace

Form22::Form22(App& app) : Window(app, "Form22", "Pelzaro", WindowRole::Dialog, 6000, 4800) {
    layOut();
    wireHandlers();
}

void Form22::layOut() {
    geometry = {0, 0, 6000, 4800};
    place(lbl1, 240, 180, 3000);
    lbl1.fontBold = true;
    place(lbl2, 240, 540, 5400);
    place(lbl3, 480, 840, 4000);
    place(lbl4, 480, 1110, 4000);
    struct BoxRow {
        Label& caption;
        TextBox& box;
        Label& unit;
    };
    const BoxRow boxes[] = {{lbl5, txt1, lbl6},
                            {lbl9, txt3, lbl10},
                            {lbl11, txt4, lbl12},
                            {lbl13, txt5, lbl14},
                            {lbl15, txt6, lbl16}};
    int top = 1560;
    for (const BoxRow& b : boxes) {
        place(b.caption, 720, top + 30, 1200);
        place(b.box, 2040, top, 960, 300);
        b.box.Alignment = 1;
        place(b.unit, 3120, top + 30, 480);
        top += 390;
    }
    place(cmd1, 1200, 3720, 1500, 420);
    place(cmd2, 3000, 3720, 1500, 420);
}

void Form22::wireHandlers() {}
void Form22::cmd1_Click() {}
void Form22::cmd2_Click() {}

}  // namespace pelzaro
