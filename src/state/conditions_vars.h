#pragma once
// The share of the design state that the design conditions write: copies of the inputs of the
// design-conditions page, the allowable stresses derived from them, the seismic coefficients,
// the earth-pressure coefficient and the wall friction angle with their intermediate terms.
// Everything starts at 0 or empty and is never reset as a whole.

#include <string>

namespace pelzaro {

struct ConditionsVars {
    // Inputs copied from the design-conditions page by Form3.HENSUU.
    std::string Tikuzouti;      // construction site
    std::string Dositu_Haimen;  // soil kind of the backfill
    std::string Dositu_Kiso;    // soil kind of the foundation ground
    float Fc = 0.0f;            // N/mm2: Fc (residential land) or sigma_ck (road earthwork)
    float Sigma_sa_N = 0.0f;    // N/mm2, allowable steel tension, long-term
    float Sigma_sa_S = 0.0f;    // N/mm2, allowable steel tension, short-term (seismic only)
    float Qa_N = 0.0f;          // kN/m2, allowable bearing capacity, long-term
    float Gamma_S = 0.0f;       // kN/m3, unit weight of soil
    float Gamma_C = 0.0f;       // kN/m3, unit weight of reinforced concrete
    float C = 0.0f;             // kN/m2, cohesion of the foundation ground
    float Phi = 0.0f;           // degrees, friction angle of the backfill
    float Phi_B = 0.0f;         // degrees, friction angle of the foundation ground
    float Mu = 0.0f;            // friction coefficient between base and ground
    float Delta = 0.0f;         // degrees, wall friction angle for the stability calculation
    float Delta_Danmen = 0.0f;  // degrees, wall friction angle for the member design
    float KA = 0.0f;            // active earth-pressure coefficient in use (typed or computed)

    // Fixed geometry of the backfill: both are always 0, the formulas still carry them.
    float Beta = 0.0f;   // degrees, slope of the ground behind the wall
    float Theta = 0.0f;  // degrees, inclination of the virtual back face to the vertical

    // Allowable stresses: _N long-term, _S short-term, no ending = in use for the case.
    float Sigma_ca_N = 0.0f, Sigma_ca_S = 0.0f, Sigma_ca = 0.0f;  // N/mm2, concrete bending
    float Tau_a1_N1 = 0.0f, Tau_a1_N2 = 0.0f;                     // N/mm2, shear candidates
    float Tau_a1_N = 0.0f, Tau_a1_S = 0.0f, Tau_a1 = 0.0f;        // N/mm2, concrete shear
    float Sigma_sa = 0.0f;                                        // N/mm2, steel in use
    float Tau_0a_N1 = 0.0f, Tau_0a_N2 = 0.0f;                     // N/mm2, bond candidates
    float Tau_0a_N = 0.0f, Tau_0a_S = 0.0f, Tau_0a = 0.0f;        // N/mm2, bond
    float Qa_S = 0.0f, Qa = 0.0f;                                 // kN/m2, bearing capacity

    // Seismic coefficients written by the seismic-coefficient dialog.
    float Kh = 0.0f;   // design horizontal seismic coefficient
    float Kv = 0.0f;   // design vertical seismic coefficient
    double Kho = 0.0;  // standard horizontal coefficient (road guideline; Kh = Kho * Cz)
    double Cz = 0.0;   // regional zone factor 1.0, 0.85 or 0.70 (road guideline)

    // Earth-pressure terms of Coulomb / Mononobe-Okabe.
    float ThetaK_rad = 0.0f;  // seismic composite angle atan(Kh / (1 - Kv)), radians
    float ThetaK = 0.0f;      // the same in degrees
    float KA_Num = 0.0f, KA_Cos2Theta = 0.0f, KA_CosThetaDelta = 0.0f, KA_SinPhiDelta = 0.0f,
          KA_SinPhiBeta = 0.0f, KA_CosThetaDelta2 = 0.0f, KA_CosThetaBeta = 0.0f,
          KA_CosThetaK = 0.0f;

    // Wall friction angle on the virtual back face (seismic case).
    float Sin_DDelta = 0.0f;  // sin of the auxiliary angle
    float DDelta_rad = 0.0f;  // auxiliary angle, radians
    float DDelta = 0.0f;      // auxiliary angle, degrees
    float Tan_Delta = 0.0f;   // tan delta
    float Delta_rad = 0.0f;   // delta, radians

    // Surcharges in kN/m2; the stability calculation copies them from the dimensions page.
    float Q_Haimen = 0.0f;  // behind the wall
    float Q_Tyuuou = 0.0f;  // on the soil between the walls
    float Q_Zenmen = 0.0f;  // in front of the wall
};

}  // namespace pelzaro
