#pragma once
// Which of the eight self-weight parts the report shows: the numbers in the wall drawing, the
// rows of the self-weight table and the rows of the load summary all follow this one rule, so
// that every page shows the same parts whatever page was drawn before it, and the rows shown
// add up to the totals the calculation stored. The report never changes the areas themselves.
//
// Parts: 1 front wall, 2 rear wall, 3 slab between the walls, 4 heel, 5 toe, 6 centre soil,
// 7 back soil, 8 front soil.

#include "state/module1.h"

namespace pelzaro {

// The rear wall's outer face is vertical: its inner batter and top thickness, added in single
// precision, make up its foot thickness exactly.
bool rearOuterFaceVertical(const Module1& m);
// The same for the front wall.
bool frontOuterFaceVertical(const Module1& m);

// The stored area of part k (1 .. 8).
float partArea(const Module1& m, int k);

// Part k is shown when its stored area is not zero; the back soil is left out where the wall
// has no heel and a vertical rear outer face, where only a residue of the calculation's
// rounding can be left of it.
bool showsPart(const Module1& m, int k);

}  // namespace pelzaro
