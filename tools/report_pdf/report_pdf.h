#pragma once
// The nine report pages of the open project drawn one after another on a paged device, each
// also kept as a transcript. Before pages 2, 4 and 5 the stability calculation runs, as the
// preview runs it. A section that stops with a report error keeps what it drew; the page gets
// a short note at its foot and the next page is drawn.

#include <string>
#include <vector>

namespace pelzaro {

class App;
class PagedPainter;

struct RenderedPage {
    int number = 0;
    std::vector<std::string> transcript;
    std::string error;  // the report error that stopped the page, if any
    bool empty() const { return transcript.empty(); }
};

// False when the device refused a page; the pages drawn so far are in `pages`.
bool renderReport(App& app, PagedPainter& device, std::vector<RenderedPage>& pages);

// The transcripts as one text: "# page N", the page's lines, "# stopped: ..." after a report
// error.
std::string reportTranscript(const std::vector<RenderedPage>& pages);

}  // namespace pelzaro
