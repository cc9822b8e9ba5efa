#include "stability/form14.h"

namespace pelzaro {

Form14::Form14(App& app) : Window(app, "Form14", "", WindowRole::Dialog, 12000, 9000) {}


}  // namespace pelzaro
