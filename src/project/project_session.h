#pragma once
// What the main window shows of the current project file: the file dialogs' request and the
// window titles.

#include <string>

#include "forms/host.h"

namespace pelzaro {

class App;

// The open and save dialogs: title, the filter of project files, and the folder "Pelzaro" in
// the user's home folder when it exists, otherwise the home folder itself.
FileDialogRequest projectDialogRequest(const std::string& title);
std::string projectFolder();

// The design-conditions page carries the full path as its caption; the main window's title
// bar shows "Pelzaro - " and the file's name, or "Pelzaro" for a project without a file.
void showProjectPath(App& app, const std::string& path);
std::string mainWindowTitle(const std::string& path);

}  // namespace pelzaro
