#pragma once
// The share of the design state that the member design writes: the ground reaction under the
// base slab and the loads on its parts, the member earth-pressure coefficient, the forces of
// the eight member parts A to H, their bar data and required spacings, and the stress checks.
// Single precision throughout (a value computed in double is rounded when stored); every value
// starts at 0 and keeps its last result until its calculation runs again.
//
// Units: ordinates and slab loads kN/m2; intermediate forces kN/m and kN·m/m; the design
// moments M_X in N·cm/m (kN·m/m x 10^5) and shears S_X in N/m (kN/m x 10^3); thicknesses,
// depths and lever arms in cm; bar areas cm2, steel areas cm2/m (As_X mm2/m); covers and
// spacings mm; stresses N/mm2. Part C (slab centre) has no shear: its shear values stay 0.
//
// Read from the other blocks, not declared here: Sigma_sa, Sigma_sa_N, Sigma_ca, Tau_a1,
// Tau_0a, Delta_Danmen, Kh, Kv, Phi, Beta, ThetaK (conditions); B, e, Xn, the widths, heights
// and the wall pieces A1_1.. y1_3 (stability); Sigma_max (markers).

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "members/calc/designed_part.h"

// The C library's constant M_E (Euler's number) would replace the design moment of part E.
// Including <cmath> here first lets its include guard keep it from coming back.
#ifdef M_E
#undef M_E
#endif

namespace pelzaro {

struct MemberVars {
    // Ground reaction ordinates, kN/m2: toe tip, both faces of the front wall, middle of the
    // clear span, both faces of the rear wall, heel tip.
    float VP = 0.0f, V1 = 0.0f, V2 = 0.0f, V3 = 0.0f, V4 = 0.0f, V5 = 0.0f, VR = 0.0f;
    // Downward loads, kN/m2: slab between the walls; heel at root and tip; toe at root and tip.
    float W1 = 0.0f, W2 = 0.0f, W3 = 0.0f, W4 = 0.0f, W5 = 0.0f;
    // Batter of the rear wall's back face from the vertical.
    float Theta_Danmen_rad = 0.0f;
    float Theta_Danmen = 0.0f;  // degrees

    // Active earth-pressure coefficient of the member design (as shown, three decimals) and
    // the height of the surcharge inertia above the base underside, m.
    float KA_Danmen = 0.0f;
    float Hq_Danmen = 0.0f;

    // Wall at mid-height (A) and at the fixed end (B): earth pressure kN/m, wall weight kN/m,
    // arms m, back-soil areas m2.
    float PAX_A = 0.0f, DeltaPAX_A = 0.0f, W_A = 0.0f, y_A = 0.0f;
    float A_Haimen_A = 0.0f, A_Haimen1_A = 0.0f, A_Haimen2_A = 0.0f;
    float y_Haimen1_A = 0.0f, y_Haimen2_A = 0.0f, y_Haimen_A = 0.0f, y2_A = 0.0f;
    float PAX_B = 0.0f, DeltaPAX_B = 0.0f, W_B = 0.0f, y_B = 0.0f, y2_B = 0.0f;

    // Fixed-end moments of the clear span, kN·m/m: downward load, trapezoidal reaction at its
    // larger and smaller end, uniform reaction.
    float C1 = 0.0f, C21 = 0.0f, C22 = 0.0f, C2 = 0.0f;
    // Moments (kN·m/m) and shears (kN/m) of the downward loads (1) and the reaction (2).
    float M1_C = 0.0f, M2_C = 0.0f;
    float M1_D = 0.0f, S1_D = 0.0f, M2_D = 0.0f, S2_D = 0.0f;
    float M1_E = 0.0f, S1_E = 0.0f, M2_E = 0.0f, S2_E = 0.0f;
    float M1_F = 0.0f, S1_F = 0.0f, M2_F = 0.0f, S2_F = 0.0f;
    float M1_G = 0.0f, S1_G = 0.0f, M2_G = 0.0f, S2_G = 0.0f;

