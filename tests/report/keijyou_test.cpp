// The load-calculation page: the wall drawn to scale with its annotations (and the self-weight
// block below it), against transcripts worked out by hand, the scale and the transforms, and
// what must hold on every drawing of the page.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "page2_fixtures.h"
#include "page2_invariants.h"
#include "report/shown_parts.h"
#include "report/wall_drawing.h"

namespace pelzaro {
namespace {

std::vector<std::string> expectedLines(const std::string& name) {
    std::ifstream in(std::string(PELZARO_TEST_DATA) + "/report/" + name);
    EXPECT_TRUE(in.good()) << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void expectSameEvents(const std::vector<std::string>& actual,
                      const std::vector<std::string>& expected) {
    for (size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const std::string a = i < actual.size() ? actual[i] : "(nothing)";
        const std::string e = i < expected.size() ? expected[i] : "(nothing)";
        if (a != e) {
            ADD_FAILURE() << "event " << i + 1 << ": drawn " << a << ", expected " << e;
            return;
        }
    }
}

// The three walls, each page worked out by hand from its dimensions (the wall, its heading,
// every outline segment, hatch stroke, dimension line, label and dotted line, then the table,
// the centroid lines and the surcharge loads).
struct PageCase {
    const char* file;
    StabilityInput (*input)();
};
const PageCase kPages[] = {
    {"page2-battered.txt", batteredWallInput},
    {"page2-plain.txt", plainWallInput},
    {"page2-symmetric.txt", symmetricWallInput},
};

TEST(LoadPage, TranscriptsWorkedByHand) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.file);
        const StabilityInput in = p.input();
        Module1 m = stateOf(in);
        const Drawn d = drawOn(m, choicesOf(in), {Form4_KEIJYOU, Form4_JIJYUU});
        EXPECT_EQ(d.error, "");
        expectSameEvents(d.lines, expectedLines(p.file));
    }
}

// A few lines of the battered wall spelled out: scale 2.8 x 0.35 = 0.98 m per 1000 twips, so
// X(a) = 2850 + a / 0.00098 and Y(d) = 2600 + d / 0.00098.
TEST(LoadPage, KeyLinesOfTheBatteredWall) {
    const StabilityInput in = batteredWallInput();
    Module1 m = stateOf(in);
    const Drawn d = drawOn(m, choicesOf(in), {Form4_KEIJYOU});
    auto has = [&](const std::string& line) {
        return std::find(d.lines.begin(), d.lines.end(), line) != d.lines.end();
    };
    EXPECT_FLOAT_EQ(m.Syukusyaku, 0.98f);
    // Headings on the sixth and eighth text lines.
    EXPECT_EQ(d.lines[0], "T 0 1100 11 0 \"          § 3.1．ＲＣ擁壁（Ａ）の設計\"");
    EXPECT_EQ(d.lines[1], "T 0 1540 11 0 \"            3.1－１ 荷重の計算（常時）\"");
    // Front wall top: a = 0.7 to 0.9, depth 2.8 - 1.5 = 1.3: x 3564 to 3768, y 3927.
    EXPECT_EQ(d.lines[2], "L 3564 3927 3768 3927 solid 0");
    // Base underside from the toe root (0.6) to the heel root (3.4) at depth 2.8: y 5457.
    EXPECT_EQ(d.lines[9], "L 3462 5457 6319 5457 solid 0");
    // Heel top from the heel root down to its free end (depth 2.5, y 5151) at X(4.2) = 7136.
    EXPECT_EQ(d.lines[10], "L 6319 5049 7136 5151 solid 0");
    // The back ground meets the rear outer face at a = 3.3 + 0.1 x 0.3 / 2.4 = 3.3125.
    EXPECT_EQ(d.lines[16], "L 6230 2906 8036 2906 solid 0");
    // Labels: H3 of 2,500 at X(4.2) + 1050, Y(0.3 + 1.25) - 50. The back surcharge of 10:
    // X(3.3 + 0.1 x 0.3 / 2.8) + 300 = 6528, Y(0.3) - 100 - 400 = 2406, its value 200 lower.
    EXPECT_TRUE(has("T 8186 4132 9 0 \"2,500\""));
    EXPECT_TRUE(has("T 6528 2406 9 0 \"上載荷重\""));
    EXPECT_TRUE(has("T 6528 2606 9 0 \"10.0kN/m2\""));
    // One-sided ground with the front ground (1.0) above the slab top (0.4): "上載荷重" at
    // X(0.6) - 950 and Y(1.8) - 30 - 400.
    EXPECT_TRUE(has("T 2512 4007 9 0 \"上載荷重\""));
    // The closing lines at 6700 whatever the drawing's size.
    EXPECT_TRUE(has("T 0 6700 11 0 \"                   地表面と水平面とのなす角度 β=0ﾟ\""));
    EXPECT_TRUE(
        has("T 0 6920 11 0 \"                   壁背面と鉛直面とのなす角度 θ=0.00ﾟ（仮想背面）\""));
    EXPECT_TRUE(has("T 0 7140 11 0 \"                   粘着力０の土圧に対しては、H=Ho=2.500m\""));
}

