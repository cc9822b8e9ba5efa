#include "qt/painter_document.h"

#include <QPagedPaintDevice>

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
    if (painter_->end()) return true;
    error_ = fromQ(name_) + " への出力を完了できませんでした。";
    return false;
}

}  // namespace pelzaro
