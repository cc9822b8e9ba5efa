#include "stability/form23.h"

namespace pelzaro {

Form23::Form23(App& app) : Window(app, "Form23", "", WindowRole::Page, 12000, 9000) {}


}  // namespace pelzaro