// The scale: 0.35 up to a 1 m rear wall, (H3 + H4) x 0.35 above; the rear wall's top at 2600
// and the base underside 1000 / 0.35 = 2857 twips lower from 1 m upward.
TEST(WallDrawingScale, AndTheTransforms) {
    struct Case {
        float H3, H4, scale;
        double backGround, baseUnderside;
    } cases[] = {
        {0.6f, 0.2f, 0.35f, 2600 + 0.2 / 0.35 * 1000, 2600 + 0.8 / 0.35 * 1000},
        {0.7f, 0.3f, 0.35f, 2600 + 0.3 / 0.35 * 1000, 2600 + 1000 / 0.35},
        {3.0f, 1.0f, 1.4f, 2600 + 1000 / 1.4, 2600 + 4000 / 1.4},
        {2.5f, 0.3f, 0.98f, 2600 + 300 / 0.98, 2600 + 2800 / 0.98},
    };
    for (const Case& c : cases) {
        const float scale = wallDrawingScale(c.H3, c.H4);
        EXPECT_FLOAT_EQ(scale, c.scale) << c.H3 << " + " << c.H4;
        Module1 m;
        const WallDrawing d(m, scale);
        EXPECT_NEAR(d.Y(0), 2600, 1e-9);
        EXPECT_NEAR(d.Y(c.H4), c.backGround, 1e-3);
        EXPECT_NEAR(d.Y(double(c.H4) + c.H3), c.baseUnderside, 1e-3);
        EXPECT_NEAR(d.X(0), 2850, 1e-9);
        EXPECT_NEAR(d.X(0.7), 2850 + 700 / c.scale, 1e-2);
    }
    // A height of 0.8 m and 1 m both give 0.35 exactly as computed from 3.5 / 10.
    EXPECT_EQ(wallDrawingScale(0.5f, 0.3f), static_cast<float>(3.5 / 10));
    EXPECT_EQ(wallDrawingScale(0.5f, 0.5f), static_cast<float>(3.5 / 10));
}

// Invariants of the three walls: the sections end at size 11, colour 0, solid, at the left
// edge; the outline closes; no text overlaps another; nothing reaches y 15600.
TEST(LoadPage, InvariantsOfTheHandWorkedWalls) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.file);
        const StabilityInput in = p.input();
        Module1 m = stateOf(in);
        Drawn d = drawOn(m, choicesOf(in), {Form4_KEIJYOU});
        EXPECT_EQ(d.size, 11);
        EXPECT_EQ(d.colour, 0);
        EXPECT_EQ(d.style, 0);
        EXPECT_EQ(d.x, 0);
        EXPECT_EQ(openEnds(outlineSegments(d.events, m.B_Kakato != 0, m.B_Tumasaki != 0)),
                  std::vector<std::string>{});
        d = drawOn(m, choicesOf(in), {Form4_KEIJYOU, Form4_JIJYUU});
        EXPECT_EQ(d.size, 11);
        EXPECT_EQ(d.colour, 0);
        EXPECT_EQ(d.style, 0);
        EXPECT_EQ(overlaps(d.events), std::vector<std::string>{});
        EXPECT_LT(lowestPoint(d.events), 15600);
    }
}

