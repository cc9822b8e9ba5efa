// Placement of the member-design page's controls, in twips, top to bottom, left to right.

#include "members/form7.h"

namespace pelzaro {

namespace {
constexpr int kRowTop = 1980;   // top of row A
constexpr int kRowPitch = 390;  // from one row to the next
constexpr int kFieldHeight = 300;

// Left edge and width of the table's columns.
struct Column {
    int left, width;
};
constexpr Column kGroup{120, 900};
constexpr Column kPart{1020, 1260};
constexpr Column kBarKind{2280, 1260};
constexpr Column kCover{3600, 1200};
constexpr Column kComputed{4860, 840};
constexpr Column kDesign{5760, 840};
constexpr Column kSigmaC{6720, 1260};
constexpr Column kSigmaS{8040, 1260};
constexpr Column kTauC{9360, 1260};
constexpr Column kVerdict{10680, 720};

void place(Control& c, int left, int top, int width, int height = 240) {
    c.geometry = {left, top, width, height};
}
void placeInColumn(Control& c, Column col, int top, int height = 240) {
    place(c, col.left, top, col.width, height);
}
void placeLine(Line& l) {
    l.geometry = {std::min(l.X1, l.X2), std::min(l.Y1, l.Y2), std::abs(l.X2 - l.X1) + 15,
                  std::abs(l.Y2 - l.Y1) + 15};
}
}  // namespace

void Form7::layOut() {
    geometry = {0, 0, 15000, 11100};
    layOutHead();
    layOutHeadings();
    layOutRows();
    layOutFoot();
    layOutFigure();
}

void Form7::layOutHead() {
    place(Label72, 240, 120, 3000, 360);
    Label72.fontSizePt = 14;
    Label72.fontBold = true;
    place(Label18, 240, 540, 4200);
    place(chk_1, 4800, 120, 3900, 270);
    place(lbl_1, 5040, 480, 2460);
    place(txt_1, 7500, 450, 840, kFieldHeight);
    place(lbl_2, 8400, 480, 240);
    place(Frame1, 9000, 60, 5700, 840);
    place(Label28, 120, 180, 1440);
    place(Label81, 120, 480, 420);
    place(txt_ka, 560, 440, 960, kFieldHeight);
    place(opt1, 1740, 120, 240, 300);
    place(cmd4, 2010, 120, 1380, kFieldHeight);
    place(opt2, 3540, 120, 240, 300);
    place(cmd5, 3810, 120, 1380, kFieldHeight);
    txt_ka.Alignment = 1;
    txt_1.Alignment = 1;
}

void Form7::layOutHeadings() {
    const int line1 = 1020, line2 = 1290, line3 = 1560;
    placeInColumn(Label59, kGroup, line1);
    placeInColumn(Label60, kPart, line1);
    placeInColumn(Label15, kBarKind, line1);
    placeInColumn(Label37, kCover, line1);
    placeInColumn(Label21, kCover, line2);
    place(cmd6, kCover.left + 60, line3 - 30, kCover.width - 120, 300);
    place(Label20, kComputed.left, line1, kComputed.width + kDesign.width);
    placeInColumn(Label11, kComputed, line2);
    placeInColumn(Label12, kDesign, line2);
    placeInColumn(Label52, kComputed, line3);
    placeInColumn(Label23, kDesign, line3);
    placeInColumn(Label35, kSigmaC, line1);
    placeInColumn(Label24, kSigmaC, line2);
    placeInColumn(Label36, kSigmaS, line1);
    placeInColumn(Label25, kSigmaS, line2);
    placeInColumn(Label44, kTauC, line1);
    placeInColumn(Label27, kTauC, line2);
    placeInColumn(Label38, kVerdict, line1);
}

void Form7::layOutRows() {
    for (size_t i = 0; i < rows_.size(); ++i) {
        const Form7Row& r = rows_[i];
        int top = kRowTop + static_cast<int>(i) * kRowPitch;
        int text = top + 30;
        if (r.groupCaption != nullptr) placeInColumn(*r.groupCaption, kGroup, text);
        placeInColumn(*r.caption, kPart, text);
        placeInColumn(*r.barKind, kBarKind, top, kFieldHeight);
        placeInColumn(*r.cover, kCover, text);
        placeInColumn(*r.computedSpacing, kComputed, text);
        placeInColumn(*r.designSpacing, kDesign, top, kFieldHeight);
        placeInColumn(*r.sigmaC, kSigmaC, text);
        placeInColumn(*r.sigmaS, kSigmaS, text);
        placeInColumn(*r.tauC, kTauC, text);
        placeInColumn(*r.verdict, kVerdict, text);
        for (Label* l : {r.cover, r.computedSpacing, r.sigmaC, r.sigmaS, r.tauC}) l->Alignment = 1;
        r.verdict->Alignment = 2;
        r.designSpacing->Alignment = 1;
    }
    // The wall and the base slab name two and three rows: their captions stand centred.
    Label63.geometry.height = kRowPitch + 240;
    Label76.geometry.height = 2 * kRowPitch + 240;
}

void Form7::layOutFoot() {
    const int top = kRowTop + 8 * kRowPitch + 300;
    place(Label22, 240, top, 4800);
    place(Label26, 240, top + 300, 2000);
    place(Label40, 2280, top + 300, 2900);
    place(Label41, 240, top + 600, 4800);
    place(Label43, 240, top + 900, 4800);
    place(cmd1, 11700, 9540, 2400, 420);
    place(cmd3, 11700, 10140, 2400, 420);
}

void Form7::layOutFigure() {
    for (Control* c : controls()) {
        if (c->kind() == ControlKind::Line) {
            auto* l = static_cast<Line*>(c);
            placeLine(*l);
        }
    }
    for (Line* l : {&Line100, &Line101, &figBackGround}) l->BorderStyle = 3;
    place(figA1, 6360, 6600, 240);
    place(figB1, 6360, 7800, 240);
    place(figA2, 9360, 6600, 240);
    place(figB2, 9360, 7800, 240);
    place(figC, 7860, 8220, 240);
    place(figD, 6720, 8220, 240);
    place(figE, 9000, 8220, 240);
    place(figF, 9660, 8220, 240);
    place(figG, 5880, 8220, 240);
    place(figH, 9060, 8580, 240);
    place(figFrontSoil, 5160, 7800, 720);
    place(figMiddleSoil, 7560, 7440, 720);
    place(figBackSoil, 10080, 6120, 720);
    place(figBackPA, 10560, 6480, 480);
    place(figBackDeltaPA, 10560, 7440, 480);
    place(figBackDelta, 9780, 6360, 240);
    place(Label101, 5400, 6360, 480);
    place(Label100, 5400, 7320, 480);
    place(Label102, 6000, 6720, 240);
}

}  // namespace pelzaro
