#include "support/stability_figures.h"

#include <regex>
#include <vector>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "preview/preview_page.h"
#include "project/line_file.h"
#include "stability/form4.h"

namespace pelzaro {

namespace {

// An overturning row holds the eccentricity or the safety factor, as its name says.
void takeOverturningRow(const std::string& name, const std::string& value, StabilityFigures& f) {
    if (name == "e(m)=") f.e = value;
    if (name == "F =") f.overturning = value;
}

int shownReportPage(App& app) {
    for (int page = 1; page <= 9; ++page) {
        PreviewPage* w = findPreviewWindow(app, page);
        if (w != nullptr && w->Visible()) return page;
    }
    return 0;
}

// The first number a text holds after `pattern`'s prefix.
std::string numberIn(const std::string& text, const std::regex& pattern) {
    std::smatch m;
    return std::regex_search(text, m, pattern) ? m[1].str() : std::string();
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const StabilityFigures& f) {
    return out << "e " << f.e << ", F " << f.overturning << ", σmax " << f.sigmaMax
               << ", sliding " << f.sliding;
}

StabilityFigures figuresOnThePage(App& app) {
    Form4& p = app.get<Form4>();
    StabilityFigures f;
    takeOverturningRow(p.lbl46.Caption(), p.lbl47.Caption(), f);
    takeOverturningRow(p.lbl52.Caption(), p.lbl53.Caption(), f);
    f.sigmaMax = p.lbl57.Caption();
    // With a shear key the row "突起の無い状態で" holds the factor without the key.
    f.sliding = p.lbl69.Caption().empty() ? p.lbl65.Caption() : p.lbl69.Caption();
    return f;
}

StabilityFigures figuresInTheReport(App& app) {
    app.get<MDIForm1>().FileImage();
    for (int guard = 0; guard < 9; ++guard) {
        int page = shownReportPage(app);
        if (page == 0 || page == 4) break;
        PreviewPage& w = previewWindow(app, page);
        (page < 4 ? w.Men_Nex : w.Men_Pre).choose();
    }
    StabilityFigures f;
    if (shownReportPage(app) != 4) return f;
    const std::regex eccentricity("=-?([0-9]+\\.[0-9]+)m [<>]");
    const std::regex factor("=([0-9]+\\.[0-9]+) [<>]");
    const std::regex pressure("^[^=]*=([0-9]+\\.[0-9]+)kN/m2$");
    bool afterMaximum = false;
    for (const ReportEvent& event : previewWindow(app, 4).Picture2.drawing()) {
        if (event.kind != ReportEvent::Text) continue;
        const std::string& t = event.text;
        if (t.find("偏　心　距　離") != std::string::npos) f.e = numberIn(t, eccentricity);
        if (t.find("転 倒 安 全 率") != std::string::npos) f.overturning = numberIn(t, factor);
        if (t.find("滑 動 安 全 率") != std::string::npos) f.sliding = numberIn(t, factor);
        if (t.find("最 大 接 地 圧") != std::string::npos) afterMaximum = true;
        std::string value = afterMaximum ? numberIn(t, pressure) : "";
        if (!value.empty()) {
            f.sigmaMax = value;
            afterMaximum = false;
        }
    }
    previewWindow(app, 4).Men_Cls.choose();
    return f;
}

StabilityFigures figuresInTheFile(const std::string& bytes) {
    const std::vector<std::string> lines = splitLines(bytes);
    auto line = [&lines](size_t n) { return n <= lines.size() ? lines[n - 1] : std::string(); };
    StabilityFigures f;
    takeOverturningRow(line(57), line(58), f);
    takeOverturningRow(line(60), line(61), f);
    f.sigmaMax = line(64);
    f.sliding = line(75).empty() ? line(71) : line(75);
    return f;
}

}  // namespace pelzaro
