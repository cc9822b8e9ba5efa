// Every dialog can be left by its close box and by Escape, which act as its Cancel (or as its
// only button): no window ever holds the user without a way out.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "conditions/form25.h"
#include "forms/app.h"
#include "frame/form13.h"
#include "frame/form27.h"
#include "frame/mdiform1.h"
#include "members/form22.h"
#include "preview/form15.h"
#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form21.h"
#include "stability/form26.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

struct CloseCase {
    const char* dialog;
    bool discarded;  // what its Cancel (or only button) does: discard, or only hide
    std::function<Window&(App&)> window;
};

template <class W>
Window& dialogOf(App& app) {
    return app.get<W>();
}

class CloseBox : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseBox, ClosesTheDialogAsItsCancelDoes) {
    const CloseCase& c = GetParam();
    TestHost host;
    App app(host);
    app.get<MDIForm1>();
    Window& d = c.window(app);
    bool openBefore = false, openAfter = true;
    host.onModalNamed(d.name(), [&](Window& w) {
        openBefore = w.Visible() && w.takesUserInput();
        w.userClose();
        openAfter = w.isLoaded() && w.Visible();
    });
    d.ShowModal();
    EXPECT_TRUE(openBefore) << c.dialog;
    EXPECT_FALSE(openAfter) << c.dialog;
    EXPECT_EQ(app.modalWindow(), nullptr) << c.dialog;
    EXPECT_EQ(d.isLoaded(), !c.discarded) << c.dialog;
    EXPECT_TRUE(host.messages.empty()) << c.dialog << ": " << host.lastMessage().text;
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, CloseBox,
    ::testing::Values(CloseCase{"Form25", false, dialogOf<Form25>},
                      CloseCase{"Form14", false, dialogOf<Form14>},
                      CloseCase{"Form21", false, dialogOf<Form21>},
                      CloseCase{"Form19", false, dialogOf<Form19>},
                      CloseCase{"Form26", false, dialogOf<Form26>},
                      CloseCase{"Form22", true, dialogOf<Form22>},
                      CloseCase{"Form15", true, dialogOf<Form15>},
                      CloseCase{"Form13", true, dialogOf<Form13>},
                      CloseCase{"Form27", false, dialogOf<Form27>}),
    [](const ::testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.dialog); });

}  // namespace
}  // namespace pelzaro
