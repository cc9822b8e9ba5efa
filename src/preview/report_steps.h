#pragma once
// What a report page runs once its surface is in place: the recalculations that refresh the
// design state, hiding the member-design page, and the section printers. The preview and the
// print run them through one object of this kind; a test may put a watching one in its place.

#include <vector>

#include "report/report_page.h"

namespace pelzaro {

class App;
class Surface;

class ReportSteps {
  public:
    virtual ~ReportSteps() = default;
    // The design state again from the design-conditions page.
    virtual void HENSUU(App& app);
    // The stability calculation again from the wall-dimensions page.
    virtual void DANMEM_1(App& app);
    // Hides the member-design page (creating it hidden when it does not exist yet).
    virtual void hideMemberPage(App& app);
    // The section printers of a page, in order, on the surface.
    virtual void draw(App& app, Surface& pri, const std::vector<SectionPrinter>& sections);
    // The sections of a report page (1 .. 9) as the page plan has them for the wall.
    void drawPage(App& app, Surface& pri, int reportPage);
};

}  // namespace pelzaro
