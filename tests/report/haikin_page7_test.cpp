// Report page 7 of a wall with a centred resultant (uniform ground reaction): the slab at
// mid-span (C) and at the front wall (D), written by hand from the rules of the sections
// before the code, compared event by event.
//
// Hand values: span B 2.000 m, W1 30, V = Sigma_max 60 kN/m2.
//   C1 = 30 x 4 / 12 = 10, M1 = 30 x 4 / 8 - 10 = 5, C2 = 60 x 4 / 12 = 20,
//   M2 = 60 x 4 / 8 - 20 = 10, M(C) = |5 - 10| x 10^5 = 500000;
//   S1 = 30 x 2 / 2 = 30, S2 = 60 x 2 / 2 = 60, M(D) = 1000000, S(D) = 30000.
// Section: D 40 cm, d = 40 - 68/10 = 33.2 cm, j = 0.875 d = 29.05 cm, d x 10 = 332 mm.
//   C: at = 500000 / (16000 x 29.05) = 1.0757; one D16 (1.986) per 1846.2 mm;
//      at 250: As = 794.4, p = 0.0023928, k = 0.23443, j1 = 0.92186,
//      sigma_c = 2 x 5e6 / (k j1 1000 332^2) = 0.420, sigma_s = 5e6 / (As j1 332) = 20.565.
//   D: at = 2.1515, phi = 30000 / (140 x 29.05) = 7.3764 governs: 7.3764 / 5 = 1.4753 bars,
//      677.8 mm; at 200: As = 993, p = 0.0029910, k = 0.25802, j1 = 0.91399,
//      sigma_c = 0.769, sigma_s = 33.187, tau_c = 30000 / (1000 j1 332) = 0.099.

#include <gtest/gtest.h>

#include "haikin_fixture.h"
#include "report/sections.h"

