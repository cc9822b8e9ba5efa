#pragma once
// What the pages show as current, read from their controls as the user sees them: a result
// label counts only while it is shown and holds a caption.

#include <optional>
#include <string>
#include <vector>

namespace pelzaro {

class App;

// One row of the member page.
struct ShownMemberRow {
    char letter = 'A';
    std::string barKind;          // as the list shows it, blanks trimmed
    std::string computedSpacing;  // mm, the whole part
    std::string designSpacing;    // as typed
    std::string sigmaC, sigmaS, tauC, verdict;
    bool hasResults() const { return !verdict.empty(); }
};

// The member page's rows of the parts the wall has (the rows it shows), or none when the page
// is not loaded.
std::optional<std::vector<ShownMemberRow>> shownMemberRows(App& app);

// One verdict row of the wall-dimensions page: quantity name, value, verdict.
struct ShownWallRow {
    std::string name, value, verdict;
};

struct ShownWallResults {
    std::optional<ShownWallRow> overturning, secondOverturning, sliding, slidingWithoutKey;
    // The bearing row: σmax, "<" or ">", the allowable bearing capacity and the verdict.
    std::optional<ShownWallRow> bearing;
    std::string bearingSign, bearingLimit;
};

// The rows the wall-dimensions page shows, or none when the page is not loaded.
std::optional<ShownWallResults> shownWallResults(App& app);

}  // namespace pelzaro
