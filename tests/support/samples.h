#pragma once
// The sample projects in tests/data/projects, which many suites open as a user would.

#include <string>
#include <vector>

#include "forms/app.h"
#include "support/test_host.h"

namespace pelzaro {

// The full paths of the sample project files, in name order.
std::vector<std::string> sampleProjects();

// The file name of a path, for naming a sample in a failure.
std::string sampleName(const std::string& path);

// The full path of the sample project file `name`.
std::string samplePath(const std::string& name);

// Opens the project file at `path` in the program through File ▸ Open, as a user opens it.
void openSample(TestHost& host, App& app, const std::string& path);

// A fresh program with one sample opened through File ▸ Open, as a user opens it.
struct OpenedSample {
    TestHost host;
    App app{host};
    explicit OpenedSample(const std::string& file);
};

}  // namespace pelzaro