// The report shows parts, it never changes them: the areas stay as the calculation left them.
TEST(LoadPage, LeavesTheDesignStateAsItFoundIt) {
    StabilityInput in = plainWallInput();
    Module1 m = stateOf(in);
    m.A7 = 1e-8f;  // a residue of rounding behind a vertical rear face without heel
    m.A8 = 0.02f;  // front soil counted by the calculation without a toe
    const Module1 before = m;
    drawOn(m, choicesOf(in), {Form4_KEIJYOU, Form4_JIJYUU});
    EXPECT_EQ(m.A7, before.A7);
    EXPECT_EQ(m.A8, before.A8);
    EXPECT_EQ(m.SumW, before.SumW);
}

// Which parts carry their number in the drawing: the back soil is left out without heel and
// with a vertical rear face whatever residue the calculation left; the front soil is shown
// whenever it was counted.
TEST(LoadPage, PartNumbersFollowTheSharedRule) {
    struct Case {
        const char* name;
        float B_Kakato, N_Usiro_In, A7, A8;
        bool seven, eight;
    } cases[] = {
        {"no heel, vertical face, residue", 0.0f, 0.0f, 1e-8f, 0.0f, false, false},
        {"no heel, battered inner face only", 0.0f, 0.05f, 0.0f, 0.0f, false, false},
        {"heel", 0.5f, 0.0f, 0.4f, 0.0f, true, false},
        {"front soil counted without toe", 0.0f, 0.0f, 0.0f, 0.02f, false, true},
        {"negative front soil", 0.0f, 0.0f, 0.0f, -0.02f, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StabilityInput in = plainWallInput();
        Module1 m = stateOf(in);
        m.B_Kakato = c.B_Kakato;
        // Keep the foot thickness: an inner batter thins the top, the outer face stays.
        m.N_Usiro_In = c.N_Usiro_In;
        m.T1_Usiro = m.T2_Usiro - c.N_Usiro_In;
        m.A7 = c.A7;
        m.A8 = c.A8;
        EXPECT_EQ(showsPart(m, 7), c.seven);
        EXPECT_EQ(showsPart(m, 8), c.eight);
        const Drawn d = drawOn(m, choicesOf(in), {Form4_KEIJYOU});
        int seven = 0, eight = 0;
        for (const ReportEvent& e : d.events) {
            seven += e.kind == ReportEvent::Text && e.text == "⑦";
            eight += e.kind == ReportEvent::Text && e.text == "⑧";
        }
        EXPECT_EQ(seven, c.seven ? 1 : 0);
        EXPECT_EQ(eight, c.eight ? 1 : 0);
    }
}

// A wall without height above the slab has no soil surfaces: the section stops with a report
// error after what it drew, and prints no "inf" or "nan".
TEST(LoadPage, AWallWithoutHeightAboveTheSlabStopsWithAReason) {
    StabilityInput in = plainWallInput();
    Module1 m = stateOf(in);
    m.H_Zenmen = 0.0f;
    m.H1 = 0.0f;
    const Drawn d = drawOn(m, choicesOf(in), {Form4_KEIJYOU, Form4_JIJYUU});
    EXPECT_NE(d.error, "");
    EXPECT_FALSE(d.lines.empty());  // the headings stay
    for (const std::string& l : d.lines) {
        EXPECT_EQ(l.find("inf"), std::string::npos) << l;
        EXPECT_EQ(l.find("nan"), std::string::npos) << l;
    }
}

// Walls whose drawing at the scale of its height leaves its room: the printable width, below
// the load heading (eight lines of 220 twips) and above the lines from 6700.
const Room kDrawingRoom{0, 1760, 11600, 6700};

// A 1.7 m wall (H3 1.4 + H4 0.3) on a 5.7 m base: at 1000 / 0.595 twips a metre the rear end
// lies at X(5.7) = 12430.
StabilityInput wideWallInput() {
    StabilityInput in = batteredWallInput();
    in.wall.H1 = 0.3f, in.wall.H2 = 0.6f, in.wall.H3 = 1.4f, in.wall.H4 = 0.3f;
    in.wall.B_Tyuuou = 3.5f;
    return in;
}

// A 0.9 m wall (H3 0.7 + H4 0.2) on a 2.6 m base: at 1000 / 0.35 twips a metre the rear end
// lies at X(2.6) = 10279 and its height label runs to 12029.
StabilityInput lowWallInput() {
    StabilityInput in = batteredWallInput();
    in.wall.H1 = 0.2f, in.wall.H2 = 0.5f, in.wall.H3 = 0.7f, in.wall.H4 = 0.2f;
    in.wall.B_Tumasaki = 0.5f, in.wall.B_Tyuuou = 0.8f, in.wall.B_Kakato = 0.5f;
    in.wall.H_Tyuuou = 0.2f;
    return in;
}

// 400 kN/m2 behind the wall: marks 4000 twips high over the back ground at Y(0.3) = 2906, the
// label 400 twips above them at y -1494. The wall itself fits: it keeps its scale and the
// marks shrink on their own, until the label stands just below the top row of dimensions
// (1900 to 2080), which it would meet on its way up.
StabilityInput heavySurchargeInput() {
    StabilityInput in = batteredWallInput();
    in.wall.Q_Haimen = 400.0f;
    return in;
}

TEST(LoadPage, ADrawingThatWouldLeaveItsRoomShrinksJustEnoughAndStaysTrue) {
    struct Case {
        const char* wall;
        StabilityInput (*input)();
        const char* label;  // a label as the wall has it: the base width, the surcharge
        bool wallShrinks;
    } cases[] = {
        {"wide", wideWallInput, "5,700", true},
        {"low", lowWallInput, "2,600", true},
        {"heavy surcharge", heavySurchargeInput, "400.0kN/m2", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wall);
        const StabilityInput in = c.input();
        Module1 m = stateOf(in);
        const float ownScale = wallDrawingScale(m.H3, m.H4);
        const Drawn d = drawOn(m, choicesOf(in), {Form4_KEIJYOU, Form4_JIJYUU});
        EXPECT_EQ(d.error, "");
        const std::vector<std::string> figure = figureLines(d.lines, 2, 6700);
        ASSERT_GT(figure.size(), 60u);
        EXPECT_EQ(leavingRoom(figure, kDrawingRoom), std::vector<std::string>{});
        if (c.wallShrinks) {
            EXPECT_LE(leastClearance(figure, kDrawingRoom), 1.0) << "shrunk more than needed";
            EXPECT_GT(m.Syukusyaku, ownScale);
        } else {
            EXPECT_EQ(m.Syukusyaku, ownScale);
            int under = 0;  // the surcharge's label right under the top row's labels
            for (const PlacedText& t : placedTexts(figure))
                under += t.text == "上載荷重" && t.y == 2080;
            EXPECT_EQ(under, 1);
        }
        // One factor for both directions: the underside of the base from the toe root to the
        // heel root against the rear wall's height from its top (2600) to the underside.
        const std::vector<double> underside = strokeEnds(figure[7]);
        const double drawnWidth = underside[2] - underside[0];
        const double drawnHeight = underside[1] - 2600;
        const double width = double(m.B) - m.B_Tumasaki - m.B_Kakato;
        EXPECT_NEAR(drawnWidth / drawnHeight, width / (double(m.H3) + m.H4), 0.01);
        EXPECT_NEAR(drawnHeight, (double(m.H3) + m.H4) * 1000 / m.Syukusyaku, 1.0);
        // The labels keep their size and the wall's real dimensions.
        const std::vector<PlacedText> texts = placedTexts(figure);
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const PlacedText& t) {
            return t.text == c.label && t.size == 9;
        }));
        EXPECT_EQ(overlaps(d.events), std::vector<std::string>{});
    }
}

