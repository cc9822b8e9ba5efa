#pragma once
// Opening, paging through and closing the print preview. Entering a page: the extra steps of
// the way there, the target window (created on first use) shown in place of the one left,
// its page box cleared, then the recalculations and the section printers of the page drawn on
// it. A report error of a section never ends the program: the page keeps what was drawn and
// shows a short note of what stopped it.

namespace pelzaro {

class App;
class PreviewPage;

enum class PageTurn { Previous, Next };

// The preview at the report page of the current input page (1, 2 or 5); nothing without one.
void openPreview(App& app);
// "前のﾍﾟｰｼﾞ" and "次のﾍﾟｰｼﾞ" of a page window.
void turnPage(App& app, PreviewPage& from, PageTurn turn);
// Closes the nine windows in the plan's window order, each once, and shows the toolbar again;
// the input page that was in front when the preview opened comes back in front, with the
// page marker it had then.
void closePreview(App& app);
// From the opening to the closing of the preview.
bool previewIsOpen(const App& app);
// The preview's shown page becomes the active window again (after the reference tables closed).
void bringPreviewToFront(App& app);

}  // namespace pelzaro
