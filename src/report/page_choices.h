#pragma once
// The page choices as the report reads them (the struct lives in state/page_choices.h, shared
// with the pages' verdicts and the calculations' glue): read in one place, without creating a
// window. No section printer reads a control.

#include "state/page_choices.h"

namespace pelzaro {

class App;

PageChoices readPageChoices(const App& app);

}  // namespace pelzaro
