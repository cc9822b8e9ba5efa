// The centroid of each row from the front end of the base and its height, the
// arms of the surcharge loads and vertical components, and the moment totals. A row whose pieces
// have no area keeps its previous arm: it enters no total.

#include "stability/calc/stability_run.h"

namespace pelzaro {

StabilityOutcome StabilityRun::rowCentroids() {
    StabilityWork& w = w_;
    const auto x1 =
        weightedMean({{w.A1_1, w.x1_1}, {w.A1_2, w.x1_2}, {w.A1_3, w.x1_3}, {w.A1_4, w.x1_4}});
    if (x1) put(w.X1, *x1 + w.B_Tumasaki);
    const auto x2 =
        weightedMean({{w.A2_1, w.x2_1}, {w.A2_2, w.x2_2}, {w.A2_3, w.x2_3}, {w.A2_4, w.x2_4}});
    if (x2) put(w.X2, *x2 + w.T2_Mae + w.B_Tumasaki + w.B_Tyuuou);
    put(w.X3, double(w.x3_1) + w.T2_Mae + w.B_Tumasaki);
    if (StabilityOutcome o = slabEndCentroids(); o != StabilityOutcome::Ok) return o;
    soilCentroids();
    loadArms();
    return StabilityOutcome::Ok;
}

// A heel or toe with a length must have a section: its centroid divides by its area.
StabilityOutcome StabilityRun::slabEndCentroids() {
    StabilityWork& w = w_;
    if (w.B_Kakato != 0.0f) {
        const auto x4 = weightedMean({{w.A4_2, w.x4_2}, {w.A4_1, w.x4_1}});
        if (!x4) return StabilityOutcome::HeelWithoutThickness;
        put(w.X4, w.B - *x4);
    }
    if (w.B_Tumasaki != 0.0f) {
        const auto x5 = weightedMean({{w.A5_2, w.x5_2}, {w.A5_1, w.x5_1}});
        if (!x5) return StabilityOutcome::ToeWithoutThickness;
        put(w.X5, *x5);
    }
    return StabilityOutcome::Ok;
}

// The front soil's centroid is that of its geometry, also when the page leaves its weight out.
void StabilityRun::soilCentroids() {
    StabilityWork& w = w_;
    if (w.A6 != 0.0f) {
        const auto x6 = weightedMean({{w.A6_1, w.x6_1}, {w.A6_2, w.x6_2}, {w.A6_3, w.x6_3}});
        if (x6) put(w.X6, *x6 + w.T2_Mae + w.B_Tumasaki);
    }
    if (w.A7 != 0.0f || w.N_Usiro_Out != 0.0f) {
        const auto x7 = weightedMean({{w.A7_1, w.x7_1}, {A7_2, x7_2}, {A7_3, x7_3}});
        if (x7) put(w.X7, w.B - *x7);
    }
    if (w.A8 != 0.0f || w.N_Mae_Out != 0.0f) {
        const auto x8 = weightedMean({{w.A8_1, w.x8_1}, {w.A8_2, w.x8_2}, {w.A8_3, w.x8_3}});
        if (x8) put(w.X8, *x8);
    }
}

// Surcharges act at the middle of their loaded widths; the vertical earth-pressure components
// at the heel tip.
void StabilityRun::loadArms() {
    StabilityWork& w = w_;
    if (w.W_Q_Haimen != 0.0f) put(w.X_Q_Haimen, w.B - (Ng_Usiro + w.B_Kakato) / 2.0);
    put(w.X_Q_Tyuuou,
        (double(w.T2_Mae) + w.B_Tumasaki - Nc_Mae) + (Nc_Mae + w.B_Tyuuou + Nc_Usiro) / 2.0);
    if (w.W_Q_Zenmen != 0.0f) put(w.X_Q_Zenmen, (Ng_Mae + w.B_Tumasaki) / 2.0);
    if (w.PAY != 0.0f) w.X_PAY = w.B;
    if (w.DeltaPAY != 0.0f) w.X_DeltaPAY = w.B;
}

// Centroid heights, needed only for the wall inertia of the seismic methods K2 and D1.
void StabilityRun::rowHeights() {
    if (!in_.wallInertia()) return;
    StabilityWork& w = w_;
    auto store = [this](float& to, std::optional<double> mean) {
        if (mean) put(to, *mean);
    };
    store(w.Y1,
          weightedMean({{w.A1_1, w.y1_1}, {w.A1_2, w.y1_2}, {w.A1_3, w.y1_3}, {w.A1_4, w.y1_4}}));
    store(w.Y2,
          weightedMean({{w.A2_1, w.y2_1}, {w.A2_2, w.y2_2}, {w.A2_3, w.y2_3}, {w.A2_4, w.y2_4}}));
    w.Y3 = w.y3_1;
    if (w.B_Kakato != 0.0f) store(w.Y4, weightedMean({{w.A4_2, w.y4_2}, {w.A4_1, w.y4_1}}));
    if (w.B_Tumasaki != 0.0f) store(w.Y5, weightedMean({{w.A5_2, w.y5_2}, {w.A5_1, w.y5_1}}));
    if (w.A6 != 0.0f) {
        store(w.Y6, weightedMean({{w.A6_1, w.y6_1}, {w.A6_2, w.y6_2}, {w.A6_3, w.y6_3}}));
    }
    if (w.A7 != 0.0f || w.N_Usiro_Out != 0.0f) {
        store(w.Y7, weightedMean({{w.A7_1, w.y7_1}, {A7_2, y7_2}, {A7_3, y7_3}}));
    }
    if (w.A8 != 0.0f || w.N_Mae_Out != 0.0f) {
        store(w.Y8, weightedMean({{w.A8_1, w.y8_1}, {w.A8_2, w.y8_2}, {w.A8_3, w.y8_3}}));
    }
}

// Moments of the self-weight about the toe tip (x) and about the base underside (y), and the
// resisting moment with the surcharges and the counted vertical components.
void StabilityRun::momentTotals() {
    StabilityWork& w = w_;
    const double gc = in_.cond.Gamma_C, gs = in_.cond.Gamma_S;
    const double weights[8] = {gc * w.A1, gc * w.A2, gc * w.A3, gc * w.A4,
                               gc * w.A5, gs * w.A6, gs * w.A7, gs * w.A8};
    const float* xs[8] = {&w.X1, &w.X2, &w.X3, &w.X4, &w.X5, &w.X6, &w.X7, &w.X8};
    const float* ys[8] = {&w.Y1, &w.Y2, &w.Y3, &w.Y4, &w.Y5, &w.Y6, &w.Y7, &w.Y8};
    double sumWx = 0.0, sumWy = 0.0;
    for (int row = 0; row < 8; ++row) {
        sumWx += weights[row] * *xs[row];
        sumWy += weights[row] * *ys[row];
    }
    put(w.SumWx, sumWx);
    if (in_.wallInertia()) put(w.SumWy, sumWy);
    put(w.Mr, sumWx + double(w.W_Q_Haimen) * w.X_Q_Haimen + double(w.W_Q_Tyuuou) * w.X_Q_Tyuuou +
                  double(w.W_Q_Zenmen) * w.X_Q_Zenmen + double(w.PAY_Sannyuu) * w.X_PAY +
                  double(w.DeltaPAY_Sannyuu) * w.X_DeltaPAY);
}

}  // namespace pelzaro
