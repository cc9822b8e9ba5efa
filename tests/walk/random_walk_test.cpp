// A seeded random walk over the sample projects: a user clicks, types, picks and pastes on the
// pages and dialogs, moves on through the pages, prints, previews and saves at random points,
// and at every step the report says what the pages show. After every step:
//   - every print's page 1 prints the design conditions as the conditions page shows them,
//     page 4 the wall page's result rows, and the member chapter the member page's rows;
//   - the member chapter is printed only while the member design stands;
//   - the preview page in front draws the same;
//   - a project saved reopens in a fresh program and saves again to the same bytes;
//   - toolbar button 3 is off whenever the File menu does not offer saving.
// PELZARO_WALK_SEED (one seed or several, comma-separated) and PELZARO_WALK_STEPS replay
// other walks; a failure names the seed, the step and the trail of actions.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "agreement.h"
#include "frame/mdiform1.h"
#include "preview/form15.h"
#include "preview/preview_page.h"
#include "preview/preview_paging.h"
#include "printed_report.h"
#include "random_user.h"
#include "report/recording_sink.h"
#include "shown_values.h"
#include "project/project_writer.h"
#include "state/design_standing.h"
#include "state/module1.h"
#include "support/samples.h"

namespace pelzaro {
namespace {

// The member chapter is printed and previewed only while the member design stands (the stress
// check has run and nothing withdrew it since); a print of a range holding it is refused
// otherwise with this message and prints nothing.
const char* const kRefusal = "断面の計算をしてください。";

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

PrintedReport reportOf(const PrintedDocument& document) {
    PrintedReport report;
    for (const RecordingSink& sheet : document.sheets)
        report.sheets.push_back(sheetFromTranscript(sheet.lines()));
    return report;
}

PreviewPage* previewPageInFront(App& app) {
    for (Window* w : app.windows())
        if (auto* p = dynamic_cast<PreviewPage*>(w); p != nullptr && p->Visible()) return p;
    return nullptr;
}

bool holdsSection(PrintRange r) { return printsSection(r); }

// The first line in which two project files differ, as "line N: "a" then "b"", or "".
std::string firstDifference(const std::string& a, const std::string& b) {
    std::istringstream ina(a), inb(b);
    std::string la, lb;
    for (int line = 1;; ++line) {
        const bool moreA = static_cast<bool>(std::getline(ina, la));
        const bool moreB = static_cast<bool>(std::getline(inb, lb));
        if (!moreA && !moreB) return {};
        if (!moreA || !moreB || la != lb)
            return "line " + std::to_string(line) + ": \"" + (moreA ? la : "(none)") +
                   "\" saved first, \"" + (moreB ? lb : "(none)") + "\" after reopening";
    }
}

class Walk {
  public:
    // The user works on copies of the samples in `folder`, which also takes what is saved.
    Walk(unsigned seed, const std::string& folder)
        : seed_(seed), samples_(copiesOfTheSamples(folder)),
          user_(seed, host_, app_, samples_, folder) {
    }

    // Walks `steps` steps; returns the report of the first failing step, or "".
    std::string run(int steps) {
        const std::string& sample = samples_[seed_ % samples_.size()];
        user_.note("File ▸ 開く " + sampleName(sample));
        openSample(host_, app_, sample);
        for (step_ = 1; step_ <= steps; ++step_) {
            before_ = Before{app_.m.Flg_Ouryoku, host_.documents.size(), host_.messages.size()};
            user_.act();
            checkStep();
            if (!failures_.empty()) return failureReport();
            if (host_.quitRequested) break;
        }
        return {};
    }

  private:
    struct Before {
        int designStands;
        size_t documents;
        size_t messages;
    };

    void fail(const Disagreements& found, const std::string& where) {
        for (const std::string& d : found) failures_.push_back(where + ": " + d);
    }

    bool designStands() const { return app_.m.Flg_Ouryoku == 1; }

    void checkStep() {
        checkPrints();
        checkPreview();
        checkSave();
        checkOverwriteButton();
    }

    // What the refused print left: the message, and no sheet printed.
    void checkRefusal(PrintRange range) {
        if (before_.designStands == 1 ||
            !holdsSection(range))
            return;
        bool refused = false;
        for (size_t i = before_.messages; i < host_.messages.size(); ++i)
            refused = refused || host_.messages[i].text == kRefusal;
        // The print-range dialog's own checks (the first page number) come first: a print
        // stopped by one of them has printed nothing and said why, which is refusal enough.
        const bool stoppedEarlier = host_.messages.size() > before_.messages &&
                                    host_.documents.size() == before_.documents;
        if (!refused && !stoppedEarlier)
            failures_.push_back("a print of a range with the member chapter while the member "
                                "design does not stand is not refused with \"" +
                                std::string(kRefusal) + "\"");
        for (size_t i = before_.documents; i < host_.documents.size(); ++i)
            if (!reportOf(*host_.documents[i]).empty())
                failures_.push_back("a refused print printed sheets");
    }

