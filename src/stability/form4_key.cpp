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

namespace {

// Ranges from the base width, a fresh sketch, then the dialog over the page.
template <class Draw>
void showKeyDialog(ShearKeyDialog& d, float baseWidth, Draw drawSketch) {
    d.showRanges(baseWidth);
    d.Surface.Cls();
    drawSketch();
    d.ShowModal();
}

}  // namespace

bool Form4::prepareKeyDialog() {
    if (standardResidential(app())) {
        showKeyDialog(app().get<Form19>(), state().B, [this] { Ouryoku_T(); });
        return true;
    }
    if (standardRoad(app())) {
        showKeyDialog(app().get<Form26>(), state().B, [this] { Ouryoku_D(); });
        return true;
    }
    return false;
}

}  // namespace pelzaro
