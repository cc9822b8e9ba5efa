#include "conditions/form25.h"

namespace pelzaro {

Form25::Form25(App& app) : Window(app, "Form25", "", WindowRole::Dialog, 12000, 9000) {}

void Form25::Jisin() {}

}  // namespace pelzaro
