#include "frame/mdiform1.h"

namespace pelzaro {

// Open, Overwrite save and Save as of the project file.
void MDIForm1::FileOpen() {}
void MDIForm1::FileUpdate() {}
void MDIForm1::Men_FSav_Click() {}
// The print preview is not built yet: the toolbar button and the menu item do nothing visible.
void MDIForm1::FileImage() {}

}  // namespace pelzaro
