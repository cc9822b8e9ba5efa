// The frame's commands: New, Close, Exit, the File menu's enabling rule, the reference lock and
// the toolbar dispatch.

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/host.h"
#include "frame/form10.h"
#include "frame/form13.h"
#include "frame/form9.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "preview/form15.h"
#include "preview/preview_paging.h"
#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form21.h"
#include "stability/form23.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "state/design_standing.h"
#include "state/module1.h"

namespace pelzaro {

void MDIForm1::wireMenus() {
    Men_F.Click = [this] { Men_F_Click(); };
    Men_FNew.Click = [this] { FileNew(); };
    Men_FOpn.Click = [this] { FileOpen(); };
    Men_FCls.Click = [this] { Men_FCls_Click(); };
    Men_FOvw.Click = [this] { FileUpdate(); };
    Men_FSav.Click = [this] { Men_FSav_Click(); };
    Men_FImg.Click = [this] { FileImage(); };
    Men_FPrn.Click = [this] { Men_FPrn_Click(); };
    Men_FEnd.Click = [this] { Men_FEnd_Click(); };
    Men_S.Click = [this] { Men_S_Click(); };
    Men_FVer.Click = [this] { Men_FVer_Click(); };
    Toolbar1.ButtonClick = [this](int index) { Toolbar1_ButtonClick(index); };
}

// Printing needs the stability calculation; saving and overwriting follow the one rule that
// also decides toolbar button 3.
void MDIForm1::Men_F_Click() {
    Men_FImg.enabled = Men_FPrn.enabled = printOffered();
    offerSaving();
}

bool MDIForm1::printOffered() const {
    return state().Sigma_max != 0.0f;
}

bool MDIForm1::saveOffered() const {
    return memberDesignStands(state());
}

bool MDIForm1::overwriteOffered() const {
    return saveOffered() && !CommonDialog1_FileName.empty();
}

void MDIForm1::offerSaving() {
    Men_FSav.enabled = saveOffered();
    Men_FOvw.enabled = overwriteOffered();
    touch();
}

// The pages and dialogs of a project. The print buttons, which need results, are disabled
// as the wall-dimensions page's Hihyouji_2 does, without creating that page only to discard it.
// The preview goes first: it shows the project being discarded.
void MDIForm1::discardProject(bool withForm21) {
    if (previewIsOpen(app())) closePreview(app());
    disableResultButtons(app());
    app().unload<Form3>();
    app().unload<Form23>();
    app().unload<Form4>();
    app().unload<Form7>();
    state().Designed_Parts = {};  // the rows that designed the parts go with their page
    app().unload<Form14>();
    app().unload<Form19>();
    if (withForm21) app().unload<Form21>();
    app().unload<Form25>();
    // The road key dialog stays loaded, but its key belongs to the project just discarded.
    if (Form26* key = app().find<Form26>()) {
        for (TextBox* box : {&key->txt1, &key->txt2, &key->txt3}) box->setText("");
    }
    setCaption("Pelzaro");  // no project file any more
}

// New asks nothing: unsaved input is discarded, as the user chose a new project.
void MDIForm1::FileNew() {
    Module1& m = state();
    m.Sigma_max = 0.0f;
    m.Flg_Ouryoku = 0;
    discardProject(true);
    Form3& page = app().get<Form3>();
    page.Show();
    page.txt1.SetFocus();
    page.txt1.selectAll();
    // The appearance of the normal case.
    page.lbl46.setVisible(false);
    page.lbl47.setVisible(false);
    page.txt13.setVisible(false);
    page.cmd7.setEnabled(false);
    CommonDialog1_FileName.clear();
}

void MDIForm1::Men_FCls_Click() {
    MsgAnswer a = host().msgBox(
        Message{"閉じてもよろしいですか？", "確認", MsgButtons::OKCancel, MsgIcon::Question, 2});
    if (a != MsgAnswer::OK) return;
    Module1& m = state();
    m.Sigma_max = 0.0f;
    m.Flg_Ouryoku = 0;
    discardProject(false);
    m.Flg_Page = Page_None;
    CommonDialog1_FileName.clear();
}

void MDIForm1::Men_FEnd_Click() {
    MsgAnswer a = host().msgBox(
        Message{"終了してもよろしいですか？", "確認", MsgButtons::YesNo, MsgIcon::Question, 2});
    if (a == MsgAnswer::Yes) host().quit();
}

void MDIForm1::Men_FPrn_Click() {
    app().get<Form15>().ShowModal();
}

void MDIForm1::Men_FVer_Click() {
    app().get<Form13>().ShowModal();
}

void MDIForm1::Men_S_Click() {
    Men_F.enabled = false;
    Men_S.enabled = false;
    Toolbar1.visible = false;
    touch();
    Form3* page = app().find<Form3>();
    if (page != nullptr && page->opt_D.Value()) {
        app().get<Form9>().Show();
    } else {
        app().get<Form10>().Show();
    }
}

// Back to the preview when it is open: its menus again, and the toolbar hidden until it closes.
void MDIForm1::referenceClosed() {
    Men_F.enabled = true;
    Men_S.enabled = true;
    Toolbar1.visible = !previewIsOpen(app());
    touch();
    bringPreviewToFront(app());
}

void MDIForm1::Toolbar1_ButtonClick(int index) {
    switch (index) {
        case 1:
            FileNew();
            break;
        case 2:
            FileOpen();
            break;
        case 3:
            FileUpdate();
            break;
        case 5:
            FileImage();
            break;
        case 6:
            Men_FPrn_Click();
            break;
        default:
            break;
    }
}

}  // namespace pelzaro
