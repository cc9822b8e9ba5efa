#include "report/member_part_print.h"

#include "members/calc/part_fields.h"
#include "members/calc/refusal_messages.h"
#include "report/conventions.h"
#include "report/design_spacing.h"
#include "report/report_context.h"

namespace pelzaro {

using namespace members;

namespace {

DesignStandard standardOf(const PageChoices& c) {
    if (c.std_T) return DesignStandard::Std_T;
    if (c.std_D) return DesignStandard::Std_D;
    return DesignStandard::None;
}

CalcCase caseOf(const PageChoices& c) {
    if (c.case_N) return CalcCase::Case_N;
    if (c.case_S) return CalcCase::Case_S;
    return CalcCase::None;
}

SeismicMethod methodOf(const PageChoices& c) {
    if (c.method_K1) return SeismicMethod::Method_K1;
    if (c.method_K2) return SeismicMethod::Method_K2;
    if (c.method_D1) return SeismicMethod::Method_D1;
    return SeismicMethod::None;
}

// The refusals of the row calculation, in the order the page meets them. A part without a bar
// kind is not refused: it prints its forces and required steel and is not checked.
std::string refusalOf(const PartForces& f, const SpacingResult& s) {
    if (!f.ok()) return refusalMessage(f.refusal);
    if (s.ok() || s.status == SpacingStatus::NoForces || s.status == SpacingStatus::NoBarKind)
        return "";
    return refusalMessage(s.status);
}

StressBlock blockOf(const ReportContext& c, const PartForces& f, const SpacingResult& s) {
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
    b.stress = evaluateStress(m, f, s, b.spacingMm, memberOptionsOf(c.opt));
    b.checked = b.stress.ok();
    if (!b.checked) b.notCheckedLine = "                 " + refusalMessage(b.stress.status);
    return b;
}

}  // namespace

MemberOptions memberOptionsOf(const PageChoices& c) {
    MemberOptions o;
    o.standard = standardOf(c);
    o.loadCase = caseOf(c);
    o.method = methodOf(c);
    o.shape = c.shapeOneSided   ? GroundShape::Shape_OneSided
              : c.shapeTwoSided ? GroundShape::Shape_TwoSided
                                : GroundShape::None;
    o.frontSoil = c.frontSoilIn    ? FrontSoil::FrontSoil_In
                  : c.frontSoilOut ? FrontSoil::FrontSoil_Out
                                   : FrontSoil::None;
    o.surchargeReducedBy5 = c.surchargeLess5;
    o.surchargeInertia = c.memberSurchargeInertia;
    return o;
}

MemberPartPrint memberPartPrint(const ReportContext& c, MemberPart part) {
    const MemberOptions o = memberOptionsOf(c.opt);
    MemberPartPrint p;
    p.forces = evaluatePartForces(c.m, part, o);
    const SpacingResult s = p.forces.ok() ? evaluateSpacing(c.m, p.forces, o) : SpacingResult{};
    p.refusal = refusalOf(p.forces, s);
    if (p.refusal.empty()) p.block = blockOf(c, p.forces, s);
    return p;
}

void printRefusal(ReportContext& c, const std::string& reason) {
    Pri_NG(c.pri, {{"                 " + reason}});
}

}  // namespace pelzaro
