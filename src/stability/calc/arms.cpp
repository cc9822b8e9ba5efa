// The pieces of the self-weight rows, their x arms from each row's origin and, when the
// wall inertia is counted, the heights of their centroids above the base underside.

#include "stability/calc/stability_run.h"

namespace pelzaro {

void StabilityRun::piecesAndArms() {
    frontWallPieces();
    rearWallPieces();
    slabPieces();
    soilPieces();
}

// Row 1, x from the front wall's outer foot: rectangle, inner and outer batter, slab below.
void StabilityRun::frontWallPieces() {
    StabilityWork& w = w_;
    const double nOut = w.N_Mae_Out, t1 = w.T1_Mae, nIn = w.N_Mae_In;
    put(w.A1_1, Hw_Mae * t1);
    put(w.x1_1, t1 / 2.0 + nOut);
    put(w.A1_2, Hw_Mae * nIn / 2.0);
    put(w.x1_2, nOut + t1 + nIn / 3.0);
    put(w.A1_3, Hw_Mae * nOut / 2.0);
    put(w.x1_3, 2.0 * nOut / 3.0);
    put(w.A1_4, double(w.D_Teiban) * w.T2_Mae);
    put(w.x1_4, w.T2_Mae / 2.0);
    if (!in_.wallInertia()) return;
    put(w.y1_1, Hw_Mae / 2.0 + w.D_Teiban);
    put(w.y1_2, Hw_Mae / 3.0 + w.D_Teiban);
    put(w.y1_3, Hw_Mae / 3.0 + w.D_Teiban);
    put(w.y1_4, w.D_Teiban / 2.0);
}

// Row 2, x from the rear wall's inner foot.
void StabilityRun::rearWallPieces() {
    StabilityWork& w = w_;
    const double nOut = w.N_Usiro_Out, t1 = w.T1_Usiro, nIn = w.N_Usiro_In;
    put(w.A2_1, Hw_Usiro * t1);
    put(w.x2_1, t1 / 2.0 + nIn);
    put(w.A2_2, Hw_Usiro * nIn / 2.0);
    put(w.x2_2, 2.0 * nIn / 3.0);
    put(w.A2_3, Hw_Usiro * nOut / 2.0);
    put(w.x2_3, nIn + t1 + nOut / 3.0);
    put(w.A2_4, double(w.D_Teiban) * w.T2_Usiro);
    put(w.x2_4, w.T2_Usiro / 2.0);
    if (!in_.wallInertia()) return;
    put(w.y2_1, Hw_Usiro / 2.0 + w.D_Teiban);
    put(w.y2_2, Hw_Usiro / 3.0 + w.D_Teiban);
    put(w.y2_3, Hw_Usiro / 3.0 + w.D_Teiban);
    put(w.y2_4, w.D_Teiban / 2.0);
}

// Row 3 from the front end of the slab between the walls; rows 4 (heel, from the heel tip,
// measured forwards) and 5 (toe, from the toe tip): end rectangle and haunch triangle.
void StabilityRun::slabPieces() {
    StabilityWork& w = w_;
    const bool inertia = in_.wallInertia();
    put(w.A3_1, double(w.D_Teiban) * w.B_Tyuuou);
    put(w.x3_1, w.B_Tyuuou / 2.0);
    put(w.A4_1, double(w.D_Kakato) * w.B_Kakato);
    put(w.x4_1, w.B_Kakato / 2.0);
    put(w.A4_2, double(w.D_Kakato_H) * w.B_Kakato / 2.0);
    put(w.x4_2, 2.0 * w.B_Kakato / 3.0);
    put(w.A5_1, double(w.D_Tumasaki) * w.B_Tumasaki);
    put(w.x5_1, w.B_Tumasaki / 2.0);
    put(w.A5_2, double(w.D_Tumasaki_H) * w.B_Tumasaki / 2.0);
    put(w.x5_2, 2.0 * w.B_Tumasaki / 3.0);
    if (!inertia) return;
    put(w.y3_1, w.D_Teiban / 2.0);
    put(w.y4_1, w.D_Kakato / 2.0);
    put(w.y4_2, w.D_Kakato_H / 3.0 + w.D_Kakato);
    put(w.y5_1, w.D_Tumasaki / 2.0);
    put(w.y5_2, w.D_Tumasaki_H / 3.0 + w.D_Tumasaki);
}

// Row 6 from the front end of the slab between the walls (the triangle over the front wall's
// batter lies in front of it); rows 7 from the heel tip and 8 from the toe tip.
void StabilityRun::soilPieces() {
    StabilityWork& w = w_;
    const double hc = w.H_Tyuuou, hb = w.H_Haimen, hf = w.H_Zenmen;
    put(w.A6_1, hc * w.B_Tyuuou);
    put(w.x6_1, w.B_Tyuuou / 2.0);
    put(w.A6_2, Nc_Mae * hc / 2.0);
    put(w.x6_2, -Nc_Mae / 3.0);
    put(w.A6_3, Nc_Usiro * hc / 2.0);
    put(w.x6_3, Nc_Usiro / 3.0 + w.B_Tyuuou);
    put(w.A7_1, hb * w.B_Kakato);
    put(w.x7_1, w.B_Kakato / 2.0);
    put(A7_2, double(w.D_Kakato_H) * w.B_Kakato / 2.0);
    put(x7_2, w.B_Kakato / 3.0);
    put(A7_3, Ng_Usiro * hb / 2.0);
    put(x7_3, Ng_Usiro / 3.0 + w.B_Kakato);
    put(w.A8_1, hf * w.B_Tumasaki);
    put(w.x8_1, w.B_Tumasaki / 2.0);
    put(w.A8_2, double(w.D_Tumasaki_H) * w.B_Tumasaki / 2.0);
    put(w.x8_2, w.B_Tumasaki / 3.0);
    put(w.A8_3, Ng_Mae * hf / 2.0);
    put(w.x8_3, Ng_Mae / 3.0 + w.B_Tumasaki);
    if (!in_.wallInertia()) return;
    const double topOfSlab = double(w.D_Kakato_H) + w.D_Kakato;
    const double topOfToe = double(w.D_Tumasaki_H) + w.D_Tumasaki;
    put(w.y6_1, hc / 2.0 + w.D_Teiban);
    put(w.y6_2, 2.0 / 3.0 * hc + w.D_Teiban);
    put(w.y6_3, 2.0 / 3.0 * hc + w.D_Teiban);
    put(w.y7_1, topOfSlab + hb / 2.0);
    y7_2 = 2.0 / 3.0 * w.D_Kakato_H + w.D_Kakato;
    y7_3 = topOfSlab + 2.0 / 3.0 * hb;
    put(w.y8_1, topOfToe + hf / 2.0);
    put(w.y8_2, 2.0 / 3.0 * w.D_Tumasaki_H + w.D_Tumasaki);
    put(w.y8_3, topOfToe + 2.0 / 3.0 * hf);
}

}  // namespace pelzaro
