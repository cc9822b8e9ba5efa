#pragma once
// Saving a project: the lines are taken from the pages' controls and the design state through
// the layout table, converted to CP932 and written atomically. Nothing is validated beyond
// what the file can hold: an unparsable number, an empty field or a stale result caption is
// written as it stands, but a character that CP932 cannot hold refuses the save and names its
// field, so that the file never silently differs from the screen.

#include <string>
#include <vector>

namespace pelzaro {

class App;

struct ProjectWriteOutcome {
    bool ok = false;
    std::string message;  // why nothing was written, for the error box
};

// The UTF-8 text of lines 1 to 220 as the project stands. A page or dialog never opened is
// created hidden and gives its factory state; the page marker is left as it was.
std::vector<std::string> collectProjectLines(App& app);
// The bytes of the file, or the refusal that names the field.
ProjectWriteOutcome encodeProject(const std::vector<std::string>& lines, std::string& bytes);
// Collects, encodes and writes to `path`; an existing file is replaced only when all of it
// could be written.
ProjectWriteOutcome writeProject(App& app, const std::string& path);

}  // namespace pelzaro
