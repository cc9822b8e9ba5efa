// The second half of the earth-pressure section: PA = 1/2·KA·γ·H² with its components along
// and across the wall friction angle, the same for the back surcharge (ΔPA = KA·q·H, with q
// less 5 kN/m2 where the page says so), and the points of action: H/3 for the soil, H/2 for
// the surcharge, the base width B for the vertical components. The forces print as the
// stability calculation stored them; the components rounded half up to four decimals.

#include "report/conventions.h"
#include "report/form4_doatu_steps.h"
#include "stability/calc/stability_calc.h"

namespace pelzaro {

namespace {

std::string force(float v) { return Num(v, "0.0000"); }
std::string component(float v) { return Num(Marume(v, 4), "0.0000"); }

void soilPressure(ReportContext& c, const WallFrictionShares& shares) {
    const Module1& m = c.m;
    const std::string delta = degrees(m.Delta);
    c.pri.Print({" 　　　　　　　 前面及び背面土による土圧"});
    c.pri.Print({"                PA=1/2･KA･γ･H^2=1/2×", Num(m.KA, "0.00#"), "×", Num(m.Gamma_S, "0.0#"), "×",
                 Num(m.H, "0.000"), "^2=", force(m.PA), "kN/m"});
    c.pri.Print({"                PAX=PA･cosδ=PA･cos", delta, "ﾟ=", force(m.PA), "×",
                 Num(shares.cosDelta, "0.0000"), "=", component(m.PAX), "kN/m"});
    c.pri.Print({"                PAY=PA･sinδ=PA･sin", delta, "ﾟ=", force(m.PA), "×",
                 Num(shares.sinDelta, "0.0000"), "=", component(m.PAY), "kN/m"});
}

// The stored DeltaPA already holds the reduction where the box is ticked; the formula writes
// the subtraction out. A surcharge below 5 kN/m2 so gives a negative force, printed as it is.
void surchargePressure(ReportContext& c, const WallFrictionShares& shares) {
    const Module1& m = c.m;
    Surface& pri = c.pri;
    const std::string delta = degrees(m.Delta);
    pri.Print();
    pri.Print({" 　　　　　　　 背面上載荷重による土圧"});
    if (c.opt.surchargeLess5) {
        pri.Print({"               (宅造法施行令の別表第二を用いるので、上載荷重から５kN/m2を差し引いて算定する。)"});
        pri.Print({"                △PA=KA･q･H=", Num(m.KA, "0.00#"), "×(", Num(m.Q_Haimen, "0.0#"),
                   "-5.0)×", Num(m.H, "0.000"), "=", force(m.DeltaPA), "kN/m"});
    } else {
        pri.Print({"                △PA=KA･q･H=", Num(m.KA, "0.00#"), "×", Num(m.Q_Haimen, "0.0#"), "×",
                   Num(m.H, "0.000"), "=", force(m.DeltaPA), "kN/m"});
    }
    pri.Print({"                △PAX=△PA･cosδ=△PA･cos", delta, "ﾟ=", force(m.DeltaPA), "×",
               Num(shares.cosDelta, "0.0000"), "=", component(m.DeltaPAX), "kN/m"});
    pri.Print({"                △PAY=△PA･sinδ=△PA･sin", delta, "ﾟ=", force(m.DeltaPA), "×",
               Num(shares.sinDelta, "0.0000"), "=", component(m.DeltaPAY), "kN/m"});
}

// The horizontal components act at H/3 and H/2 (single precision), the vertical ones at B;
// the x arms are printed only where the soil's vertical component is not 0.
void pointsOfAction(ReportContext& c) {
    const Module1& m = c.m;
    Surface& pri = c.pri;
    const std::string h = Num(m.H, "0.000");
    const std::string b = Num(m.B, "0.000");
    const float third = m.H / 3.0f;
    const float half = m.H / 2.0f;
    pri.Print();
    pri.Print({"               作用点の位置"});
    const bool withX = m.PAY != 0.0f;
    if (m.PAX != 0.0f) {
        if (withX)
            pri.Print({"                  PAX：y=H/3=", h, "/3=", Num(third, "0.000"), "m      PAY：x=",
                       b, "m"});
        else
            pri.Print({"                  PAX：y=H/3=", h, "/3=", Num(third, "0.000"), "m"});
    }
    if (m.DeltaPAX != 0.0f) {
        if (withX)
            pri.Print({"                △PAX：y=H/2=", h, "/2=", Num(half, "0.000"), "m    △PAY：x=",
                       b, "m"});
        else
            pri.Print({"                △PAX：y=H/2=", h, "/2=", Num(half, "0.000"), "m"});
    }
}

}  // namespace

void doatuForces(ReportContext& c) {
    const WallFrictionShares shares = wallFrictionShares(c.m.Delta);
    soilPressure(c, shares);
    if (c.m.Q_Haimen != 0.0f) surchargePressure(c, shares);
    pointsOfAction(c);
}

}  // namespace pelzaro
