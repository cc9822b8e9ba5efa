#pragma once
// Shared by the Qt tests: one QApplication for the program (CTest runs it offscreen), a
// helper that answers the next message box and records what it showed, and the readers of
// what the report's painter drew: ink on an image and the words of a PDF.

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <cmath>
#include <string>
#include <vector>

#include "forms/utf8.h"
#include "qt/qt_text.h"

namespace pelzaro {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// While alive, presses `answer` on every message box that comes up.
class BoxAnswerer {
  public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer] { answerOpenBox(answer); });
        timer_.start(5);
    }
    std::vector<SeenBox> seen;

  private:
    void answerOpenBox(QMessageBox::StandardButton answer) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        SeenBox s{box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                  box->standardButton(box->defaultButton())};
        seen.push_back(s);
        box->button(answer)->click();
    }
    QTimer timer_;
};

// A white image of `widthIn` × `heightIn` inches at `dpi`.
inline QImage sheet(double dpi, double widthIn = 3, double heightIn = 2) {
    QImage image(static_cast<int>(widthIn * dpi), static_cast<int>(heightIn * dpi),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    return image;
}

// Whether the pixel is inked; there is no ink outside the image.
inline bool ink(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
           qGray(image.pixel(x, y)) < 160;
}

// The blanks of the report's texts: the half-width and the full-width space.
inline bool isBlank(const std::string& ch) {
    return ch == " " || ch == "　";
}

// The text's leading blanks, the text without its trailing blanks, and its first word.
struct Extent {
    std::string leading, trimmed, firstWord;
};
inline Extent extentOf(const std::string& text) {
    Extent e;
    std::vector<std::string> chars = utf8::chars(text);
    size_t first = 0;
    while (first < chars.size() && isBlank(chars[first])) e.leading += chars[first++];
    size_t end = chars.size();
    while (end > first && isBlank(chars[end - 1])) --end;
    for (size_t i = 0; i < end; ++i) e.trimmed += chars[i];
    for (size_t i = first; i < end && !isBlank(chars[i]); ++i) e.firstWord += chars[i];
    return e;
}

// A word of a PDF as pdftotext reads it back, with its top-left corner in points.
struct PdfWord {
    std::string text;
    double x, y;
};

// The words of each page of a PDF; none when pdftotext cannot be run.
inline std::vector<std::vector<PdfWord>> pdfWords(const QString& pdf) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) return {};
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    std::vector<std::vector<PdfWord>> pages;
    for (const QString& page : html.split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1)) {
        pages.emplace_back();
        for (auto it = word.globalMatch(page); it.hasNext();) {
            auto m = it.next();
            // The words come as XHTML text: "<σca" is written "&lt;σca".
            QString text = m.captured(3);
            text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
                .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            pages.back().push_back(
                {fromQ(text), m.captured(1).toDouble(), m.captured(2).toDouble()});
        }
    }
    return pages;
}

}  // namespace pelzaro
