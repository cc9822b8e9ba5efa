// The seismic (Mononobe-Okabe) coefficient of the earth-pressure section in three stages:
// KAE = (1−Kv)·cos²(φ−θ−θk) / {cosθk·cos²θ·cos(δ+θ+θk)·[1 + √(sin(φ−β−θk)·sin(φ+δ) /
// (cos(δ+θ+θk)·cos(θ−β)))]²}, the angles substituted, the terms evaluated with the stored KA.
// The title is at size 11, the formulas at size 9 with drawn fraction bars; the caller sets
// the size back.

#include "conditions/earth_pressure.h"
#include "report/coefficient_strokes.h"
#include "report/conventions.h"
#include "report/form4_doatu_steps.h"

namespace pelzaro {

namespace {

void symbolic(Surface& pri, int y) {
    printAt(pri, 1300, y + 2100, {"地震時主働土圧係数"});
    pri.FontSize(9);
    printAt(pri, 3800, y + 2350, {"(1－Kv)cos^2(φ－θ－θk）"});
    printAt(pri, 1150, y + 2520, {"ＫAE="});
    printAt(pri, 5220, y + 2750, {"sin(φ－β－θk)sin(φ＋δ)"});
    printAt(pri, 7970, y + 2750, {"2"});
    printAt(pri, 1700, y + 2950, {"cosθk cos^2θcos(δ＋θ＋θk)"});
    printAt(pri, 4545, y + 2950, {"1＋"});
    printAt(pri, 5220, y + 3150, {"cos(δ＋θ＋θk)cos(θ－β)"});
    drawStrokes(pri, mononobeOkabeStrokes().symbolic, 0, y);
}

void substituted(ReportContext& c, int y) {
    Surface& pri = c.pri;
    const std::string phi = degrees(c.m.Phi), delta = degrees(c.m.Delta), beta = degrees(c.m.Beta),
                      theta = degrees(c.m.Theta), thetaK = degrees(c.m.ThetaK);
    printAt(pri, 4800, y + 3500,
            {"(1－", Num(c.m.Kv, "0.00"), ")×cos^2(", phi, "ﾟ－", theta, "ﾟ－", thetaK, "ﾟ)"});
    printAt(pri, 1230, y + 3670, {"="});
    printAt(pri, 6900, y + 3900,
            {"sin(", phi, "ﾟ－", beta, "ﾟ－", thetaK, "ﾟ)×sin(", phi, "ﾟ＋", delta, "ﾟ)"});
    printAt(pri, 11400, y + 3900, {"2"});
    printAt(
        pri, 1430, y + 4100,
        {"cos", thetaK, "ﾟ×cos^2(", theta, "ﾟ)×cos(", delta, "ﾟ＋", theta, "ﾟ＋", thetaK, "ﾟ)×"});
    printAt(pri, 6275, y + 4100, {"1＋"});
    printAt(pri, 6900, y + 4300,
            {"cos(", delta, "ﾟ＋", theta, "ﾟ＋", thetaK, "ﾟ)×cos(", theta, "ﾟ－", beta, "ﾟ)"});
    drawStrokes(pri, mononobeOkabeStrokes().substituted, 0, y);
}

// Ground angle and composite angle together beyond phi leave out the root term: the short
// form with one fraction bar.
void evaluated(ReportContext& c, int y) {
    Surface& pri = c.pri;
    const Module1& m = c.m;
    const MononobeOkabeTrig t = mononobeOkabeTrig(m.Phi, m.Delta, m.Beta, m.Theta, m.ThetaK);
    const std::string k0 = Num(1.0f - m.Kv, "0.00");
    const std::string ka = Num(m.KA, "0.000");
    if (mononobeOkabeRootVanishes(m.Phi, m.Beta, m.ThetaK)) {
        printAt(pri, 1880, y + 4650, {k0, "×", term(t.cos2PhiThetaThetaK)});
        printAt(pri, 1230, y + 4820, {"="});
        printAt(pri, 1430, y + 5000,
                {term(t.cosThetaK), "×", term(t.cos2Theta), "×", term(t.cosDeltaThetaThetaK)});
        printAt(pri, 1230, y + 5300, {"=", ka});
        drawStrokes(pri, {{1380, 4900, 3380, 4900}}, 0, y);  // fraction bar
        // The bar ends above the coefficient's line: what follows starts below that line, as
        // it does below the full form, never on it.
        pri.CurrentX(0);
        pri.CurrentY(y + 5300 + pri.lineHeight());
        return;
    }
    printAt(pri, 3230, y + 4650, {k0, "×", term(t.cos2PhiThetaThetaK)});
    printAt(pri, 1230, y + 4820, {"="});
    printAt(pri, 4430, y + 5050, {term(t.sinPhiBetaThetaK), "×", term(t.sinPhiDelta)});
    printAt(pri, 5980, y + 5050, {"2"});
    printAt(pri, 1430, y + 5250,
            {term(t.cosThetaK), "×", term(t.cos2Theta), "×", term(t.cosDeltaThetaThetaK), "×"});
    printAt(pri, 3755, y + 5250, {"1＋"});
    printAt(pri, 4430, y + 5450, {term(t.cosDeltaThetaThetaK), "×", term(t.cosThetaBeta)});
    printAt(pri, 1230, y + 5750, {"=", ka});
    drawStrokes(pri, mononobeOkabeStrokes().evaluated, 0, y);
}

}  // namespace

void doatuMononobeOkabe(ReportContext& c) {
    const int y = c.layout.Doatu_OfsY;
    symbolic(c.pri, y);
    substituted(c, y);
    evaluated(c, y);
}

}  // namespace pelzaro
