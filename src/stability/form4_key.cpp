// "突起の計算": the shear-key dialog of the governing standard, prepared from a fresh
// stability calculation.

#include "forms/app.h"
#include "stability/form19.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "stability/key_sketch.h"
#include "stability/links.h"
#include "state/module1.h"

namespace pelzaro {

void Form4::Ouryoku_T() {
    drawResidentialSketch(app().get<Form19>().Surface, sketchVariant(state().e, state().B));
}

void Form4::Ouryoku_D() {
    drawRoadSketch(app().get<Form26>().Surface, sketchVariant(state().e, state().B));
}

void Form4::cmd5_Click() {
    ProgramAction busy(*this);
    DANMEM_1();
    prepareKeyDialog();
}

bool Form4::prepareKeyDialog() {
    if (standardResidential(app())) {
        Form19& d = app().get<Form19>();
        d.showRanges(state().B);
        d.Surface.Cls();
        Ouryoku_T();
        d.ShowModal();
        return true;
    }
    if (standardRoad(app())) {
        Form26& d = app().get<Form26>();
        d.showRanges(state().B);
        d.Surface.Cls();
        Ouryoku_D();
        d.ShowModal();
        return true;
    }
    return false;
}

}  // namespace pelzaro