// The three hand-worked walls fit their room: each keeps the scale of its height.
TEST(LoadPage, ADrawingThatFitsKeepsTheScaleOfItsHeight) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.file);
        const StabilityInput in = p.input();
        Module1 m = stateOf(in);
        drawOn(m, choicesOf(in), {Form4_KEIJYOU});
        EXPECT_EQ(m.Syukusyaku, wallDrawingScale(m.H3, m.H4));
    }
}

// A two-sided wall whose back ground and rear wall are both 0 m high, which the pages
// calculate: the back ground lies at the rear wall's top, so the back surcharge's label
// stands 300 twips right of the rear wall's outer top corner and 400 above its marks, without
// a division by the wall's height.
TEST(LoadPage, TheBackSurchargeOfAWallWithoutHeightIsLabelledAtTheRearTopCorner) {
    StabilityInput in = symmetricWallInput();
    in.wall.H3 = 0.0f, in.wall.H4 = 0.0f;
    Module1 m = stateOf(in);
    const Drawn d = drawOn(m, choicesOf(in), {Form4_KEIJYOU, Form4_JIJYUU});
    EXPECT_EQ(d.error, "");
    const std::vector<ReportEvent> outline = outlineSegments(d.events, true, true);
    ASSERT_GE(outline.size(), 4u);
    const ReportEvent& rearTop = outline[3];  // from the inner to the outer top corner
    EXPECT_EQ(rearTop.y2, 2600);
    // The first stroke of the back surcharge rises from the corner: its top is the marks' top.
    const auto mark = std::find_if(d.events.begin(), d.events.end(), [&](const ReportEvent& e) {
        return e.kind == ReportEvent::Segment && e.x1 == rearTop.x2 && e.x2 == rearTop.x2 &&
               e.y1 == 2600 && e.y2 < 2600;
    });
    ASSERT_NE(mark, d.events.end());
    const std::vector<PlacedText> texts = placedTexts(d.lines);
    const auto label = std::find_if(texts.begin(), texts.end(),
                                    [](const PlacedText& t) { return t.text == "上載荷重"; });
    ASSERT_NE(label, texts.end());
    EXPECT_NEAR(label->x, rearTop.x2 + 300, 1.0);
    EXPECT_NEAR(label->y, mark->y2 - 400, 1.0);
    ASSERT_NE(label + 1, texts.end());
    EXPECT_EQ((label + 1)->text, "10.0kN/m2");
    EXPECT_NEAR((label + 1)->y, label->y + 200, 1.0);
}

