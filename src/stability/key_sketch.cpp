#include "stability/key_sketch.h"

#include <cmath>

#include "stability/calc/ground_pressure.h"

namespace pelzaro {

SketchVariant sketchVariant(float e, float baseWidth) {
    if (baseWidth == 0.0f || !std::isfinite(baseWidth) || !std::isfinite(e)) {
        return SketchVariant::None;
    }
    bool front = e >= 0.0f;
    if (sketchedAsTrapezoid(e, baseWidth)) {
        return front ? SketchVariant::TrapezoidFrontLarger : SketchVariant::TrapezoidRearLarger;
    }
    return front ? SketchVariant::TriangleFront : SketchVariant::TriangleRear;
}

namespace {
struct Seg {
    int x1, y1, x2, y2;
};
struct Text {
    const char* text;
    int x, y;
};

int index(SketchVariant v) {
    return static_cast<int>(v) - 1;
}

// The outline common to both dialogs: the end ordinates, the pressure line, the length line
// and, under uplift, the tick where the contact ends. Index: variant order of the enum.
void drawOutline(PictureBox& s, SketchVariant v) {
    static const Seg pressure[4] = {{1560, 4000, 3600, 3700},
                                    {1560, 3700, 3600, 4000},
                                    {1560, 3800, 3400, 3420},
                                    {1760, 3420, 3600, 3800}};
    static const Seg length[4] = {{1560, 4500, 3600, 4500},
                                  {1560, 4500, 3600, 4500},
                                  {1560, 4500, 3400, 4500},
                                  {1760, 4500, 3600, 4500}};
    static const int frontEnd[4] = {4000, 3700, 3800, 0};
    static const int rearEnd[4] = {3700, 4000, 0, 3800};
    int i = index(v);
    if (frontEnd[i] != 0) s.line(1560, 3420, 1560, frontEnd[i]);
    if (rearEnd[i] != 0) s.line(3600, 3420, 3600, rearEnd[i]);
    s.line(pressure[i].x1, pressure[i].y1, pressure[i].x2, pressure[i].y2);
    s.line(length[i].x1, length[i].y1, length[i].x2, length[i].y2);
    if (v == SketchVariant::TriangleFront) s.line(3400, 4500, 3400, 4140);
    if (v == SketchVariant::TriangleRear) s.line(1760, 4500, 1760, 4140);
}

void printTexts(PictureBox& s, const Text* texts, int count) {
    for (int k = 0; k < count; ++k) {
        if (texts[k].text != nullptr) s.print(texts[k].x, texts[k].y, texts[k].text);
    }
}
}  // namespace

void drawResidentialSketch(PictureBox& s, SketchVariant v) {
    if (v == SketchVariant::None) return;
    int i = index(v);
    drawOutline(s, v);
    static const int sigma1[4] = {3930, 3800, 3670, 3500};  // ordinate at the wedge start
    static const int sigma2[4] = {3870, 3860, 3600, 3600};  // ordinate at the key's front face
    s.line(2160, 3420, 2160, sigma1[i]);
    s.line(2580, 3420, 2580, sigma2[i]);
    static const Text texts[4][6] = {{{"σmax", 1000, 3600},
                                      {"σmin", 3650, 3500},
                                      {"σ1", 1860, 3600},
                                      {"σ2", 2630, 3550},
                                      {"L1", 1800, 4300},
                                      {"L2", 3000, 4300}},
                                     {{"σmax", 3650, 3600},
                                      {"σmin", 1000, 3500},
                                      {"σ1", 1860, 3500},
                                      {"σ2", 2630, 3550},
                                      {"L1", 1800, 4300},
                                      {"L2", 3000, 4300}},
                                     {{"σmax", 1000, 3500},
                                      {nullptr, 0, 0},
                                      {"σ1", 1860, 3500},
                                      {"σ2", 2630, 3550},
                                      {"L1", 1800, 4300},
                                      {"L2", 2900, 4300}},
                                     {{"σmax", 3650, 3500},
                                      {nullptr, 0, 0},
                                      {"σ1", 1860, 3500},
                                      {"σ2", 2630, 3430},
                                      {"L1", 1900, 4300},
                                      {"L2", 3000, 4300}}};
    printTexts(s, texts[i], 6);
}

void drawRoadSketch(PictureBox& s, SketchVariant v) {
    if (v == SketchVariant::None) return;
    int i = index(v);
    drawOutline(s, v);
    static const int sigma3[4] = {3870, 3860, 3600, 3600};  // ordinate at the key's front face
    s.line(2580, 3420, 2580, sigma3[i]);
    static const Text texts[4][5] = {{{"σ1", 1200, 3600},
                                      {"σ2", 3650, 3500},
                                      {"σ3", 2630, 3550},
                                      {"L1", 2000, 4300},
                                      {"L2", 3050, 4300}},
                                     {{"σ1", 3650, 3600},
                                      {"σ2", 1200, 3500},
                                      {"σ3", 2630, 3550},
                                      {"L1", 2000, 4300},
                                      {"L2", 3050, 4300}},
                                     {{"σ1", 1000, 3500},
                                      {nullptr, 0, 0},
                                      {"σ3", 2630, 3550},
                                      {"L1", 2000, 4300},
                                      {"L2", 2950, 4300}},
                                     {{"σ1", 3650, 3500},
                                      {nullptr, 0, 0},
                                      {"σ3", 2630, 3430},
                                      {"L1", 2100, 4300},
                                      {"L2", 3050, 4300}}};
    printTexts(s, texts[i], 5);
}

}  // namespace pelzaro
