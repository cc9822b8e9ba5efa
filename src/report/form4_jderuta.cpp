// The wall friction angle on the virtual back face, where soil meets soil, as the design
// conditions derived it in the seismic case: delta = phi when beta + thetaK reaches phi;
// otherwise through the auxiliary angle, sin Δ = sin(β+θk) / sin φ and tan δ =
// sin φ·sin(θk+Δ−β) / (1 − sin φ·cos(θk+Δ−β)). The results print as stored; the terms come from
// the same functions as the derivation's. Absolute positions between 2100 and 3650, which the
// earth-pressure section keeps free.

#include "conditions/earth_pressure.h"
#include "report/conventions.h"
#include "report/form4_doatu_steps.h"
#include "report/sections.h"

namespace pelzaro {

namespace {

void auxiliaryAngle(ReportContext& c) {
    Surface& pri = c.pri;
    const Module1& m = c.m;
    const AuxiliaryAngleTrig t = auxiliaryAngleTrig(m.ThetaK, m.Beta, m.Phi);
    printAt(pri, 1925, 2540, {"sinΔ="});
    printAt(pri, 2700, 2400, {"sin(β＋θk)"});
    printAt(pri, 3000, 2650, {"sinφ"});
    pri.Line(2650, 2625, 3900, 2625);
    printAt(pri, 3950, 2540, {"="});
    printAt(pri, 4150, 2400, {"sin(", degrees(m.Beta), "ﾟ＋", degrees(m.ThetaK), "ﾟ)"});
    printAt(pri, 4600, 2650, {"sin", degrees(m.Phi), "ﾟ"});
    pri.Line(4100, 2625, 6100, 2625);
    printAt(pri, 6150, 2540, {"="});
    printAt(pri, 6350, 2400, {term(t.sinBetaThetaK)});
    printAt(pri, 6350, 2650, {term(t.sinPhi)});
    pri.Line(6300, 2625, 7100, 2625);
    printAt(pri, 7150, 2540, {"=", term(m.Sin_DDelta), "　∴Δ=", degrees(m.DDelta), "ﾟ"});
}

void frictionAngle(ReportContext& c) {
    Surface& pri = c.pri;
    const Module1& m = c.m;
    const double sinPhi = auxiliaryAngleTrig(m.ThetaK, m.Beta, m.Phi).sinPhi;
    const WallFrictionSumTrig t = wallFrictionSumTrig(m.ThetaK, m.DDelta, m.Beta);
    const std::string phi = degrees(m.Phi), thetaK = degrees(m.ThetaK), dDelta = degrees(m.DDelta),
                      beta = degrees(m.Beta);
    printAt(pri, 1925, 3040, {"tanδ="});
    printAt(pri, 2900, 2900, {"sinφ･sin(θk＋Δ－β)"});
    printAt(pri, 2700, 3150, {"1－sinφ･cos(θk＋Δ－β)"});
    pri.Line(2650, 3125, 5250, 3125);
    printAt(pri, 5300, 3040, {"="});
    printAt(pri, 5650, 2900, {"sin", phi, "ﾟ×sin(", thetaK, "ﾟ＋", dDelta, "ﾟ－", beta, "ﾟ)"});
    printAt(pri, 5500, 3150, {"1－sin", phi, "ﾟ×cos(", thetaK, "ﾟ＋", dDelta, "ﾟ－", beta, "ﾟ)"});
    pri.Line(5450, 3125, 9750, 3125);
    printAt(pri, 2450, 3540, {"="});
    printAt(pri, 2850, 3400, {term(sinPhi), "×", term(t.sinSum)});
    printAt(pri, 2700, 3650, {"1－", term(sinPhi), "×", term(t.cosSum)});
    pri.Line(2650, 3625, 4550, 3625);
    printAt(pri, 4600, 3540, {"=", term(m.Tan_Delta), "　∴δ=", degrees(m.Delta), "ﾟ"});
}

}  // namespace

void Form4_jDERUTA(ReportContext& c) {
    Surface& pri = c.pri;
    const Module1& m = c.m;
    printAt(pri, 1925, 2100, {"土(仮想背面)と土との摩擦角"});
    if (frictionAngleIsPhi(m.Phi, m.Beta, m.ThetaK)) {
        const float s = slopeAndQuakeAngle(m.Beta, m.ThetaK);
        printAt(pri, 2125, 2400,
                {"β＋θk=", degrees(m.Beta), "ﾟ＋", degrees(m.ThetaK), "=", degrees(s), "ﾟ",
                 " ≧ φ=", degrees(m.Phi), "ﾟ"});
        printAt(pri, 2125, 2700, {"∴δ=", degrees(m.Phi), "ﾟ"});
        return;
    }
    pri.FontSize(10);
    auxiliaryAngle(c);
    frictionAngle(c);
    pri.FontSize(11);
}

}  // namespace pelzaro
