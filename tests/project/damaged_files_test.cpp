// A file that Open accepts either prints whole or is refused: damaged copies of a sample whose
// values the pages would refuse are refused, naming the line and the field; those the pages
// calculate print every page without a message.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "frame/mdiform1.h"
#include "preview/print_request.h"
#include "project/line_file.h"
#include "project_fixture.h"
#include "state/module1.h"
#include "support/samples.h"
#include "support/test_printer.h"

namespace pelzaro {
namespace {

using LineEdits = std::vector<std::pair<int, std::string>>;

std::string damagedPath(const std::string& name) {
    return std::string(PELZARO_TEST_DATA) + "/damaged/" + name;
}

class DamagedFiles : public ProjectFixture {
  protected:
    // A sample with some of its lines replaced, written to the temporary folder.
    std::string damagedCopy(const std::string& sample, const LineEdits& edits) {
        std::vector<std::string> lines = splitLines(contents(samplePath(sample)));
        for (const auto& [line, text] : edits) lines[static_cast<size_t>(line - 1)] = text;
        std::string p = path("damaged-" + sample);
        writeRaw(p, joinCrLf(lines));
        return p;
    }

    // Opens the file; true when it became the open project.
    bool opened(const std::string& file) {
        host.clearRecords();
        open(file);
        return main().CommonDialog1_FileName == file;
    }

    // The refusal's text, which names the file and then why.
    std::string refusal() const {
        return host.messages.size() == 1 ? host.lastMessage().text : "(no single message)";
    }

    // 印刷 of every page, as the File menu offers it after Open: each page on its sheet, the
    // document ended, and not a word from the program. Where Open could not design every member
    // row, the member chapter does not stand: a print that holds it is refused with its one
    // message and prints nothing, and the conditions and the stability pages print whole.
    void expectEveryPagePrinted(const std::string& what) {
        main().Men_F_Click();
        ASSERT_TRUE(main().Men_FPrn.enabled) << what << ": printing is offered";
        if (app.m.Flg_Ouryoku == 1) {
            expectPrinted(PrintRange::Range_All, 9, what);
            return;
        }
        host.clearRecords();
        const size_t before = host.documents.size();
        main().FilePrint(PrintRequest{PrintRange::Range_All, true, 1.0f});
        EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"断面の計算をしてください。"})
            << what;
        EXPECT_EQ(host.documents.size(), before) << what << ": nothing printed";
        expectPrinted(PrintRange::Range_General, 1, what);
        expectPrinted(PrintRange::Range_Stability, 3, what);
    }

    void expectPrinted(PrintRange range, size_t sheets, const std::string& what) {
        host.clearRecords();
        const size_t before = host.documents.size();
        main().FilePrint(PrintRequest{range, true, 1.0f});
        EXPECT_EQ(host.messageTexts(), std::vector<std::string>{}) << what;
        ASSERT_EQ(host.documents.size(), before + 1) << what;
        EXPECT_EQ(host.documents.back()->sheets.size(), sheets) << what;
        EXPECT_TRUE(host.documents.back()->ended) << what;
    }
};

// The rear wall 1 m above a back ground 1 m below the base underside ("-1"; " 1 2 " reads as
// 1): the rear face from its top to the base underside has no height. The pages calculate such
// a wall, so it prints.
TEST_F(DamagedFiles, ARearFaceWithoutHeightPrintsEveryPage) {
    ASSERT_TRUE(opened(damagedPath("rear-face-without-height.qkz"))) << refusal();
    expectEveryPagePrinted("rear-face-without-height.qkz");
}

