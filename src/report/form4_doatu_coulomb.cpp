// The Coulomb coefficient of the earth-pressure section in three stages: the symbolic formula
// KA = cos²(φ−θ) / {cos²θ·cos(θ+δ)·[1 + √(sin(φ+δ)·sin(φ−β) / (cos(θ+δ)·cos(θ−β)))]²}, the
// angles substituted, the terms evaluated with the stored KA. Each stage draws its radical and
// the bracket round 1 + √(…) as strokes.

#include "conditions/earth_pressure.h"
#include "report/coefficient_strokes.h"
#include "report/conventions.h"
#include "report/form4_doatu_steps.h"

namespace pelzaro {

namespace {

void symbolic(Surface& pri, int y) {
    printAt(pri, 1300, y + 1500, {"主働土圧係数"});
    printAt(pri, 3800, y + 1700, {"cos^2(φ－θ）"});
    printAt(pri, 1300, y + 1900, {"KA=──────────────────────────"});
    printAt(pri, 4550, y + 2150, {"sin(φ＋δ)sin(φ－β)"});
    printAt(pri, 7300, y + 2150, {"2"});
    printAt(pri, 1700, y + 2350, {"cos^2θcos(θ＋δ)"});
    printAt(pri, 3875, y + 2350, {"1＋"});
    printAt(pri, 4450, y + 2350, {"──────────── "});
    printAt(pri, 4550, y + 2550, {"cos(θ＋δ)cos(θ－β)"});
    drawStrokes(pri, coulombStrokes().symbolic, 0, y);
}

void substituted(ReportContext& c, int y) {
    Surface& pri = c.pri;
    const std::string phi = degrees(c.m.Phi), delta = degrees(c.m.Delta), beta = degrees(c.m.Beta),
                      theta = degrees(c.m.Theta);
    printAt(pri, 5100, y + 2850, {"cos^2(", phi, "ﾟ－", theta, "ﾟ)"});
    printAt(pri, 1500, y + 3050, {"=───────────────────────────────────────────"});
    printAt(pri, 6400, y + 3300, {"sin(", phi, "ﾟ＋", delta, "ﾟ)×sin(", phi, "ﾟ－", beta, "ﾟ)"});
    printAt(pri, 11150, y + 3300, {"2"});
    printAt(pri, 1700, y + 3500, {"cos^2(", theta, "ﾟ)×cos(", theta, "ﾟ＋", delta, "ﾟ)×"});
    printAt(pri, 5775, y + 3500, {"1＋"});
    printAt(pri, 6300, y + 3500, {"─────────────────────"});
    printAt(pri, 6400, y + 3700,
            {"cos(", theta, "ﾟ＋", delta, "ﾟ)×cos(", theta, "ﾟ－", beta, "ﾟ)"});
    drawStrokes(pri, coulombStrokes().substituted, 0, y);
}

// Ground steeper than phi leaves out the root term: the short form, without strokes.
void evaluated(ReportContext& c, int y) {
    Surface& pri = c.pri;
    const Module1& m = c.m;
    const CoulombTrig t = coulombTrig(m.Phi, m.Delta, m.Beta, m.Theta);
    const std::string ka = Num(m.KA, "0.000");
    if (coulombRootVanishes(m.Phi, m.Beta)) {
        printAt(pri, 2150, y + 4000, {term(t.cos2PhiTheta)});
        printAt(pri, 1500, y + 4200, {"=────────"});
        printAt(pri, 1700, y + 4400, {term(t.cos2Theta), "×", term(t.cosThetaDelta)});
        printAt(pri, 1500, y + 4700, {"=", ka});
        return;
    }
    printAt(pri, 3500, y + 4000, {term(t.cos2PhiTheta)});
    printAt(pri, 1500, y + 4200, {"=─────────────────────"});
    printAt(pri, 4350, y + 4450, {term(t.sinPhiDelta), "×", term(t.sinPhiBeta)});
    printAt(pri, 6250, y + 4450, {"2"});
    printAt(pri, 1700, y + 4650, {term(t.cos2Theta), "×", term(t.cosThetaDelta), "×"});
    printAt(pri, 3675, y + 4650, {"1＋"});
    printAt(pri, 4250, y + 4650, {"────────"});
    printAt(pri, 4350, y + 4850, {term(t.cosThetaDelta), "×", term(t.cosThetaBeta)});
    printAt(pri, 1500, y + 5050, {"=", ka});
    drawStrokes(pri, coulombStrokes().evaluated, 0, y);
}

}  // namespace

void doatuCoulomb(ReportContext& c) {
    const int y = c.layout.Doatu_OfsY;
    symbolic(c.pri, y);
    substituted(c, y);
    evaluated(c, y);
}

}  // namespace pelzaro
