#include "report/stability_result.h"

#include "report/conventions.h"
#include "report/report_context.h"
#include "report/report_error.h"
#include "stability/calc/stability_outcome.h"
#include "state/module1.h"

namespace pelzaro {

bool stabilityRefused(const Module1& m) {
    return m.Stability_Outcome != StabilityOutcome::Ok;
}

bool hasStabilityResult(const Module1& m) {
    return m.Sigma_max != 0.0f;
}

void printStabilityRefusal(ReportContext& c) {
    if (c.m.Stability_Outcome == StabilityOutcome::Ok) {
        throw ReportError("the stability check has no result for the current inputs");
    }
    Pri_NG(c.pri, {{"                " + stabilityRefusalMessage(c.m.Stability_Outcome)}});
}

}  // namespace pelzaro
