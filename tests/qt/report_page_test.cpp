// Page 1 of a sample project, opened as a user opens it, drawn with the report's painter into
// an image and into a PDF: every text of the transcript is found where the transcript puts it,
// its columns in the fixed pitch of the report face, nothing outside its line.

#include "report/report_page.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <string>
#include <vector>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "qt/painter_sink.h"
#include "qt/qt_text.h"
#include "qt_fixture.h"
#include "report/page_plan.h"
#include "report/recording_sink.h"
#include "report/text_width.h"
#include "support/samples.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

constexpr double kMarginMm = 5.0;

struct ReportPage : ::testing::Test {
    TestHost host;
    App app{host};
    std::vector<ReportEvent> texts;

    void SetUp() override {
        openSample(host, app, samplePath("residential-seismic-k1-key.qkz"));
        ASSERT_TRUE(host.messages.empty()) << host.lastMessage().text;
        RecordingSink recording;
        draw(recording);
        for (const ReportEvent& e : recording.events)
            if (e.kind == ReportEvent::Text) texts.push_back(e);
        ASSERT_GT(texts.size(), 30u);
    }
    void draw(ReportSink& sink) {
        Surface pri(sink);
        pri.startPage();
        for (SectionPrinter section : pageSections(1, wallParts(app.m)))
            drawSections(app, pri, {section});
    }
};

TEST_F(ReportPage, PageOneOnAnImageStandsWhereTheTranscriptPutsIt) {
    const double dpi = 150;
    QImage image = sheet(dpi, 8, 11);
    {
        QPainter painter(&image);
        PainterSink sink(painter, pixelsPerTwip(image));
        draw(sink);
    }
    const double s = dpi / 1440.0;
    std::vector<bool> rowOfALine(static_cast<size_t>(image.height()), false);
    for (const ReportEvent& e : texts) {
        const double box = 20 * e.size;
        // The rows that the line covers, and those wholly inside it where it is measured.
        const int y0 = static_cast<int>(std::floor(e.y1 * s));
        const int y1 = std::min(image.height() - 1, static_cast<int>(std::ceil((e.y1 + box) * s)));
        for (int y = y0; y <= y1; ++y) rowOfALine[static_cast<size_t>(y)] = true;
        int left = image.width(), right = -1;
        for (int y = y0 + 1; y < y1; ++y) {
            for (int x = 0; x < image.width(); ++x)
                if (ink(image, x, y)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        }
        // The first character stands after the leading blanks counted in the fixed pitch, the
        // last one ends in the cell where the count puts it (a glyph keeps inside its cell).
        const Extent ext = extentOf(e.text);
        const double expectLeft = (e.x1 + textWidthTwips(ext.leading, e.size)) * s;
        const double expectRight = (e.x1 + textWidthTwips(ext.trimmed, e.size)) * s;
        const double em = box * s;
        ASSERT_GE(right, 0) << "no ink for " << e.text;
        EXPECT_GE(left, expectLeft - 1) << e.text;
        EXPECT_LE(left, expectLeft + 0.6 * em) << e.text;
        EXPECT_LE(right, expectRight + 1) << e.text;
        EXPECT_GE(right, expectRight - em) << e.text;
    }
    // No ink between the lines: nothing is drawn outside the line box of a text.
    for (int y = 0; y < image.height(); ++y) {
        if (rowOfALine[static_cast<size_t>(y)]) continue;
        for (int x = 0; x < image.width(); ++x)
            ASSERT_FALSE(ink(image, x, y)) << "ink at " << x << "," << y << " between the lines";
    }
}

// The same page in a PDF of A4 with the printable area 5 mm inside the sheet: pdftotext finds
// each line's first word at the transcript's position, in points from the sheet's corner.
TEST_F(ReportPage, PageOneInAPdfStandsWhereTheTranscriptPutsIt) {
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        << "pdftotext (poppler-utils) reads the PDF back; scripts/install-deps.sh installs it";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page1.pdf"));
    {
        QPdfWriter pdf(path);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                      QPageLayout::Millimeter));
        PagedPainter device(pdf);
        PainterSink* sink = device.beginPage();
        ASSERT_NE(sink, nullptr);
        draw(*sink);
    }
    const std::vector<std::vector<PdfWord>> pages = pdfWords(path);
    const std::vector<PdfWord> words = pages.empty() ? std::vector<PdfWord>{} : pages.front();
    ASSERT_FALSE(words.empty());
    const double margin = kMarginMm / 25.4 * 72;
    for (const ReportEvent& e : texts) {
        const Extent ext = extentOf(e.text);
        // The face draws "･" with the glyph of "·", and the PDF's text maps it back to that.
        const std::string firstWord =
            fromQ(toQ(ext.firstWord).replace(QStringLiteral("･"), QStringLiteral("·")));
        const double x = margin + (e.x1 + textWidthTwips(ext.leading, e.size)) / 20.0;
        const double top = margin + e.y1 / 20.0;
        bool found = false;
        for (const PdfWord& w : words) {
            const std::string& t = w.text;
            if (t.empty() || firstWord.rfind(t, 0) != 0) continue;
            if (std::abs(w.x - x) < 1.0 && std::abs(w.y - top) < 2.5) found = true;
        }
        EXPECT_TRUE(found) << e.text << " expected at " << x << "," << top << " pt";
    }
}

}  // namespace
}  // namespace pelzaro