namespace pelzaro::haikin_test {
namespace {

std::vector<std::string> page7ByHand() {
    std::vector<std::string> t;
    auto at = [&t](int row, const std::string& text) { t.push_back(textAt(row, text)); };
    at(5, "              ３）底版（中央部）");
    at(6, std::string("                  C1=(W1･B^2)/12=(") + "30.000×2.000" +
              "^2)/12=" + "10.000" + "KNm/m");
    at(7, std::string("                  M1=(W1･B^2)/8－C1=(") + "30.000×2.000" + "^2)/8－" +
              "10.000=5.000" + "KNm/m");
    at(8, std::string("                 C2=(V･B^2)/12=(") + "60.000×2.000" + "^2)/12=" + "20.000" +
              "KNm/m");
    at(9, std::string("                 M2=(V･B^2)/8－C2=(") + "60.000×2.000" + "^2)/8－" +
              "20.000=10.000" + "KNm/m");
    at(10, std::string("                   M=|M1-M2|=|") + "5.000-10.000" + "|×10^5=" + "500000" +
               "Ncm/m");
    at(12, std::string("                  D=") + "40.00" + "cm    d=" + "33.20" +
               "cm    j=" + "29.050" + "cm");
    at(13, std::string("                 at=M/(ft･j)=") + "500000/(16000×29.050)=1.076" + "cm2/m");
    at(15, std::string("                 配筋 ") + "D16-1846" + "@  -----> ∴ " + "D16-250" +
               "@  とする");
    at(16, "                ───────────────────────");
    at(17, "                 n=15    b=100cm");
    at(18, std::string("                 p=As/(b･d)=") + "794.400/(1000×332.00)=0.00239");
    at(19, std::string("                 k=sqr{2n･p＋(n･p)^2}－n･p=sqr{2×15×") + "0.00239" +
               "＋(15×" + "0.00239" + ")^2}－15×" + "0.00239=0.234");
    at(20, std::string("                 j1=1－(k/3)=1－(") + "0.234/3)=0.922");
    at(22, "                 ・コンクリートの曲げ圧縮応力度");
    at(23, std::string("                   σc=2M/(k･j1･b･d^2)=2×(") +
               "500000×10)/(0.234×0.922×1000×332.00^2)=0.420" + "N/mm2");
    at(24, std::string("                                     <σca=") + "7.0" + "N/mm2  ∴ O.K");
    at(26, "                 ・鉄筋の引張応力度");
    at(27, std::string("                   σs=M/(As･j1･d)=") +
               "5000000/(794.400×0.922×332.00)=20.565" + "N/mm2");
    at(28, std::string("                                 <σsa=") + "160" + "N/mm2  ∴ O.K");
    at(31, "              ４）底版（前面固定部）");
    at(32, std::string("                  C1=(W1･B^2)/12=(") + "30.000×2.000" +
               "^2)/12=" + "10.000" + "KNm/m");
    at(33, std::string("                  M1=C1=") + "10.000" + "KNm/m");
    at(34, std::string("                  S1=(W1･B)/2=(") + "30.000×2.000)/2=30.000" + "KN/m");
    at(35, std::string("                  C2=(V･B^2)/12=(") + "60.000×2.000" +
               "^2)/12=" + "20.000" + "KNm/m");
    at(36, std::string("                  M2=C2=") + "20.000" + "KNm/m");
    at(37, std::string("                  S2=(V･B)/2=(") + "60.000×2.000)/2=60.000" + "KN/m");
    at(38, std::string("                  M=|M1-M2|=|") + "10.000-20.000" + "|×10^5=" + "1000000" +
               "Ncm/m");
    at(39, std::string("                  S=|S1-S2|=|") + "30.000-60.000" + "|×10^3=" + "30000" +
               "N/m");
    at(41, std::string("                  D=") + "40.00" + "cm    d=" + "33.20" +
               "cm    j=" + "29.050" + "cm");
    at(42, std::string("                 at=M/(ft･j)=") + "1000000/(16000×29.050)=2.151" + "cm2/m");
    at(43, std::string("                 φ=S/(fa･j)=") + "30000/(140.00×29.050)=7.376" + "cm/m");
    at(45, std::string("                 配筋 ") + "D16-677" + "@  -----> ∴ " + "D16-200" +
               "@  とする");
    at(46, "                ───────────────────────");
    at(47, "                 n=15    b=100cm");
    at(48, std::string("                 p=As/(b･d)=") + "993.000/(1000×332.00)=0.00299");
    at(49, std::string("                 k=sqr{2n･p＋(n･p)^2}－n･p=sqr{2×15×") + "0.00299" +
               "＋(15×" + "0.00299" + ")^2}－15×" + "0.00299=0.258");
    at(50, std::string("                 j1=1－(k/3)=1－(") + "0.258/3)=0.914");
    at(52, "                 ・コンクリートの曲げ圧縮応力度");
    at(53, std::string("                   σc=2M/(k･j1･b･d^2)=2×(") +
               "1000000×10)/(0.258×0.914×1000×332.00^2)=0.769" + "N/mm2");
    at(54, std::string("                                     <σca=") + "7.0" + "N/mm2  ∴ O.K");
    at(56, "                 ・鉄筋の引張応力度");
    at(57, std::string("                   σs=M/(As･j1･d)=(") +
               "1000000×10)/(993.000×0.914×332.00)=33.187" + "N/mm2");
    at(58, std::string("                                 <σsa=") + "160" + "N/mm2  ∴ O.K");
    at(60, "                 ・コンクリートのせん断応力度");
    at(61, std::string("                   τc=S/(b･j1･d)=") + "30000/(1000×0.914×332.00)=0.099" +
               "N/mm2");
    at(62, std::string("                                <τca=") + "0.7" + "N/mm2  ∴ O.K");
    return t;
}

TEST(Page7, SlabCentreAndFrontEndWithUniformReactionAsWrittenByHand) {
    Module1 m = uniformWall();
    const Drawn d = draw(m, residentialNormal(), {Form7_HAIKIN_E, Form7_HAIKIN_F});
    EXPECT_EQ(d.error, "");
    const std::vector<std::string> expected = page7ByHand();
    ASSERT_EQ(d.lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(d.lines[i], expected[i]) << i;
    EXPECT_EQ(d.beeps, 0);
    EXPECT_TRUE(d.endsClean);
    EXPECT_EQ(d.endY, 63 * 220);
}

}  // namespace
}  // namespace pelzaro::haikin_test
