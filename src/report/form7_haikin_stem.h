#pragma once
// The wall stem sections (part A at mid-height, part B at the fixed end): the earth pressure
// on the section, the moment and shear of the case and seismic method, then the steel and
// stress-check block. The two differ only in the values listed in StemSection.

#include "members/calc/member_part.h"

namespace pelzaro {

struct ReportContext;

void printStemSection(ReportContext& c, members::MemberPart part);

}  // namespace pelzaro
