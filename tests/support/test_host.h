#pragma once
// A Host for headless tests: answers message boxes from a queue (OK or Yes when the queue is
// empty), runs a scripted reaction while a modal window is open, and records every message,
// beep and quit request.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "forms/host.h"
#include "forms/window.h"
#include "support/test_printer.h"

namespace pelzaro {

class TestHost : public Host {
public:
    std::vector<Message> messages;
    int beeps = 0;
    bool quitRequested = false;
    std::deque<MsgAnswer> answers;           // consumed in order by msgBox
    std::deque<std::string> fileAnswers;     // consumed by the file dialogs ("" = Cancel)
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<std::string> modalsRun;      // window names, in order
    std::vector<std::string> windowsUnloaded;  // window names, in order

    // The printer: its page, what its dialog answers, and the documents printed on it.
    enum class PrinterAnswer { Print, Cancel, NoPrinter };
    PrinterPage page;
    PrinterAnswer printerAnswer = PrinterAnswer::Print;
    int printerDialogs = 0;
    std::vector<std::shared_ptr<PrintedDocument>> documents;
    // Failures the next document acts out.
    int failingNewPage = 0;
    bool failingEnd = false;

    // What the user does while a window of that type is shown modally.
    template <class W>
    void onModal(std::function<void(W&)> script) {
        scripts_[typeid(W).name()] = [script](Window& w) { script(static_cast<W&>(w)); };
    }
    // The same for the window of that name, whatever its type.
    void onModalNamed(const std::string& windowName, std::function<void(Window&)> script) {
        named_[windowName] = std::move(script);
    }
    void answerNext(MsgAnswer a) { answers.push_back(a); }

    const Message& lastMessage() const;
    std::vector<std::string> messageTexts() const;
    void clearRecords() {
        messages.clear();
        beeps = 0;
    }

    MsgAnswer msgBox(const Message& message) override;
    void beep() override { ++beeps; }
    void runModal(Window& window) override;
    std::string openFileDialog(const FileDialogRequest& request) override;
    std::string saveFileDialog(const FileDialogRequest& request) override;
    void quit() override { quitRequested = true; }
    void windowUnloading(Window& window) override { windowsUnloaded.push_back(window.name()); }
    PrinterPage printerPage() override { return page; }
    PrinterChoice ShowPrinter() override;

private:
    std::map<std::string, std::function<void(Window&)>> scripts_;
    std::map<std::string, std::function<void(Window&)>> named_;
};

}  // namespace pelzaro
