// The whole report on whatever sheet and margins the printer dialog returns: on A4 with the
// dialog's default margins every page prints as it is laid out; on a smaller printable area
// (A5 or Letter with margins of 40 mm) every page is shrunk by one factor into that area, its
// texts, strokes and page number in proportion. The print runs as a user starts it, through
// the print-range dialog's OK and the printer the dialog returns, into Qt's PDF printer, and the
// PDF is read back (pdftotext for the words, pdftoppm for the ink).

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "qt/painter_document.h"
#include "qt_fixture.h"
#include "report/page_plan.h"
#include "report/text_width.h"
#include "support/sample_fixture.h"
#include "support/test_host.h"
#include "transcribed_document.h"

namespace pelzaro {
namespace {

// One sheet of the dialog: the paper, the margins set under its properties (none: the
// dialog's own), the printable area the printer gives in points from the sheet's corner, and
// the factor the report's page takes on it. The report's page is A4 less the default margins
// of 10 points: 575 x 822 points, 11500 x 16440 twips. Qt lays out a sheet and its margins in
// whole points: 40 mm (113.39 pt) is kept as 113 pt.
struct SheetRow {
    const char* name;
    QPageSize::PageSizeId paper;
    double marginMm;  // 0: the dialog's default margins
    QSizeF sheet;     // points
    QRectF area;      // points
    double factor;
};

const SheetRow kSheets[] = {
    // 595 x 842 less 10 pt on every side: 575 x 822 pt, the report's page itself.
    {"A4DefaultMargins", QPageSize::A4, 0, {595, 842}, {10, 10, 575, 822}, 1.0},
    // 420 x 595 less 113 pt on every side: 194 x 369 pt = 3880 x 7380 twips.
    // Across 3880 / 11500 = 0.33739, down 7380 / 16440 = 0.44891: the width decides.
    {"A5Margins40mm", QPageSize::A5, 40, {420, 595}, {113, 113, 194, 369}, 3880.0 / 11500},
    // 612 x 792 less 113 pt on every side: 386 x 566 pt = 7720 x 11320 twips.
    // Across 7720 / 11500 = 0.67130, down 11320 / 16440 = 0.68856: the width decides.
    {"LetterMargins40mm", QPageSize::Letter, 40, {612, 792}, {113, 113, 386, 566}, 7720.0 / 11500},
};

void PrintTo(const SheetRow& row, std::ostream* os) {
    *os << row.name;
}

// Qt's PDF output of the print dialog on the row's paper and margins, into `path`.
std::unique_ptr<QPrinter> pdfPrinter(const SheetRow& row, const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(row.paper));
    if (row.marginMm > 0)
        printer->setPageMargins(QMarginsF(row.marginMm, row.marginMm, row.marginMm, row.marginMm),
                                QPageLayout::Millimeter);
    return printer;
}

// The printer dialog returns the row's printer; the document it gives keeps a transcript of
// each sheet.
struct SheetDialog : TestHost {
    const SheetRow* row = nullptr;
    QString path;
    std::vector<RecordingSink> sheets;  // the transcript of each printed sheet
    double factor = 0;                  // the factor the document draws its pages at
    QRectF area;                        // the printable area the printer gave, in points
    PrinterChoice ShowPrinter() override {
        ++printerDialogs;
        std::unique_ptr<QPrinter> printer = pdfPrinter(*row, path);
        area = printer->pageLayout().paintRect(QPageLayout::Point);
        PrinterChoice choice = documentOnPrinter(std::move(printer));
        if (!choice.document) return choice;
        factor = static_cast<PainterDocument&>(*choice.document).pageFactor();
        choice.document = std::make_unique<Transcribed>(std::move(choice.document), sheets);
        return choice;
    }
};

// The pages of a PDF as images at `dpi`, rendered by pdftoppm.
std::vector<QImage> pdfImages(const QString& pdf, int dpi) {
    QTemporaryDir dir;
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftoppm")),
            {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi), pdf,
             dir.filePath(QStringLiteral("page"))});
    p.waitForFinished(60000);
    std::vector<QImage> images;
    QStringList files = QDir(dir.path()).entryList({QStringLiteral("page*.png")}, QDir::Files);
    files.sort();
    for (const QString& f : files) images.emplace_back(dir.filePath(f));
    return images;
}

// Where a point of the report's page (twips) lands on the sheet (points).
QPointF onSheet(const SheetRow& row, double x, double y) {
    return {row.area.left() + row.factor * x / 20.0, row.area.top() + row.factor * y / 20.0};
}

class EverySheet : public SampleProgram<SheetDialog>,
                   public ::testing::WithParamInterface<SheetRow> {
  protected:
    void SetUp() override {
        ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            << "pdftotext and pdftoppm (poppler-utils) read the PDF back; "
               "scripts/install-deps.sh installs them";
        // All nine pages, figures and tables, with the widest lines of the samples.
        openSampleNamed("residential-seismic-k1-key.qkz");
        ASSERT_TRUE(hasPage9(wallParts(app.m)));
        host.row = &GetParam();
        host.path = dir.filePath(QStringLiteral("report.pdf"));
        // The whole report, numbered from 1.
        main.FilePrint(PrintRequest{PrintRange::Range_All, true, 1});
        ASSERT_TRUE(host.messages.empty()) << host.lastMessage().text;
        ASSERT_EQ(host.sheets.size(), 9u);
    }
    QTemporaryDir dir;
};

