#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "project/line_file.h"
#include "project_fixture.h"
#include "sample_builder.h"

namespace pelzaro {
namespace {

// The sample projects: both standards, both cases, the three seismic methods, both ground
// shapes, a wall without toe or heel and a shear key under each standard.
const SampleSpec kSamples[] = {
    {"residential-normal-one-sided.qkz"},
    {"residential-seismic-k1-key.qkz", false, true, '1', false, true, true, true},
    {"residential-seismic-d1-two-sided.qkz", false, true, 'D', true},
    {"residential-normal-no-toe-no-heel.qkz", false, false, '1', false, false, false},
    {"road-normal-two-sided.qkz", true, false, '1', true},
    {"road-seismic-k2-key.qkz", true, true, '2', false, true, true, true},
    {"road-seismic-d1-no-toe-no-heel.qkz", true, true, 'D', false, false, false},
};

std::string samplesFolder() {
    return std::string(PELZARO_TEST_DATA) + "/projects";
}

using Samples = ProjectFixture;

// Every sample can be built through the pages to a complete calculation, and gives the
// committed file byte for byte. With
// PELZARO_WRITE_SAMPLES=1 the built projects are saved into tests/data/projects, which is how
// the committed samples were made.
TEST_F(Samples, EverySampleIsBuiltThroughThePages) {
    const bool write = std::getenv("PELZARO_WRITE_SAMPLES") != nullptr;
    if (write) std::filesystem::create_directories(samplesFolder());
    for (const SampleSpec& s : kSamples) {
        TestHost sampleHost;
        App sampleApp(sampleHost);
        SampleBuilder builder(sampleApp, sampleHost);
        if (!builder.build(s)) continue;
        std::string target = write ? samplesFolder() + "/" + s.file : path(s.file);
        sampleHost.fileAnswers.push_back(target);
        sampleHost.answerNext(MsgAnswer::Yes);  // replace a sample written before
        sampleApp.get<MDIForm1>().Men_FSav_Click();
        EXPECT_EQ(splitLines(contents(target)).size(), 220u) << s.file;
        // The committed sample is what the pages give today.
        if (!write) {
            EXPECT_TRUE(contents(target) == contents(samplesFolder() + "/" + s.file))
                << s.file << " differs from what the pages build now; if the change is meant, "
                << "rebuild the samples with PELZARO_WRITE_SAMPLES=1";
        }
    }
}

}  // namespace
}  // namespace pelzaro
