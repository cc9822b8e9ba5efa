#include "haikin_fixture.h"

#include "support/report_support.h"

namespace pelzaro::haikin_test {

Drawn draw(Module1& m, const PageChoices& opt, std::initializer_list<SectionPrinter> sections) {
    const DrawnPage p = drawPage(m, opt, sections);
    return {p.lines, p.texts, p.beeps, p.error, p.endsClean(), p.endY};
}

namespace {
void d16(Module1& m) {
    for (std::string* t : {&m.Tekkin_A, &m.Tekkin_B, &m.Tekkin_C, &m.Tekkin_D, &m.Tekkin_E,
                           &m.Tekkin_F, &m.Tekkin_G, &m.Tekkin_H})
        *t = "D16";
    for (float* a : {&m.a1_A, &m.a1_B, &m.a1_C, &m.a1_D, &m.a1_E, &m.a1_F, &m.a1_G, &m.a1_H})
        *a = 1.986f;
    for (float* u : {&m.U_A, &m.U_B, &m.U_C, &m.U_D, &m.U_E, &m.U_F, &m.U_G, &m.U_H}) *u = 5.0f;
    for (float* k : {&m.Kaburi_A, &m.Kaburi_B, &m.Kaburi_C, &m.Kaburi_D, &m.Kaburi_E, &m.Kaburi_F,
                     &m.Kaburi_G, &m.Kaburi_H})
        *k = 60.0f;
    for (float* k : {&m.dk_A, &m.dk_B, &m.dk_C, &m.dk_D, &m.dk_E, &m.dk_F, &m.dk_G, &m.dk_H})
        *k = 68.0f;
}
}  // namespace

Module1 uniformWall() {
    Module1 m;
    m.B_Tumasaki = 0.0f, m.T2_Mae = 0.5f, m.B_Tyuuou = 2.0f, m.T2_Usiro = 0.5f;
    m.B_Kakato = 0.0f, m.B = 3.0f;
    m.e = 0.0f, m.Sigma_max = 60.0f;
    m.VP = m.V1 = m.V2 = m.V3 = m.V4 = m.V5 = m.VR = 60.0f;
    m.W1 = 30.0f;
    m.D_Teiban = 0.4f;
    m.T1_Usiro = 0.3f;
    m.D_Tokki = 0.4f;
    m.Sigma_ca = 7.0f, m.Sigma_sa = 160.0f, m.Sigma_sa_N = 160.0f;
    m.Tau_a1 = 0.7f, m.Tau_0a = 1.4f;
    d16(m);
    return m;
}

PageChoices residentialNormal() {
    PageChoices o;
    o.std_T = true;
    o.case_N = true;
    o.shapeOneSided = true;
    o.frontSoilIn = true;
    o.designSpacingText = {"200", "200", "250", "200", "200", "200", "200", "200"};
    return o;
}

}  // namespace pelzaro::haikin_test
