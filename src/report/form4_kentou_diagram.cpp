// The sketch of the ground reaction under the base that ends the stability section, at fixed
// positions on the right of the page: without a key a trapezoid, rectangle or triangle; with a
// key also the key, its height, the passive wedge (residential-land standard) and the lengths
// of the key calculation. Not to scale; its labels are the symbols of the text.

#include "report/conventions.h"
#include "report/form4_kentou_parts.h"
#include "report/form4_kentou_texts.h"
#include "report/surface.h"
#include "state/module1.h"

namespace pelzaro::kentou {

namespace {

struct Label {
    const char* text;
    int x, y;
};

// Every y carries the section's vertical origin.
struct Sketch {
    Surface& pri;
    int ofsY;
    void lines(std::initializer_list<Stroke> strokes) const { drawStrokes(pri, strokes, 0, ofsY); }
    void labels(std::initializer_list<Label> labels) const {
        for (const Label& l : labels) printAt(pri, l.x, ofsY + l.y, {l.text});
    }
};

void frameWithoutKey(const Sketch& s) {
    s.lines({{9500, 3800, 11000, 3800}, {9500, 3800, 9500, 3550}, {11000, 3800, 11000, 3550}});
    s.lines({{9500, 5200, 11000, 5200}, {9500, 5200, 9500, 4800}, {11000, 5200, 11000, 4800}});
    s.labels({{kLabelB, 10150, 5000}});
}

void reactionWithoutKey(const Sketch& s, const Module1& m) {
    if (sketchedTrapezoid(m)) {
        if (m.e > 0.0f) {
            s.lines({{9500, 4100, 11000, 4100},
                     {9500, 4100, 9500, 4600},
                     {11000, 4100, 11000, 4350},
                     {9500, 4600, 11000, 4350}});
            s.labels({{kSigmaMax, 9000, 4250}, {kSigmaMin, 10650, 4450}});
        } else if (m.e < 0.0f) {
            s.lines({{9500, 4100, 11000, 4100},
                     {9500, 4100, 9500, 4350},
                     {11000, 4100, 11000, 4600},
                     {9500, 4350, 11000, 4600}});
            s.labels({{kSigmaMax, 10650, 4650}, {kSigmaMin, 9000, 4150}});
        } else {
            s.lines({{9500, 4100, 11000, 4100},
                     {9500, 4100, 9500, 4475},
                     {11000, 4100, 11000, 4475},
                     {9500, 4475, 11000, 4475}});
            s.labels({{kSigmaMax, 10000, 4550}});
        }
        return;
    }
    if (m.e > 0.0f) {
        s.lines({{9500, 4100, 10750, 4100}, {9500, 4600, 10750, 4100}, {9500, 4100, 9500, 4600}});
        s.labels({{kSigmaMax, 9000, 4350}});
    } else if (m.e < 0.0f) {
        s.lines({{9500, 4100, 11000, 4100}, {11000, 4600, 11000, 4100}, {9750, 4100, 11000, 4600}});
        s.labels({{kSigmaMax, 10650, 4650}});
    }
}

// Which standard's items a variant draws.
struct Standard {
    bool T;  // residential-land standard
    bool D;  // road guideline (and not the residential-land standard)
};

void frameWithKey(const Sketch& s, Standard std) {
    s.lines({{9500, 3800, 10250, 3800},
             {10450, 3800, 11000, 3800},
             {9500, 3800, 9500, 3550},
             {11000, 3800, 11000, 3550}});
    s.lines({{10250, 3800, 10250, 4050}, {10450, 3800, 10450, 4050}, {10250, 4050, 10450, 4050}});
    if (std.T) {
        s.lines(
            {{10250, 4050, 9900, 3800}, {10130, 3950, 10250, 3900}, {10180, 3910, 10050, 3650}});
        s.labels({{kWedgeAngle, 10000, 3500}});
    }
    s.lines({{10800, 3800, 10800, 4050}, {10800, 4050, 10550, 4050}});
    s.labels({{kH0, 10600, 3850}});
    s.lines({{9500, 5400, 11000, 5400}, {9500, 5400, 9500, 4850}, {11000, 5400, 11000, 4850}});
    s.labels({{kLabelB, 10150, 5230}});
}

// The length labels: L1, L and L2 under the residential-land standard; L1 and L2 under the road
// guideline, L1 reaching the key. x positions of L1 (T), L1 (D) and L2.
void lengthLabels(const Sketch& s, Standard std, int l1T, int l1D, int l2) {
    if (std.T) s.labels({{kL1, l1T, 4980}, {kL, 10050, 4980}});
    if (std.D) s.labels({{kL1, l1D, 4980}});
    if (std.T || std.D) s.labels({{kL2, l2, 4980}});
}

void trapezoidWithKey(const Sketch& s, Standard std, bool front) {
    s.lines({{9500, 5150, 11000, 5150}});
    if (std.T) s.lines({{9900, 5150, 9900, 4850}});
    s.lines({{10250, 5150, 10250, 4850}});
    lengthLabels(s, std, 9600, 9800, 10550);
    if (front) {
        s.lines({{9500, 4200, 11000, 4200},
                 {9500, 4200, 9500, 4700},
                 {11000, 4200, 11000, 4450},
                 {9500, 4700, 11000, 4450}});
        if (std.T) s.lines({{9900, 4200, 9900, 4640}});
        s.lines({{10250, 4200, 10250, 4590}});
        if (std.T) {
            s.labels({{kSigmaMax, 9000, 4350},
                      {kSigmaMin, 10650, 4550},
                      {kSigma1, 9600, 4350},
                      {kSigma2, 10300, 4280}});
        }
        if (std.D) s.labels({{kQ1, 9200, 4350}, {kQ2, 10750, 4550}, {kQ3, 10300, 4280}});
        return;
    }
    s.lines({{9500, 4200, 11000, 4200},
             {9500, 4200, 9500, 4450},
             {11000, 4200, 11000, 4700},
             {9500, 4450, 11000, 4700}});
    if (std.T) s.lines({{9900, 4200, 9900, 4520}});
    s.lines({{10250, 4200, 10250, 4590}});
    if (std.T) {
        s.labels({{kSigmaMax, 10550, 4350},
                  {kSigmaMin, 9000, 4250},
                  {kSigma1, 9600, 4280},
                  {kSigma2, 10300, 4330}});
    }
    if (std.D) s.labels({{kQ1, 10750, 4350}, {kQ2, 9200, 4250}, {kQ3, 10300, 4330}});
}

void triangleWithKey(const Sketch& s, Standard std, bool front) {
    if (front) {
        s.lines({{9500, 5150, 10750, 5150}});
        if (std.T) s.lines({{9900, 5150, 9900, 4850}});
        s.lines({{10750, 5150, 10750, 4850}, {10250, 5150, 10250, 4850}});
        lengthLabels(s, std, 9600, 9800, 10450);
        s.lines({{9500, 4300, 11000, 4300}, {9500, 4300, 9500, 4700}, {9500, 4700, 10750, 4300}});
        if (std.T) s.lines({{9900, 4300, 9900, 4590}});
        s.lines({{10250, 4300, 10250, 4490}});
        if (std.T)
            s.labels({{kSigmaMax, 9000, 4450}, {kSigma1, 9600, 4380}, {kSigma2, 10300, 4440}});
        if (std.D) s.labels({{kQ1, 9200, 4450}, {kQ3, 10300, 4440}});
        return;
    }
    s.lines({{9750, 5150, 11000, 5150}, {9750, 5150, 9750, 4850}});
    if (std.T) s.lines({{9900, 5150, 9900, 4850}});
    s.lines({{10250, 5150, 10250, 4850}});
    lengthLabels(s, std, 9550, 9750, 10450);
    s.lines({{9500, 4300, 11000, 4300}, {11000, 4300, 11000, 4700}, {9750, 4300, 11000, 4700}});
    if (std.T) s.lines({{9900, 4300, 9900, 4370}});
    s.lines({{10250, 4300, 10250, 4490}});
    if (std.T) s.labels({{kSigmaMax, 10550, 4450}, {kSigma1, 9600, 4380}, {kSigma2, 10300, 4320}});
    if (std.D) s.labels({{kQ1, 10750, 4450}, {kQ3, 10300, 4320}});
}

}  // namespace

void drawDiagram(ReportContext& c) {
    c.layout.Kentou_OfsY = 0;
    const Sketch s{c.pri, c.layout.Kentou_OfsY};
    if (c.opt.keyNone) {
        c.pri.FontSize(9);
        frameWithoutKey(s);
        reactionWithoutKey(s, c.m);
    }
    if (c.opt.keyPresent) {
        c.pri.FontSize(9);
        const Standard std{c.opt.std_T, !c.opt.std_T && c.opt.std_D};
        frameWithKey(s, std);
        const bool front = c.m.e >= 0.0f;
        if (sketchedTrapezoid(c.m)) {
            trapezoidWithKey(s, std, front);
        } else {
            triangleWithKey(s, std, front);
        }
    }
    c.layout.Kentou_OfsY = 0;
    c.pri.FontSize(11);
}

}  // namespace pelzaro::kentou
