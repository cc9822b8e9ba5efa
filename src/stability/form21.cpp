#include "stability/form21.h"

namespace pelzaro {

Form21::Form21(App& app) : Window(app, "Form21", "", WindowRole::Dialog, 12000, 9000) {}


}  // namespace pelzaro
