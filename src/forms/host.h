#pragma once
// Everything outside the program's own model: message boxes, the beep, modal windows, the
// file and printer dialogs, quitting. The Qt host shows real windows; the test host answers
// from a script and records what the program said.

#include <memory>
#include <string>

namespace pelzaro {

class Window;
class Control;
class PrintDocument;  // report/print_document.h

enum class MsgButtons { OKOnly, OKCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { OK, Cancel, Yes, No };

struct Message {
    std::string text;
    std::string title;
    MsgButtons buttons = MsgButtons::OKOnly;
    MsgIcon icon = MsgIcon::None;
    int defaultButton = 1;  // 1 = first button, 2 = second
};

struct FileDialogRequest {
    std::string title;
    std::string initialDir;
    std::string filter;  // "Pelzaro(.qkz)|*.qkz"
    std::string fileName;
};

// The printer's sheet and its printable area, in twips. Without a printer: A4 portrait with the
// margins of the PDF printer (10 points on every side).
struct PrinterPage {
    int width = 11900;
    int height = 16840;
    int left = 200;  // the printable area's corner on the sheet
    int top = 200;
    int scaleWidth = 11500;  // the printable area
    int scaleHeight = 16440;
};

// The printer dialog's answer: a document ready to print on, or none, with the reason when the
// print cannot start (empty when the user cancelled).
struct PrinterChoice {
    std::unique_ptr<PrintDocument> document;
    std::string failure;
    PrinterChoice();
    PrinterChoice(PrinterChoice&&) noexcept;
    PrinterChoice& operator=(PrinterChoice&&) noexcept;
    ~PrinterChoice();
};

class Host {
public:
    virtual ~Host() = default;

    virtual MsgAnswer msgBox(const Message& message) = 0;
    virtual void beep() = 0;
    // Returns when the window is hidden or unloaded again.
    virtual void runModal(Window& window) = 0;
    // The chosen path, or empty when the user cancelled.
    virtual std::string openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::string saveFileDialog(const FileDialogRequest& request) = 0;
    // Ends the program at once.
    virtual void quit() = 0;

    // The page of the printer the next print would use.
    virtual PrinterPage printerPage() { return PrinterPage{}; }
    // The printer dialog, without choices of a selection or a page range; on OK a document
    // on the chosen printer. A host without printing has no printer.
    virtual PrinterChoice ShowPrinter();

    // Notifications that let a view follow the model; the model works without them.
    virtual void windowLoaded(Window&) {}
    virtual void windowShown(Window&) {}
    virtual void windowHidden(Window&) {}
    virtual void windowUnloading(Window&) {}
    virtual void focusMoved(Control&) {}
    // Something of a window changed; called often, so it must cost little.
    virtual void modelChanged() {}

    // Whether a refusal may be shown now: always, except behind a RefusalGate that has let
    // its first refusal through already.
    bool passRefusal();

  private:
    friend class RefusalGate;
    int gates_ = 0;
    bool refusalShown_ = false;
};

// While one lives, only the first refusal reaches the user: opening a damaged file shows why
// once, not once for every step of the recalculation that refuses after it.
class RefusalGate {
  public:
    explicit RefusalGate(Host& host);
    ~RefusalGate();
    RefusalGate(const RefusalGate&) = delete;
    RefusalGate& operator=(const RefusalGate&) = delete;

  private:
    Host& host_;
};

// The error box of the input checks, a refusal: OK only, titled "エラーメッセージ".
void showError(Host& host, const std::string& text);
// A prompt in the same box that asks for a missing step (the shear key to be calculated): it
// is not a refusal and passes every gate.
void showPrompt(Host& host, const std::string& text);

}  // namespace pelzaro
