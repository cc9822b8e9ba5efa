#include "project/project_loader.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <utility>
#include <vector>

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/app.h"
#include "forms/controls.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "project/binding.h"
#include "project/layout.h"
#include "project/project_reader.h"
#include "project/value_forms.h"
#include "stability/form21.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "stability/single_text.h"
#include "state/module1.h"

namespace pelzaro {

namespace {

// One step of the load. A fault inside a page's reaction must not stop the load half-way:
// the step is abandoned and the load goes on, as the chain after it recomputes everything.
void step(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception&) {
    }
}

template <class C>
C* control(App& app, FormId form, const char* name) {
    return dynamic_cast<C*>(windowOf(app, form).find(name));
}

bool optionSet(App& app, FormId form, const char* name) {
    auto* option = control<OptionButton>(app, form, name);
    return option && option->Value();
}

std::string textOf(App& app, FormId form, const char* name) {
    auto* box = control<TextBox>(app, form, name);
    return box ? box->Text() : std::string();
}

void setVisible(App& app, FormId form, std::initializer_list<const char*> names, bool visible) {
    for (const char* name : names)
        if (Control* c = windowOf(app, form).find(name)) c->setVisible(visible);
}

void setEnabled(App& app, FormId form, std::initializer_list<const char*> names, bool enabled) {
    for (const char* name : names)
        if (Control* c = windowOf(app, form).find(name)) c->setEnabled(enabled);
}

// The member parts whose rows exist for this wall: the heel, the toe and the key are optional.
bool partExists(const Module1& m, char letter) {
    if (letter == 'F') return m.B_Kakato != 0.0f;
    if (letter == 'G') return m.B_Tumasaki != 0.0f;
    if (letter == 'H') return m.H0 != 0.0f;
    return true;
}

// A soil kind that names an entry of the list selects it, as choosing it would.
void assignComboText(ComboBox& combo, const std::string& text) {
    for (int i = 0; i < combo.ListCount(); ++i) {
        if (combo.List(i) == text) {
            combo.setListIndex(i);
            return;
        }
    }
    combo.setText(text);
}

void assignControl(Control* c, const std::string& text) {
    if (auto* option = dynamic_cast<OptionButton*>(c)) {
        option->setValue(parseBoolean(text).value_or(false));
    } else if (auto* check = dynamic_cast<CheckBox*>(c)) {
        check->setValue(parseInteger(text, 0, 1).value_or(0));
    } else if (auto* combo = dynamic_cast<ComboBox*>(c)) {
        assignComboText(*combo, text);
    } else if (auto* box = dynamic_cast<TextBox*>(c)) {
        box->setText(text);
    } else if (auto* label = dynamic_cast<Label*>(c)) {
        label->setCaption(text);
    }
}

// The member part whose bar-kind list this is, or 0.
char partOfBarKind(App& app, const Control* list) {
    for (const Form7Row& row : app.get<Form7>().rows())
        if (row.barKind == list) return row.letter;
    return 0;
}

// Choosing a bar kind runs the row's calculation, as the user's choice does. A part the wall
// does not have by now (a key whose height the file does not hold) gets its list position
// without a calculation, which could only refuse; the chain after the last line runs the
// rows of every part that exists.
void assignBarKind(App& app, ComboBox& list, const std::string& text) {
    int index = parseInteger(text, -1, 20).value_or(-1);
    char part = partOfBarKind(app, &list);
    if (part == 0 || partExists(app.m, part)) {
        list.setListIndex(index);
        return;
    }
    auto reaction = std::move(list.Click);
    list.Click = nullptr;
    list.setListIndex(index);
    list.Click = std::move(reaction);
}

void assignLine(App& app, const LineSpec& entry, const std::string& text) {
    if (entry.target == Target::DeltaFlag) {
        app.m.Flg_DeltaCalc.setText(text);
    } else if (entry.target == Target::Single) {
        if (float* value = singleOf(app.m, entry.name)) *value = parseSingle(text).value_or(0.0f);
    } else if (entry.target == Target::ListIndex) {
        if (auto* list = dynamic_cast<ComboBox*>(controlOf(app, entry)))
            assignBarKind(app, *list, text);
    } else {
        assignControl(controlOf(app, entry), text);
    }
}

void readLines(App& app, const ProjectLines& project, int first, int last) {
    for (int line = first; line <= last; ++line) {
        const LineSpec& entry = projectLayout()[static_cast<size_t>(line - 1)];
        step([&] { assignLine(app, entry, project.line(line)); });
    }
}

void readIntoPages(App& app, const ProjectLines& project) {
    readLines(app, project, 1, 82);
    // The road key dialog's inputs belong to this project alone: set before the stability
    // calculation reads them, empty for a file that has none.
    readLines(app, project, kRoadKeyFirstLine, kAllLines);
    readLines(app, project, 83, 90);
    step([&] { app.get<Form3>().KEISAN(); });
    step([&] { app.get<Form4>().DANMEM_1(); });
    readLines(app, project, 91, 110);
    app.m.Hq = readSingle(textOf(app, FormId::Form21, "txt1"));
    readLines(app, project, 111, 115);
    app.get<Form7>().restoringProject = true;
    step([&] { app.get<Form7>().Doatu(); });
    app.get<Form7>().rowsWaitForTheReaction = true;
    readLines(app, project, 116, 160);
    app.get<Form7>().rowsWaitForTheReaction = false;
    step([&] { app.get<Form7>().TEKKIN(); });
    readLines(app, project, 161, 216);
    app.m.Hq_Danmen = readSingle(textOf(app, FormId::Form7, "txt_1"));
}

void recalculateConditionsAndStability(App& app) {
    step([&] { app.get<Form25>().Jisin(); });
    step([&] { app.get<Form3>().jDERUTA(); });
    step([&] { app.get<Form3>().KEISAN(); });
    step([&] { app.get<Form3>().jDERUTA(); });
    step([&] { app.get<Form3>().HENSUU(); });
    step([&] { app.get<Form4>().GamenHyouji(); });
}

// Runs the row procedures, then the stress checks, of every existing part. A row counts as
// checked only when its check wrote its verdict: the file's old results are cleared first, so
// a check that refused cannot leave them standing as if valid, and a row that could not be
// designed shows no results at all.
bool recalculateMembers(App& app) {
    Form7& page = app.get<Form7>();
    std::vector<char> designed;
    for (const Form7Row& row : page.rows()) {
        if (!partExists(app.m, row.letter)) continue;
        bool ok = false;
        step([&] { ok = page.runRowProcedure(row.letter); });
        if (ok) {
            designed.push_back(row.letter);
        } else {
            row.computedSpacing->setCaption("");
        }
    }
    bool all = true;
    for (const Form7Row& row : page.rows()) {
        if (!partExists(app.m, row.letter)) continue;
        for (Label* result : {row.sigmaC, row.sigmaS, row.tauC, row.verdict})
            result->setCaption("");
        if (std::find(designed.begin(), designed.end(), row.letter) == designed.end()) {
            all = false;
            continue;
        }
        step([&] { page.runStressCheck(row.letter); });
        all = all && !row.verdict->Caption().empty() && !row.sigmaS->Caption().empty();
    }
    return all;
}

void showConditionsPage(App& app, const std::string& path) {
    app.get<Form4>().Hide();
    app.get<Form23>().Hide();
    app.get<Form7>().Hide();
    Form3& page = app.get<Form3>();
    page.setCaption(path);
    page.geometry.left = 0;
    page.geometry.top = 0;
    page.Show();
    if (Control* site = page.find("txt1")) site->SetFocus();
}

// The design-conditions page as the loaded case and method show it.
void restoreConditionsPage(App& app) {
    if (textOf(app, FormId::Form3, "txt13").empty())
        setVisible(app, FormId::Form3, {"lbl46", "lbl47", "txt13"}, false);
    if (optionSet(app, FormId::Form25, "opt_K1") || optionSet(app, FormId::Form25, "opt_D1"))
        setEnabled(app, FormId::Form3, {"cmd5", "opt1"}, false);
    if (optionSet(app, FormId::Form3, "opt4"))
        setEnabled(app, FormId::Form3, {"cmd4", "cmd7"}, true);
    if (optionSet(app, FormId::Form3, "opt3")) setEnabled(app, FormId::Form3, {"cmd7"}, false);
}

// The result rows of the wall-dimensions page that the loaded shape and key have.
void showStabilityRows(App& app) {
    bool oneSided = optionSet(app, FormId::Form23, "opt1");
    if (oneSided) {
        setVisible(app, FormId::Form4, {"lbl52", "lbl53", "lbl54", "lbl64", "lbl65", "lbl66"},
                   true);
        if (optionSet(app, FormId::Form4, "opt6"))
            setVisible(app, FormId::Form4, {"lbl67", "lbl68", "lbl69", "lbl70"}, true);
    }
    setVisible(app, FormId::Form4, {"lbl56", "lbl57", "lbl58", "lbl59", "lbl60", "lbl61", "lbl62"},
               true);
}

// The front-soil choice belongs to a one-sided wall with a toe, as the toe box offers it when
// the user fills it; a one-sided wall without a toe and the symmetric shape have none. A file
// without a shape keeps the choice as it holds it, so that saving it again writes what was read.
// The toe is read from its box as the stability calculation reads it, so the answer is the same
// before the calculation has run and after.
enum class FrontSoilChoice { AsRead, Offered, Withdrawn };

FrontSoilChoice frontSoilChoice(App& app) {
    bool oneSided = optionSet(app, FormId::Form23, "opt1");
    bool twoSided = optionSet(app, FormId::Form23, "opt2");
    if (!oneSided && !twoSided) return FrontSoilChoice::AsRead;
    bool withToe = oneSided && readSingle(textOf(app, FormId::Form4, "txt12")) != 0.0f;
    return withToe ? FrontSoilChoice::Offered : FrontSoilChoice::Withdrawn;
}

// Before the recalculation: a wall without the choice is calculated without front soil, as the
// page shows it after the load and as the report's own recalculation reads it, so that the
// results shown, printed and saved again are those of one wall.
void withdrawFrontSoilChoice(App& app) {
    if (frontSoilChoice(app) != FrontSoilChoice::Withdrawn) return;
    for (const char* name : {"opt3", "opt4"})
        if (auto* option = control<OptionButton>(app, FormId::Form4, name)) option->setValue(false);
}

void showFrontSoilFrame(App& app) {
    FrontSoilChoice choice = frontSoilChoice(app);
    if (choice == FrontSoilChoice::AsRead) return;
    setVisible(app, FormId::Form4, {"Frame2"}, choice == FrontSoilChoice::Offered);
}

// Menu and toolbar follow what the chain completed: a project whose stability calculation
// failed offers neither printing nor saving of results it does not have. Saving follows the
// markers just restored, by the rule that decides it everywhere.
void restoreMenuAndToolbar(App& app, const LoadResult& result) {
    MDIForm1& main = app.get<MDIForm1>();
    main.offerSaving();
    main.Men_FImg.enabled = result.stabilityDone;
    main.Men_FPrn.enabled = result.stabilityDone;
    main.Toolbar1.button(5).enabled = result.stabilityDone;
    main.Toolbar1.button(6).enabled = result.stabilityDone;
}

}  // namespace

