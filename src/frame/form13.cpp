#include "frame/form13.h"

namespace pelzaro {

Form13::Form13(App& app)
    : Window(app, "Form13", "Pelzaro", WindowRole::Dialog, 5400, 2400),
      Picture1(*this, "Picture1"),
      Label1(*this, "Label1", "Pelzaro　Version 2.00"),
      cmd1(*this, "cmd1", "ＯＫ") {
    Picture1.geometry = {240, 240, 720, 720};
    Picture1.BorderStyle = 0;
    // A small sketch of the U-shaped wall stands in for the program's icon.
    Picture1.line(120, 120, 120, 600);
    Picture1.line(120, 600, 600, 600);
    Picture1.line(600, 600, 600, 120);
    Label1.geometry = {1200, 480, 3900, 300};
    cmd1.geometry = {1800, 1380, 1500, 420};
    cmd1.Click = [this] { cmd1_Click(); };
    Cancel = &cmd1;  // the only button: the close box and Escape press it
}

}  // namespace pelzaro
