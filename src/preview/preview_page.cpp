#include "preview/preview_page.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "forms/host.h"
#include "preview/form15.h"
#include "preview/preview_paging.h"

namespace pelzaro {

namespace {
// The window's client area and its parts, in twips.
constexpr int kClientWidth = 10920, kClientHeight = 7350;
constexpr Twips kViewport{0, 0, 10665, 7095};
constexpr Twips kVScroll{10680, 0, 255, 7095};
constexpr Twips kHScroll{0, 7110, 10665, 255};
constexpr Twips kHScrollPage3{-30, 7110, 10695, 255};

void applyRange(ScrollBar& bar, const ScrollRange& range) {
    bar.setMax(range.max);
    bar.setLargeChange(range.largeChange);
    bar.setSmallChange(range.smallChange);
}

// Whole number, a half to the even neighbour, as the 16-bit conversion of the scroll bars does.
int toEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}
}  // namespace

ScrollRange scrollRangeFor(int overhangTwips) {
    const int max = std::clamp(overhangTwips, 0, 32767);
    const int large = toEven(max / 2.0);
    return ScrollRange{max, large, toEven(large / 2.0)};
}

PreviewPage::PreviewPage(App& app, const char* name, int reportPage)
    : Window(app, name, "", WindowRole::Reference, kClientWidth, kClientHeight),
      Picture1(*this, "Picture1"),
      Picture2(*this, "Picture2", &Picture1),
      VScroll1(*this, "VScroll1", ScrollBar::Vertical),
      HScroll1(*this, "HScroll1", ScrollBar::Horizontal),
      reportPage_(reportPage) {
    layOut();
    setItem(Men_Pre, "Men_Pre", "前のﾍﾟｰｼﾞ(&F)");
    setItem(Men_Nex, "Men_Nex", "次のﾍﾟｰｼﾞ(&N)");
    setItem(Men_Prn, "Men_Prn", "印刷(&P)");
    setItem(Men_Cls, "Men_Cls", "閉じる(&C)");
    Men_Pre.Click = [this] { Men_Pre_Click(); };
    Men_Nex.Click = [this] { Men_Nex_Click(); };
    Men_Prn.Click = [this] { Men_Prn_Click(); };
    Men_Cls.Click = [this] { Men_Cls_Click(); };
    VScroll1.Change = [this] { VScroll1_Change(); };
    HScroll1.Change = [this] { HScroll1_Change(); };
}

void PreviewPage::layOut() {
    Picture1.geometry = kViewport;
    Picture1.BorderStyle = 1;
    Picture2.geometry = Twips{0, 0, 0, 0};
    VScroll1.geometry = kVScroll;
    HScroll1.geometry = reportPage_ == 3 ? kHScrollPage3 : kHScroll;
}

std::vector<MenuItem*> PreviewPage::childMenuBar() {
    std::vector<MenuItem*> bar;
    if (reportPage_ != 1) bar.push_back(&Men_Pre);
    if (reportPage_ != 9) bar.push_back(&Men_Nex);
    bar.push_back(&Men_Prn);
    bar.push_back(&Men_Cls);
    return bar;
}

void PreviewPage::Form_Load() {
    Picture2.takePage(host().printerPage());
    applyRange(VScroll1, scrollRangeFor(Picture2.geometry.height - Picture1.geometry.height));
    applyRange(HScroll1, scrollRangeFor(Picture2.geometry.width - Picture1.geometry.width));
}

void PreviewPage::VScroll1_Change() {
    Picture2.geometry.top = -VScroll1.Value();
    touch();
}

void PreviewPage::HScroll1_Change() {
    Picture2.geometry.left = -HScroll1.Value();
    touch();
}

void PreviewPage::Men_Pre_Click() {
    turnPage(app(), *this, PageTurn::Previous);
}

void PreviewPage::Men_Nex_Click() {
    turnPage(app(), *this, PageTurn::Next);
}

// The print-range dialog; the preview stays on this page.
void PreviewPage::Men_Prn_Click() {
    app().get<Form15>().ShowModal();
}

void PreviewPage::Men_Cls_Click() {
    closePreview(app());
}

void PreviewPage::Form_QueryUnload() {
    closePreview(app());
}

namespace {
// The window class of each report page, one place for finding and for creating it: `use` is
// called with a null pointer of the page's class.
template <class Use>
decltype(auto) withPreviewClass(int reportPage, Use use) {
    switch (reportPage) {
        case 1:
            return use(static_cast<Form1*>(nullptr));
        case 2:
            return use(static_cast<Form2*>(nullptr));
        case 3:
            return use(static_cast<Form5*>(nullptr));
        case 4:
            return use(static_cast<Form18*>(nullptr));
        case 5:
            return use(static_cast<Form6*>(nullptr));
        case 6:
            return use(static_cast<Form8*>(nullptr));
        case 7:
            return use(static_cast<Form16*>(nullptr));
        case 8:
            return use(static_cast<Form17*>(nullptr));
        default:
            return use(static_cast<Form20*>(nullptr));
    }
}
}  // namespace

PreviewPage* findPreviewWindow(App& app, int reportPage) {
    if (reportPage < 1 || reportPage > 9) return nullptr;
    return withPreviewClass(reportPage, [&app](auto* tag) -> PreviewPage* {
        return app.find<std::remove_pointer_t<decltype(tag)>>();
    });
}

PreviewPage& previewWindow(App& app, int reportPage) {
    return withPreviewClass(reportPage, [&app](auto* tag) -> PreviewPage& {
        return app.get<std::remove_pointer_t<decltype(tag)>>();
    });
}

}  // namespace pelzaro
