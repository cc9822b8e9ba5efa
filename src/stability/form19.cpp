#include "stability/form19.h"

namespace pelzaro {

Form19::Form19(App& app) : Window(app, "Form19", "", WindowRole::Dialog, 12000, 9000) {}


}  // namespace pelzaro
