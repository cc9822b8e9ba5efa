#include "preview/preview_paging.h"

#include <exception>
#include <string>

#include "forms/host.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "preview/member_chapter.h"
#include "preview/preview_page.h"
#include "preview/report_steps.h"
#include "report/page_plan.h"
#include "report/surface.h"
#include "state/module1.h"

namespace pelzaro {

namespace {

// What is recomputed before a page is drawn: the stability before pages 2 and 4 (but not when
// page 2 is entered backwards) and before page 5 when the preview opens there; the design
// state from the design-conditions page when page 1 is entered backwards.
enum class Recalc { None, HENSUU, DANMEM_1 };

// What happens before the target is entered.
enum class Extra {
    None,
    HideMemberPage,
    NeedsSpacingB,  // refused unless the member design stands and part B has a design spacing,
                    // else hide the member page
    Page8Next,      // page 8's Next is turned off when there is no page 9
};

struct Transition {
    int from;
    PageTurn turn;
    Extra extra;
    Recalc recalc;
};

constexpr Transition kTransitions[] = {
    {1, PageTurn::Next, Extra::None, Recalc::DANMEM_1},
    {2, PageTurn::Previous, Extra::None, Recalc::HENSUU},
    {2, PageTurn::Next, Extra::None, Recalc::None},
    {3, PageTurn::Previous, Extra::None, Recalc::None},
    {3, PageTurn::Next, Extra::HideMemberPage, Recalc::DANMEM_1},
    {4, PageTurn::Previous, Extra::None, Recalc::None},
    {4, PageTurn::Next, Extra::NeedsSpacingB, Recalc::None},
    {5, PageTurn::Previous, Extra::None, Recalc::DANMEM_1},
    {5, PageTurn::Next, Extra::None, Recalc::None},
    {6, PageTurn::Previous, Extra::None, Recalc::None},
    {6, PageTurn::Next, Extra::None, Recalc::None},
    {7, PageTurn::Previous, Extra::None, Recalc::None},
    {7, PageTurn::Next, Extra::Page8Next, Recalc::None},
    {8, PageTurn::Previous, Extra::None, Recalc::None},
    {8, PageTurn::Next, Extra::None, Recalc::None},
    {9, PageTurn::Previous, Extra::None, Recalc::None},
};

const Transition* transitionFrom(int page, PageTurn turn) {
    for (const Transition& t : kTransitions) {
        if (t.from == page && t.turn == turn) return &t;
    }
    return nullptr;
}

MDIForm1& mainWindow(App& app) {
    return app.get<MDIForm1>();
}

// False when the way is refused (the user has been told).
bool runExtraSteps(App& app, Extra extra) {
    ReportSteps& steps = mainWindow(app).reportSteps();
    switch (extra) {
        case Extra::None:
            return true;
        case Extra::HideMemberPage:
            steps.hideMemberPage(app);
            return true;
        case Extra::NeedsSpacingB:
            if (!memberChapterReady(app)) return false;
            if (app.get<Form7>().txt2.Text().empty()) return refuseMemberChapter(app);
            steps.hideMemberPage(app);
            return true;
        case Extra::Page8Next:
            // Only disabled, never enabled: page 9 is reachable exactly when it has content.
            if (!hasPage9(wallParts(app.m))) previewWindow(app, 8).Men_Nex.enabled = false;
            return true;
    }
    return true;
}

void recalculate(App& app, Recalc recalc) {
    ReportSteps& steps = mainWindow(app).reportSteps();
    if (recalc == Recalc::HENSUU) steps.HENSUU(app);
    if (recalc == Recalc::DANMEM_1) steps.DANMEM_1(app);
}

// The recalculation and the sections of the page on its page box. A failure ends the drawing
// where it happened and leaves a note on the page.
void drawPage(App& app, PreviewPage& page, Recalc recalc) {
    PageBox& box = page.Picture2;
    Surface pri(box);
    pri.startPage(box.FontSize);
    try {
        recalculate(app, recalc);
        mainWindow(app).reportSteps().drawPage(app, pri, page.reportPage());
    } catch (const std::exception& e) {
        box.setNote(std::string("このページの作成を中断しました：") + e.what());
    }
}

void enterPage(App& app, PreviewPage* leaving, int target, Recalc recalc) {
    PreviewPage& page = previewWindow(app, target);
    if (leaving != nullptr && leaving != &page) leaving->Hide();
    page.Show();
    page.Picture2.Cls();
    drawPage(app, page, recalc);
}

void showToolbar(App& app, bool shown) {
    MDIForm1& main = mainWindow(app);
    main.Toolbar1.visible = shown;
    main.touch();
}

}  // namespace

void openPreview(App& app) {
    if (previewIsOpen(app)) return;  // one preview at a time
    int start = 0;
    Recalc recalc = Recalc::None;
    switch (app.m.Flg_Page) {
        case Page_Conditions:
            start = 1;
            break;
        case Page_Dimensions:
            start = 2;
            recalc = Recalc::DANMEM_1;
            break;
        case Page_Section:
            // Opened from the member page at the member chapter: nothing opens before the
            // member design stands.
            if (!memberChapterReady(app)) return;
            start = 5;
            recalc = Recalc::DANMEM_1;
            break;
        default:
            return;
    }
    Window* front = app.activeWindow();
    mainWindow(app).previewReturn = {
        front != nullptr && front->role() == WindowRole::Page ? front : nullptr, app.m.Flg_Page};
    app.holdPagesBehind(true);
    showToolbar(app, false);
    enterPage(app, nullptr, start, recalc);
}

void turnPage(App& app, PreviewPage& from, PageTurn turn) {
    const Transition* t = transitionFrom(from.reportPage(), turn);
    if (t == nullptr) return;
    if (!runExtraSteps(app, t->extra)) return;
    const int target = from.reportPage() + (turn == PageTurn::Next ? 1 : -1);
    enterPage(app, &from, target, t->recalc);
}

void closePreview(App& app) {
    const bool wasOpen = previewIsOpen(app);
    // The windows in their closing order: Form1, Form2, Form5, Form6, Form8, Form16, Form17,
    // Form18, Form20 (report pages 1, 2, 3, 5, 6, 7, 8, 4, 9).
    for (int page : {1, 2, 3, 5, 6, 7, 8, 4, 9}) {
        if (PreviewPage* w = findPreviewWindow(app, page)) w->Unload();
    }
    app.holdPagesBehind(false);
    MDIForm1& main = mainWindow(app);
    // The reference tables, opened meanwhile, keep the toolbar hidden until they close.
    showToolbar(app, main.Men_S.enabled);
    if (!wasOpen) return;
    // The page the user came from comes back in front with its place in the page sequence
    // (creating the member-design page on the way through the report moved the marker).
    MDIForm1::PreviewReturn back = main.previewReturn;
    main.previewReturn = {};
    if (back.page != nullptr && back.page->isLoaded()) back.page->Show();
    app.m.Flg_Page = back.Flg_Page;
}

bool previewIsOpen(const App& app) {
    return app.pagesHeldBehind();
}

void bringPreviewToFront(App& app) {
    for (int page = 1; page <= 9; ++page) {
        PreviewPage* w = findPreviewWindow(app, page);
        if (w != nullptr && w->Visible()) w->Show();
    }
}

void MDIForm1::FileImage() {
    openPreview(app());
}

}  // namespace pelzaro
