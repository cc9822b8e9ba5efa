#include "headless_host.h"

#include "forms/app.h"
#include "frame/mdiform1.h"

namespace pelzaro {

bool openProject(App& app, const std::string& path) {
    MDIForm1& main = app.get<MDIForm1>();
    main.FileOpen();
    return main.CommonDialog1_FileName == path;
}

MsgAnswer HeadlessHost::msgBox(const Message& m) {
    messages.push_back(m.title + ": " + m.text);
    const bool second = m.defaultButton == 2;
    switch (m.buttons) {
        case MsgButtons::OKOnly:
            return MsgAnswer::OK;
        case MsgButtons::OKCancel:
            return second ? MsgAnswer::Cancel : MsgAnswer::OK;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            return second ? MsgAnswer::No : MsgAnswer::Yes;
    }
    return MsgAnswer::OK;
}

}  // namespace pelzaro
