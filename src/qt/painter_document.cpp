#include "qt/painter_document.h"

#include <QFile>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPrinter>

#include "qt/qt_text.h"
#include "report/page_fit.h"

namespace pelzaro {

namespace {
// Draws nothing: where a sheet could not be begun, the print has already stopped.
class NoSheet : public ReportSink {
  public:
    void text(double, double, double, int, const std::string&) override {}
    void segment(double, double, double, double, int, int) override {}
    void beep() override {}
};
NoSheet noSheet;

// A file holds the whole PDF when it ends with the document's closing "%%EOF": a full disk
// cuts the file short, a device that refuses the data leaves nothing to read back.
bool holdsWholePdf(const QString& path) {
    if (!QFileInfo(path).isFile()) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 tail = 32;
    if (file.size() > tail && !file.seek(file.size() - tail)) return false;
    return file.readAll().contains("%%EOF");
}

// The factor of the report's page on the device's printable area. The area is taken in points,
// as the device lays out its sheet and margins, so that A4 with the default margins of 10 points
// is exactly the report's page.
double factorOn(const QPagedPaintDevice& device) {
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Point);
    return reportPageFactor(area.width() * 20.0, area.height() * 20.0);
}
}  // namespace

PainterDocument::PainterDocument(QPagedPaintDevice& device, QString name)
    : device_(device), name_(std::move(name)) {
    open();
}

PainterDocument::PainterDocument(std::unique_ptr<QPagedPaintDevice> device, QString name)
    : owned_(std::move(device)), device_(*owned_), name_(std::move(name)) {
    open();
}

PainterDocument::~PainterDocument() {
    endDoc();
}

void PainterDocument::open() {
    factor_ = factorOn(device_);
    painter_ = std::make_unique<PagedPainter>(device_, factor_);
    sink_ = painter_->beginPage();
    if (sink_ == nullptr) error_ = fromQ(name_) + " を開けませんでした。";
}

ReportSink& PainterDocument::page() {
    return sink_ != nullptr ? static_cast<ReportSink&>(*sink_) : noSheet;
}

bool PainterDocument::newPage() {
    sink_ = painter_->beginPage();
    if (sink_ != nullptr) return true;
    if (!file_.isEmpty()) return loseOutput();
    error_ = fromQ(name_) + " に次のページを出力できませんでした。";
    return false;
}

// A file that refuses a page holds no whole report, whichever page it refused.
bool PainterDocument::loseOutput() {
    outputLost_ = true;
    error_ = fromQ(file_) + " に報告書を最後まで書き込めませんでした。";
    return false;
}

bool PainterDocument::endDoc() {
    if (ended_) return error_.empty();
    ended_ = true;
    sink_ = nullptr;
    const bool ended = painter_->end();
    if (!file_.isEmpty() && (!ended || !holdsWholePdf(file_))) return loseOutput();
    if (!ended) {
        error_ = fromQ(name_) + " への出力を完了できませんでした。";
        return false;
    }
    return true;
}

PrinterChoice documentOnPrinter(std::unique_ptr<QPrinter> printer) {
    printer->setPageOrientation(QPageLayout::Portrait);
    const QString file = printer->outputFileName();
    const QString name = file.isEmpty() ? printer->printerName() : file;
    auto document = std::make_unique<PainterDocument>(std::move(printer), name);
    PrinterChoice choice;
    if (!document->isOpen()) {
        choice.failure = document->error();
        return choice;
    }
    if (!file.isEmpty()) document->writesInto(file);
    choice.document = std::move(document);
    return choice;
}

}  // namespace pelzaro
