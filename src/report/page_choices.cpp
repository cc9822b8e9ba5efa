#include "report/page_choices.h"

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/app.h"
#include "forms/controls.h"
#include "members/form7.h"
#include "stability/form14.h"
#include "stability/form21.h"
#include "stability/form23.h"
#include "stability/form4.h"

namespace pelzaro {

PageChoices readPageChoices(const App& app) {
    PageChoices c;
    if (const Form3* f = app.find<Form3>()) {
        c.std_T = f->opt_T.Value();
        c.std_D = f->opt_D.Value();
        c.case_N = f->opt3.Value();
        c.case_S = f->opt4.Value();
        c.kaTyped = f->opt1.Value();
        c.kaComputed = f->opt2.Value();
        c.muTyped = f->opt5.Value();
        c.muTanPhi = f->opt6.Value();
    }
    if (const Form25* f = app.find<Form25>()) {
        c.method_K1 = f->opt_K1.Value();
        c.method_K2 = f->opt_K2.Value();
        c.method_D1 = f->opt_D1.Value();
    }
    if (const Form23* f = app.find<Form23>()) {
        c.shapeOneSided = f->opt1.Value();
        c.shapeTwoSided = f->opt2.Value();
    }
    if (const Form4* f = app.find<Form4>()) {
        c.pvCounted = f->opt1.Value();
        c.pvNotCounted = f->opt2.Value();
        c.frontSoilIn = f->opt3.Value();
        c.frontSoilOut = f->opt4.Value();
        c.keyNone = f->opt5.Value();
        c.keyPresent = f->opt6.Value();
        c.surchargeLess5 = f->chk1.Value() == 1;
    }
    if (const Form14* f = app.find<Form14>()) {
        c.n_F15 = f->opt1.Value();
        c.n_BOver3 = f->opt2.Value();
        c.n_BOver6 = f->opt3.Value();
        c.n_F15AndBOver6 = f->opt6.Value();
        c.n_effectiveWidth = f->opt4.Value();
        c.n_baseWidth = f->opt5.Value();
    }
    if (const Form21* f = app.find<Form21>()) {
        c.s_F10 = f->opt1.Value();
        c.s_F12 = f->opt2.Value();
        c.s_BOver2 = f->opt3.Value();
        c.s_BOver3 = f->opt4.Value();
        c.s_F10AndBOver2 = f->opt9.Value();
        c.s_F12AndBOver3 = f->opt10.Value();
        c.s_slideF10 = f->opt5.Value();
        c.s_slideF12 = f->opt6.Value();
        c.s_effectiveWidth = f->opt7.Value();
        c.s_baseWidth = f->opt8.Value();
        c.s_surchargeInertia = f->chk1.Value() == 1;
    }
    if (const Form7* f = app.find<Form7>()) {
        c.memberKaTyped = f->opt1.Value();
        c.memberKaComputed = f->opt2.Value();
        c.memberSurchargeInertia = f->chk_1.Value() == 1;
        const TextBox* boxes[8] = {&f->txt1, &f->txt2, &f->txt5, &f->txt6,
                                   &f->txt7, &f->txt8, &f->txt9, &f->txt10};
        for (int i = 0; i < 8; ++i) c.designSpacingText[i] = boxes[i]->Text();
    }
    return c;
}

}  // namespace pelzaro
