#pragma once
// A printer document that keeps the transcript of each sheet beside the document it prints on,
// so that a test can compare what the sections drew with what the device made of it.

#include <memory>
#include <string>
#include <vector>

#include "report/print_document.h"
#include "report/recording_sink.h"

namespace pelzaro {

class Transcribed : public PrintDocument {
  public:
    explicit Transcribed(PrintDocument& inner) : inner_(inner), tee_(*this) {}
    // Also keeps the document alive, as the printer dialog's answer hands it over, and writes
    // the transcript into `into`, which outlives the print.
    Transcribed(std::unique_ptr<PrintDocument> owned, std::vector<RecordingSink>& into)
        : sheets(into), owned_(std::move(owned)), inner_(*owned_), tee_(*this) {
        sheets.assign(1, RecordingSink());
    }

  private:
    std::vector<RecordingSink> own_{1};

  public:
    std::vector<RecordingSink>& sheets = own_;

    ReportSink& page() override { return tee_; }
    void setFontName(const std::string& face) override { inner_.setFontName(face); }
    bool newPage() override {
        sheets.emplace_back();
        return inner_.newPage();
    }
    bool endDoc() override { return inner_.endDoc(); }
    std::string error() const override { return inner_.error(); }
    bool outputLost() const override { return inner_.outputLost(); }

  private:
    struct Tee : ReportSink {
        explicit Tee(Transcribed& d) : d_(d) {}
        void text(double x, double top, double size, int colour, const std::string& t) override {
            d_.inner_.page().text(x, top, size, colour, t);
            d_.sheets.back().text(x, top, size, colour, t);
        }
        void segment(double x1, double y1, double x2, double y2, int style, int c) override {
            d_.inner_.page().segment(x1, y1, x2, y2, style, c);
            d_.sheets.back().segment(x1, y1, x2, y2, style, c);
        }
        void beep() override {}
        Transcribed& d_;
    };
    std::unique_ptr<PrintDocument> owned_;
    PrintDocument& inner_;
    Tee tee_;
};

}  // namespace pelzaro
