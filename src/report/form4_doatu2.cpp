// The load summary of report page 3: one ruled table of every load on one metre of wall, with
// its vertical and horizontal force, lever arms from the front end of the base and above its
// underside, and moments, closed by a total row. It stands below the earth-pressure section:
// moved down by that section's offset and up by its own where the coefficient above it is
// short.

#include "report/conventions.h"
#include "report/form4_doatu2_steps.h"
#include "report/sections.h"
#include "report/stability_result.h"

namespace pelzaro {

namespace {

// The heading names the horizontal forces counted in the seismic case of a one-sided wall.
void heading(ReportContext& c, int o) {
    Surface& pri = c.pri;
    const PageChoices& opt = c.opt;
    if ((opt.shapeOneSided && opt.case_N) || opt.shapeTwoSided) {
        pri.CurrentY(o + 9000);
        pri.Print({"            ４）荷重の集計"});
    } else if (opt.shapeOneSided && (opt.method_K1 || opt.method_K2 || opt.method_D1)) {
        pri.CurrentY(o + 9200);
        if (opt.method_K1)
            pri.Print({"            ４）荷重の集計（水平力＝地震時土圧）"});
        else if (opt.method_K2)
            pri.Print({"            ４）荷重の集計（水平力＝慣性力＋常時土圧）"});
        else
            pri.Print({"            ４）荷重の集計（水平力＝慣性力＋地震時土圧）"});
    }
    pri.Print();
}

void grid(ReportContext& c, int o) {
    Surface& pri = c.pri;
    pri.Line(1600, o + 9500, 10900, o + 9500);
    pri.Line(5700, o + 9900, 10900, o + 9900);
    countedLoop(c.layout.Loop_i, 0, 7, [&](double i) {
        const double y = o + 10300 + 400.0 * i;
        pri.Line(1600, y, 10900, y);
    });
    for (int x : {1600, 3100, 4400, 5700}) pri.Line(x, o + 9500, x, o + 13100);
    pri.Line(7000, o + 9900, 7000, o + 13100);
    pri.Line(8300, o + 9500, 8300, o + 13100);
    pri.Line(9600, o + 9900, 9600, o + 13100);
    pri.Line(10900, o + 9500, 10900, o + 13100);
}

void headerAndLabels(ReportContext& c, int o) {
    Surface& pri = c.pri;
    printAt(pri, 1800, o + 9800, {"荷重の種類"});
    printAt(pri, 3300, o + 9650, {"鉛 直 力"});
    printAt(pri, 3300, o + 9950, {"Ｖ(kN/m)"});
    printAt(pri, 4550, o + 9650, {"水 平 力"});
    printAt(pri, 4550, o + 9950, {"Ｈ(kN/m)"});
    printAt(pri, 6400, o + 9600, {"作 用 点 (m)"});
    printAt(pri, 8550, o + 9600, {"モーメント(kN･m/m)"});
    printAt(pri, 6250, o + 10000, {"ｘ"});
    printAt(pri, 7550, o + 10000, {"ｙ"});
    printAt(pri, 8750, o + 10000, {"Ｖ･x"});
    printAt(pri, 10000, o + 10000, {"Ｈ･y"});
    printAt(pri, 1900, o + 10400, {"自 重(W)"});
    if (c.opt.shapeOneSided) {
        printAt(pri, 1900, o + 10800, {"土圧(PA)"});
        printAt(pri, 1800, o + 11200, {"土圧(△PA)"});
    }
    printAt(pri, 1700, o + 11600, {"背面上載荷重"});
    printAt(pri, 1700, o + 12000, {"中央上載荷重"});
    printAt(pri, 1700, o + 12400, {"前面上載荷重"});
    printAt(pri, 1900, o + 12800, {"合 計 Σ"});
}

// The printer's offset is its own: set back to 0 when it ends, also when a value it cannot
// compute ends it early, so that no later drawing starts from a stale one.
struct OffsetReset {
    int& offset;
    ~OffsetReset() { offset = 0; }
};

}  // namespace

int doatu2Offset(const PageChoices& opt) {
    int offset = 0;
    // A typed coefficient is one line: the table moves up into the room the layouts take;
    // with wall inertia and normal earth pressure a little less, whatever the case.
    if (opt.kaTyped) offset = opt.method_K2 ? -3100 : -3500;
    if (opt.kaComputed && opt.case_S) offset = opt.method_K2 ? -600 : 0;
    return offset;
}

void Form4_Doatu2(ReportContext& c) {
    OffsetReset reset{c.layout.Doatu2_OfsY};
    c.layout.Doatu2_OfsY = doatu2Offset(c.opt);
    // The earth-pressure section above has said why there is no result.
    if (stabilityRefused(c.m)) return;
    const int o = c.layout.Doatu_OfsY + c.layout.Doatu2_OfsY;
    heading(c, o);
    grid(c, o);
    headerAndLabels(c, o);
    doatu2Rows(c, o);
    c.pri.Print();
    c.pri.Print();
    c.pri.Print();
    if (c.opt.shapeTwoSided)
        c.pri.Print({"               両面対称土圧の為、土圧によるモーメントΣＨy＝０"});
}

}  // namespace pelzaro
