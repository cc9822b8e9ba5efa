// Every sample project printed whole with page numbers: no number is printed over a text of
// its page (the note under a two-sided wall's load summary comes down to the number's line).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/mdiform1.h"
#include "preview/print_request.h"
#include "support/report_support.h"
#include "support/samples.h"
#include "support/test_printer.h"

namespace pelzaro {
namespace {

TEST(PrintedPageNumbers, AreNeverPrintedOverATextOfTheirPage) {
    for (const std::string& file : sampleProjects()) {
        SCOPED_TRACE(sampleName(file));
        OpenedSample s(file);
        s.app.get<MDIForm1>().FilePrint(PrintRequest{PrintRange::Range_All, true, 1.0f});
        ASSERT_EQ(s.host.documents.size(), 1u);
        const PrintedDocument& printed = *s.host.documents[0];
        ASSERT_GE(printed.sheets.size(), 8u);
        for (size_t k = 0; k < printed.sheets.size(); ++k) {
            const std::vector<PlacedText> texts = placedTexts(printed.sheets[k].lines());
            ASSERT_FALSE(texts.empty());
            const PlacedText& number = texts.back();
            ASSERT_EQ(number.text, "－ " + std::to_string(k + 1) + " －");
            EXPECT_GE(number.y, 15600);
            for (size_t i = 0; i + 1 < texts.size(); ++i)
                EXPECT_FALSE(overlap(texts[i], number))
                    << "page " << k + 1 << ": \"" << texts[i].text << "\" at " << texts[i].y;
        }
    }
}

// The two-sided wall with the seismic coefficient worked out: its note sits at 15560, so the
// number of its page 3 goes one line's height below the note's top.
TEST(PrintedPageNumbers, GoBelowTheSymmetricNote) {
    OpenedSample s(samplePath("residential-seismic-d1-two-sided.qkz"));
    s.app.get<MDIForm1>().FilePrint(PrintRequest{PrintRange::Range_Stability, true, 2.0f});
    ASSERT_EQ(s.host.documents.size(), 1u);
    const std::vector<RecordingSink>& sheets = s.host.documents[0]->sheets;
    ASSERT_EQ(sheets.size(), 3u);
    EXPECT_EQ(sheets[0].lines().back(), "T 5500 15600 11 0 \"－ 2 －\"");
    EXPECT_EQ(sheets[1].lines().back(), "T 5500 15780 11 0 \"－ 3 －\"");
    EXPECT_EQ(sheets[2].lines().back(), "T 5500 15600 11 0 \"－ 4 －\"");
}

}  // namespace
}  // namespace pelzaro
