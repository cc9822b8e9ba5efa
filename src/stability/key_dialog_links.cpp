#include "stability/key_dialog_links.h"

#include "forms/app.h"
#include "members/form7.h"
#include "stability/form4.h"

namespace pelzaro {

namespace {
void emptySlidingRows(Form4& page) {
    page.lbl67.setVisible(false);
    for (Label* l :
         {&page.lbl64, &page.lbl65, &page.lbl66, &page.lbl68, &page.lbl69, &page.lbl70}) {
        l->setCaption("");
    }
    page.markDisplayStale();
}
}  // namespace

void keyEntryTouched(App& app) {
    emptySlidingRows(app.get<Form4>());
    app.get<Form7>().emptyRowsByEdit({'H'});
}

void keyChecked(App& app) {
    emptySlidingRows(app.get<Form4>());
    app.get<Form7>().withdrawStressCheck();
}

}  // namespace pelzaro
