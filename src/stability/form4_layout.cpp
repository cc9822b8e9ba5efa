// The controls of the wall-dimensions page and their places: the sketch of the section on the
// left with the input boxes at the dimensions they define, the results and options on the right.

#include "stability/form4.h"
#include "stability/static_figure.h"
#include "stability/static_text.h"

namespace pelzaro {

namespace {
constexpr int kBoxWidth = 555;
constexpr int kBoxHeight = 270;
}  // namespace

Form4::Form4(App& app)
    : Window(app, "Form4", "", WindowRole::Page, 12000, 7800),
      Surface(*this, "Surface"),
      lblSection(*this, "lblSection", "§"),
      txt1(*this, "txt1"),
      lblTitle(*this, "lblTitle", "ＲＣ擁壁の設計"),
      lblSubtitle(*this, "lblSubtitle", "擁壁各部の寸法 及 上載荷重の入力"),
      lblSymbol(*this, "lblSymbol", "擁壁の記号： "),
      lblNote(*this, "lblNote", "擁壁の形状は、印刷イメージで確認して下さい。"),
      txt2(*this, "txt2"),
      txt3(*this, "txt3"),
      txt4(*this, "txt4"),
      txt5(*this, "txt5"),
      txt6(*this, "txt6"),
      txt7(*this, "txt7"),
      txt8(*this, "txt8"),
      txt9(*this, "txt9"),
      txt10(*this, "txt10"),
      txt12(*this, "txt12"),
      txt13(*this, "txt13"),
      txt14(*this, "txt14"),
      txt15(*this, "txt15"),
      txt16(*this, "txt16"),
      txt17(*this, "txt17"),
      txt18(*this, "txt18"),
      txt19(*this, "txt19"),
      txt20(*this, "txt20"),
      txt21(*this, "txt21"),
      txt22(*this, "txt22"),
      txt23(*this, "txt23"),
      Line120(*this, "Line120", 600, 3900, 2700, 3900),
      Line121(*this, "Line121", 700, 3900, 610, 4020),
      Line122(*this, "Line122", 830, 3900, 740, 4020),
      Line123(*this, "Line123", 960, 3900, 870, 4020),
      Line124(*this, "Line124", 1090, 3900, 1000, 4020),
      Line125(*this, "Line125", 1220, 3900, 1130, 4020),
      Line126(*this, "Line126", 1350, 3900, 1260, 4020),
      Line127(*this, "Line127", 1480, 3900, 1390, 4020),
      Line128(*this, "Line128", 1610, 3900, 1520, 4020),
      Line129(*this, "Line129", 1740, 3900, 1650, 4020),
      Line130(*this, "Line130", 1870, 3900, 1780, 4020),
      Line131(*this, "Line131", 2000, 3900, 1910, 4020),
      Line132(*this, "Line132", 2130, 3900, 2040, 4020),
      Line133(*this, "Line133", 2260, 3900, 2170, 4020),
      Line134(*this, "Line134", 2390, 3900, 2300, 4020),
      Line135(*this, "Line135", 600, 2700, 2700, 2700),
      Line136(*this, "Line136", 700, 2700, 610, 2820),
      Line137(*this, "Line137", 830, 2700, 740, 2820),
      Line138(*this, "Line138", 960, 2700, 870, 2820),
      Line139(*this, "Line139", 1090, 2700, 1000, 2820),
      Line140(*this, "Line140", 1220, 2700, 1130, 2820),
      Line141(*this, "Line141", 1350, 2700, 1260, 2820),
      Line142(*this, "Line142", 1480, 2700, 1390, 2820),
      Line143(*this, "Line143", 1610, 2700, 1520, 2820),
      Line144(*this, "Line144", 1740, 2700, 1650, 2820),
      Line145(*this, "Line145", 1870, 2700, 1780, 2820),
      Line146(*this, "Line146", 2000, 2700, 1910, 2820),
      Line147(*this, "Line147", 2130, 2700, 2040, 2820),
      Line148(*this, "Line148", 2260, 2700, 2170, 2820),
      Line149(*this, "Line149", 2390, 2700, 2300, 2820),
      Label3(*this, "Label3", "H3="),
      Label4(*this, "Label4", "H4="),
      lbl5(*this, "lbl5", " m"),
      lbl6(*this, "lbl6", " m"),
      Line150(*this, "Line150", 120, 1900, 120, 4950),
      Line151(*this, "Line151", 60, 3900, 180, 3900),
      Line152(*this, "Line152", 60, 4950, 180, 4950),
      lbl22(*this, "lbl22", "上載荷重"),
      lbl23(*this, "lbl23", "kNm2"),
      lbl32(*this, "lbl32", "上載荷重"),
      lbl33(*this, "lbl33"),
      lbl34(*this, "lbl34", "KN/m2"),
      lbl10(*this, "lbl10", "前面土"),
      lbl45(*this, "lbl45", "背面土"),
      lblResultsTitle(*this, "lblResultsTitle", "安 定 性 の 検 討"),
      lblOverturnTitle(*this, "lblOverturnTitle", "転倒に対して"),
      lblBearingTitle(*this, "lblBearingTitle", "支持力に対して"),
      lblSlidingTitle(*this, "lblSlidingTitle", "滑動に対して"),
      lbl52(*this, "lbl52"),
      lbl53(*this, "lbl53"),
      lbl54(*this, "lbl54"),
      lbl46(*this, "lbl46"),
      lbl47(*this, "lbl47"),
      lbl48(*this, "lbl48"),
      lbl56(*this, "lbl56"),
      lbl57(*this, "lbl57"),
      lbl58(*this, "lbl58"),
      lbl59(*this, "lbl59"),
      lbl60(*this, "lbl60"),
      lbl61(*this, "lbl61"),
      lbl62(*this, "lbl62"),
      lbl64(*this, "lbl64"),
      lbl65(*this, "lbl65"),
      lbl66(*this, "lbl66"),
      lbl67(*this, "lbl67", "突起の無い状態で"),
      lbl68(*this, "lbl68"),
      lbl69(*this, "lbl69"),
      lbl70(*this, "lbl70"),
      Frame1(*this, "Frame1", "土圧の鉛直成分"),
      Label19(*this, "Label19", "安定モーメントに", &Frame1),
      opt1(*this, "opt1", "参入する", &Frame1),
      opt2(*this, "opt2", "参入しない", &Frame1),
      Frame2(*this, "Frame2", "前面土の荷重"),
      opt3(*this, "opt3", "計算に含む", &Frame2),
      opt4(*this, "opt4", "計算に含まない", &Frame2),
      Frame3(*this, "Frame3", "突起"),
      opt5(*this, "opt5", "無し", &Frame3),
      opt6(*this, "opt6", "有り", &Frame3),
      chk1(*this, "chk1", "上載荷重から５kN/m2を差し引いて算定する。"),
      cmd4(*this, "cmd4", "安定性の検討方法"),
      cmd3(*this, "cmd3", "安定性の検討"),
      cmd5(*this, "cmd5", "突起の計算"),
      cmd6(*this, "cmd6", "背面上載荷重の土圧について"),
      cmd2(*this, "cmd2", "< 地盤の形状"),
      cmd1(*this, "cmd1", "断面計算 >") {
    layoutHead();
    layoutBoxes();
    layoutDiagram();
    layoutSection();
    layoutSketchTexts();
    colourSlabEnds();
    layoutResults();
    layoutOptions();
    layoutButtons();
    wireFields();
    wireOptions();
    wireButtons();
}

void Form4::layoutHead() {
    Surface.geometry = {0, 0, geometry.width, geometry.height};
    Surface.BorderStyle = 0;
    lblSection.geometry = {120, 210, 240, 240};
    txt1.geometry = {360, 180, 375, kBoxHeight};
    lblTitle.geometry = {1500, 180, 2400, 300};
    lblTitle.fontSizePt = 14;
    lblSubtitle.geometry = {4200, 240, 3600, 240};
    lblSymbol.geometry = {120, 930, 1380, 240};
    txt2.geometry = {1500, 900, 675, kBoxHeight};
    lblNote.geometry = {2400, 930, 4200, 240};
    txt1.IMEMode = ImeMode::FullWidthAlpha;
    txt2.IMEMode = ImeMode::FullWidthAlpha;
}

void Form4::layoutBoxes() {
    struct Place {
        TextBox* box;
        int left, top;
    };
    const Place places[] = {
        {&txt3, 180, 3030},   {&txt4, 180, 4380},   {&txt5, 7140, 3540},  {&txt6, 7140, 2250},
        {&txt7, 2520, 1560},  {&txt8, 3360, 1560},  {&txt9, 4890, 1560},  {&txt10, 4110, 1560},
        {&txt12, 2250, 5220}, {&txt13, 2850, 5220}, {&txt14, 3750, 5220}, {&txt15, 4710, 5220},
        {&txt16, 5310, 5220}, {&txt17, 3720, 4440}, {&txt18, 1020, 4500}, {&txt19, 6300, 4500},
        {&txt20, 3720, 3600}, {&txt21, 5760, 2040}, {&txt22, 3570, 2730}, {&txt23, 1590, 3480}};
    for (const Place& p : places) {
        p.box->geometry = {p.left, p.top, kBoxWidth, kBoxHeight};
        p.box->IMEMode = ImeMode::Off;
    }
    // The Tab order differs from the Enter chain at txt8 and txt9.
    TextBox* tabOrder[] = {&txt1,  &txt2,  &txt3,  &txt4,  &txt5,  &txt6,  &txt7,  &txt9,
                           &txt8,  &txt10, &txt13, &txt15, &txt14, &txt12, &txt16, &txt17,
                           &txt18, &txt19, &txt20, &txt21, &txt22, &txt23};
    int index = 0;
    for (TextBox* box : tabOrder) box->tabIndex = index++;
}

void Form4::layoutDiagram() {
    for (Line* line : {&Line120, &Line135}) line->BorderStyle = 3;  // dashed ground lines
    Label3.geometry = {180, 2790, 375, 240};
    lbl5.geometry = {735, 3060, 300, 240};
    Label4.geometry = {180, 4140, 375, 240};
    lbl6.geometry = {735, 4410, 300, 240};
    lbl22.geometry = {1590, 3240, 840, 240};
    lbl23.geometry = {2145, 3510, 480, 240};
    lbl32.geometry = {1590, 2460, 840, 240};
    lbl33.geometry = {1590, 2700, 555, 240};
    lbl33.Alignment = 1;
    lbl34.geometry = {2145, 2700, 540, 240};
    lbl10.geometry = {900, 3960, 600, 240};
    lbl45.geometry = {6300, 3000, 600, 240};
}

// The section itself: front wall left, rear wall right, the base slab with the haunched toe
// and heel, the centre soil, the back ground and the base width with the resultant.
void Form4::layoutSection() {
    const FigureLine segments[] = {
        {2700, 1900, 3000, 1900, 1}, {2700, 1900, 2700, 4300, 1},  // front wall top, outer face
        {3000, 1900, 3300, 4300, 1},                               // front wall inner face
        {5000, 1900, 5300, 1900, 1}, {5300, 1900, 5300, 4300, 1},  // rear wall top, outer face
        {5000, 1900, 4700, 4300, 1},                               // rear wall inner face
        {3300, 4300, 4700, 4300, 1},                               // base top between the walls
        {1200, 4600, 2700, 4300, 1}, {1200, 4600, 1200, 4950, 1},  // toe top and tip
        {5300, 4300, 6300, 4600, 1}, {6300, 4600, 6300, 4950, 1},  // heel top and tip
        {1200, 4950, 6300, 4950, 1},                               // base underside
        {3150, 3400, 4850, 3400, 3},                               // centre soil surface
        {5300, 2700, 6900, 2700, 3},                               // back ground
        {1200, 5880, 6300, 5880, 1}, {1200, 5760, 1200, 6000, 1},  // base width B
        {6300, 5760, 6300, 6000, 1}, {3750, 4950, 3750, 6120, 3},  // B/2
        {3300, 4100, 3300, 6330, 3},                               // line of the resultant
        {1200, 6240, 3300, 6240, 1}, {3300, 6060, 3750, 6060, 1},  // d and e
    };
    addFigureLines(*this, section, "LineSection", segments);
}

void Form4::layoutSketchTexts() {
    addStaticTexts(*this, sketch, "lblSketch",
                   {{"H1=", 6780, 3570, 360, 240},   {" m", 7695, 3570, 300, 240},
                    {"H2=", 6780, 2280, 360, 240},   {" m", 7695, 2280, 300, 240},
                    {" m", 3075, 1320, 300, 240},    {" m", 3915, 1320, 300, 240},
                    {" m", 5445, 1320, 300, 240},    {" m", 4665, 1320, 300, 240},
                    {" m", 2250, 5520, 300, 240},    {" m", 2850, 5520, 300, 240},
                    {" m", 3750, 5520, 300, 240},    {" m", 4710, 5520, 300, 240},
                    {" m", 5310, 5520, 300, 240},    {" m", 4275, 4470, 300, 240},
                    {" m", 1575, 4530, 300, 240},    {" m", 6855, 4530, 300, 240},
                    {" m", 4275, 3630, 300, 240},    {"上載荷重", 5760, 1800, 840, 240},
                    {"kN/m2", 6315, 2070, 540, 240}, {"上載荷重", 3570, 2490, 840, 240},
                    {"kNm2", 4125, 2760, 480, 240},  {"B", 5760, 5640, 240, 240},
                    {"B/2", 3810, 6060, 360, 240},   {"ｅ", 3420, 6090, 240, 240},
                    {"d", 2160, 6000, 240, 240},     {"合力の作用線", 3360, 6330, 1200, 240}});
}

// The toe's boxes and captions are light cyan, the heel's light yellow, so that the user sees
// which entries belong to the optional slab ends.
void Form4::colourSlabEnds() {
    constexpr Rgb toe{192, 255, 255};
    constexpr Rgb heel{255, 255, 192};
    // The unit captions in the sketch: toe length, toe end, heel length, heel end.
    const size_t toeUnits[] = {8, 14}, heelUnits[] = {12, 15};
    for (Control* c : std::initializer_list<Control*>{&txt12, &txt18, &txt23, &lbl22, &lbl23,
                                                      &lbl10, &Frame2, &opt3, &opt4})
        c->setBackColor(toe);
    for (size_t i : toeUnits) sketch[i]->setBackColor(toe);
    for (Control* c : std::initializer_list<Control*>{&txt16, &txt19}) c->setBackColor(heel);
    for (size_t i : heelUnits) sketch[i]->setBackColor(heel);
}

void Form4::layoutResults() {
    lblResultsTitle.geometry = {8160, 780, 3000, 300};
    lblOverturnTitle.geometry = {8160, 1140, 1800, 240};
    lblBearingTitle.geometry = {8160, 2160, 1800, 240};
    lblSlidingTitle.geometry = {8160, 3120, 1800, 240};
    auto row = [](std::initializer_list<Label*> labels, std::initializer_list<int> widths, int left,
                  int top) {
        auto w = widths.begin();
        for (Label* l : labels) {
            l->geometry = {left, top, *w, 240};
            left += *w++;
        }
    };
    row({&lbl52, &lbl53, &lbl54}, {720, 900, 1320}, 8400, 1440);
    row({&lbl46, &lbl47, &lbl48}, {720, 900, 1320}, 8400, 1800);
    row({&lbl56, &lbl57, &lbl58}, {720, 900, 600}, 8400, 2460);
    row({&lbl59, &lbl60, &lbl61, &lbl62}, {240, 900, 600, 720}, 8400, 2760);
    row({&lbl64, &lbl65, &lbl66}, {720, 900, 1320}, 8400, 3420);
    lbl67.geometry = {8160, 3780, 1800, 240};
    row({&lbl68, &lbl69, &lbl70}, {720, 900, 1320}, 8400, 3960);
    for (Label* l :
         {&lbl46, &lbl47, &lbl48, &lbl52, &lbl53, &lbl54, &lbl56, &lbl57, &lbl58, &lbl59,
          &lbl60, &lbl61, &lbl62, &lbl64, &lbl65, &lbl66, &lbl67, &lbl68, &lbl69, &lbl70}) {
        l->setVisible(false);
    }
}

void Form4::layoutOptions() {
    Frame1.geometry = {8160, 4320, 3600, 840};
    Label19.geometry = {120, 360, 1500, 240};
    opt1.geometry = {1680, 240, 1800, 240};
    opt2.geometry = {1680, 510, 1800, 240};
    Frame2.geometry = {8160, 5220, 1800, 840};
    opt3.geometry = {120, 240, 1560, 240};
    opt4.geometry = {120, 510, 1560, 240};
    Frame3.geometry = {10020, 5220, 1740, 840};
    opt5.geometry = {120, 240, 720, 240};
    opt6.geometry = {120, 510, 720, 240};
    chk1.geometry = {360, 6600, 4800, 270};
    // A wall starts without a shear key and without a front-soil choice to offer.
    opt5.setValue(true);
    Frame2.setVisible(false);
    int index = 26;
    for (Control* c : {static_cast<Control*>(&opt3), static_cast<Control*>(&opt4)}) {
        c->tabIndex = index++;
    }
    cmd5.tabIndex = index++;
    for (Control* c : {&opt5, &opt6, &opt1, &opt2}) c->tabIndex = index++;
    chk1.tabIndex = index++;
    cmd6.tabIndex = index++;
}

void Form4::layoutButtons() {
    cmd4.geometry = {8160, 6120, 1800, 360};
    cmd3.geometry = {10020, 6120, 1740, 360};
    cmd5.geometry = {10020, 6510, 1740, 330};
    cmd6.geometry = {360, 7020, 3000, 360};
    cmd2.geometry = {8160, 6900, 1800, 360};
    cmd1.geometry = {10020, 6900, 1740, 360};
    cmd4.tabIndex = 22;
    cmd3.tabIndex = 23;
    cmd1.tabIndex = 24;
    cmd2.tabIndex = 25;
    cmd5.setVisible(false);  // only with a shear key
}

}  // namespace pelzaro