    // Design moment, N·cm/m, and shear, N/m.
    float M_A = 0.0f, M_B = 0.0f, M_C = 0.0f, M_D = 0.0f, M_E = 0.0f, M_F = 0.0f, M_G = 0.0f,
          M_H = 0.0f;
    float S_A = 0.0f, S_B = 0.0f, S_C = 0.0f, S_D = 0.0f, S_E = 0.0f, S_F = 0.0f, S_G = 0.0f,
          S_H = 0.0f;

    // Designation of the chosen bar kind ("D13", "D13,D16").

    std::string Tekkin_A, Tekkin_B, Tekkin_C, Tekkin_D, Tekkin_E, Tekkin_F, Tekkin_G, Tekkin_H;

    // Bar area cm2, bar perimeter cm, cover mm, cover plus half the bar diameter mm.
    float a1_A = 0.0f, a1_B = 0.0f, a1_C = 0.0f, a1_D = 0.0f, a1_E = 0.0f, a1_F = 0.0f, a1_G = 0.0f,
          a1_H = 0.0f;
    float U_A = 0.0f, U_B = 0.0f, U_C = 0.0f, U_D = 0.0f, U_E = 0.0f, U_F = 0.0f, U_G = 0.0f,
          U_H = 0.0f;
    float Kaburi_A = 0.0f, Kaburi_B = 0.0f, Kaburi_C = 0.0f, Kaburi_D = 0.0f, Kaburi_E = 0.0f,
          Kaburi_F = 0.0f, Kaburi_G = 0.0f, Kaburi_H = 0.0f;
    float dk_A = 0.0f, dk_B = 0.0f, dk_C = 0.0f, dk_D = 0.0f, dk_E = 0.0f, dk_F = 0.0f, dk_G = 0.0f,
          dk_H = 0.0f;

    // Member thickness, effective depth and lever arm 7/8 d, cm.
    float D_A = 0.0f, D_B = 0.0f, D_C = 0.0f, D_D = 0.0f, D_E = 0.0f, D_F = 0.0f, D_G = 0.0f,
          D_H = 0.0f;
    float d_A = 0.0f, d_B = 0.0f, d_C = 0.0f, d_D = 0.0f, d_E = 0.0f, d_F = 0.0f, d_G = 0.0f,
          d_H = 0.0f;
    float j_A = 0.0f, j_B = 0.0f, j_C = 0.0f, j_D = 0.0f, j_E = 0.0f, j_F = 0.0f, j_G = 0.0f,
          j_H = 0.0f;

    // Required steel area cm2/m and bar perimeter cm/m.
    float At_A = 0.0f, At_B = 0.0f, At_C = 0.0f, At_D = 0.0f, At_E = 0.0f, At_F = 0.0f, At_G = 0.0f,
          At_H = 0.0f;
    float PhiReq_A = 0.0f, PhiReq_B = 0.0f, PhiReq_C = 0.0f, PhiReq_D = 0.0f, PhiReq_E = 0.0f,
          PhiReq_F = 0.0f, PhiReq_G = 0.0f, PhiReq_H = 0.0f;

    // Bars per metre for the area, for the perimeter, governing.
    float Honsuu1_A = 0.0f, Honsuu1_B = 0.0f, Honsuu1_C = 0.0f, Honsuu1_D = 0.0f, Honsuu1_E = 0.0f,
          Honsuu1_F = 0.0f, Honsuu1_G = 0.0f, Honsuu1_H = 0.0f;
    float Honsuu2_A = 0.0f, Honsuu2_B = 0.0f, Honsuu2_C = 0.0f, Honsuu2_D = 0.0f, Honsuu2_E = 0.0f,
          Honsuu2_F = 0.0f, Honsuu2_G = 0.0f, Honsuu2_H = 0.0f;
    float Honsuu_A = 0.0f, Honsuu_B = 0.0f, Honsuu_C = 0.0f, Honsuu_D = 0.0f, Honsuu_E = 0.0f,
          Honsuu_F = 0.0f, Honsuu_G = 0.0f, Honsuu_H = 0.0f;

