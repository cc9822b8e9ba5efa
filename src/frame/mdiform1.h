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
    // Services of the project file and the report preview (defined in mdiform1_services.cpp).
    void FileOpen();
    void FileUpdate();
    void Men_FSav_Click();
    void FileImage();
    // The user closes the main window by the close box: asks, and ends the program on Yes.
    // Returns false when the closing was cancelled.
    bool MDIForm_QueryUnload();
};

}  // namespace pelzaro
