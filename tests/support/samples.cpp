#include "support/samples.h"

#include <algorithm>
#include <filesystem>

#include "frame/mdiform1.h"

namespace pelzaro {

namespace {
std::string projectsFolder() {
    return std::string(PELZARO_TEST_DATA) + "/projects";
}
}  // namespace

std::vector<std::string> sampleProjects() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(projectsFolder()))
        if (entry.path().extension() == ".qkz") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string sampleName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string samplePath(const std::string& name) {
    return projectsFolder() + "/" + name;
}

void openSample(TestHost& host, App& app, const std::string& path) {
    host.fileAnswers.push_back(path);
    app.get<MDIForm1>().FileOpen();
}

OpenedSample::OpenedSample(const std::string& file) {
    openSample(host, app, file);
}

}  // namespace pelzaro
