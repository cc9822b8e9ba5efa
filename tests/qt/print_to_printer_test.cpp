// The print on the printer that the printer dialog returns, as the program takes it from the
// dialog: a file that cannot take the whole document is named in the print's one message, and
// a landscape choice still gives portrait sheets that keep every line and the page numbers.

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "qt/painter_document.h"
#include "qt_fixture.h"
#include "support/sample_fixture.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

// The test host whose printer dialog returns the printer the test set up, through the same
// step the program's dialog takes.
struct DialogReturns : TestHost {
    std::function<std::unique_ptr<QPrinter>()> chosen;
    PrinterChoice ShowPrinter() override {
        ++printerDialogs;
        return documentOnPrinter(chosen());
    }
};

// Qt's PDF output of the print dialog, into `path`.
std::unique_ptr<QPrinter> pdfPrinter(const QString& path,
                                     QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(orientation);
    return printer;
}

struct PrintFromDialog : SampleProgram<DialogReturns> {
    void SetUp() override { openSampleNamed("residential-normal-one-sided.qkz"); }
};

// A device that refuses every byte, as a full disk refuses the rest of a file: whether the print
// has one page or runs on until the file refuses a page break, the message blames the file,
// which holds no whole report, and names no page as if those before it were written.
struct FullFileRow {
    const char* why;
    PrintRange range;
};
void PrintTo(const FullFileRow& row, std::ostream* os) {
    *os << row.why;
}

class AFileThatCannotTakeTheDocument : public PrintFromDialog,
                                       public ::testing::WithParamInterface<FullFileRow> {};

TEST_P(AFileThatCannotTakeTheDocument, IsNamedInTheMessageAndNoPageIsBlamed) {
    host.chosen = [] { return pdfPrinter(QStringLiteral("/dev/full")); };
    main.FilePrint(PrintRequest{GetParam().range, true, 1});
    EXPECT_EQ(host.messageTexts(),
              std::vector<std::string>{"/dev/full に報告書を最後まで書き込めませんでした。"})
        << GetParam().why;
    EXPECT_EQ(host.lastMessage().title, "エラーメッセージ");
}

INSTANTIATE_TEST_SUITE_P(Print, AFileThatCannotTakeTheDocument,
                         ::testing::Values(FullFileRow{"one page, refused at the end",
                                                       PrintRange::Range_General},
                                           FullFileRow{"every page, a break refused on the way",
                                                       PrintRange::Range_All}));

TEST_F(PrintFromDialog, AFileThatCannotBeCreatedIsNamedInTheMessage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no-such-folder/report.pdf"));
    host.chosen = [path] { return pdfPrinter(path); };
    main.FilePrint(PrintRequest{PrintRange::Range_All, false, 0});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.lastMessage().text.find(fromQ(path)), std::string::npos)
        << host.lastMessage().text;
}

TEST_F(PrintFromDialog, AWritableFileGetsTheWholeDocumentAndNoMessage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    host.chosen = [path] { return pdfPrinter(path); };
    main.FilePrint(PrintRequest{PrintRange::Range_General, false, 0});
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage().text;
    EXPECT_EQ(pdfWords(path).size(), 1u);
}

// The size of each sheet of a PDF in points, as pdftotext reads it.
std::vector<QSizeF> sheetSizes(const QString& pdf) {
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
            {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression page(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    std::vector<QSizeF> sizes;
    for (auto it = page.globalMatch(html); it.hasNext();) {
        auto m = it.next();
        sizes.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return sizes;
}

TEST_F(PrintFromDialog, ALandscapeChoicePrintsPortraitSheetsWithTheirPageNumbers) {
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        << "pdftotext (poppler-utils) reads the PDF back; scripts/install-deps.sh installs it";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    host.chosen = [path] { return pdfPrinter(path, QPageLayout::Landscape); };

    // The stability pages, numbered from 7.
    main.FilePrint(PrintRequest{PrintRange::Range_Stability, true, 7});
    ASSERT_TRUE(host.messages.empty()) << host.lastMessage().text;

    const std::vector<QSizeF> sizes = sheetSizes(path);
    ASSERT_EQ(sizes.size(), 3u);
    const std::vector<std::vector<PdfWord>> pages = pdfWords(path);
    ASSERT_EQ(pages.size(), 3u);
    for (size_t sheet = 0; sheet < pages.size(); ++sheet) {
        // A4 portrait: 210 x 297 mm.
        EXPECT_NEAR(sizes[sheet].width(), 210 / 25.4 * 72, 1.0) << "sheet " << sheet + 1;
        EXPECT_NEAR(sizes[sheet].height(), 297 / 25.4 * 72, 1.0) << "sheet " << sheet + 1;
        // "－ 7 －" at the foot, 15600 twips (780 pt) below the printable area's top, which
        // lies at most a few points below the sheet's edge.
        const std::string number = std::to_string(7 + sheet);
        bool found = false;
        for (const PdfWord& w : pages[sheet]) {
            if (w.text == number && w.y > 780 && w.y < 800) found = true;
        }
        EXPECT_TRUE(found) << "sheet " << sheet + 1 << ": page number " << number;
    }
}

}  // namespace
}  // namespace pelzaro