// A back ground as far below the base underside as the rear wall's top is above it (H3 = -0.4,
// H4 = 0.4), which the pages calculate: the rear face taken from its top to the base underside
// has no height, so the back surcharge's label stands 300 twips right of its marks, where the
// drawing lays the ground against the face, the outer batter spread over the wall's height above
// the slab. Batter 0.5 - 0.3 = 0.2; above the slab H_Haimen + H4 = (-0.4 - 0.3) + 0.4 = -0.3;
// B = 0.3 + 1.4 + 0.5 = 2.2; the ground on the face at 2.2 - 0.2 + 0.2 x 0.4 / -0.3 = 1.7333 m.
TEST(LoadPage, TheBackSurchargeOverAFaceWithoutHeightIsLabelledOverItsMarks) {
    StabilityInput in = plainWallInput();
    in.wall.H3 = -0.4f, in.wall.H4 = 0.4f;
    in.wall.T2_Usiro = 0.5f;
    Module1 m = stateOf(in);
    const Drawn d = drawOn(m, choicesOf(in), {Form4_KEIJYOU, Form4_JIJYUU});
    EXPECT_EQ(d.error, "");
    const double perMetre = 1000.0 / m.Syukusyaku;
    const double xGround = 2850.0 + (2.2 - 0.2 + 0.2 * 0.4 / -0.3) * perMetre;
    const double yGround = 2600.0 + 0.4 * perMetre;
    // The first stroke of the back surcharge rises from the ground on the face.
    const auto mark = std::find_if(d.events.begin(), d.events.end(), [&](const ReportEvent& e) {
        return e.kind == ReportEvent::Segment && std::abs(e.x1 - xGround) < 1.0 &&
               e.x2 == e.x1 && std::abs(e.y1 - yGround) < 1.0 && e.y2 < e.y1;
    });
    ASSERT_NE(mark, d.events.end());
    const std::vector<PlacedText> texts = placedTexts(d.lines);
    const auto label = std::find_if(texts.begin(), texts.end(),
                                    [](const PlacedText& t) { return t.text == "上載荷重"; });
    ASSERT_NE(label, texts.end());
    EXPECT_NEAR(label->x, xGround + 300, 1.0);
    EXPECT_NEAR(label->y, mark->y2 - 400, 1.0);
    ASSERT_NE(label + 1, texts.end());
    EXPECT_EQ((label + 1)->text, "10.0kN/m2");
}

}  // namespace
}  // namespace pelzaro
