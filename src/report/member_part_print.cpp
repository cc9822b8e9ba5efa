#include "report/member_part_print.h"

#include "members/calc/refusal_messages.h"
#include "report/conventions.h"
#include "report/design_spacing.h"
#include "report/report_context.h"
#include "report/text_width.h"

namespace pelzaro {

using namespace members;

namespace {

// The refusals of the row calculation, in the order the page meets them. A part without a bar
// kind is not refused: it prints its forces and required steel and is not checked.
std::string refusalOf(const DesignedPart& d) {
    const PartForces& f = d.forces;
    const SpacingResult& s = d.spacing;
    if (!f.ok()) return refusalMessage(f.refusal);
    if (s.ok() || s.status == SpacingStatus::NoForces || s.status == SpacingStatus::NoBarKind)
        return "";
    return refusalMessage(s.status);
}

StressBlock blockOf(const ReportContext& c, const DesignedPart& d) {
    const Module1& m = c.m;
    const PartForces& f = d.forces;
    const SpacingResult& s = d.spacing;
    StressBlock b;
    b.part = f.part;
    b.D = s.D, b.d = s.d, b.j = s.j;
    b.M = f.M, b.S = f.S;
    b.At = s.At, b.PhiReq = s.PhiReq;
    b.Sigma_sa = s.Sigma_sa;
    b.Sigma_ca = m.Sigma_ca, b.Tau_a1 = m.Tau_a1, b.Tau_0a = d.Tau_0a;
    b.Tekkin = d.Tekkin;
    b.KankakuReq = s.KankakuReq;
    b.spacingMm = designSpacing(c.opt, f.part);
    const bool barChosen = !b.Tekkin.empty() && s.status != SpacingStatus::NoBarKind;
    if (!barChosen || !(b.spacingMm > 0.0f)) return b;
    b.stress = evaluateStress(m, f, s, b.spacingMm, d.options);
    b.checked = b.stress.ok();
    if (!b.checked) b.notCheckedLine = "                 " + refusalMessage(b.stress.status);
    return b;
}

}  // namespace

MemberPartPrint memberPartPrint(const ReportContext& c, MemberPart part) {
    MemberPartPrint p;
    const DesignedPart* kept = designedPart(c.m, part);
    p.design = kept ? *kept : evaluateDesign(c.m, part, memberOptionsOf(c.opt));
    p.refusal = refusalOf(p.design);
    if (p.refusal.empty()) p.block = blockOf(c, p.design);
    return p;
}

// A reason too long for the sheet goes on as many lines as it needs, all in the failing
// presentation with one beep for the part.
void printRefusal(ReportContext& c, const std::string& reason) {
    std::vector<ReportLine> lines;
    for (std::string& line :
         breakToWidth("                 ", reason, c.pri.fontSize(), kPrintableWidthTwips))
        lines.push_back({line});
    Pri_NG(c.pri, lines);
}

void printMomentAndShear(Surface& pri, const members::SlabPartForces& f) {
    pri.Print({"                  M=|M1-M2|=|", n3(f.M1), "-", n3(f.M2), "|×10^5=", Num(f.M, "0"),
               "Ncm/m"});
    pri.Print({"                  S=|S1-S2|=|", n3(f.S1), "-", n3(f.S2), "|×10^3=", Num(f.S, "0"),
               "N/m"});
    pri.Print();
}

}  // namespace pelzaro