// A short-term steel stress of 2.95e+42, beyond single precision: the design-conditions page
// refuses it, and so does Open, naming the line and the field; the open project stays.
TEST_F(DamagedFiles, AShortTermSteelStressBeyondSinglePrecisionIsRefused) {
    open(samplePath("road-normal-two-sided.qkz"));
    const std::string file = damagedPath("short-term-steel-stress-beyond-single.qkz");
    EXPECT_FALSE(opened(file));
    EXPECT_EQ(host.lastMessage().title, "エラーメッセージ");
    EXPECT_NE(refusal().find(file), std::string::npos) << refusal();
    EXPECT_NE(refusal().find("14行目（設計条件：鉄筋の許容引張応力度（短期））：値が大きすぎます"
                             "（「2.95e+42」）。"),
              std::string::npos)
        << refusal();
    EXPECT_EQ(main().CommonDialog1_FileName, samplePath("road-normal-two-sided.qkz"));
}

// Values that the design-conditions page or the seismic dialog refuse as too large, each in a
// copy of a sample: Open names the first such line and its field.
TEST_F(DamagedFiles, OpenRefusesTheConditionsThePagesRefuseAsTooLarge) {
    struct Case {
        const char* sample;
        LineEdits edits;
        const char* expected;
        const char* why;
    };
    const Case cases[] = {
        {"residential-normal-one-sided.qkz", {{4, "1e39"}},
         "4行目（設計条件：コンクリートの設計基準強度）：値が大きすぎます（「1e39」）。",
         "Fc beyond single precision"},
        {"road-normal-two-sided.qkz", {{8, "-1e39"}},
         "8行目（設計条件：鉄筋コンクリートの単位体積重量）", "a unit weight below it"},
        {"residential-seismic-d1-two-sided.qkz", {{16, "4e38"}},
         "16行目（設計条件：主働土圧係数）", "a KA beyond single precision"},
        {"residential-normal-one-sided.qkz", {{6, "3e38"}},
         "6行目（設計条件：地盤の許容支持力度（長期））：値が大きすぎます",
         "residential: the short-term bearing capacity 2 x 3e38 overflows"},
        {"road-normal-two-sided.qkz", {{6, "2.5e38"}},
         "6行目（設計条件：地盤の許容支持力度（長期））",
         "road: 1.5 x 2.5e38 overflows"},
        {"residential-seismic-k1-key.qkz", {{86, "1e40"}},
         "86行目（設計水平震度：水平震度）：値が大きすぎます（「1e40」）。",
         "Kh beyond single precision"},
        {"road-seismic-k2-key.qkz", {{87, "5e38"}}, "87行目（設計水平震度：鉛直震度）",
         "Kv beyond single precision"},
        {"residential-normal-one-sided.qkz", {{5, "1e39"}, {6, "3e38"}},
         "5行目（設計条件：鉄筋の許容引張応力度（長期））", "the first of two lines"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(opened(damagedCopy(c.sample, c.edits))) << c.why;
        EXPECT_NE(refusal().find(c.expected), std::string::npos) << c.why << ": " << refusal();
    }
}

// Values that the pages let through and calculate: each copy opens and prints every page.
// A back ground 0.3 m below the base underside under a rear wall 0.3 m high leaves the rear face
// without height; unit weights of 0 leave the wall without weight (ΣW = 0) and its centroid
// undefined; 1.5e38 is the largest bearing capacity whose short-term value 2 x 1.5e38 = 3e38
// single precision holds under the residential standard.
TEST_F(DamagedFiles, ValuesThePagesCalculatePrintEveryPage) {
    struct Case {
        const char* sample;
        LineEdits edits;
        const char* why;
    };
    const Case cases[] = {
        {"residential-normal-one-sided.qkz", {{33, "-0.3"}}, "a rear face without height"},
        {"residential-seismic-d1-two-sided.qkz", {{33, "-0.3"}}, "the same, symmetric"},
        {"road-seismic-k2-key.qkz", {{7, "0"}, {8, "0"}}, "a wall without weight, K2"},
        {"road-normal-two-sided.qkz", {{7, "0"}, {8, "0"}}, "a wall without weight, symmetric"},
        {"residential-normal-one-sided.qkz", {{6, "1.5e38"}}, "the largest bearing capacity"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(opened(damagedCopy(c.sample, c.edits))) << c.why << ": " << refusal();
        expectEveryPagePrinted(c.why);
    }
}

}  // namespace
}  // namespace pelzaro
