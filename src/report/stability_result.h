#pragma once
// The wall chapter prints the results of the current stability run only. The pages of a
// refused run say why in the failing presentation and print no table, drawing or figure that
// would show zeros or the values of an earlier run.

namespace pelzaro {

struct Module1;
struct ReportContext;

// The last run was refused: it left its reason.
bool stabilityRefused(const Module1& m);
// A run that finished leaves a maximum ground pressure; 0 marks a refused run or one
// withdrawn since by a change of the inputs.
bool hasStabilityResult(const Module1& m);

// The reason the run was refused, as one failing line (colour 13 and one beep). A missing
// result without a reason is a report error: the page cannot say anything true.
void printStabilityRefusal(ReportContext& c);

}  // namespace pelzaro