    void checkReport(const PrintedReport& report, bool wholeChapter, const std::string& where) {
        if (const PrintedSheet* page1 = report.conditionsPage())
            fail(conditionsDisagreements(app_, *page1),
                 where + " page 1");
        if (const PrintedSheet* page4 = report.stabilityPage()) {
            if (std::optional<ShownWallResults> shown = shownWallResults(app_)) {
                size_t n = failures_.size();
                fail(stabilityDisagreements(*shown, *page4), where + " page 4");
                if (std::getenv("PELZARO_WALK_DUMP") && failures_.size() > n)
                    for (const std::string& t : page4->texts) failures_.push_back("    | " + t);
            }
        }
        if (!report.holdsMemberChapter()) return;
        if (!designStands()) {
            failures_.push_back(where + ": the member chapter is printed while the member "
                                "design does not stand");
            return;
        }
        std::optional<std::vector<ShownMemberRow>> rows = shownMemberRows(app_);
        if (!rows) {
            failures_.push_back(where + ": the member chapter is printed without a member page");
            return;
        }
        if (!wholeChapter) {
            std::vector<ShownMemberRow> onThisPage;
            for (const ShownMemberRow& r : *rows)
                if (report.memberSection(r.letter)) onThisPage.push_back(r);
            rows = onThisPage;
        }
        fail(memberDisagreements(*rows, report), where + " member chapter");
    }

    void checkPrints() {
        if (std::optional<PrintRange> asked = user_.askedRange) {
            user_.askedRange.reset();
            checkRefusal(*asked);
        }
        for (size_t i = before_.documents; i < host_.documents.size(); ++i)
            checkReport(reportOf(*host_.documents[i]), true, "the print");
    }

    void checkPreview() {
        PreviewPage* page = previewPageInFront(app_);
        if (page == nullptr || page->Picture2.imageRevision() == previewSeen_) return;
        previewSeen_ = page->Picture2.imageRevision();
        PrintedReport report;
        std::vector<std::string> lines;
        for (const ReportEvent& e : page->Picture2.drawing()) lines.push_back(transcriptLine(e));
        report.sheets.push_back(sheetFromTranscript(lines));
        const std::string where = "the preview";
        if (page->reportPage() >= 5 && !designStands()) {
            failures_.push_back(where + "'s page " + std::to_string(page->reportPage()) +
                                " shows the member chapter while the member design does not "
                                "stand");
            return;
        }
        checkReport(report, false, where);
    }

    // A project saved opens in a fresh program and saves again to the same bytes. With
    // PELZARO_WALK_SAVE_EVERY_STEP set, every step that leaves saving offered is checked so,
    // which finds the step where a session and its file first part.
    void checkSave() {
        std::string saved = user_.savedPath;
        user_.savedPath.clear();
        if (saved.empty() && std::getenv("PELZARO_WALK_SAVE_EVERY_STEP") != nullptr &&
            !previewIsOpen(app_) && memberDesignStands(app_.m)) {
            saved = user_.nextSavePath();
            if (!writeProject(app_, saved).ok) saved.clear();
        }
        if (saved.empty() || !std::filesystem::exists(saved)) return;
        TestHost host;
        App app{host};
        openSample(host, app, saved);
        // Open runs the calculations again and may say what they said in the session (a
        // member KA that the angles do not allow); anything else is news to the user.
        for (const Message& m : host.messages)
            if (!sessionSaid(m.text))
                failures_.push_back("reopening the saved project says \"" + m.text + "\"");
        MDIForm1& main = app.get<MDIForm1>();
        main.Men_F_Click();
        if (!main.Men_FSav.enabled) {
            failures_.push_back("the saved project reopens without 名前を付けて保存 offered");
            return;
        }
        const std::string again = user_.nextSavePath();
        host.fileAnswers.push_back(again);
        main.Men_FSav.choose();
        if (std::string difference = firstDifference(bytesOf(saved), bytesOf(again)); !difference.empty())
            failures_.push_back("the saved project reopens and saves to other bytes: " + difference);
    }

    bool sessionSaid(const std::string& text) const {
        for (const Message& m : host_.messages)
            if (m.text == text) return true;
        return false;
    }

