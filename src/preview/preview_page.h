#pragma once
// The nine preview windows, one per report page: a viewport (Picture1) holding the page box
// (Picture2) that the page's sections draw on, two scroll bars that move the box inside the
// viewport, and a menu bar of their own (previous page, next page, print, close) that takes
// the place of the main window's menus while the window is active. Page 1 has no previous and
// page 9 no next entry. A window is created on first use and destroyed only when the preview
// is closed, which closes all nine.

#include <vector>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/menu.h"
#include "forms/window.h"
#include "preview/page_box.h"

namespace pelzaro {

class PreviewPage : public Window {
  public:
    PreviewPage(App& app, const char* name, int reportPage);

    int reportPage() const { return reportPage_; }

    PictureBox Picture1;  // the viewport
    PageBox Picture2;     // the page box, the size of the printer's sheet
    ScrollBar VScroll1, HScroll1;
    MenuItem Men_Pre, Men_Nex, Men_Prn, Men_Cls;

    std::vector<MenuItem*> childMenuBar() override;

    // The page box takes the printer's page, the scroll bars its overhang.
    void Form_Load() override;
    // The platform closes the window: the whole preview closes, as with "閉じる".
    void Form_QueryUnload();

    void Men_Pre_Click();
    void Men_Nex_Click();
    void Men_Prn_Click();
    void Men_Cls_Click();
    void VScroll1_Change();
    void HScroll1_Change();

  private:
    void layOut();
    int reportPage_;
};

// The windows by the names of the report's page plan.
class Form1 : public PreviewPage {
  public:
    explicit Form1(App& app) : PreviewPage(app, "Form1", 1) {}
};
class Form2 : public PreviewPage {
  public:
    explicit Form2(App& app) : PreviewPage(app, "Form2", 2) {}
};
class Form5 : public PreviewPage {
  public:
    explicit Form5(App& app) : PreviewPage(app, "Form5", 3) {}
};
class Form18 : public PreviewPage {
  public:
    explicit Form18(App& app) : PreviewPage(app, "Form18", 4) {}
};
class Form6 : public PreviewPage {
  public:
    explicit Form6(App& app) : PreviewPage(app, "Form6", 5) {}
};
class Form8 : public PreviewPage {
  public:
    explicit Form8(App& app) : PreviewPage(app, "Form8", 6) {}
};
class Form16 : public PreviewPage {
  public:
    explicit Form16(App& app) : PreviewPage(app, "Form16", 7) {}
};
class Form17 : public PreviewPage {
  public:
    explicit Form17(App& app) : PreviewPage(app, "Form17", 8) {}
};
class Form20 : public PreviewPage {
  public:
    explicit Form20(App& app) : PreviewPage(app, "Form20", 9) {}
};

// The window of report page 1 .. 9, created on first use; find does not create it.
PreviewPage& previewWindow(App& app, int reportPage);
PreviewPage* findPreviewWindow(App& app, int reportPage);

// A scroll range for a page box `overhangTwips` larger than the viewport: Max the overhang,
// LargeChange half of it and SmallChange half of that, each rounded to the nearest whole number
// with a half going to the even one. A box smaller than the viewport does not scroll; a range
// beyond the 16-bit bar stops at its end.
struct ScrollRange {
    int max, largeChange, smallChange;
};
ScrollRange scrollRangeFor(int overhangTwips);

}  // namespace pelzaro
