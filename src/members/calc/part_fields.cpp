#include "members/calc/part_fields.h"

namespace pelzaro::members {
namespace {

#define PELZARO_PART_FIELDS(X)                                                                     \
    PartFields {                                                                                   \
        &Module1::Tekkin_##X, &Module1::M_##X, &Module1::S_##X, &Module1::a1_##X, &Module1::U_##X, \
            &Module1::Kaburi_##X, &Module1::dk_##X, &Module1::D_##X, &Module1::d_##X,              \
            &Module1::j_##X, &Module1::At_##X, &Module1::PhiReq_##X, &Module1::Honsuu1_##X,        \
            &Module1::Honsuu2_##X, &Module1::Honsuu_##X, &Module1::KankakuReq_##X,                 \
            &Module1::Kankaku_##X, &Module1::p_##X, &Module1::k_##X, &Module1::j1_##X,             \
            &Module1::Sigma_c_##X, &Module1::Sigma_s_##X, &Module1::Tau_c_##X, &Module1::Ce_##X,   \
            &Module1::As_##X, &Module1::Pt_##X, &Module1::Cpt_##X, &Module1::Tau_ca_##X            \
    }

const PartFields kFields[] = {
    PELZARO_PART_FIELDS(A), PELZARO_PART_FIELDS(B), PELZARO_PART_FIELDS(C), PELZARO_PART_FIELDS(D),
    PELZARO_PART_FIELDS(E), PELZARO_PART_FIELDS(F), PELZARO_PART_FIELDS(G), PELZARO_PART_FIELDS(H)};

#undef PELZARO_PART_FIELDS

}  // namespace

const PartFields& partFields(MemberPart part) {
    return kFields[static_cast<int>(part)];
}

}  // namespace pelzaro::members
