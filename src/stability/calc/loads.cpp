// Earth pressure, the areas of the eight self-weight rows, the surcharge loads,
// the vertical earth-pressure components counted as loads, and the vertical totals.

#include <cmath>

#include "numeric/rounding.h"
#include "stability/calc/soil_surfaces.h"
#include "stability/calc/stability_run.h"

namespace pelzaro {

WallFrictionShares wallFrictionShares(float Delta) {
    const double delta = degToRad(Delta);
    return WallFrictionShares{std::cos(delta), std::sin(delta)};
}

void StabilityRun::resetRows() {
    StabilityWork& w = w_;
    w.A1 = w.A2 = w.A3 = w.A4 = w.A5 = w.A6 = w.A7 = w.A8 = 0.0f;
    w.W_Q_Haimen = w.W_Q_Tyuuou = w.W_Q_Zenmen = 0.0f;
    w.PAY_Sannyuu = w.DeltaPAY_Sannyuu = 0.0f;
}

// Coulomb (or Mononobe-Okabe, already in KA) pressure on the vertical plane through the heel
// tip over the height H, inclined by the wall friction angle.
void StabilityRun::earthPressure() {
    StabilityWork& w = w_;
    const DesignConditions& c = in_.cond;
    put(w.PA, double(w.H) * w.H * (0.5 * c.KA * c.Gamma_S));
    const WallFrictionShares shares = wallFrictionShares(c.Delta);
    put(w.PAX, w.PA * shares.cosDelta);
    put(w.PAY, w.PA * shares.sinDelta);
    // The back surcharge may be reduced by 5 kN/m2 for its earth pressure; no lower bound.
    if (in_.surchargeReducedBy5) {
        put(w.DeltaPA, (double(w.Q_Haimen) - 5.0) * c.KA * w.H);
    } else {
        put(w.DeltaPA, double(c.KA) * w.Q_Haimen * w.H);
    }
    put(w.DeltaPAX, w.DeltaPA * shares.cosDelta);
    put(w.DeltaPAY, w.DeltaPA * shares.sinDelta);
}

void StabilityRun::rowAreas() {
    StabilityWork& w = w_;
    put(w.A1, Hw_Mae * (double(w.T2_Mae) + w.T1_Mae) / 2.0 + double(w.D_Teiban) * w.T2_Mae);
    put(w.A2, Hw_Usiro * (double(w.T2_Usiro) + w.T1_Usiro) / 2.0 + double(w.D_Teiban) * w.T2_Usiro);
    put(w.A3, double(w.D_Teiban) * w.B_Tyuuou);
    put(w.A4, (double(w.D_Kakato) + w.D_Teiban) * w.B_Kakato / 2.0);
    put(w.A5, (double(w.D_Tumasaki) + w.D_Teiban) * w.B_Tumasaki / 2.0);
    put(w.A6, (Nc_Mae + w.B_Tyuuou + Nc_Usiro + w.B_Tyuuou) * w.H_Tyuuou / 2.0);
    put(w.A7,
        (Ng_Usiro + 2.0 * w.B_Kakato) * w.H_Haimen / 2.0 + double(w.D_Kakato_H) * w.B_Kakato / 2.0);
    frontSoilArea();
    surchargeLoads();
    // The vertical earth-pressure components count as loads only when the page says so.
    if (in_.pv == PvInMoment::Pv_Counted) {
        w.PAY_Sannyuu = w.PAY;
        w.DeltaPAY_Sannyuu = w.DeltaPAY;
    }
}

// The front soil counts in the one-sided shape only when the page includes it; the symmetric
// shape always counts it, a residue below 1e-6 m2 being no soil.
void StabilityRun::frontSoilArea() {
    StabilityWork& w = w_;
    const double area = (Ng_Mae + 2.0 * w.B_Tumasaki) * w.H_Zenmen / 2.0 +
                        double(w.D_Tumasaki_H) * w.B_Tumasaki / 2.0;
    if (in_.shape == GroundShape::Shape_OneSided) {
        if (in_.frontSoil == FrontSoil::FrontSoil_In) put(w.A8, area);
    } else if (in_.shape == GroundShape::Shape_TwoSided) {
        put(w.A8, area);
        if (w.A8 < 1e-6f) w.A8 = 0.0f;
    }
}

// Each surcharge loads the free surface of its soil.
void StabilityRun::surchargeLoads() {
    StabilityWork& w = w_;
    const SurchargeWidths width =
        surchargeWidths(w, {Nc_Mae, Nc_Usiro, Ng_Mae, Ng_Usiro});  // the run's set-backs
    put(w.W_Q_Haimen, w.Q_Haimen * width.back);
    put(w.W_Q_Tyuuou, w.Q_Tyuuou * width.centre);
    put(w.W_Q_Zenmen, w.Q_Zenmen * width.front);
}

void StabilityRun::verticalTotals() {
    StabilityWork& w = w_;
    const double gc = in_.cond.Gamma_C;
    const double gs = in_.cond.Gamma_S;
    double sumW = gc * w.A2;
    sumW += gc * w.A1;
    sumW += gc * w.A3;
    sumW += gc * w.A4;
    sumW += gc * w.A5;
    sumW += gs * w.A6;
    sumW += gs * w.A7;
    sumW += gs * w.A8;
    put(w.SumW, sumW);
    put(w.SumV, double(w.SumW) + w.W_Q_Haimen + w.W_Q_Tyuuou + w.W_Q_Zenmen + w.PAY_Sannyuu +
                    w.DeltaPAY_Sannyuu);
}

}  // namespace pelzaro
