#include "frame/form13.h"

namespace pelzaro {

Form13::Form13(App& app) : Window(app, "Form13", "", WindowRole::Dialog, 12000, 9000) {}


}  // namespace pelzaro
