#pragma once
// Form15: the print-range dialog. The user chooses which part of the report to print and
// whether, and from which number, the pages are numbered.
//
// Contract for the print (read after OK, while the dialog is hidden but still exists):
//   range()         the part of the report chosen (never None after OK);
//   chk_P.Value()   1 when every printed page gets a number;
//   Page_First      the number of the first printed page, stored by the last OK.
// OK checks its entries in order (range, then the first page number when numbering is
// wanted, then that a range holding the member chapter has a member design standing), stores
// Page_First, hides the dialog and runs MDIForm1::FilePrint with the request.
// Cancel and the close box discard the dialog: nothing is printed and the next opening starts
// afresh.

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"
#include "preview/print_request.h"

namespace pelzaro {

class Form15 : public Window {
  public:
    explicit Form15(App& app);

    Frame Frame1;
    OptionButton opt1, opt2, opt3, opt4, opt5;
    CheckBox chk_P;
    Label lbl1, lbl2;
    TextBox txt_P;
    CommandButton cmd1;  // ＯＫ
    CommandButton cmd2;  // キャンセル

    // The leading number of the first-page text at the last OK (single precision; 0 for a text
    // without a leading number). A discarded dialog's value no longer counts: a print always
    // follows an OK, which sets it again.
    float Page_First = 0.0f;

    PrintRange range() const;

    void chk_P_Click();
    void cmd1_Click();
    void cmd2_Click();

  private:
    void layOut();
    void wire();
};

}  // namespace pelzaro
