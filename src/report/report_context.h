#pragma once
// What a section printer works with: the surface it draws on, the design state (read only),
// the page choices read once for the drawing, and the report's own layout values, the only
// thing a section writes.

#include "report/page_choices.h"
#include "report/surface.h"
#include "state/module1.h"

namespace pelzaro {

struct ReportContext {
    Surface& pri;
    const Module1& m;
    const PageChoices& opt;
    ReportVars& layout;
};

}  // namespace pelzaro
