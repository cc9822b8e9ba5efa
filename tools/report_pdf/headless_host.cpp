#include "headless_host.h"

namespace pelzaro {

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
