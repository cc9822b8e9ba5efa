// report_pdf: writes the report of a project file to a PDF, for looking at pages without the
// program's windows. A development tool, not a feature of the program.
//
//   report_pdf PROJECT.qkz OUT.pdf [--transcript OUT.txt]
//
// The project is opened through the program's own File ▸ Open, headlessly; the PDF is the
// program's own print of the whole report, its pages numbered from 1, on A4 portrait.

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "forms/app.h"
#include "headless_host.h"
#include "qt/qt_text.h"
#include "report_pdf.h"

namespace {

struct Arguments {
    std::string project, pdf, transcript;
};

bool parse(int argc, char* argv[], Arguments& a) {
    std::vector<std::string> rest;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--transcript" && i + 1 < argc)
            a.transcript = argv[++i];
        else
            rest.push_back(arg);
    }
    if (rest.size() != 2) return false;
    a.project = rest[0];
    a.pdf = rest[1];
    return true;
}

// A4 portrait with the print dialog's default margins, where the drawing area begins: the
// report page then prints at its own size, as on a printer with those margins.
constexpr double kPrinterBorderPt = 10.0;

}  // namespace

int main(int argc, char* argv[]) {
    Arguments args;
    if (!parse(argc, argv, args)) {
        std::fprintf(stderr, "usage: report_pdf PROJECT.qkz OUT.pdf [--transcript OUT.txt]\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qapp(argc, argv);

    pelzaro::HeadlessHost host(args.project);
    pelzaro::App app(host);
    if (!pelzaro::openProject(app, args.project)) {
        std::fprintf(stderr, "report_pdf: %s was not opened\n", args.project.c_str());
        for (const std::string& m : host.messages) std::fprintf(stderr, "  %s\n", m.c_str());
        return 1;
    }

    QPdfWriter pdf(pelzaro::toQ(args.pdf));
    pdf.setCreator(QStringLiteral("Pelzaro report_pdf"));
    pdf.setTitle(pelzaro::toQ(args.project));
    pdf.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kPrinterBorderPt, kPrinterBorderPt, kPrinterBorderPt, kPrinterBorderPt),
        QPageLayout::Point));
    const pelzaro::RenderedReport report = pelzaro::renderReport(app, pdf, pelzaro::toQ(args.pdf));
    for (size_t i = 0; i < report.sheets.size(); ++i)
        std::printf("page %zu: %zu events\n", i + 1, report.sheets[i].size());
    for (const std::string& m : host.messages) std::printf("message: %s\n", m.c_str());
    if (!args.transcript.empty()) {
        std::ofstream out(args.transcript, std::ios::binary);
        out << pelzaro::reportTranscript(report);
        if (!out) {
            std::fprintf(stderr, "report_pdf: cannot write %s\n", args.transcript.c_str());
            return 1;
        }
    }
    if (!report.outcome.completed) {
        std::fprintf(stderr, "report_pdf: %s\n",
                     pelzaro::printStoppedMessage(report.outcome).c_str());
        return 1;
    }
    return 0;
}
