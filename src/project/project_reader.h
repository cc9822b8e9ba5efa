#pragma once
// Reads a project file and proves it whole before anything of the open project changes: the
// file must have at least 217 lines, every line must be CP932 text, and every line that
// becomes an option, a check box, a bar-kind position or a design-state value must convert
// completely and lie in range, and the design conditions and seismic coefficients must be
// values their pages accept (condition_lines.h). A refused file yields one message naming its
// first bad line.

#include <string>
#include <vector>

namespace pelzaro {

struct ProjectLines {
    // Lines 1 to 220 as UTF-8 text, without their line ends. A file of 217 lines gets empty
    // lines 218 to 220 (the road key dialog empty); lines after 220 are ignored.
    std::vector<std::string> lines;
    const std::string& line(int number) const { return lines.at(static_cast<size_t>(number - 1)); }
};

struct ProjectReadOutcome {
    bool ok = false;
    ProjectLines project;
    std::string message;  // why the file was refused, for the error box
};

ProjectReadOutcome readProjectFile(const std::string& path);
// The same checks on bytes already read (the file's content, CP932 with CR LF).
ProjectReadOutcome parseProjectBytes(const std::string& bytes);

}  // namespace pelzaro
