#pragma once
// A user who works at random, but only through what a user can reach now: the controls of the
// window in front (a modal dialog, else the shown pages), the File menu and the toolbar, or the
// menus of the print preview while it is open. Every action is written to the trail, so that
// a walk can be read and replayed from its seed.

#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "forms/app.h"
#include "preview/print_request.h"
#include "support/test_host.h"

namespace pelzaro {

class CommandButton;
class ComboBox;
class Control;
class TextBox;
class Window;

class RandomUser;

// The host of a walk: a modal dialog is worked by the random user, a question is answered by
// chance (OK and Yes most often).
class WalkHost : public TestHost {
  public:
    RandomUser* user = nullptr;
    MsgAnswer msgBox(const Message& message) override;
    void runModal(Window& window) override;
};

class RandomUser {
  public:
    // `samples` are the project files the user opens; `folder` takes the files the user saves.
    RandomUser(unsigned seed, WalkHost& host, App& app, std::vector<std::string> samples,
               std::string folder);

    // One action of the user.
    void act();
    // What the user does in a modal dialog until it closes.
    void workModal(Window& dialog);
    MsgAnswer answer(const Message& message);

    // A print through the print-range dialog, as the File menu's 印刷 offers it: the range and
    // numbering the user picks in the dialog, then ＯＫ.
    void printThroughTheDialog(PrintRange range, bool numbered);

    std::vector<std::string> trail;
    std::mt19937 rng;

    // Set while the user prints through the dialog: what the dialog is answered with.
    std::optional<PrintRange> plannedRange;
    bool plannedNumbering = false;
    // The range of the last print through the dialog and the project file written by the last
    // save, for the walk to check; the walk clears them.
    std::optional<PrintRange> askedRange;
    std::string savedPath;
    // A path for the save dialog that the user is about to answer.
    std::string nextSavePath();
    const std::string& folder() const { return folder_; }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(int percent) { return below(100) < percent; }
    void note(const std::string& action) { trail.push_back(action); }

  private:
    void controlAction(const std::vector<Control*>& reachable);
    void editText(TextBox& box);
    void editList(ComboBox& list);
    std::string textFor(const std::string& current);
    std::vector<Control*> reachableControls() const;
    void fileMenu();
    void toolbar();
    void previewMenu();
    void pushOn();
    void openSample();
    const std::string& anySample();

    WalkHost& host_;
    App& app_;
    std::vector<std::string> samples_;
    std::string folder_;
    int saves_ = 0;
};

// "Window.control" for the trail.
std::string controlName(const Control& c);

}  // namespace pelzaro
