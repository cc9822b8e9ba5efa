// A file reopens as it was saved, whatever project was open before: Open starts from a new
// project, and Open → Save as → Open in a fresh program → Save as gives the same bytes, also
// for damaged files that the reader accepts but the recalculation refuses.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "forms/controls.h"
#include "project/line_file.h"
#include "project_fixture.h"
#include "state/module1.h"
#include "support/samples.h"

namespace pelzaro {
namespace {

// Everything a user can see of the project's windows: each control's state, window by window.
std::string pagesSeen(const App& app) {
    std::ostringstream out;
    std::vector<Window*> windows = app.windows();
    std::sort(windows.begin(), windows.end(),
              [](const Window* a, const Window* b) { return a->name() < b->name(); });
    for (const Window* w : windows) {
        if (w->name() == "MDIForm1") continue;
        out << w->name() << (w->Visible() ? " shown" : " hidden") << " \"" << w->Caption()
            << "\"\n";
        for (const Control* c : w->controls()) {
            out << "  " << c->name() << ' ' << c->Visible() << c->Enabled() << c->ForeColor();
            if (auto* t = dynamic_cast<const TextBox*>(c)) out << " \"" << t->Text() << '"';
            if (auto* l = dynamic_cast<const Label*>(c)) out << " \"" << l->Caption() << '"';
            if (auto* o = dynamic_cast<const OptionButton*>(c)) out << ' ' << o->Value();
            if (auto* k = dynamic_cast<const CheckBox*>(c)) out << ' ' << k->Value();
            if (auto* b = dynamic_cast<const ComboBox*>(c))
                out << ' ' << b->ListIndex() << " \"" << b->Text() << '"';
            out << '\n';
        }
    }
    const Module1& m = app.m;
    out << "markers " << m.Flg_Page << ' ' << m.Sigma_max << ' ' << m.Flg_Ouryoku << '\n';
    out << "results " << m.KA << ' ' << m.Mu << ' ' << m.Kh << ' ' << m.Kv << ' ' << m.Qa << ' '
        << m.F_Tentou << ' ' << m.F_Katsudou << ' ' << m.H0 << ' ' << m.B << ' ' << m.e << '\n';
    return out.str();
}

// The error boxes the user had to close, the prompt for an uncalculated shear key apart.
std::vector<std::string> refusals(const TestHost& host) {
    std::vector<std::string> out;
    for (const Message& m : host.messages)
        if (m.text != "突起の計算をしてください。") out.push_back(m.text);
    return out;
}

std::string firstDifference(const std::string& a, const std::string& b) {
    std::vector<std::string> la = splitLines(a), lb = splitLines(b);
    for (size_t i = 0; i < std::max(la.size(), lb.size()); ++i) {
        std::string x = i < la.size() ? la[i] : "(none)", y = i < lb.size() ? lb[i] : "(none)";
        if (x != y) return "line " + std::to_string(i + 1) + ": \"" + x + "\" / \"" + y + "\"";
    }
    return a == b ? "(same)" : "line ends";
}

std::string firstDifferentLine(const std::string& a, const std::string& b) {
    std::istringstream sa(a), sb(b);
    std::string x, y;
    while (true) {
        bool more = static_cast<bool>(std::getline(sa, x));
        bool more2 = static_cast<bool>(std::getline(sb, y));
        if (!more && !more2) return "(same)";
        if (x != y || more != more2) return "\"" + x + "\" / \"" + y + "\"";
    }
}

using RoundTrip = ProjectFixture;

TEST_F(RoundTrip, AFileShowsTheSameAfterAnyOtherProjectAsInAFreshProgram) {
    std::vector<std::string> files = sampleProjects();
    ASSERT_GE(files.size(), 7u);
    for (const std::string& file : files) {
        Program fresh;
        ASSERT_TRUE(fresh.open(file)) << file;
        const std::string expected = pagesSeen(fresh.app);
        for (const std::string& before : files) {
            Program used;
            ASSERT_TRUE(used.open(before));
            used.host.clearRecords();
            ASSERT_TRUE(used.open(file));
            EXPECT_EQ(used.host.messageTexts(), fresh.host.messageTexts())
                << sampleName(file) << " after " << sampleName(before);
            const std::string seen = pagesSeen(used.app);
            EXPECT_TRUE(seen == expected) << sampleName(file) << " after " << sampleName(before)
                                          << ": " << firstDifferentLine(expected, seen);
        }
    }
}

// Damaged copies of a sample that the reader accepts: each line replaced as a careless editor
// or another program might have left it.
struct Damage {
    const char* why;
    std::vector<std::pair<int, std::string>> lines;
};

const std::vector<Damage>& damages() {
    static const std::vector<Damage> list = {
        {"no standard chosen", {{1, "False"}, {2, "False"}}},
        {"no load case chosen", {{21, "False"}, {22, "False"}}},
        {"no ground shape chosen", {{27, "False"}, {28, "False"}}},
        {"no shear-key option chosen", {{55, "False"}, {56, "False"}}},
        {"no seismic method chosen", {{83, "False"}, {84, "False"}, {85, "False"}}},
        {"a back ground height of 0", {{33, "0"}}},
        {"a base slab thickness of 0", {{44, "0"}}},
        {"a clear width of 0", {{41, "0"}}},
        {"a word for the wall thickness", {{35, "abc"}}},
        {"a word for a design spacing", {{177, "x"}}},
        {"a word for the friction angle", {{9, "abc"}}},
        {"a height beyond single precision", {{33, "1e39"}}},
        {"a surcharge beyond single precision", {{48, "1e39"}}},
        {"an empty coefficient of the member design", {{120, ""}}},
    };
    return list;
}

class DamagedRoundTrip : public ProjectFixture {
  protected:
    std::string damaged(const std::string& sample, const Damage& d) {
        std::vector<std::string> lines = splitLines(contents(sample));
        for (const auto& [line, text] : d.lines) lines[static_cast<size_t>(line - 1)] = text;
        std::string p = path("damaged.qkz");
        writeRaw(p, joinCrLf(lines));
        return p;
    }
};

TEST_F(DamagedRoundTrip, SaveAsAfterOpenGivesTheSameBytesInAFreshProgram) {
    const std::vector<std::string> files = sampleProjects();
    for (const std::string& sample : files) {
        std::vector<Damage> cases = damages();
        cases.insert(cases.begin(), Damage{"undamaged", {}});
        for (const Damage& d : cases) {
            const std::string where = sampleName(sample) + " with " + d.why;
            std::string file = damaged(sample, d);
            Program first;
            if (!first.open(file)) continue;  // refused whole by the reader: nothing to keep
            EXPECT_LE(refusals(first.host).size(), 1u)
                << where << ": " << ::testing::PrintToString(refusals(first.host));
            first.saveAs(path("first.qkz"));
            Program second;
            ASSERT_TRUE(second.open(path("first.qkz"))) << where;
            second.saveAs(path("second.qkz"));
            const std::string a = contents(path("first.qkz")), b = contents(path("second.qkz"));
            EXPECT_TRUE(!a.empty() && a == b) << where << ": " << firstDifference(a, b);
            for (const std::string& before : files) {
                Program used;
                used.open(before);
                ASSERT_TRUE(used.open(file)) << where;
                used.saveAs(path("third.qkz"));
                const std::string c = contents(path("third.qkz"));
                EXPECT_TRUE(c == a)
                    << where << " after " << sampleName(before) << ": " << firstDifference(a, c);
            }
        }
    }
}

// A row the recalculation cannot design after Open keeps what the file holds for it: the bar
// kind and the design spacing are the user's inputs, and only the results are withheld.
TEST_F(DamagedRoundTrip, ARowThatCannotBeCalculatedKeepsItsBarKindAndSpacing) {
    const std::string sample = samplePath("residential-normal-one-sided.qkz");
    const std::vector<std::string> original = splitLines(contents(sample));
    std::string file = damaged(sample, Damage{"", {{33, "0"}}});
    Program p;
    ASSERT_TRUE(p.open(file));
    p.saveAs(path("saved.qkz"));
    const std::vector<std::string> saved = splitLines(contents(path("saved.qkz")));
    ASSERT_EQ(saved.size(), original.size());
    for (int line = 153; line <= 160; ++line)
        EXPECT_EQ(saved[line - 1], original[line - 1]) << "bar kind, line " << line;
    for (int line = 177; line <= 184; ++line)
        EXPECT_EQ(saved[line - 1], original[line - 1]) << "design spacing, line " << line;
    EXPECT_EQ(p.app.m.Flg_Ouryoku, 0) << "no result stands for these inputs";
}

}  // namespace
}  // namespace pelzaro
