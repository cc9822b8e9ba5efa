// The options of the wall-dimensions page, its loading and activation.

#include "forms/app.h"
#include "frame/form27.h"
#include "members/form7.h"
#include "stability/form19.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "stability/links.h"
#include "state/module1.h"

namespace pelzaro {

void Form4::Form_Load() {
    state().Flg_Page = Page_Dimensions;
}

void Form4::Form_Activate() {
    state().Flg_Page = Page_Dimensions;
    // The notes of the symmetric shape stand while its stability result stands.
    if (state().Sigma_max != 0.0f && shapeTwoSided(app())) printSymmetricNotes();
    if (Window* shapes = app().find<Form23>()) shapes->Hide();
}

void Form4::printSymmetricNotes() {
    Surface.Cls();  // the surface holds nothing else; printing twice must not pile up
    Surface.print(8200, 1450, "対称土圧の為、転倒は生じない。");
    Surface.print(8200, 3250, "対称土圧の為、滑動は生じない。");
}

void Form4::wireOptions() {
    for (OptionButton* o : {&opt1, &opt2, &opt3, &opt4}) o->Click = [this] { invalidate(); };
    chk1.Click = [this] { invalidate(); };
    opt5.Click = [this] { keyNone(); };
    opt6.Click = [this] { keyPresent(); };
}

// No shear key: the residential-land key dialog loses its entries; the road-guideline one
// keeps them. The marker of the stability calculation stays.
void Form4::keyNone() {
    app().unload<Form19>();
    state().H0 = 0.0f;
    cmd5.setVisible(false);
    Hihyouji_3();
    Hihyouji_2();
    app().get<Form7>().Hihyouji_3();
}

void Form4::keyPresent() {
    cmd5.setVisible(true);
    Hihyouji_3();
    Hihyouji_2();
    app().get<Form7>().Hihyouji_3();
}

void Form4::cmd6_Click() {
    app().get<Form27>().ShowModal();
}

}  // namespace pelzaro
