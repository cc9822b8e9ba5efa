#include "stability/form4.h"

namespace pelzaro {

Form4::Form4(App& app) : Window(app, "Form4", "", WindowRole::Page, 12000, 9000) {}

void Form4::Hihyouji_1() {}
void Form4::Hihyouji_2() {}
void Form4::Hihyouji_3() {}
void Form4::GamenHyouji() {}

}  // namespace pelzaro
