// Report page 3 of every sample project: each section leaves the surface at size 11, colour 0,
// solid lines; no two texts overlap; nothing reaches the page number's line; nothing prints a
// number that is not one; and the page is the same whatever page was drawn before it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "report/sections.h"
#include "report/text_width.h"
#include "support/report_support.h"
#include "support/samples.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

// A fraction bar of the Coulomb coefficient written as text: box-drawing bars, after "KA=" or
// "=" where the formula begins, with a trailing blank on the inner one.
bool textFractionBar(std::string t) {
    const std::string bar = "─";
    for (const char* lead : {"KA=", "="})
        if (t.rfind(lead, 0) == 0) t.erase(0, std::string(lead).size());
    while (!t.empty() && t.back() == ' ') t.pop_back();
    if (t.empty() || t.size() % bar.size() != 0) return false;
    for (size_t i = 0; i < t.size(); i += bar.size())
        if (t.compare(i, bar.size(), bar) != 0) return false;
    return true;
}

// The Coulomb layout sets its text fraction bars 200 twips below the numerator and above the
// denominator, rows 220 twips high at 11 points: their boxes share 20 twips, while the bar's
// stroke runs through the middle of its row and touches neither.
bool barBesideItsTerms(const PlacedText& a, const PlacedText& b) {
    return (textFractionBar(a.text) || textFractionBar(b.text)) && std::abs(a.y - b.y) == 200.0;
}

// The note of the symmetric shape stands three lines below the table; where the derivation of
// the wall friction angle moves the table down 2000 twips (seismic earth pressure, delta
// computed) the note's line reaches the page number's at 15600.
bool symmetricNote(const PlacedText& t) {
    return t.text.find("両面対称土圧") != std::string::npos;
}

// The greatest y that a text (the symmetric shape's note aside) or a stroke reaches.
double lowestPoint(const std::vector<std::string>& lines) {
    double lowest = 0;
    for (const PlacedText& t : placedTexts(lines))
        if (!symmetricNote(t)) lowest = std::max(lowest, t.bottom());
    for (const std::string& l : lines) {
        double x1, y1, x2, y2;
        if (std::sscanf(l.c_str(), "L %lf %lf %lf %lf", &x1, &y1, &x2, &y2) == 4)
            lowest = std::max({lowest, y1, y2});
    }
    return lowest;
}

struct SamplePage3 : ::testing::Test {
    TestHost host;
    App app{host};

    void open(const std::string& file) { openSample(host, app, file); }
    DrawnPage page3() { return drawPage(app, {Form4_Doatu, Form4_Doatu2}); }
};

TEST_F(SamplePage3, EachSectionEndsCleanWithinThePage) {
    for (const std::string& file : sampleProjects()) {
        open(file);
        for (SectionPrinter s : {Form4_Doatu, Form4_Doatu2}) {
            DrawnPage alone = drawPage(app, {s});
            EXPECT_TRUE(alone.endsClean()) << file;
        }
        DrawnPage page = page3();
        EXPECT_EQ(page.error, "") << file;
        EXPECT_TRUE(page.endsClean()) << file;
        EXPECT_LT(lowestPoint(page.lines), 15600) << file;
        EXPECT_EQ(page.beeps, 0) << file;
        for (const std::string& t : page.texts) {
            EXPECT_EQ(badNumberIn(t), "") << file << ": " << t;
        }
    }
}

TEST_F(SamplePage3, TheSymmetricNoteIsTheOnlyTextNearThePageNumber) {
    open(samplePath("residential-seismic-d1-two-sided.qkz"));
    const std::vector<PlacedText> texts = placedTexts(page3().lines);
    ASSERT_FALSE(texts.empty());
    EXPECT_TRUE(symmetricNote(texts.back()));
    EXPECT_EQ(texts.back().y, 2000 + 12900 + 3 * 220);
}

TEST_F(SamplePage3, NoTwoTextsOverlap) {
    for (const std::string& file : sampleProjects()) {
        open(file);
        const std::vector<PlacedText> texts = placedTexts(page3().lines);
        for (size_t i = 0; i < texts.size(); ++i)
            for (size_t j = i + 1; j < texts.size(); ++j)
                EXPECT_FALSE(overlap(texts[i], texts[j]) && !barBesideItsTerms(texts[i], texts[j]))
                    << file << ": \"" << texts[i].text << "\" at " << texts[i].x << ","
                    << texts[i].y << " and \"" << texts[j].text << "\" at " << texts[j].x << ","
                    << texts[j].y;
    }
}

TEST_F(SamplePage3, TheSameWhateverPageWasDrawnBefore) {
    // Pages 1, 2 and 4, and page 3 itself.
    const std::vector<void (*)(App&)> before = {
        [](App& a) { drawPage(a, {Form3_Ippan}); },
        [](App& a) {
            drawPage(a, {Form4_KEIJYOU, Form4_JIJYUU});
        },
        [](App& a) { drawPage(a, {Form4_KENTOU}); },
        [](App& a) {
            drawPage(a, {Form4_Doatu, Form4_Doatu2});
        },
    };
    for (const std::string& file : sampleProjects()) {
        open(file);
        const std::vector<std::string> first = page3().lines;
        for (size_t i = 0; i < before.size(); ++i) {
            before[i](app);
            EXPECT_EQ(page3().lines, first) << file << " after page choice " << i;
        }
    }
}

}  // namespace
}  // namespace pelzaro
