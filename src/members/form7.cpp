#include "members/form7.h"

namespace pelzaro {

Form7::Form7(App& app) : Window(app, "Form7", "", WindowRole::Page, 12000, 9000) {}

void Form7::Hihyouji_3() {}
void Form7::Tyuui() {}

}  // namespace pelzaro
