#pragma once
// The share of the design state that the stability calculation (Form4::DANMEM_1) writes.
//
// Section coordinates, per metre of wall: x from the front end of the base (toe tip) towards the
// heel tip, y upwards from the base underside. Lengths m, areas m2, forces kN/m, moments
// kN·m/m, pressures kN/m2. Every value is single precision except `Hk`; a run writes some values
// only under conditions and leaves the others as the last run that wrote them (or 0).
// The surcharges Q_Haimen, Q_Tyuuou, Q_Zenmen belong to the design conditions; the maximum
// ground pressure Sigma_max is a marker of module1.h.

#include <string>

namespace pelzaro {

struct StabilityVars {
    // Copied from the wall-dimensions page.
    std::string Syou_No;  // section number printed after "§"
    std::string Kigou;    // wall symbol
    float H1 = 0.0f;      // front wall above the front ground
    float H2 = 0.0f;      // front ground above the base underside
    float H3 = 0.0f;      // back ground above the base underside
    float H4 = 0.0f;      // rear wall above the back ground
    float T1_Mae = 0.0f, N_Mae_In = 0.0f, T1_Usiro = 0.0f, N_Usiro_In = 0.0f;
    float B_Tumasaki = 0.0f;  // toe length, 0: no toe
    float T2_Mae = 0.0f, B_Tyuuou = 0.0f, T2_Usiro = 0.0f;
    float B_Kakato = 0.0f;  // heel length, 0: no heel
    float D_Teiban = 0.0f, D_Tumasaki = 0.0f, D_Kakato = 0.0f;
    float H_Tyuuou = 0.0f;  // centre soil depth on the slab between the walls

    // Shear key (read from the key dialog only with a key); H0 = 0 means no key.
    float H0 = 0.0f, B1 = 0.0f, D_Tokki = 0.0f;

    // Derived geometry.
    float H = 0.0f;  // earth-pressure height
    float B = 0.0f;  // base width
    float B_Haimen = 0.0f, B_Tyuuou_Ue = 0.0f;
    float N_Mae_Out = 0.0f, N_Usiro_Out = 0.0f;
    float D_Tumasaki_H = 0.0f, D_Kakato_H = 0.0f;
    float H_Zenmen = 0.0f, H_Haimen = 0.0f;

    // Earth pressure and that of the back surcharge, with their components.
    float PA = 0.0f, PAX = 0.0f, PAY = 0.0f;
    float DeltaPA = 0.0f, DeltaPAX = 0.0f, DeltaPAY = 0.0f;

    // Self-weight rows: 1 front wall, 2 rear wall, 3 slab, 4 heel, 5 toe, 6 centre soil,
    // 7 back soil, 8 front soil; their pieces, x arms (from the origin of each row) and
    // centroid heights. A7_2, A7_3 and their arms are local to a run.
    float A1 = 0.0f, A2 = 0.0f, A3 = 0.0f, A4 = 0.0f, A5 = 0.0f, A6 = 0.0f, A7 = 0.0f, A8 = 0.0f;
    float A1_1 = 0.0f, A1_2 = 0.0f, A1_3 = 0.0f, A1_4 = 0.0f;
    float A2_1 = 0.0f, A2_2 = 0.0f, A2_3 = 0.0f, A2_4 = 0.0f;
    float A3_1 = 0.0f, A4_1 = 0.0f, A4_2 = 0.0f, A5_1 = 0.0f, A5_2 = 0.0f;
    float A6_1 = 0.0f, A6_2 = 0.0f, A6_3 = 0.0f, A7_1 = 0.0f;
    float A8_1 = 0.0f, A8_2 = 0.0f, A8_3 = 0.0f;
    float x1_1 = 0.0f, x1_2 = 0.0f, x1_3 = 0.0f, x1_4 = 0.0f;
    float x2_1 = 0.0f, x2_2 = 0.0f, x2_3 = 0.0f, x2_4 = 0.0f;
    float x3_1 = 0.0f, x4_1 = 0.0f, x4_2 = 0.0f, x5_1 = 0.0f, x5_2 = 0.0f;
    float x6_1 = 0.0f, x6_2 = 0.0f, x6_3 = 0.0f, x7_1 = 0.0f;
    float x8_1 = 0.0f, x8_2 = 0.0f, x8_3 = 0.0f;
    float y1_1 = 0.0f, y1_2 = 0.0f, y1_3 = 0.0f, y1_4 = 0.0f;
    float y2_1 = 0.0f, y2_2 = 0.0f, y2_3 = 0.0f, y2_4 = 0.0f;
    float y3_1 = 0.0f, y4_1 = 0.0f, y4_2 = 0.0f, y5_1 = 0.0f, y5_2 = 0.0f;
    float y6_1 = 0.0f, y6_2 = 0.0f, y6_3 = 0.0f, y7_1 = 0.0f;
    float y8_1 = 0.0f, y8_2 = 0.0f, y8_3 = 0.0f;
    float X1 = 0.0f, X2 = 0.0f, X3 = 0.0f, X4 = 0.0f, X5 = 0.0f, X6 = 0.0f, X7 = 0.0f, X8 = 0.0f;
    float Y1 = 0.0f, Y2 = 0.0f, Y3 = 0.0f, Y4 = 0.0f, Y5 = 0.0f, Y6 = 0.0f, Y7 = 0.0f, Y8 = 0.0f;

    // Surcharge loads and their arms from the front end.
    float W_Q_Haimen = 0.0f, W_Q_Tyuuou = 0.0f, W_Q_Zenmen = 0.0f;
    float X_Q_Haimen = 0.0f, X_Q_Tyuuou = 0.0f, X_Q_Zenmen = 0.0f;

    // Vertical earth-pressure components counted as loads, acting at the heel tip.
    float PAY_Sannyuu = 0.0f, DeltaPAY_Sannyuu = 0.0f, X_PAY = 0.0f, X_DeltaPAY = 0.0f;

    // Totals.
    float SumW = 0.0f, SumV = 0.0f, SumWx = 0.0f, SumWy = 0.0f;

    // Overturning, resultant and ground pressure (Sigma_max is a marker of module1.h).
    float Mr = 0.0f, Mo = 0.0f, F_Tentou = 0.0f;
    float d = 0.0f;  // resultant from the front end
    float e = 0.0f;  // eccentricity B/2 - d; > 0: maximum pressure at the front end
    float Sigma_min = 0.0f;
    float Xn = 0.0f;  // from the maximum-pressure edge to zero pressure

    // Sliding without a key.
    float SumH = 0.0f, RH = 0.0f, A_eff = 0.0f, F_Katsudou = 0.0f;

    // Shear key.
    float L_Tokki = 0.0f, Sigma_0 = 0.0f, Sigma_1 = 0.0f, Sigma_2 = 0.0f;
    float P_Tokki = 0.0f, W1_Tokki = 0.0f;
    double Hk = 0.0;  // shear resistance along the base (road guideline), double precision
    float F_Tokki = 0.0f;

    // Height of the surcharge inertia above the base underside (seismic check-method dialog).
    float Hq = 0.0f;
};

}  // namespace pelzaro
