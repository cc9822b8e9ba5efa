#pragma once
// A test fixture with one program whose user opens a sample through File ▸ Open; the host is
// the test's own where it needs to answer more than the scripted TestHost does.

#include <gtest/gtest.h>

#include <string>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "support/samples.h"
#include "support/test_host.h"

namespace pelzaro {

template <class H = TestHost>
struct SampleProgram : ::testing::Test {
    H host;
    App app{host};
    MDIForm1& main = app.get<MDIForm1>();

    // Opens the sample `name`, which says nothing as it opens.
    void openSampleNamed(const std::string& name) {
        openSample(host, app, samplePath(name));
        ASSERT_TRUE(host.messages.empty()) << host.lastMessage().text;
    }
};

}  // namespace pelzaro
