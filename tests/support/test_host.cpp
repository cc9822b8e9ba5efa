#include "support/test_host.h"

#include <stdexcept>
#include <typeinfo>

namespace pelzaro {

const Message& TestHost::lastMessage() const {
    static const Message none{};
    return messages.empty() ? none : messages.back();
}

std::vector<std::string> TestHost::messageTexts() const {
    std::vector<std::string> out;
    for (const Message& m : messages) out.push_back(m.text);
    return out;
}

MsgAnswer TestHost::msgBox(const Message& message) {
    messages.push_back(message);
    if (!answers.empty()) {
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (message.buttons) {
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            return MsgAnswer::Yes;
        default:
            return MsgAnswer::OK;
    }
}

void TestHost::runModal(Window& window) {
    modalsRun.push_back(window.name());
    if (auto byName = named_.find(window.name()); byName != named_.end()) {
        auto script = byName->second;
        script(window);
        return;
    }
    auto it = scripts_.find(typeid(window).name());
    if (it == scripts_.end()) return;  // nobody acts: the caller closes the window
    auto script = it->second;          // the script may replace itself
    script(window);
}

std::string TestHost::openFileDialog(const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (fileAnswers.empty()) return {};
    std::string a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

std::string TestHost::saveFileDialog(const FileDialogRequest& request) {
    return openFileDialog(request);
}

PrinterChoice TestHost::ShowPrinter() {
    ++printerDialogs;
    PrinterChoice choice;
    if (printerAnswer == PrinterAnswer::Cancel) return choice;
    if (printerAnswer == PrinterAnswer::NoPrinter) {
        choice.failure = "no printer";
        return choice;
    }
    auto record = std::make_shared<PrintedDocument>();
    record->failingNewPage = failingNewPage;
    record->failingEnd = failingEnd;
    documents.push_back(record);
    choice.document = std::make_unique<TestPrintDocument>(record);
    return choice;
}

}  // namespace pelzaro
