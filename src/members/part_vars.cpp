#include "members/part_vars.h"

namespace pelzaro {

PartVars partVars(Module1& m, char letter) {
    switch (letter) {
        case 'B':
            return {m.Tekkin_B,  m.M_B,       m.S_B,       m.a1_B,         m.U_B,       m.Kaburi_B,
                    m.dk_B,      m.D_B,       m.d_B,       m.j_B,          m.At_B,      m.PhiReq_B,
                    m.Honsuu1_B, m.Honsuu2_B, m.Honsuu_B,  m.KankakuReq_B, m.Kankaku_B, m.p_B,
                    m.k_B,       m.j1_B,      m.Sigma_c_B, m.Sigma_s_B,    m.Tau_c_B,   m.Ce_B,
                    m.As_B,      m.Pt_B,      m.Cpt_B,     m.Tau_ca_B};
        case 'C':
            return {m.Tekkin_C,  m.M_C,       m.S_C,       m.a1_C,         m.U_C,       m.Kaburi_C,
                    m.dk_C,      m.D_C,       m.d_C,       m.j_C,          m.At_C,      m.PhiReq_C,
                    m.Honsuu1_C, m.Honsuu2_C, m.Honsuu_C,  m.KankakuReq_C, m.Kankaku_C, m.p_C,
                    m.k_C,       m.j1_C,      m.Sigma_c_C, m.Sigma_s_C,    m.Tau_c_C,   m.Ce_C,
                    m.As_C,      m.Pt_C,      m.Cpt_C,     m.Tau_ca_C};
        case 'D':
            return {m.Tekkin_D,  m.M_D,       m.S_D,       m.a1_D,         m.U_D,       m.Kaburi_D,
                    m.dk_D,      m.D_D,       m.d_D,       m.j_D,          m.At_D,      m.PhiReq_D,
                    m.Honsuu1_D, m.Honsuu2_D, m.Honsuu_D,  m.KankakuReq_D, m.Kankaku_D, m.p_D,
                    m.k_D,       m.j1_D,      m.Sigma_c_D, m.Sigma_s_D,    m.Tau_c_D,   m.Ce_D,
                    m.As_D,      m.Pt_D,      m.Cpt_D,     m.Tau_ca_D};
        case 'E':
            return {m.Tekkin_E,  m.M_E,       m.S_E,       m.a1_E,         m.U_E,       m.Kaburi_E,
                    m.dk_E,      m.D_E,       m.d_E,       m.j_E,          m.At_E,      m.PhiReq_E,
                    m.Honsuu1_E, m.Honsuu2_E, m.Honsuu_E,  m.KankakuReq_E, m.Kankaku_E, m.p_E,
                    m.k_E,       m.j1_E,      m.Sigma_c_E, m.Sigma_s_E,    m.Tau_c_E,   m.Ce_E,
                    m.As_E,      m.Pt_E,      m.Cpt_E,     m.Tau_ca_E};
        case 'F':
            return {m.Tekkin_F,  m.M_F,       m.S_F,       m.a1_F,         m.U_F,       m.Kaburi_F,
                    m.dk_F,      m.D_F,       m.d_F,       m.j_F,          m.At_F,      m.PhiReq_F,
                    m.Honsuu1_F, m.Honsuu2_F, m.Honsuu_F,  m.KankakuReq_F, m.Kankaku_F, m.p_F,
                    m.k_F,       m.j1_F,      m.Sigma_c_F, m.Sigma_s_F,    m.Tau_c_F,   m.Ce_F,
                    m.As_F,      m.Pt_F,      m.Cpt_F,     m.Tau_ca_F};
        case 'G':
            return {m.Tekkin_G,  m.M_G,       m.S_G,       m.a1_G,         m.U_G,       m.Kaburi_G,
                    m.dk_G,      m.D_G,       m.d_G,       m.j_G,          m.At_G,      m.PhiReq_G,
                    m.Honsuu1_G, m.Honsuu2_G, m.Honsuu_G,  m.KankakuReq_G, m.Kankaku_G, m.p_G,
                    m.k_G,       m.j1_G,      m.Sigma_c_G, m.Sigma_s_G,    m.Tau_c_G,   m.Ce_G,
                    m.As_G,      m.Pt_G,      m.Cpt_G,     m.Tau_ca_G};
        case 'H':
            return {m.Tekkin_H,  m.M_H,       m.S_H,       m.a1_H,         m.U_H,       m.Kaburi_H,
                    m.dk_H,      m.D_H,       m.d_H,       m.j_H,          m.At_H,      m.PhiReq_H,
                    m.Honsuu1_H, m.Honsuu2_H, m.Honsuu_H,  m.KankakuReq_H, m.Kankaku_H, m.p_H,
                    m.k_H,       m.j1_H,      m.Sigma_c_H, m.Sigma_s_H,    m.Tau_c_H,   m.Ce_H,
                    m.As_H,      m.Pt_H,      m.Cpt_H,     m.Tau_ca_H};
        default:
            return {m.Tekkin_A,  m.M_A,       m.S_A,       m.a1_A,         m.U_A,       m.Kaburi_A,
                    m.dk_A,      m.D_A,       m.d_A,       m.j_A,          m.At_A,      m.PhiReq_A,
                    m.Honsuu1_A, m.Honsuu2_A, m.Honsuu_A,  m.KankakuReq_A, m.Kankaku_A, m.p_A,
                    m.k_A,       m.j1_A,      m.Sigma_c_A, m.Sigma_s_A,    m.Tau_c_A,   m.Ce_A,
                    m.As_A,      m.Pt_A,      m.Cpt_A,     m.Tau_ca_A};
    }
}

}  // namespace pelzaro
