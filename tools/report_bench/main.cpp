// report_bench: the time to enter and draw each preview page (the model's drawing, then the
// page box's image at screen resolution) and to print the whole report into a PDF, for one
// project. Each figure is the median of several runs.
//
//   report_bench PROJECT.qkz [RUNS]

#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "forms/app.h"
#include "frame/mdiform1.h"
#include "headless_host.h"
#include "preview/preview_page.h"
#include "preview/report_print.h"
#include "qt/page_box_widget.h"
#include "qt/painter_document.h"
#include "qt/qt_text.h"
#include "state/module1.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsOf(const std::function<void()>& step) {
    const auto start = Clock::now();
    step();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Pages 1 to 9 entered in turn, as Next does; the time of each entry and of its image.
void previewPages(pelzaro::App& app, std::vector<std::vector<double>>& enter,
                  std::vector<std::vector<double>>& image) {
    auto& main = app.get<pelzaro::MDIForm1>();
    app.m.Flg_Page = pelzaro::Page_Conditions;
    for (int page = 1; page <= 9; ++page) {
        pelzaro::PreviewPage* from = page > 1 ? &pelzaro::previewWindow(app, page - 1) : nullptr;
        enter[page - 1].push_back(millisecondsOf([&] {
            if (from == nullptr)
                main.FileImage();
            else
                from->Men_Nex.choose();
        }));
        const pelzaro::PageBox& box = pelzaro::previewWindow(app, page).Picture2;
        image[page - 1].push_back(
            millisecondsOf([&] { pelzaro::renderPageBox(box, 1.0 / pelzaro::kTwipsPerPixel); }));
    }
    pelzaro::previewWindow(app, 9).Men_Cls.choose();
}

double printPdf(pelzaro::App& app, const QString& path) {
    return millisecondsOf([&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        pelzaro::PainterDocument pdf(std::move(printer), path);
        pelzaro::ReportPrint(app, pdf,
                             pelzaro::PrintRequest{pelzaro::PrintRange::Range_All, true, 1})
            .run();
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: report_bench PROJECT.qkz [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qapp(argc, argv);

    pelzaro::HeadlessHost host(argv[1]);
    pelzaro::App app(host);
    if (!pelzaro::openProject(app, argv[1])) {
        std::fprintf(stderr, "report_bench: %s was not opened\n", argv[1]);
        return 1;
    }
    std::vector<std::vector<double>> enter(9), image(9);
    std::vector<double> pdf;
    QTemporaryDir dir;
    for (int run = 0; run < runs; ++run) {
        previewPages(app, enter, image);
        pdf.push_back(printPdf(app, dir.filePath(QStringLiteral("report.pdf"))));
    }
    std::printf("%s, median of %d runs\n", argv[1], runs);
    for (int page = 0; page < 9; ++page) {
        std::printf("preview page %d: enter %.2f ms, image %.2f ms\n", page + 1,
                    median(enter[page]), median(image[page]));
    }
    std::printf("whole report as PDF: %.2f ms\n", median(pdf));
    return 0;
}
