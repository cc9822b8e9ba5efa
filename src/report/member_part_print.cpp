#include "report/member_part_print.h"

#include "members/calc/part_fields.h"
#include "members/calc/refusal_messages.h"
#include "report/conventions.h"
#include "report/design_spacing.h"
#include "report/report_context.h"

namespace pelzaro {

using namespace members;

namespace {

// The refusals of the row calculation, in the order the page meets them. A part without a bar
// kind is not refused: it prints its forces and required steel and is not checked.
std::string refusalOf(const PartForces& f, const SpacingResult& s) {
    if (!f.ok()) return refusalMessage(f.refusal);
    if (s.ok() || s.status == SpacingStatus::NoForces || s.status == SpacingStatus::NoBarKind)
        return "";
    return refusalMessage(s.status);
}

StressBlock blockOf(const ReportContext& c, const MemberOptions& o, const PartForces& f,
                    const SpacingResult& s) {
    const Module1& m = c.m;
    const PartFields& fields = partFields(f.part);
    StressBlock b;
    b.part = f.part;
    b.D = s.D, b.d = s.d, b.j = s.j;
    b.M = f.M, b.S = f.S;
    b.At = s.At, b.PhiReq = s.PhiReq;
    b.Sigma_sa = s.Sigma_sa;
    b.Sigma_ca = m.Sigma_ca, b.Tau_a1 = m.Tau_a1, b.Tau_0a = m.Tau_0a;
    b.Tekkin = m.*fields.Tekkin;
    b.KankakuReq = s.KankakuReq;
    b.spacingMm = designSpacing(c.opt, f.part);
    const bool barChosen = !b.Tekkin.empty() && s.status != SpacingStatus::NoBarKind;
    if (!barChosen || !(b.spacingMm > 0.0f)) return b;
    b.stress = evaluateStress(m, f, s, b.spacingMm, o);
    b.checked = b.stress.ok();
    if (!b.checked) b.notCheckedLine = "                 " + refusalMessage(b.stress.status);
    return b;
}

}  // namespace

MemberPartPrint memberPartPrint(const ReportContext& c, MemberPart part) {
    MemberPartPrint p;
    p.options = memberOptionsOf(c.opt);
    p.forces = evaluatePartForces(c.m, part, p.options);
    const SpacingResult s =
        p.forces.ok() ? evaluateSpacing(c.m, p.forces, p.options) : SpacingResult{};
    p.refusal = refusalOf(p.forces, s);
    if (p.refusal.empty()) p.block = blockOf(c, p.options, p.forces, s);
    return p;
}

void printRefusal(ReportContext& c, const std::string& reason) {
    Pri_NG(c.pri, {{"                 " + reason}});
}

void printMomentAndShear(Surface& pri, const members::SlabPartForces& f) {
    pri.Print({"                  M=|M1-M2|=|", n3(f.M1), "-", n3(f.M2), "|×10^5=", Num(f.M, "0"),
               "Ncm/m"});
    pri.Print({"                  S=|S1-S2|=|", n3(f.S1), "-", n3(f.S2), "|×10^3=", Num(f.S, "0"),
               "N/m"});
    pri.Print();
}

}  // namespace pelzaro
