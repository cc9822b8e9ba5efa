#pragma once
// The whole report of the open project printed on a paged device through the program's own
// print (every range page, numbered from 1), each sheet also kept as a transcript.

#include <QString>
#include <string>
#include <vector>

#include "preview/report_print.h"

class QPagedPaintDevice;

namespace pelzaro {

class App;

struct RenderedReport {
    std::vector<std::vector<std::string>> sheets;  // the transcript of each printed sheet
    PrintOutcome outcome;
};

RenderedReport renderReport(App& app, QPagedPaintDevice& device, const QString& name);

// The transcripts as one text: "# page N", the sheet's lines, "# stopped: ..." after a failure.
std::string reportTranscript(const RenderedReport& report);

}  // namespace pelzaro
