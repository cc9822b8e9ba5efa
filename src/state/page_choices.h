#pragma once
// The choices of the pages and dialogs: every option button and check box that the
// calculations, the pages' verdicts and the report name, each as its own flag, plus the few
// page texts the member chapter prints. Plain data, filled by the one reader
// (report/page_choices.h, readPageChoices), which never creates a window: a page or dialog
// that does not exist reads as its factory state (nothing chosen, boxes empty).

#include <array>
#include <string>

#include "conditions/design_rules.h"
#include "stability/calc/wall_choices.h"

namespace pelzaro {

struct PageChoices {
    // Design-conditions page: standard, case, source of KA, source of mu.
    bool std_T = false, std_D = false;  // Form3.opt_T, Form3.opt_D
    bool case_N = false, case_S = false;  // Form3.opt3, Form3.opt4
    bool kaTyped = false, kaComputed = false;  // Form3.opt1, Form3.opt2
    bool muTyped = false, muTanPhi = false;    // Form3.opt5, Form3.opt6
    // Seismic-coefficient dialog: the seismic method.
    bool method_K1 = false, method_K2 = false, method_D1 = false;  // Form25.opt_K1/_K2/_D1
    // Ground-shape page.
    bool shapeOneSided = false, shapeTwoSided = false;  // Form23.opt1, Form23.opt2
    // Wall-dimensions page.
    bool pvCounted = false, pvNotCounted = false;   // Form4.opt1, Form4.opt2
    bool frontSoilIn = false, frontSoilOut = false;  // Form4.opt3, Form4.opt4
    bool keyNone = false, keyPresent = false;        // Form4.opt5, Form4.opt6
    bool surchargeLess5 = false;                     // Form4.chk1 ticked
    // Normal-case check methods (Form14): overturning criterion and loaded width.
    bool n_F15 = false, n_BOver3 = false, n_BOver6 = false, n_F15AndBOver6 = false;  // opt1/2/3/6
    bool n_effectiveWidth = false, n_baseWidth = false;                              // opt4/opt5
    // Seismic-case check methods (Form21).
    bool s_F10 = false, s_F12 = false, s_BOver2 = false, s_BOver3 = false;  // opt1/2/3/4
    bool s_F10AndBOver2 = false, s_F12AndBOver3 = false;                     // opt9/opt10
    bool s_slideF10 = false, s_slideF12 = false;                             // opt5/opt6
    bool s_effectiveWidth = false, s_baseWidth = false;                      // opt7/opt8
    bool s_surchargeInertia = false;                                         // chk1 ticked
    // Member-design page.
    bool memberKaTyped = false, memberKaComputed = false;  // Form7.opt1, Form7.opt2
    bool memberSurchargeInertia = false;                   // Form7.chk_1 ticked
    // Design-spacing boxes of parts A to H as typed (Form7.txt1, txt2, txt5 .. txt10).
    std::array<std::string, 8> designSpacingText{};
};

// The groups as the calculations take them; the first button of a group wins, none chosen is
// None.
DesignStandard standardOf(const PageChoices& c);
CalcCase calcCaseOf(const PageChoices& c);
SeismicMethod seismicMethodOf(const PageChoices& c);
GroundShape groundShapeOf(const PageChoices& c);
FrontSoil frontSoilOf(const PageChoices& c);

}  // namespace pelzaro
