// The painter of the report on images of several resolutions: text placed by the top of its
// line, the fixed-pitch Mincho face, the palette's colours, a dotted line that shows at printer
// resolution, and page after page on a PDF.

#include "qt/painter_sink.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <optional>

#include "qt_fixture.h"
#include "report/surface.h"
#include "report/text_width.h"

namespace pelzaro {
namespace {

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
};
Box inkBox(const QImage& image) {
    Box b;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ink(image, x, y)) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

// The runs of ink along one row: their lengths in pixels, and the gaps between them.
struct Runs {
    std::vector<int> inked, gaps;
};
Runs runsAlongRow(const QImage& image, int y) {
    Runs r;
    int length = 0;
    bool inInk = false;
    std::optional<int> gap;
    for (int x = 0; x < image.width(); ++x) {
        bool now = ink(image, x, y);
        if (now && !inInk && gap) r.gaps.push_back(*gap);
        if (!now && inInk) gap = 0;
        if (!now && gap) ++*gap;
        if (now) ++length;
        if (!now && inInk) {
            r.inked.push_back(length);
            length = 0;
        }
        inInk = now;
    }
    if (inInk) r.inked.push_back(length);
    return r;
}

TEST(ReportFont, MinchoIsTheFixedPitchIpaFaceWithoutKerning) {
    QFont font = twipsFont(kReportFace, 11);
    EXPECT_EQ(QFontInfo(font).family(), "IPAMincho");
    EXPECT_FALSE(font.kerning());
    EXPECT_EQ(font.pixelSize(), 220) << "one em is 20 twips per point";
    QFontMetricsF metrics(font);
    // Every character the report's literals use advances as the report's columns count it:
    // half an em for ASCII and half-width katakana, a full em for everything else.
    for (const char* text : {"a", "W", " ", "0.577", "AV", "Te", "｡",  "･",  "　", "あ", "１", "Ｃ",
                             "γ", "φ", "δ", "μ",     "σ",  "τ",  "－", "：", "◎",  "○",  "・"}) {
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QString::fromUtf8(text)),
                         textWidthTwips(text, 11))
            << text;
    }
}

