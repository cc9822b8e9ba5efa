#pragma once
// The sections of the parts a wall need not have: the heel (F) and the toe (G) as cantilevers
// from their wall under the downward loads and the ground reaction, and the shear key (H)
// under the passive pressure; each closes with the steel and stress-check block.

namespace pelzaro {

struct ReportContext;

void printHeelSection(ReportContext& c);
void printToeSection(ReportContext& c);
void printKeySection(ReportContext& c);

}  // namespace pelzaro
