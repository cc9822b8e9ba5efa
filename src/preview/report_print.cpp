#include "preview/report_print.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "forms/app.h"
#include "forms/host.h"
#include "frame/mdiform1.h"
#include "preview/report_steps.h"
#include "report/conventions.h"
#include "report/page_fit.h"
#include "report/page_plan.h"
#include "report/print_document.h"
#include "state/module1.h"

namespace pelzaro {

namespace {
// The page number's place at the foot of the printed sheet, in twips.
constexpr double kNumberX = 5500, kNumberY = 15600;
// Its line lies on the report's page, so that a page fitted to a smaller sheet keeps it.
static_assert(kNumberY + Surface::kLineTwipsPerPoint * Surface::kStartFontSize <= kReportPageHeightTwips);
}  // namespace

// Draws on whatever sheet the document has now. The beep of a failing check sounds through the
// host and also goes to the sheet, where a document that keeps a transcript records it. It
// keeps how far down the sheet's text reaches, so that the page number is never printed over a
// line of the page.
class ReportPrint::Sink : public ReportSink {
  public:
    Sink(PrintDocument& document, Host& host) : document_(document), host_(host) {}
    void text(double x, double top, double size, int colour, const std::string& t) override {
        document_.page().text(x, top, size, colour, t);
        textBottom_ = std::max(textBottom_, top + Surface::kLineTwipsPerPoint * size);
    }
    void segment(double x1, double y1, double x2, double y2, int style, int colour) override {
        document_.page().segment(x1, y1, x2, y2, style, colour);
    }
    void beep() override {
        document_.page().beep();
        host_.beep();
    }

    void startSheet() { textBottom_ = 0; }
    double textBottom() const { return textBottom_; }

  private:
    PrintDocument& document_;
    Host& host_;
    double textBottom_ = 0;  // the lowest bottom of a text line on the current sheet
};

ReportPrint::ReportPrint(App& app, PrintDocument& document, const PrintRequest& request)
    : app_(app), document_(document), request_(request) {}

PrintOutcome ReportPrint::run() {
    Sink sink(document_, app_.host());
    Surface pri(sink);
    pri_ = &pri;
    sink_ = &sink;
    PrintOutcome outcome;
    try {
        pri.startPage();  // the size the preview starts its pages at too
        document_.setFontName("ＭＳ 明朝");
        if (printsGeneral(request_.range)) Pri_Ippan();
        if (printsStability(request_.range)) Pri_Keisan();
        if (printsSection(request_.range)) Pri_Haikin();
    } catch (const std::exception& e) {
        outcome.completed = false;
        outcome.reason = e.what();
        outcome.outputLost = document_.outputLost();
    }
    // A break still pending is dropped: the document ends after its last page.
    if (!document_.endDoc() && outcome.completed) {
        outcome.completed = false;
        outcome.reason = document_.error();
        outcome.outputLost = document_.outputLost();
    }
    pri_ = nullptr;
    sink_ = nullptr;
    if (!outcome.completed) outcome.stoppedAtPage = currentPage_;
    return outcome;
}

void ReportPrint::Pri_Ippan() {
    printPage(1);
}

void ReportPrint::Pri_Keisan() {
    printPage(2, true);
    printPage(3);
    printPage(4);
}

void ReportPrint::Pri_Haikin() {
    for (int page = 5; page <= 8; ++page) printPage(page);
    if (hasPage9(wallParts(app_.m))) printPage(9);
}

// A page break is made only when another page follows, so that the document never ends with
// an empty sheet.
void ReportPrint::breakIfPending(int reportPage) {
    currentPage_ = reportPage;
    if (printed_ == 0) return;
    if (!document_.newPage()) throw std::runtime_error(document_.error());
    pri_->CurrentX(0);
    pri_->CurrentY(0);
}

void ReportPrint::printPage(int reportPage, bool recalculateStability) {
    breakIfPending(reportPage);
    sink_->startSheet();
    ReportSteps& steps = app_.get<MDIForm1>().reportSteps();
    if (recalculateStability) steps.DANMEM_1(app_);
    steps.drawPage(app_, *pri_, reportPage);
    numberPage();
    ++printed_;
}

void ReportPrint::numberPage() {
    if (!request_.numbered) return;
    const float number = request_.Page_First + static_cast<float>(printed_);
    pri_->CurrentX(kNumberX);
    // Below the page's last line where that line reaches into the number's own (the note under
    // the load summary of a two-sided wall can): one over the other neither could be read.
    pri_->CurrentY(std::max(kNumberY, sink_->textBottom()));
    pri_->Print({"－ ", Num(number, "0"), " －"});
}

std::string printStoppedMessage(const PrintOutcome& outcome) {
    if (outcome.outputLost) return outcome.reason;
    std::string text =
        "報告書の " + std::to_string(outcome.stoppedAtPage) + " ページ目で印刷を中止しました。";
    if (!outcome.reason.empty()) text += "\n" + outcome.reason;
    return text;
}

}  // namespace pelzaro
