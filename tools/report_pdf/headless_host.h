#pragma once
// The Host of a tool without a display: the open dialog answers with the project given on the
// command line, every message box with its default button, a modal window returns at once.
// What the program said is kept, so the tool can report it.

#include <string>
#include <vector>

#include "forms/host.h"

namespace pelzaro {

class HeadlessHost : public Host {
  public:
    explicit HeadlessHost(std::string projectPath) : project_(std::move(projectPath)) {}

    std::vector<std::string> messages;  // "title: text", in order
    int beeps = 0;

    MsgAnswer msgBox(const Message& message) override;
    void beep() override { ++beeps; }
    void runModal(Window&) override {}
    std::string openFileDialog(const FileDialogRequest&) override { return project_; }
    std::string saveFileDialog(const FileDialogRequest&) override { return {}; }
    void quit() override {}

  private:
    std::string project_;
};

class App;

// Opens the host's project through the program's own Open, as a user would; false when the
// program refused it (its messages say why).
bool openProject(App& app, const std::string& path);

}  // namespace pelzaro
