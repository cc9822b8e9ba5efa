#include "shown_values.h"

#include "members/form7.h"
#include "stability/form4.h"

namespace pelzaro {

namespace {

std::string trimmed(const std::string& s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

// A label's caption while the user can see it; empty when hidden.
std::string seen(const Label& l) { return l.isShown() ? l.Caption() : std::string(); }

std::optional<ShownWallRow> rowOf(const Label& name, const Label& value, const Label& verdict) {
    if (seen(value).empty()) return std::nullopt;
    return ShownWallRow{seen(name), seen(value), seen(verdict)};
}

}  // namespace

std::optional<std::vector<ShownMemberRow>> shownMemberRows(App& app) {
    Form7* page = app.find<Form7>();
    if (page == nullptr) return std::nullopt;
    std::vector<ShownMemberRow> rows;
    for (const Form7Row& r : page->rows()) {
        if (!r.barKind->isShown()) continue;  // a part the wall does not have
        ShownMemberRow row;
        row.letter = r.letter;
        row.barKind = trimmed(r.barKind->Text());
        row.computedSpacing = seen(*r.computedSpacing);
        row.designSpacing = r.designSpacing->Text();
        row.sigmaC = seen(*r.sigmaC);
        row.sigmaS = seen(*r.sigmaS);
        row.tauC = seen(*r.tauC);
        row.verdict = seen(*r.verdict);
        rows.push_back(row);
    }
    return rows;
}

std::optional<ShownWallResults> shownWallResults(App& app) {
    Form4* page = app.find<Form4>();
    if (page == nullptr) return std::nullopt;
    Form4& f = *page;
    ShownWallResults r;
    r.overturning = rowOf(f.lbl52, f.lbl53, f.lbl54);
    r.secondOverturning = rowOf(f.lbl46, f.lbl47, f.lbl48);
    r.sliding = rowOf(f.lbl64, f.lbl65, f.lbl66);
    r.slidingWithoutKey = rowOf(f.lbl68, f.lbl69, f.lbl70);
    r.bearing = rowOf(f.lbl56, f.lbl57, f.lbl62);
    r.bearingSign = seen(f.lbl59);
    r.bearingLimit = seen(f.lbl60);
    return r;
}

}  // namespace pelzaro
