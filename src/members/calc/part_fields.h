#pragma once
// The design-state values of one member part, addressed by the part, so that the steps shared
// by the eight parts are written once.

#include <string>

#include "members/calc/member_part.h"
#include "state/module1.h"

namespace pelzaro::members {

struct PartFields {
    std::string Module1::*Tekkin;
    float Module1::*M;
    float Module1::*S;
    float Module1::*a1;
    float Module1::*U;
    float Module1::*Kaburi;
    float Module1::*dk;
    float Module1::*D;
    float Module1::*d;
    float Module1::*j;
    float Module1::*At;
    float Module1::*PhiReq;
    float Module1::*Honsuu1;
    float Module1::*Honsuu2;
    float Module1::*Honsuu;
    float Module1::*KankakuReq;
    float Module1::*Kankaku;
    float Module1::*p;
    float Module1::*k;
    float Module1::*j1;
    float Module1::*Sigma_c;
    float Module1::*Sigma_s;
    float Module1::*Tau_c;
    float Module1::*Ce;
    float Module1::*As;
    float Module1::*Pt;
    float Module1::*Cpt;
    float Module1::*Tau_ca;
};

const PartFields& partFields(MemberPart part);

}  // namespace pelzaro::members
