#include "support/samples.h"

#include <algorithm>
#include <filesystem>

#include "frame/mdiform1.h"

namespace pelzaro {

std::vector<std::string> sampleProjects() {
    std::vector<std::string> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(PELZARO_TEST_DATA) + "/projects"))
        if (entry.path().extension() == ".qkz") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string sampleName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

OpenedSample::OpenedSample(const std::string& file) {
    host.fileAnswers.push_back(file);
    app.get<MDIForm1>().FileOpen();
}

}  // namespace pelzaro
