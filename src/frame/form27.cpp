#include "frame/form27.h"

namespace pelzaro {

Form27::Form27(App& app) : Window(app, "Form27", "", WindowRole::Dialog, 12000, 9000) {}


}  // namespace pelzaro
