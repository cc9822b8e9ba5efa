#pragma once
// Opening a project: the lines of a file already proven whole are set into the pages, the
// dialogs and the design state in file order, so that every page reacts to them as to a
// user's change; the calculation chain then runs again in its fixed order, and the pages,
// the markers, the File menu and the toolbar are restored from what the chain completed.

#include <string>

namespace pelzaro {

class App;
struct ProjectLines;

struct LoadResult {
    bool stabilityDone = false;  // the stability calculation and its display completed
    bool membersDone = false;    // every existing member part has its stress check
};

// `path` becomes the caption of the design-conditions page; the caller has already made it
// the current project path, so that the recalculation sees the project as saved.
LoadResult loadProject(App& app, const ProjectLines& project, const std::string& path);

}  // namespace pelzaro
