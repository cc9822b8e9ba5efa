#include "preview/form15.h"

namespace pelzaro {

Form15::Form15(App& app) : Window(app, "Form15", "", WindowRole::Dialog, 12000, 9000) {}


}  // namespace pelzaro
