#pragma once
// MDIForm1: the main window, its menus, toolbar and the current project path.

#include <string>

#include "forms/app.h"
#include "forms/menu.h"
#include "forms/window.h"

namespace pelzaro {

class MDIForm1 : public Window {
  public:
    explicit MDIForm1(App& app);

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
    void FileImage();
    // Prints the range chosen in the print-range dialog; run by that dialog's OK.
    void FilePrint();
    // The user closes the main window by the close box: asks, and ends the program on Yes.
    // Returns false when the closing was cancelled.
    bool MDIForm_QueryUnload();

  private:
    void wireMenus();
    void discardProject(bool withForm21);
};

}  // namespace pelzaro
