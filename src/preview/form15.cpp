#include "preview/form15.h"

#include "forms/host.h"
#include "forms/utf8.h"
#include "frame/mdiform1.h"
#include "numeric/lenient.h"
#include "numeric/single_store.h"
#include "preview/member_chapter.h"

namespace pelzaro {

namespace {
constexpr int kEnter = 13;
}

Form15::Form15(App& app)
    : Window(app, "Form15", "Pelzaro", WindowRole::Dialog, 3810, 3960),
      Frame1(*this, "Frame1", "印刷範囲の指定"),
      opt1(*this, "opt1", "一般事項", &Frame1),
      opt2(*this, "opt2", "安定計算", &Frame1),
      opt3(*this, "opt3", "断面計算", &Frame1),
      opt4(*this, "opt4", "安定計算・断面計算", &Frame1),
      opt5(*this, "opt5", "一般事項・安定計算・断面計算", &Frame1),
      chk_P(*this, "chk_P", "ページ番号を付ける"),
      lbl1(*this, "lbl1", "最初のページ番号"),
      lbl2(*this, "lbl2", "(数字を入力)"),
      txt_P(*this, "txt_P"),
      cmd1(*this, "cmd1", "ＯＫ"),
      cmd2(*this, "cmd2", "キャンセル") {
    layOut();
    wire();
    // Page numbers are not wanted until the box is ticked.
    txt_P.setEnabled(false);
    lbl1.setEnabled(false);
    lbl2.setEnabled(false);
    Cancel = &cmd2;
}

void Form15::layOut() {
    Frame1.geometry = {180, 120, 3435, 2235};
    int top = 360;
    for (OptionButton* o : {&opt1, &opt2, &opt3, &opt4, &opt5}) {
        o->geometry = {240, top, 3075, 255};
        top += 360;
    }
    chk_P.geometry = {720, 2520, 2295, 240};
    lbl1.geometry = {960, 2880, 1515, 195};
    lbl2.geometry = {960, 3120, 1515, 195};
    txt_P.geometry = {2520, 3000, 555, 270};
    txt_P.IMEMode = ImeMode::Off;
    cmd1.geometry = {660, 3480, 1215, 375};
    cmd2.geometry = {1980, 3480, 1215, 375};
    int index = 0;
    for (Control* c :
         {static_cast<Control*>(&opt1), static_cast<Control*>(&opt2), static_cast<Control*>(&opt3),
          static_cast<Control*>(&opt4), static_cast<Control*>(&opt5), static_cast<Control*>(&chk_P),
          static_cast<Control*>(&txt_P), static_cast<Control*>(&cmd1),
          static_cast<Control*>(&cmd2)}) {
        c->tabIndex = index++;
    }
}

void Form15::wire() {
    // A range chosen: the next step is OK.
    for (OptionButton* o : {&opt1, &opt2, &opt3, &opt4, &opt5})
        o->Click = [this] { cmd1.SetFocus(); };
    chk_P.Click = [this] { chk_P_Click(); };
    txt_P.Click = [this] { txt_P.selectAll(); };
    txt_P.GotFocus = [this] { txt_P.selectAll(); };
    txt_P.DblClick = [this] {
        txt_P.setSelStart(10);
        txt_P.setSelLength(utf8::length(txt_P.Text()));
    };
    // Enter goes on to OK without pressing it.
    txt_P.KeyPress = [this](int& key) {
        if (key != kEnter) return;
        key = 0;
        cmd1.SetFocus();
    };
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
}

PrintRange Form15::range() const {
    if (opt1.Value()) return PrintRange::Range_General;
    if (opt2.Value()) return PrintRange::Range_Stability;
    if (opt3.Value()) return PrintRange::Range_Section;
    if (opt4.Value()) return PrintRange::Range_StabSection;
    if (opt5.Value()) return PrintRange::Range_All;
    return PrintRange::None;
}

void Form15::chk_P_Click() {
    const bool wanted = chk_P.Value() == 1;
    lbl1.setEnabled(wanted);
    lbl2.setEnabled(wanted);
    if (!wanted) txt_P.setText("");
    txt_P.setEnabled(wanted);
}

void Form15::cmd1_Click() {
    if (range() == PrintRange::None) {
        showError(host(), "印刷範囲を指定してください。");
        return;
    }
    if (chk_P.Value() == 1 && txt_P.Text().empty()) {
        showError(host(), "最初のページ番号を入力してください。");
        txt_P.SetFocus();
        return;
    }
    // A range holding the member chapter waits for the member design; the dialog stays open
    // with its choices, so that another range can be printed meanwhile.
    if (printsSection(range()) && !memberChapterReady(app())) return;
    // A number no single-precision value can hold numbers no page: it counts as none.
    Page_First = singleOrZero(Val(txt_P.Text()));
    Hide();
    app().get<MDIForm1>().FilePrint(PrintRequest{range(), chk_P.Value() == 1, Page_First});
}

void Form15::cmd2_Click() {
    Unload();
}

}  // namespace pelzaro
