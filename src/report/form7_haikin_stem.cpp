#include "report/form7_haikin_stem.h"

#include "report/conventions.h"
#include "report/member_part_print.h"
#include "report/report_context.h"

namespace pelzaro {

using members::MemberPart;

namespace {

// The values of one stem section as printed: the forces and the inputs they were computed
// from, so that each formula line's numbers give its result.
struct Stem {
    members::WallInput in;
    members::MemberOptions options;
    double h = 0;      // height of the earth pressure on the section, m
    double cosDT = 0;  // cos(delta + theta)
    float PAX = 0, DeltaPAX = 0, W = 0, y = 0, y2 = 0, M = 0, S = 0;
    double W2 = 0;  // weight of the back soil counted for its inertia, kN/m
    double y3 = 0;  // arm of the surcharge inertia, m
};

Stem stemOf(const MemberPartPrint& p) {
    const members::PartForces& f = p.design.forces;
    const members::WallInput& in = p.design.wall;
    Stem s;
    s.in = in;
    s.options = p.design.options;
    s.cosDT = members::earthPressureCosine(in);
    s.M = f.M, s.S = f.S;
    if (f.part == MemberPart::A) {
        const members::WallForcesA& a = f.wallA;
        s.h = in.H_Haimen / 2.0f;  // halved in single precision
        s.PAX = a.PAX_A, s.DeltaPAX = a.DeltaPAX_A, s.W = a.W_A, s.y = a.y_A, s.y2 = a.y2_A;
        s.W2 = static_cast<double>(in.Gamma_S) * a.A_Haimen_A;
        s.y3 = members::surchargeInertiaArmA(in);
    } else {
        const members::WallForcesB& b = f.wallB;
        s.h = in.H_Haimen;
        s.PAX = b.PAX_B, s.DeltaPAX = b.DeltaPAX_B, s.W = b.W_B, s.y = b.y_B, s.y2 = b.y2_B;
        s.W2 = static_cast<double>(in.Gamma_S) * in.A7;
        s.y3 = members::surchargeInertiaArmB(in);
    }
    return s;
}

void pressureLines(ReportContext& c, const Stem& s) {
    const members::WallInput& in = s.in;
    const std::string delta = Num(in.Delta_Danmen, "0.00"), theta = Num(in.Theta_Danmen, "0.00#");
    const std::string KA = Num(in.KA_Danmen, "0.00#"), h = Num(s.h, "0.000");
    const std::string cosDT = Num(s.cosDT, "0.0000");
    c.pri.Print({"                  PAX=1/2･KA･γ･H^2･cos(", delta, "ﾟ", "＋", theta, "ﾟ)=1/2×", KA,
                 "×", Num(in.Gamma_S, "0.0#"), "×", h, "^2×", cosDT, "=", Num(s.PAX, "0.000"),
                 "kN/m"});
    // A surcharge reduced by 5 kN/m2 shows the reduction in the formula.
    const bool less5 = in.surchargeReducedBy5;
    c.pri.Print({"                △PAX=KA･q･H･cos(", delta, "ﾟ", "＋", theta, "ﾟ)=", KA,
                 less5 ? "×(" : "×", Num(in.Q_Haimen, "0.0"), less5 ? "-5.0)×" : "×", h, "×",
                 cosDT, "=", Num(s.DeltaPAX, "0.000"), "kN/m"});
}

// M and S of the earth pressure alone.
void earthPressureLines(ReportContext& c, const Stem& s) {
    const std::string h = Num(s.h, "0.000");
    const std::string PAX = Num(s.PAX, "0.000"), dPAX = Num(s.DeltaPAX, "0.000");
    c.pri.Print({"                  M=PAX･n＋△PAX･n={", PAX, "×(", h, "/3)＋", dPAX, "×(", h,
                 "/2)}×10^5=", Num(s.M, "0"), "Ncm/m"});
    c.pri.Print(
        {"                  S=PAX＋△PAX=(", PAX, "＋", dPAX, ")×10^3=", Num(s.S, "0"), "N/m"});
    c.pri.Print();
}

// Plus the inertia of the wall above the section.
void wallInertiaLines(ReportContext& c, const Stem& s) {
    const std::string h = Num(s.h, "0.000"), W = Num(s.W, "0.000");
    const std::string PAX = Num(s.PAX, "0.000"), dPAX = Num(s.DeltaPAX, "0.000");
    const std::string Kh = Num(s.in.Kh, "0.0#");
    c.pri.Print({"                 たて壁重量 W=", W, "kN/m"});
    c.pri.Print({"                  M=PAX･n＋△PAX･n＋W･Kh･y"});
    c.pri.Print({"                   ={", PAX, "×(", h, "/3)＋", dPAX, "×(", h, "/2)＋", W, "×", Kh,
                 "×", Num(s.y, "0.000"), "}×10^5=", Num(s.M, "0"), "Ncm/m"});
    c.pri.Print({"                  S=PAX＋△PAX＋W･Kh=(", PAX, "＋", dPAX, "＋", W, "×", Kh,
                 ")×10^3=", Num(s.S, "0"), "N/m"});
}

// Plus the inertia of the back soil and of the surcharge.
void allInertiaLines(ReportContext& c, const Stem& s) {
    const std::string h = Num(s.h, "0.000"), W = Num(s.W, "0.000"), W2 = Num(s.W2, "0.000");
    const std::string PAX = Num(s.PAX, "0.000"), dPAX = Num(s.DeltaPAX, "0.000");
    const std::string Kh = Num(s.in.Kh, "0.0###"), q = Num(s.in.Q_Haimen, "0.000");
    c.pri.Print({"                 たて壁重量 W1=", W, "kN/m　  背面土重量 W2=", W2, "kN/m"});
    c.pri.Print({"                  M=PAX･n＋△PAX･n＋W1･Kh･y1＋W2･Kh･y2＋q･Kh･y3"});
    c.pri.Print({"                   ={", PAX, "×(", h, "/3)＋", dPAX, "×(", h, "/2)＋", W, "×", Kh,
                 "×", Num(s.y, "0.000")});
    c.pri.Print({"                    ＋", W2, "×", Kh, "×", Num(s.y2, "0.000"), "＋", q, "×", Kh,
                 "×", Num(s.y3, "0.000"), "}×10^5=", Num(s.M, "0"), "Ncm/m"});
    c.pri.Print({"                  S=PAX＋△PAX＋W1･Kh＋W2･Kh＋q･Kh"});
    c.pri.Print({"                   =(", PAX, "＋", dPAX, "＋", W, "×", Kh, "＋", W2, "×", Kh,
                 "＋", q, "×", Kh, ")×10^3"});
    c.pri.Print({"                   =", Num(s.S, "0"), "N/m"});
}

// The lines of the case and seismic method the forces were computed for.
void forceLines(ReportContext& c, const Stem& s) {
    using members::WallLoading;
    const members::MemberOptions& o = s.options;
    const bool seismic = o.loadCase == CalcCase::Case_S;
    if (o.loadCase == CalcCase::Case_N || (seismic && o.method == SeismicMethod::Method_K1)) {
        earthPressureLines(c, s);
    } else if (members::wallLoading(o) == WallLoading::WithWallInertia) {
        wallInertiaLines(c, s);
    } else if (members::wallLoading(o) == WallLoading::WithAllInertia) {
        allInertiaLines(c, s);
    }
}

void heading(ReportContext& c, MemberPart part, const members::MemberOptions& o) {
    const bool surchargeInertia = o.surchargeInertia;
    if (part == MemberPart::A) {
        blankLines(c.pri, c.layout.Loop_i, 5);
        c.pri.Print({"              １）たて壁（中央部）"});
    } else {
        blankLines(c.pri, c.layout.Loop_i, surchargeInertia ? 1 : 2);
        c.pri.Print({"              ２）たて壁（固定部）"});
    }
    if (!surchargeInertia) c.pri.Print();
}

}  // namespace

void printStemSection(ReportContext& c, MemberPart part) {
    const MemberPartPrint p = memberPartPrint(c, part);
    heading(c, part, p.design.options);
    if (!p.refusal.empty()) {
        printRefusal(c, p.refusal);
        return;
    }
    const Stem s = stemOf(p);
    pressureLines(c, s);
    forceLines(c, s);
    printStressBlock(c.pri, c.opt, p.block);
}

}  // namespace pelzaro