TEST_P(EverySheet, TakesTheReportPageAtItsFactorFromTheAreasCorner) {
    const SheetRow& row = GetParam();
    EXPECT_EQ(host.area, row.area) << row.name;
    if (row.factor == 1.0)
        EXPECT_EQ(host.factor, 1.0) << "the A4 page prints exactly as laid out";
    else
        EXPECT_NEAR(host.factor, row.factor, 1e-9);
}

// Every text cell and every stroke the sections and the page number drew lies inside the
// printable area once the page is fitted, and nothing is inked on the sheet outside it.
TEST_P(EverySheet, KeepsEveryTextAndStrokeInsideThePrintableArea) {
    const SheetRow& row = GetParam();
    const QRectF area = row.area.adjusted(-0.01, -0.01, 0.01, 0.01);
    for (size_t sheet = 0; sheet < 9; ++sheet) {
        for (const ReportEvent& e : host.sheets[sheet].events) {
            if (e.kind == ReportEvent::Beep) continue;
            double x2 = e.x2, y2 = e.y2;
            if (e.kind == ReportEvent::Text)
                x2 = e.x1 + textWidthTwips(extentOf(e.text).trimmed, e.size),
                y2 = e.y1 + 20 * e.size;
            EXPECT_TRUE(area.contains(onSheet(row, e.x1, e.y1)) &&
                        area.contains(onSheet(row, x2, y2)))
                << row.name << ", sheet " << sheet + 1 << ": " << e.text << " at " << e.x1 << ","
                << e.y1 << ".." << x2 << "," << y2 << " twips";
        }
    }

    const int dpi = 50;
    const std::vector<QImage> images = pdfImages(host.path, dpi);
    ASSERT_EQ(images.size(), 9u);
    const double px = dpi / 72.0;
    for (size_t sheet = 0; sheet < images.size(); ++sheet) {
        const QImage& image = images[sheet];
        // The PDF's sheet is the paper chosen, in portrait.
        EXPECT_NEAR(image.width(), row.sheet.width() * px, 1.0) << row.name;
        EXPECT_NEAR(image.height(), row.sheet.height() * px, 1.0) << row.name;
        int outside = 0, inside = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!ink(image, x, y)) continue;
                const bool in = x >= std::floor(row.area.left() * px) - 1 &&
                                x <= std::ceil(row.area.right() * px) + 1 &&
                                y >= std::floor(row.area.top() * px) - 1 &&
                                y <= std::ceil(row.area.bottom() * px) + 1;
                ++(in ? inside : outside);
            }
        }
        EXPECT_EQ(outside, 0) << row.name << ", sheet " << sheet + 1;
        EXPECT_GT(inside, 0) << row.name << ", sheet " << sheet + 1;
    }
}

// The words of every page stand where the fitted page puts them, the page number with them.
TEST_P(EverySheet, PrintsEveryPageWithItsTextsInProportionAndItsNumber) {
    const SheetRow& row = GetParam();
    const std::vector<std::vector<PdfWord>> pages = pdfWords(host.path);
    ASSERT_EQ(pages.size(), 9u);
    for (size_t sheet = 0; sheet < pages.size(); ++sheet) {
        const std::string number = std::to_string(sheet + 1);
        bool numbered = false;
        int checked = 0;
        for (const ReportEvent& e : host.sheets[sheet].events) {
            const Extent lead = extentOf(e.text);
            if (e.kind != ReportEvent::Text || lead.firstWord.empty()) continue;
            // The face draws "･" with the glyph of "·", and the PDF's text maps it back to that.
            const std::string first =
                fromQ(toQ(lead.firstWord).replace(QStringLiteral("･"), QStringLiteral("·")));
            const QPointF at = onSheet(row, e.x1 + textWidthTwips(lead.leading, e.size), e.y1);
            bool found = false;
            for (const PdfWord& w : pages[sheet]) {
                if (w.text.empty() || first.rfind(w.text, 0) != 0) continue;
                if (std::abs(w.x - at.x()) < 1.0 && std::abs(w.y - at.y()) < 2.5) found = true;
            }
            EXPECT_TRUE(found) << row.name << ", sheet " << sheet + 1 << ": " << e.text
                               << " expected at " << at.x() << "," << at.y() << " pt";
            ++checked;
            if (e.text != "－ " + number + " －") continue;
            const QPointF digits = onSheet(row, e.x1 + textWidthTwips("－ ", e.size), e.y1);
            for (const PdfWord& w : pages[sheet]) {
                if (w.text == number && std::abs(w.x - digits.x()) < 1.0 &&
                    std::abs(w.y - digits.y()) < 2.5)
                    numbered = true;
            }
        }
        EXPECT_TRUE(numbered) << row.name << ", sheet " << sheet + 1 << ": " << number;
        EXPECT_GT(checked, 3) << row.name << ", sheet " << sheet + 1;
    }
}

std::string sheetName(const ::testing::TestParamInfo<SheetRow>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Print, EverySheet, ::testing::ValuesIn(kSheets), sheetName);

}  // namespace
}  // namespace pelzaro
