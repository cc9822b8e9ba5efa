#pragma once
// The Host of the real program: message boxes, the beep, modal windows and file dialogs with
// Qt, and the binder that keeps every window's widgets in step with the model.

#include "forms/host.h"
#include "qt/binder.h"

namespace pelzaro {

class App;

class QtHost : public Host {
  public:
    void attach(App& app) { binder_.attach(app); }
    Binder& binder() { return binder_; }
    // Set once the program has been told to end: the main window then closes without asking.
    bool quitting() const { return quitting_; }

    MsgAnswer msgBox(const Message& message) override;
    void beep() override;
    void runModal(Window& window) override { binder_.runModal(window); }
    std::string openFileDialog(const FileDialogRequest& request) override;
    std::string saveFileDialog(const FileDialogRequest& request) override;
    void quit() override;
    PrinterPage printerPage() override;
    PrinterChoice ShowPrinter() override;

    void windowShown(Window& window) override { binder_.windowShown(window); }
    void windowHidden(Window& window) override { binder_.windowHidden(window); }
    void windowUnloading(Window& window) override { binder_.windowUnloading(window); }
    void focusMoved(Control& control) override { binder_.focusMoved(control); }
    void modelChanged() override { binder_.scheduleSync(); }

  private:
    Binder binder_;
    bool quitting_ = false;
};

}  // namespace pelzaro
