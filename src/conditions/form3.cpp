#include "conditions/form3.h"

namespace pelzaro {

Form3::Form3(App& app) : Window(app, "Form3", "", WindowRole::Page, 12000, 9000) {}

void Form3::HENSUU() {}
void Form3::KEISAN() {}
void Form3::jDERUTA() {}
void Form3::Masatu() {}

}  // namespace pelzaro