LoadResult loadProject(App& app, const ProjectLines& project, const std::string& path) {
    app.unload<Form3>();
    app.unload<Form4>();
    app.unload<Form7>();
    app.get<Form3>().setCaption(path);
    app.m.H0 = 0.0f;
    readIntoPages(app, project);
    withdrawFrontSoilChoice(app);
    recalculateConditionsAndStability(app);
    LoadResult result;
    result.stabilityDone = app.m.Sigma_max != 0.0f && app.get<Form4>().stabilityDisplayCurrent();
    if (result.stabilityDone) {
        result.membersDone = recalculateMembers(app);
    } else {
        // Results of a chain that did not complete are never shown as valid; the inputs of
        // the member design stay as the file holds them.
        step([&] { app.get<Form4>().Hihyouji_1(); });
        step([&] { app.get<Form7>().withholdResults(); });
    }
    app.get<Form7>().restoringProject = false;
    showConditionsPage(app, path);
    restoreConditionsPage(app);
    app.m.Flg_DeltaCalc.setText(project.line(kCoreLines));
    app.m.Flg_Ouryoku = result.membersDone ? 1 : 0;
    restoreMenuAndToolbar(app, result);
    if (result.stabilityDone) showStabilityRows(app);
    showFrontSoilFrame(app);
    app.m.Q_Haimen = readSingle(textOf(app, FormId::Form4, "txt21"));
    return result;
}

}  // namespace pelzaro
