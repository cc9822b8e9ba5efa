#include "frame/form9.h"

namespace pelzaro {

Form9::Form9(App& app) : Window(app, "Form9", "", WindowRole::Reference, 12000, 9000) {}


}  // namespace pelzaro