    // Largest admissible spacing (unrounded) and design spacing, mm.
    float KankakuReq_A = 0.0f, KankakuReq_B = 0.0f, KankakuReq_C = 0.0f, KankakuReq_D = 0.0f,
          KankakuReq_E = 0.0f, KankakuReq_F = 0.0f, KankakuReq_G = 0.0f, KankakuReq_H = 0.0f;
    float Kankaku_A = 0.0f, Kankaku_B = 0.0f, Kankaku_C = 0.0f, Kankaku_D = 0.0f, Kankaku_E = 0.0f,
          Kankaku_F = 0.0f, Kankaku_G = 0.0f, Kankaku_H = 0.0f;

    // Steel ratio, neutral-axis ratio, lever-arm ratio of the stress check.
    float p_A = 0.0f, p_B = 0.0f, p_C = 0.0f, p_D = 0.0f, p_E = 0.0f, p_F = 0.0f, p_G = 0.0f,
          p_H = 0.0f;
    float k_A = 0.0f, k_B = 0.0f, k_C = 0.0f, k_D = 0.0f, k_E = 0.0f, k_F = 0.0f, k_G = 0.0f,
          k_H = 0.0f;
    float j1_A = 0.0f, j1_B = 0.0f, j1_C = 0.0f, j1_D = 0.0f, j1_E = 0.0f, j1_F = 0.0f, j1_G = 0.0f,
          j1_H = 0.0f;

    // Stresses as shown on the page (three decimals), N/mm2.
    float Sigma_c_A = 0.0f, Sigma_c_B = 0.0f, Sigma_c_C = 0.0f, Sigma_c_D = 0.0f, Sigma_c_E = 0.0f,
          Sigma_c_F = 0.0f, Sigma_c_G = 0.0f, Sigma_c_H = 0.0f;
    float Sigma_s_A = 0.0f, Sigma_s_B = 0.0f, Sigma_s_C = 0.0f, Sigma_s_D = 0.0f, Sigma_s_E = 0.0f,
          Sigma_s_F = 0.0f, Sigma_s_G = 0.0f, Sigma_s_H = 0.0f;
    float Tau_c_A = 0.0f, Tau_c_B = 0.0f, Tau_c_C = 0.0f, Tau_c_D = 0.0f, Tau_c_E = 0.0f,
          Tau_c_F = 0.0f, Tau_c_G = 0.0f, Tau_c_H = 0.0f;

    // Road guideline shear: depth factor, As mm2/m, Pt %, ratio factor, allowable N/mm2.
    float Ce_A = 0.0f, Ce_B = 0.0f, Ce_C = 0.0f, Ce_D = 0.0f, Ce_E = 0.0f, Ce_F = 0.0f, Ce_G = 0.0f,
          Ce_H = 0.0f;
    float As_A = 0.0f, As_B = 0.0f, As_C = 0.0f, As_D = 0.0f, As_E = 0.0f, As_F = 0.0f, As_G = 0.0f,
          As_H = 0.0f;
    float Pt_A = 0.0f, Pt_B = 0.0f, Pt_C = 0.0f, Pt_D = 0.0f, Pt_E = 0.0f, Pt_F = 0.0f, Pt_G = 0.0f,
          Pt_H = 0.0f;
    float Cpt_A = 0.0f, Cpt_B = 0.0f, Cpt_C = 0.0f, Cpt_D = 0.0f, Cpt_E = 0.0f, Cpt_F = 0.0f,
          Cpt_G = 0.0f, Cpt_H = 0.0f;
    float Tau_ca_A = 0.0f, Tau_ca_B = 0.0f, Tau_ca_C = 0.0f, Tau_ca_D = 0.0f, Tau_ca_E = 0.0f,
          Tau_ca_F = 0.0f, Tau_ca_G = 0.0f, Tau_ca_H = 0.0f;

    // What each row of the member-design page computed for its part A to H when it last
    // designed it, as the page shows it. Empty for a row never designed, refused since, or
    // blanked by a reset of the page; the report then computes the part from the state.
    std::array<std::optional<members::DesignedPart>, 8> Designed_Parts;
};

}  // namespace pelzaro
