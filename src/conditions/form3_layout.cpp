// Where the controls of the design-conditions page stand, in twips. Group headings at the
// left, field labels indented, the fields in one column with their units after them, options
// and buttons to the right. Controls in a frame are placed relative to the frame.

#include "conditions/form3.h"

namespace pelzaro {

namespace {
constexpr int kHead = 240;     // group headings
constexpr int kLabel = 480;    // field labels
constexpr int kField = 5040;   // fields
constexpr int kUnit = 6300;    // units
constexpr int kRight = 6900;   // options, buttons and guidance
constexpr int kLabelW = 4500;  // width of a field label
constexpr int kFieldW = 1200;
constexpr int kTextH = 300;
constexpr int kLabelH = 255;

void row(Label& label, TextBox& field, Label& unit, int top) {
    label.geometry = {kLabel, top, kLabelW, kLabelH};
    label.Alignment = 1;
    field.geometry = {kField, top - 30, kFieldW, kTextH};
    unit.geometry = {kUnit, top, 600, kLabelH};
}
}  // namespace

void Form3::buildLayout() {
    lblTitle.geometry = {kHead, 120, 4800, 360};
    lblTitle.fontSizePt = 14;
    lblTitle.fontBold = true;
    lblSite.geometry = {kHead, 570, 1500, kLabelH};
    txt1.geometry = {1800, 540, 6000, kTextH};

    lblStd.geometry = {kHead, 930, 1500, kLabelH};
    fraStd.geometry = {1800, 870, 9600, 360};
    fraStd.BorderStyle = 0;
    opt_T.geometry = {0, 30, 4500, kTextH};
    opt_D.geometry = {4620, 30, 3600, kTextH};

    lblCase.geometry = {kHead, 1320, 1500, kLabelH};
    fraCase.geometry = {1800, 1260, 3600, 390};
    fraCase.BorderStyle = 0;
    cmd1.geometry = {0, 0, 1020, 360};
    opt3.geometry = {1080, 30, 255, kTextH};
    cmd2.geometry = {1560, 0, 1020, 360};
    opt4.geometry = {2640, 30, 255, kTextH};
    cmd4.geometry = {5640, 1260, 3720, 360};

    lblMaterials.geometry = {kHead, 1740, 3000, kLabelH};
    row(lbl56, txt2, lblUnit2, 2070);
    row(lblFt, txt3, lblUnit3, 2400);
    row(lbl46, txt13, lbl47, 2730);
    row(lbl54, txt4, lblUnit4, 3060);

    lblWeights.geometry = {kHead, 3480, 3000, kLabelH};
    row(lblGammaS, txt5, lblUnit5, 3810);
    row(lblGammaC, txt6, lblUnit6, 4140);

    lblBackfill.geometry = {kHead, 4560, 1500, kLabelH};
    lblSoil1.geometry = {1800, 4560, 900, kLabelH};
    cbo1.geometry = {2700, 4530, 2400, kTextH};
    lblBeta.geometry = {kLabel, 4890, kLabelW, kLabelH};
    lblBeta.Alignment = 1;
    lblBetaValue.geometry = {kField, 4890, kFieldW, kLabelH};
    lblBetaValue.Alignment = 1;
    lblBetaUnit.geometry = {kUnit, 4890, 600, kLabelH};
    lblC1.geometry = {kLabel, 5220, kLabelW, kLabelH};
    lblC1.Alignment = 1;
    lblC1Value.geometry = {kField, 5220, kFieldW, kLabelH};
    lblC1Value.Alignment = 1;
    lblC1Unit.geometry = {kUnit, 5220, 600, kLabelH};
    row(lbl14, txt8, lblUnit8, 5550);

    lblFoundation.geometry = {kHead, 5970, 1500, kLabelH};
    lblSoil2.geometry = {1800, 5970, 900, kLabelH};
    cbo2.geometry = {2700, 5940, 2400, kTextH};
    row(lbl10, txt11, lblUnit11, 6300);
    lblCohesion.geometry = {kLabel, 6630, 3000, kLabelH};
    row(lblC2, txt14, lblUnit14, 6630);
    lblC2.geometry = {kField - 600, 6630, 540, kLabelH};
    fraC.geometry = {kRight, 6570, 3600, 360};
    fraC.BorderStyle = 0;
    opt7.geometry = {0, 30, 1560, kTextH};
    opt8.geometry = {1680, 30, 1200, kTextH};
    lblMuHead.geometry = {kLabel, 6960, 3000, kLabelH};
    lblMu.geometry = {kField - 600, 6960, 540, kLabelH};
    lblMu.Alignment = 1;
    txt9.geometry = {kField, 6930, kFieldW, kTextH};
    fraMu.geometry = {kRight, 6900, 3600, 360};
    fraMu.BorderStyle = 0;
    opt5.geometry = {0, 30, 1560, kTextH};
    opt6.geometry = {1680, 30, 1200, kTextH};

    lblWallFriction.geometry = {kHead, 7380, 6000, kLabelH};
    row(lblDelta1, txt10, lblUnit10, 7710);
    lblDeltaNote1.geometry = {kRight, 7710, 4800, kLabelH};
    lblDeltaSeismic.geometry = {kRight, 8040, 900, kLabelH};
    cmd7.geometry = {kRight + 960, 7980, 1200, 360};
    row(lblDelta2, txt12, lblUnit12, 8400);
    lblDeltaNote2.geometry = {kRight, 8400, 4800, kLabelH};
    lblDeltaNote3.geometry = {kRight, 8730, 5400, kLabelH};

    lblKaHead.geometry = {kHead, 9150, 3000, kLabelH};
    lblKa.geometry = {kField - 600, 9150, 540, kLabelH};
    lblKa.Alignment = 1;
    txt15.geometry = {kField, 9120, kFieldW, kTextH};
    fraKa.geometry = {kRight, 9060, 3600, 390};
    fraKa.BorderStyle = 0;
    cmd5.geometry = {0, 0, 1200, 360};
    opt1.geometry = {1260, 30, 255, kTextH};
    cmd6.geometry = {1680, 0, 1200, 360};
    opt2.geometry = {2940, 30, 255, kTextH};

    cmd3.geometry = {9600, 9600, 2400, 420};
}

}  // namespace pelzaro
