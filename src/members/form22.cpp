#include "members/form22.h"

namespace pelzaro {

Form22::Form22(App& app) : Window(app, "Form22", "", WindowRole::Dialog, 12000, 9000) {}


}  // namespace pelzaro
