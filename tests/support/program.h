#pragma once
// One program as a user starts it, for tests that open a file in a second program or compare
// two of them: File ▸ Open and Save as answer their dialogs with the file given.

#include <filesystem>
#include <string>

#include "conditions/form3.h"
#include "forms/app.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "project/line_file.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "support/test_host.h"

namespace pelzaro {

// One program, as a user starts it, outside the fixture's own: for tests that open a file in a
// second program or compare two of them.
struct Program {
    TestHost host;
    App app{host};
    MDIForm1& main = app.get<MDIForm1>();

    // File ▸ Open answering the dialog with `file`; true when it became the project's path.
    bool open(const std::string& file) {
        host.fileAnswers.push_back(file);
        main.FileOpen();
        return main.CommonDialog1_FileName == file;
    }
    // Save as into a new file of that name; the bytes written.
    std::string saveAs(const std::string& file) {
        std::filesystem::remove(file);
        host.fileAnswers.push_back(file);
        main.Men_FSav_Click();
        std::string bytes;
        readWholeFile(file, bytes);
        return bytes;
    }
    // What the File menu offers when the user opens it.
    bool saveAsOffered() {
        main.Men_F_Click();
        return main.Men_FSav.enabled;
    }
};

// A user going through the pages of one program.
struct User : Program {
    Form4& wallPage() { return app.get<Form4>(); }
    Form7& memberPage() { return app.get<Form7>(); }

    // From the design-conditions page, where Open leaves the user, to the wall dimensions.
    Form4& toTheWallDimensions() {
        app.get<Form3>().cmd3.click();   // 地盤の形状 >
        app.get<Form23>().cmd1.click();  // 寸法の入力 >
        return wallPage();
    }
    Form7& toTheMemberDesign() {
        toTheWallDimensions().cmd1.click();  // 断面計算 >
        return memberPage();
    }
};

}  // namespace pelzaro
