#include "forms/host.h"
#include "frame/mdiform1.h"
#include "project/line_file.h"
#include "project/project_loader.h"
#include "project/project_reader.h"
#include "project/project_session.h"
#include "project/project_writer.h"
#include "state/module1.h"

namespace pelzaro {

// Open: the whole file is proven before anything of the open project changes; a refused file
// leaves the project, its path and its title as they were. Cancel changes nothing.
void MDIForm1::FileOpen() {
    std::string chosen = host().openFileDialog(projectDialogRequest("Pelzaroを開く"));
    if (chosen.empty()) return;
    ProjectReadOutcome read = readProjectFile(chosen);
    if (!read.ok) {
        showError(host(), read.message);
        return;
    }
    CommonDialog1_FileName = chosen;
    // What a file shows never depends on the project open before: the load starts from the
    // windows and the design state of a new project, as New leaves them.
    discardProject(true);
    state() = Module1{};
    {
        // A file whose values the recalculation refuses says why once.
        RefusalGate oneMessage(host());
        loadProject(app(), read.project, chosen);
    }
    showProjectPath(app(), chosen);
}

// Overwrite save: after the question, the current file is replaced as a whole or not at all.
void MDIForm1::FileUpdate() {
    if (CommonDialog1_FileName.empty()) return;
    MsgAnswer answer = host().msgBox(Message{"上書き保存してもよろしいですか？", "確認",
                                             MsgButtons::OKCancel, MsgIcon::None, 2});
    if (answer != MsgAnswer::OK) return;
    ProjectWriteOutcome written = writeProject(app(), CommonDialog1_FileName);
    if (!written.ok) showError(host(), written.message);
}

// Save as: the path and the titles change only once the file is written.
void MDIForm1::Men_FSav_Click() {
    std::string chosen = host().saveFileDialog(projectDialogRequest("Pelzaroの保存"));
    if (chosen.empty()) return;
    if (fileExists(chosen)) {
        MsgAnswer answer =
            host().msgBox(Message{"同名ファイルがあります。上書き保存しますか？",
                                  "上書き保存の確認", MsgButtons::YesNo, MsgIcon::Critical, 2});
        if (answer != MsgAnswer::Yes) return;
    }
    ProjectWriteOutcome written = writeProject(app(), chosen);
    if (!written.ok) {
        showError(host(), written.message);
        return;
    }
    CommonDialog1_FileName = chosen;
    showProjectPath(app(), chosen);
}

}  // namespace pelzaro
