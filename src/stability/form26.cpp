#include "stability/form26.h"

namespace pelzaro {

Form26::Form26(App& app) : Window(app, "Form26", "", WindowRole::Dialog, 12000, 9000) {}


}  // namespace pelzaro