    // Toolbar button 3 (上書き保存) is offered only where the File menu offers saving.
    void checkOverwriteButton() {
        if (previewIsOpen(app_)) return;
        MDIForm1& main = app_.get<MDIForm1>();
        main.Men_F_Click();
        if (main.Toolbar1.button(3).isEnabled() &&
            !main.Men_FSav.enabled)
            failures_.push_back("toolbar button 3 is enabled while the File menu does not offer "
                                "名前を付けて保存");
        if (main.Toolbar1.button(5).isEnabled() &&
            !main.Men_FImg.enabled)
            failures_.push_back("toolbar button 5 is enabled while the File menu does not offer "
                                "印刷イメージ");
        if (main.Toolbar1.button(6).isEnabled() &&
            !main.Men_FPrn.enabled)
            failures_.push_back("toolbar button 6 is enabled while the File menu does not offer "
                                "印刷");
    }

    // The markers and what the File menu and the toolbar offer, for reading a failure.
    std::string markers() const {
        MDIForm1& main = app_.get<MDIForm1>();
        if (!previewIsOpen(app_)) main.Men_F_Click();
        std::ostringstream out;
        out << "Sigma_max=" << app_.m.Sigma_max << " Flg_Ouryoku=" << app_.m.Flg_Ouryoku
            << "; File menu 上書き保存=" << main.Men_FOvw.enabled
            << " 名前を付けて保存=" << main.Men_FSav.enabled
            << " 印刷イメージ=" << main.Men_FImg.enabled << " 印刷=" << main.Men_FPrn.enabled
            << "; toolbar 3=" << main.Toolbar1.button(3).isEnabled()
            << " 5=" << main.Toolbar1.button(5).isEnabled() << " 6=" << main.Toolbar1.button(6).isEnabled();
        return out.str();
    }

    std::string failureReport() const {
        std::ostringstream out;
        out << "walk seed " << seed_ << " failed at step " << step_ << " (replay with "
            << "PELZARO_WALK_SEED=" << seed_ << " PELZARO_WALK_STEPS=" << step_ << ")\n";
        for (const std::string& f : failures_) out << "  " << f << "\n";
        out << "  then: " << markers() << "\n";
        // The trail from the last project opened: what came before it was discarded with it.
        size_t from = 0;
        for (size_t i = 0; i < user_.trail.size(); ++i)
            if (user_.trail[i].find("開く ") != std::string::npos) from = i;
        out << "trail (" << from << " earlier actions before the last open left out):\n";
        for (size_t i = from; i < user_.trail.size(); ++i) out << "  " << user_.trail[i] << "\n";
        return out.str();
    }

    static std::vector<std::string> copiesOfTheSamples(const std::string& folder) {
        std::vector<std::string> copies;
        for (const std::string& sample : sampleProjects()) {
            copies.push_back(folder + "/" + sampleName(sample));
            std::filesystem::copy_file(sample, copies.back());
        }
        return copies;
    }

    unsigned seed_;
    std::vector<std::string> samples_;
    WalkHost host_;
    mutable App app_{host_};
    RandomUser user_;
    int step_ = 0;
    Before before_{};
    unsigned previewSeen_ = 0;
    std::vector<std::string> failures_;
};

std::vector<unsigned> seedsToWalk() {
    std::vector<unsigned> seeds;
    if (const char* env = std::getenv("PELZARO_WALK_SEED"); env != nullptr && *env != '\0') {
        std::stringstream in(env);
        std::string item;
        while (std::getline(in, item, ',')) seeds.push_back(static_cast<unsigned>(std::stoul(item)));
        return seeds;
    }
    for (unsigned s = 1; s <= 40; ++s) seeds.push_back(s);
    return seeds;
}

int stepsToWalk() {
    if (const char* env = std::getenv("PELZARO_WALK_STEPS"); env != nullptr && *env != '\0')
        return std::stoi(env);
    return 400;
}

TEST(RandomWalk, TheReportPrintsWhatThePagesShowAndSavedProjectsReopenAlike) {
    namespace fs = std::filesystem;
    for (unsigned seed : seedsToWalk()) {
        const fs::path folder = fs::temp_directory_path() /
                                ("pelzaro-walk-" + std::to_string(seed) + "-" +
                                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(folder);
        std::string failure = Walk(seed, folder.string()).run(stepsToWalk());
        fs::remove_all(folder);
        if (!failure.empty()) ADD_FAILURE() << failure;
    }
}

}  // namespace
}  // namespace pelzaro
