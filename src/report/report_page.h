#pragma once
// Running the section printers of one report page on a surface: the page choices are read once,
// then each section draws in turn, sharing the surface's state. A ReportError of a section
// passes to the caller, with what was drawn so far left on the surface.

#include <initializer_list>
#include <vector>

#include "report/report_context.h"

namespace pelzaro {

class App;

using SectionPrinter = void (*)(ReportContext&);

void drawSections(App& app, Surface& pri, std::initializer_list<SectionPrinter> sections);
void drawSections(App& app, Surface& pri, const std::vector<SectionPrinter>& sections);

}  // namespace pelzaro
