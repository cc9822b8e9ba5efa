#include "members/form7.h"

#include "members/calc/bar_table.h"
#include "state/module1.h"

namespace pelzaro {

Form7::Form7(App& app)
    : Window(app, "Form7", "", WindowRole::Page, 15000, 11100),
      rows_{{
          {'A', 1, &Label63, &Label1, &cbo1, &lbl_r1, &lbl_ra, &txt1, &lbl1, &lbl2, &lbl3, &lbl4},
          {'B', 2, nullptr, &Label2, &cbo2, &lbl_r2, &lbl_rb, &txt2, &lbl5, &lbl6, &lbl7, &lbl8},
          {'C', 5, &Label76, &Label5, &cbo5, &lbl_r5, &lbl_re, &txt5, &lbl17, &lbl18, &lbl19,
           &lbl20},
          {'D', 6, nullptr, &Label6, &cbo6, &lbl_r6, &lbl_rf, &txt6, &lbl21, &lbl22, &lbl23,
           &lbl24},
          {'E', 7, nullptr, &Label7, &cbo7, &lbl_r7, &lbl_rg, &txt7, &lbl25, &lbl26, &lbl27,
           &lbl28},
          {'F', 8, &Label14, &Label8, &cbo8, &lbl_r8, &lbl_rh, &txt8, &lbl29, &lbl30, &lbl31,
           &lbl32},
          {'G', 9, &Label19, &Label9, &cbo9, &lbl_r9, &lbl_ri, &txt9, &lbl33, &lbl34, &lbl35,
           &lbl36},
          {'H', 10, &Label13, &Label10, &cbo10, &lbl_r10, &lbl_rj, &txt10, &lbl37, &lbl38, &lbl39,
           &lbl40},
      }} {
    layOut();
    wireHandlers();
}

// Creation: the page marker, then the 21 bar kinds into every row's list, rows in order.
void Form7::Form_Load() {
    state().Flg_Page = Page_Section;
    for (const Form7Row& r : rows_) {
        for (int i = 0; i < members::kBarKindCount; ++i) {
            r.barKind->AddItem(members::barKindAt(i)->listEntry);
        }
    }
}

void Form7::Form_Activate() {
    state().Flg_Page = Page_Section;
}

const Form7Row& Form7::row(char letter) const {
    for (const Form7Row& r : rows_) {
        if (r.letter == letter) return r;
    }
    return rows_[0];
}

void Form7::cmd_r1() {
    runRowProcedure('A');
}
void Form7::cmd_r2() {
    runRowProcedure('B');
}
void Form7::cmd_r5() {
    runRowProcedure('C');
}
void Form7::cmd_r6() {
    runRowProcedure('D');
}
void Form7::cmd_r7() {
    runRowProcedure('E');
}
void Form7::cmd_r8() {
    runRowProcedure('F');
}
void Form7::cmd_r9() {
    runRowProcedure('G');
}
void Form7::cmd_r10() {
    runRowProcedure('H');
}

void Form7::Ouryoku_1() {
    runStressCheck('A');
}
void Form7::Ouryoku_2() {
    runStressCheck('B');
}
void Form7::Ouryoku_5() {
    runStressCheck('C');
}
void Form7::Ouryoku_6() {
    runStressCheck('D');
}
void Form7::Ouryoku_7() {
    runStressCheck('E');
}
void Form7::Ouryoku_8() {
    runStressCheck('F');
}
void Form7::Ouryoku_9() {
    runStressCheck('G');
}
void Form7::Ouryoku_10() {
    runStressCheck('H');
}

}  // namespace pelzaro
