#include "qt/painter_document.h"

#include <QFile>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPrinter>

#include "qt/qt_text.h"

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
    painter_ = std::make_unique<PagedPainter>(device_);
    sink_ = painter_->beginPage();
    if (sink_ == nullptr) error_ = fromQ(name_) + " を開けませんでした。";
}

ReportSink& PainterDocument::page() {
    return sink_ != nullptr ? static_cast<ReportSink&>(*sink_) : noSheet;
}

bool PainterDocument::newPage() {
    sink_ = painter_->beginPage();
    if (sink_ != nullptr) return true;
    error_ = fromQ(name_) + " に次のページを出力できませんでした。";
    return false;
}

bool PainterDocument::endDoc() {
    if (ended_) return error_.empty();
    ended_ = true;
    sink_ = nullptr;
    if (!painter_->end()) {
        error_ = fromQ(name_) + " への出力を完了できませんでした。";
        return false;
    }
    if (!file_.isEmpty() && !holdsWholePdf(file_)) {
        error_ = fromQ(file_) + " に報告書を最後まで書き込めませんでした。";
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