TEST(ReportFont, TheOtherFacesMapToTheirIpaTwins) {
    struct Case {
        const char* model;
        const char* drawn;
    } cases[] = {
        {"ＭＳ 明朝", "IPAMincho"},
        {"ＭＳ ゴシック", "IPAGothic"},
        {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QFontInfo(twipsFont(c.model, 9)).family(), c.drawn) << c.model;
}

// Text is placed by the top of its line: its ink lies inside the line box of 20 twips per
// point below the given top, at every size and resolution, and starts near the given x.
TEST(PainterSink, TextStandsInItsLineBoxBelowTheTop) {
    struct Case {
        double dpi, points;
    } cases[] = {{96, 11}, {300, 11}, {300, 9}, {600, 10}};
    for (const Case& c : cases) {
        QImage image = sheet(c.dpi);
        {
            QPainter painter(&image);
            PainterSink sink(painter, pixelsPerTwip(image));
            sink.text(720, 1000, c.points, 0, "■Ag");
        }
        const double s = c.dpi / 1440.0;
        const double box = 20 * c.points;
        Box b = inkBox(image);
        ASSERT_FALSE(b.empty()) << c.dpi;
        EXPECT_GE(b.top, std::floor(1000 * s)) << c.dpi << " dpi " << c.points << " pt";
        EXPECT_LE(b.bottom, std::ceil((1000 + box) * s)) << c.dpi << " dpi " << c.points << " pt";
        EXPECT_LE(b.top, (1000 + 0.25 * box) * s) << "the ink starts near the top";
        EXPECT_NEAR(b.left, 720 * s, 0.25 * box * s + 1);
        EXPECT_LE(b.right, (720 + textWidthTwips("■Ag", c.points)) * s + 1);
    }
}

// "∑" is not in the face: it comes from another face but keeps the cell of a full-width
// character, so what follows it stays in its column.
TEST(PainterSink, ACharacterOutsideTheFaceKeepsItsCell) {
    int rightOfH[2];
    const char* texts[2] = {"F=Hk/∑H", "F=Hk/ＸH"};
    for (int i = 0; i < 2; ++i) {
        QImage image = sheet(300);
        QPainter painter(&image);
        PainterSink(painter, pixelsPerTwip(image)).text(100, 100, 11, 0, texts[i]);
        painter.end();
        rightOfH[i] = inkBox(image).right;
    }
    EXPECT_NEAR(rightOfH[0], rightOfH[1], 1);
}

TEST(PainterSink, TheSameTextScalesWithTheDevice) {
    Box at[2];
    const double dpi[2] = {150, 600};
    for (int i = 0; i < 2; ++i) {
        QImage image = sheet(dpi[i]);
        QPainter painter(&image);
        PainterSink(painter, pixelsPerTwip(image)).text(300, 400, 11, 0, "１－１ 工作物の概要");
        painter.end();
        at[i] = inkBox(image);
    }
    // Four times the resolution, four times the pixels: within a pixel of the coarse image.
    EXPECT_NEAR(at[1].left / 4.0, at[0].left, 1.0);
    EXPECT_NEAR(at[1].right / 4.0, at[0].right, 1.0);
    EXPECT_NEAR(at[1].top / 4.0, at[0].top, 1.0);
    EXPECT_NEAR(at[1].bottom / 4.0, at[0].bottom, 1.0);
}

TEST(PainterSink, ColoursAreThoseOfThePalette) {
    struct Case {
        int colour;
        QColor rgb;
    } cases[] = {
        {0, QColor(0, 0, 0)},
        {13, QColor(255, 0, 255)},
        {12, QColor(255, 0, 0)},
    };
    for (const Case& c : cases) {
        QImage image = sheet(300);
        {
            QPainter painter(&image);
            PainterSink sink(painter, pixelsPerTwip(image));
            sink.text(100, 100, 11, c.colour, "■");
            sink.segment(100, 1000, 2000, 1000, DrawStyle_Solid, c.colour);
        }
        const double s = 300 / 1440.0;
        // The middle of the filled square and of the line.
        EXPECT_EQ(image.pixelColor(static_cast<int>(210 * s), static_cast<int>(200 * s)), c.rgb)
            << c.colour;
        EXPECT_EQ(image.pixelColor(static_cast<int>(1000 * s), static_cast<int>(1000 * s)), c.rgb)
            << c.colour;
    }
}

// The dotted style stays a row of visible dots: at screen and at printer resolution the line
// breaks into many short runs of ink with gaps between them, each at least a pixel long; the
// solid style is one run.
TEST(PainterSink, DottedLinesStayVisibleAtEveryResolution) {
    for (double dpi : {96.0, 300.0, 600.0, 1200.0}) {
        QImage image = sheet(dpi, 3, 1);
        {
            QPainter painter(&image);
            PainterSink sink(painter, pixelsPerTwip(image));
            sink.segment(0, 360, 2880, 360, DrawStyle_Dot, 0);  // two inches
            sink.segment(0, 1080, 2880, 1080, DrawStyle_Solid, 0);
        }
        const double s = dpi / 1440.0;
        Runs dotted = runsAlongRow(image, static_cast<int>(360 * s));
        const int period =
            static_cast<int>(2880 / (PainterSink::kDotTwips + PainterSink::kDotGapTwips));
        EXPECT_GE(static_cast<int>(dotted.inked.size()), period * 2 / 3) << dpi << " dpi";
        EXPECT_LE(static_cast<int>(dotted.inked.size()), period + 1) << dpi << " dpi";
        for (int run : dotted.inked) EXPECT_GE(run, 1) << dpi;
        for (int gap : dotted.gaps) EXPECT_GE(gap, 1) << dpi;
        // At printer resolution a dot is several pixels long, not a speck.
        if (dpi >= 600) {
            for (size_t i = 1; i + 1 < dotted.inked.size(); ++i)
                EXPECT_GE(dotted.inked[i], 5) << dpi;
        }
        Runs solid = runsAlongRow(image, static_cast<int>(1080 * s));
        EXPECT_EQ(solid.inked.size(), 1u) << dpi;
        // The line has some thickness on paper: at least a pixel, about 0.18 mm at high
        // resolution.
        int thick = 0;
        for (int y = 0; y < image.height(); ++y)
            thick += ink(image, static_cast<int>(1440 * s), y) && std::abs(y - 1080 * s) < 20;
        EXPECT_GE(thick, std::max(1, static_cast<int>(PainterSink::kLineWidthTwips * s) - 1))
            << dpi;
    }
}

TEST(PainterSink, BeepsOnlyThroughItsOwner) {
    QImage image = sheet(96);
    QPainter painter(&image);
    PainterSink sink(painter, pixelsPerTwip(image));
    sink.beep();  // silent without an owner's beep
    int beeps = 0;
    sink.setBeep([&] { ++beeps; });
    Surface pri(sink);
    pri.Beep();
    EXPECT_EQ(beeps, 1);
}

TEST(PainterSink, LeavesThePainterAsItFoundIt) {
    QImage image = sheet(150);
    QPainter painter(&image);
    painter.setPen(QColor(1, 2, 3));
    const QTransform before = painter.transform();
    PainterSink sink(painter, pixelsPerTwip(image));
    sink.text(0, 0, 11, 13, "x");
    sink.segment(0, 0, 100, 100, DrawStyle_Dot, 13);
    EXPECT_EQ(painter.transform(), before);
    EXPECT_EQ(painter.pen().color(), QColor(1, 2, 3));
}

int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = f.readAll();
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                            bytes.count("/Type /Page ") + bytes.count("/Type /Page>") +
                            bytes.count("/Type /Page/"));
}

// A paged device takes one report page after another; a page break is made only when another
// page follows, so no empty page ends the document.
TEST(PagedPainter, OnePdfPageForEachReportPage) {
    QTemporaryDir dir;
    for (int pages : {1, 3}) {
        const QString path = dir.filePath(QString("pages-%1.pdf").arg(pages));
        {
            QPdfWriter pdf(path);
            PagedPainter device(pdf);
            ASSERT_TRUE(device.isActive());
            for (int i = 0; i < pages; ++i) {
                PainterSink* sink = device.beginPage();
                ASSERT_NE(sink, nullptr);
                sink->text(0, 0, 11, 0, "page");
            }
            EXPECT_TRUE(device.end());
        }
        EXPECT_EQ(pdfPages(path), pages);
    }
}

}  // namespace
}  // namespace pelzaro
