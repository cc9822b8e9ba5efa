#pragma once
// MDIForm1: the main window, its menus, toolbar and the current project path.

#include <memory>
#include <string>

#include "forms/app.h"
#include "forms/menu.h"
#include "forms/window.h"
#include "preview/print_request.h"

namespace pelzaro {

class ReportSteps;

class MDIForm1 : public Window {
  public:
    explicit MDIForm1(App& app);
    ~MDIForm1() override;

    // Menus, top level first; the File menu's items in their order, separators included.
    MenuItem Men_F, Men_FNew, Men_FOpn, Men_FCls, Men_FL1, Men_FOvw, Men_FSav, Men_FL2, Men_FImg,
        Men_FPrn, Men_FL3, Men_FEnd, Men_S, Men_H, Men_FVer;
    std::vector<MenuItem*> menuBar() { return {&Men_F, &Men_S, &Men_H}; }

    Toolbar Toolbar1;

    // The file name of the open/save dialog: the current project path, empty for none.
    std::string CommonDialog1_FileName;

    void Form_Load() override;  // start-up
    void FileNew();
    // The File menu opens: Save as, Overwrite save, Print image and Print follow the markers.
    void Men_F_Click();
    // Saving is offered exactly when the project as saved opens again to the same file: while
    // the member design stands (both checks have run and no edit has withdrawn them).
    // Overwriting, by the menu or by toolbar button 3, needs the project's file besides.
    // Button 3 follows this rule by itself; the menu's two items take it when offerSaving runs
    // (each time the menu opens, and after Open).
    bool printOffered() const;
    bool saveOffered() const;
    bool overwriteOffered() const;
    void offerSaving();
    void Men_FCls_Click();  // Close, after the question
    void Men_FEnd_Click();  // Exit, after the question
    void Men_FPrn_Click();  // the print-range dialog
    void Men_FVer_Click();  // the version box
    // 参考: the reference tables of the governing standard; the File menu, 参考 and the toolbar
    // are locked until the window's "閉じる" calls referenceClosed.
    void Men_S_Click();
    void referenceClosed();
    void Toolbar1_ButtonClick(int index);
    // Services of the project file and the report preview (defined in mdiform1_services.cpp).
    void FileOpen();
    void FileUpdate();
    void Men_FSav_Click();
    // The print preview at the report page of the current input page (src/preview).
    void FileImage();
    // The input page in front when the preview opened and the page marker then: the preview
    // gives both back when it closes, so the next preview opens where this one did.
    struct PreviewReturn {
        Window* page = nullptr;
        int Flg_Page = 0;
    } previewReturn;
    // Prints the range on the printer chosen in the printer dialog (src/preview). Cancel in
    // that dialog prints nothing and says nothing; a failure stops the print, ends what was
    // printed as a document and names the page in a message.
    void FilePrint(const PrintRequest& request);
    // What a report page runs (recalculations, sections), for the preview and the print; a
    // test may put a watching one in place.
    ReportSteps& reportSteps() { return *reportSteps_; }
    void setReportSteps(std::unique_ptr<ReportSteps> steps);
    // The user closes the main window by the close box: asks, and ends the program on Yes.
    // Returns false when the closing was cancelled.
    bool MDIForm_QueryUnload();

  private:
    std::unique_ptr<ReportSteps> reportSteps_;
    void wireMenus();
    void discardProject(bool withForm21);
};

}  // namespace pelzaro
