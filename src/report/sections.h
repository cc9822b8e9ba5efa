#pragma once
// The section printers of the report, each named after the page procedure it prints for and
// kept in a file of its own. They draw on the context's surface from its current position and
// never clear it, start a page or change a result of the calculation.

namespace pelzaro {

struct ReportContext;

// Report page 1: the design conditions.
void Form3_Ippan(ReportContext& c);
// Report page 2: the chapter heading with the wall drawing, then the self weight and surcharges.
void Form4_KEIJYOU(ReportContext& c);
void Form4_JIJYUU(ReportContext& c);
// Report page 3: the earth pressure (with the report's own derivation of the wall friction
// angle on the virtual back face), then the load summary.
void Form4_Doatu(ReportContext& c);
void Form4_jDERUTA(ReportContext& c);
void Form4_Doatu2(ReportContext& c);
// Report page 4: the stability checks and their diagrams.
void Form4_KENTOU(ReportContext& c);
// Report page 5: the member-design chapter heading, figure, reaction, loads and coefficients.
void Form7_HAIKIN(ReportContext& c);
// Report pages 6 to 9: the member parts: stems A and B; base slab C and D, E; heel F (H),
// toe G (I), shear key H (J).
void Form7_HAIKIN_A(ReportContext& c);
void Form7_HAIKIN_B(ReportContext& c);
void Form7_HAIKIN_E(ReportContext& c);
void Form7_HAIKIN_F(ReportContext& c);
void Form7_HAIKIN_G(ReportContext& c);
void Form7_HAIKIN_H(ReportContext& c);
void Form7_HAIKIN_I(ReportContext& c);
void Form7_HAIKIN_J(ReportContext& c);

}  // namespace pelzaro
