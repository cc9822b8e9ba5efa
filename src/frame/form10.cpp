#include "frame/form10.h"

namespace pelzaro {

Form10::Form10(App& app) : Window(app, "Form10", "", WindowRole::Reference, 12000, 9000) {}


}  // namespace pelzaro
