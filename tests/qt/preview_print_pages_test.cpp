// Every report page of a sample project, as the preview shows it and as the print writes it
// into a PDF: each text of the page's transcript is found where the transcript puts it, on
// the preview's image from the corner of the printable area, and in the PDF (read back with
// pdftotext) together with the page number at the foot of each sheet.

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <string>
#include <vector>

#include "forms/app.h"
#include "forms/utf8.h"
#include "frame/mdiform1.h"
#include "preview/preview_page.h"
#include "preview/report_print.h"
#include "qt/page_box_widget.h"
#include "qt/painter_document.h"
#include "qt/qt_text.h"
#include "qt_fixture.h"
#include "report/page_plan.h"
#include "report/recording_sink.h"
#include "report/text_width.h"
#include "state/module1.h"
#include "support/sample_fixture.h"
#include "support/test_host.h"
#include "transcribed_document.h"

namespace pelzaro {
namespace {

const char* const kSample = "residential-seismic-k1-key.qkz";

std::vector<ReportEvent> textsOf(const std::vector<ReportEvent>& events) {
    std::vector<ReportEvent> out;
    for (const ReportEvent& e : events)
        if (e.kind == ReportEvent::Text && !extentOf(e.text).firstWord.empty()) out.push_back(e);
    return out;
}

struct ReportPages : SampleProgram<> {
    void SetUp() override {
        openSampleNamed(kSample);
        ASSERT_TRUE(hasPage9(wallParts(app.m))) << "the sample shows all nine pages";
    }
};

// Whether anything else of the drawing (a line of a figure or table, another text) reaches into
// the area [left, right) x [top, bottom) in page twips, where it would be taken for a text's
// first letter.
bool othersReach(const std::vector<ReportEvent>& drawing, const ReportEvent& self, double left,
                 double right, double top, double bottom) {
    for (const ReportEvent& e : drawing) {
        if (&e == &self || e.kind == ReportEvent::Beep) continue;
        double x1 = e.x1, y1 = e.y1, x2 = e.x2, y2 = e.y2;
        if (e.kind == ReportEvent::Text)
            x2 = x1 + textWidthTwips(e.text, e.size), y2 = y1 + 20 * e.size;
        if (std::max(x1, x2) >= left && std::min(x1, x2) < right && std::max(y1, y2) >= top &&
            std::min(y1, y2) < bottom)
            return true;
    }
    return false;
}

// A text's first character starts where the transcript puts it, counted from the corner of
// the printable area; nothing is drawn above that area.
TEST_F(ReportPages, EveryPreviewPageShowsItsTextsWhereTheTranscriptPutsThem) {
    const double s = 150.0 / 1440.0;  // pixels per twip at 150 dpi
    main.FileImage();
    int textsSeen = 0;
    for (int page = 1; page <= 9; ++page) {
        PreviewPage& w = previewWindow(app, page);
        ASSERT_TRUE(w.Visible()) << "page " << page;
        const PageBox& box = w.Picture2;
        EXPECT_TRUE(box.note().empty()) << "page " << page << ": " << box.note();
        const QImage image = renderPageBox(box, s);
        for (int y = 0; y < static_cast<int>(box.originTop() * s) - 1; ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_FALSE(ink(image, x, y)) << "page " << page << ": ink above the area";
        for (const ReportEvent& e : box.drawing()) {
            const Extent lead = extentOf(e.text);
            if (e.kind != ReportEvent::Text || lead.firstWord.empty()) continue;
            const double em = 20 * e.size;
            const double inset = textWidthTwips(lead.leading, e.size);
            // Where a figure's line or a neighbouring text lies just left of the first letter,
            // the ink found there is not the text's: such texts are checked by the PDF below.
            if (othersReach(box.drawing(), e, e.x1 + inset - em, e.x1 + inset, e.y1, e.y1 + em))
                continue;
            const double left = box.originLeft() + e.x1 + inset;
            const double top = box.originTop() + e.y1;
            const double cell = textWidthTwips(utf8::chars(lead.firstWord).front(), e.size);
            // The leftmost ink of the line's band near the text: its first character.
            int leftmost = -1;
            for (int y = static_cast<int>(top * s) + 1; y < (top + em) * s - 1; ++y)
                for (int x = static_cast<int>((left - em) * s); x < (left + cell) * s; ++x)
                    if (ink(image, x, y) && (leftmost < 0 || x < leftmost)) leftmost = x;
            EXPECT_GE(leftmost, left * s - 1) << "page " << page << ": " << e.text;
            EXPECT_LE(leftmost, (left + 0.6 * em) * s) << "page " << page << ": " << e.text;
            ++textsSeen;
        }
        if (page < 9) w.Men_Nex.choose();
    }
    EXPECT_GT(textsSeen, 30);
}

TEST_F(ReportPages, ThePrintedPdfHasEveryPageWithItsTextsAndNumber) {
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        << "pdftotext (poppler-utils) reads the PDF back; scripts/install-deps.sh installs it";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    // The PDF output of Qt's print dialog.
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    const QRectF area = printer->pageLayout().paintRect(QPageLayout::Point);
    PainterDocument pdf(std::move(printer), path);
    ASSERT_TRUE(pdf.isOpen()) << pdf.error();
    Transcribed document(pdf);
    const PrintOutcome outcome =
        ReportPrint(app, document, PrintRequest{PrintRange::Range_All, true, 1}).run();
    ASSERT_TRUE(outcome.completed) << printStoppedMessage(outcome);

    const std::vector<std::vector<PdfWord>> pages = pdfWords(path);
    ASSERT_EQ(pages.size(), 9u);
    ASSERT_EQ(document.sheets.size(), 9u);
    for (size_t sheet = 0; sheet < pages.size(); ++sheet) {
        const std::vector<ReportEvent> texts = textsOf(document.sheets[sheet].events);
        ASSERT_FALSE(texts.empty()) << "sheet " << sheet + 1;
        EXPECT_EQ(texts.back().text, "－ " + std::to_string(sheet + 1) + " －");
        for (const ReportEvent& e : texts) {
            const Extent lead = extentOf(e.text);
            // The face draws "･" with the glyph of "·", and the PDF's text maps it back to that.
            const std::string first =
                fromQ(toQ(lead.firstWord).replace(QStringLiteral("･"), QStringLiteral("·")));
            const double x = area.left() + (e.x1 + textWidthTwips(lead.leading, e.size)) / 20.0;
            const double y = area.top() + e.y1 / 20.0;
            bool found = false;
            for (const PdfWord& w : pages[sheet]) {
                if (w.text.empty() || first.rfind(w.text, 0) != 0) continue;
                if (std::abs(w.x - x) < 1.0 && std::abs(w.y - y) < 2.5) found = true;
            }
            EXPECT_TRUE(found) << "sheet " << sheet + 1 << ": " << e.text << " expected at " << x
                               << "," << y << " pt";
        }
    }
}

}  // namespace
}  // namespace pelzaro
