#include "report/coefficient_strokes.h"

namespace pelzaro {

const FormulaStrokes& coulombStrokes() {
    static const FormulaStrokes strokes{
        {
            {4175, 2625, 4200, 2550},  // tick
            {4200, 2550, 4250, 2750},  // falling
            {4250, 2750, 4400, 2100},  // rising
            {4400, 2100, 7050, 2100},  // vinculum
            {3875, 2100, 3775, 2200},  // left upper slant
            {3775, 2200, 3775, 2700},  // left upright
            {3775, 2700, 3875, 2800},  // left lower slant
            {7100, 2100, 7200, 2200},  // right upper slant
            {7200, 2200, 7200, 2700},  // right upright
            {7200, 2700, 7100, 2800},  // right lower slant
        },
        {
            {6075, 3775, 6100, 3700},    // tick
            {6100, 3700, 6150, 3900},    // falling
            {6150, 3900, 6300, 3250},    // rising
            {6300, 3250, 10900, 3250},   // vinculum
            {5800, 3250, 5700, 3350},    // left upper slant
            {5700, 3350, 5700, 3850},    // left upright
            {5700, 3850, 5800, 3950},    // left lower slant
            {10950, 3250, 11050, 3350},  // right upper slant
            {11050, 3350, 11050, 3850},  // right upright
            {11050, 3850, 10950, 3950},  // right lower slant
        },
        {
            {3975, 4925, 4000, 4850},  // tick
            {4000, 4850, 4050, 5050},  // falling
            {4050, 5050, 4200, 4400},  // rising
            {4200, 4400, 6000, 4400},  // vinculum
            {3675, 4400, 3575, 4500},  // left upper slant
            {3575, 4500, 3575, 5000},  // left upright
            {3575, 5000, 3675, 5100},  // left lower slant
            {6050, 4400, 6150, 4500},  // right upper slant
            {6150, 4500, 6150, 5000},  // right upright
            {6150, 5000, 6050, 5100},  // right lower slant
        },
    };
    return strokes;
}

const FormulaStrokes& mononobeOkabeStrokes() {
    static const FormulaStrokes strokes{
        {
            {1650, 2600, 8070, 2600},  // main bar
            {5120, 3030, 7790, 3030},  // inner bar
            {4845, 3225, 4870, 3150},  // tick
            {4870, 3150, 4920, 3350},  // falling
            {4940, 3350, 5070, 2700},  // rising
            {5070, 2700, 7790, 2700},  // vinculum
            {4545, 2700, 4445, 2800},  // left upper slant
            {4445, 2800, 4445, 3300},  // left upright
            {4445, 3300, 4545, 3400},  // left lower slant
            {7770, 2700, 7870, 2800},  // right upper slant
            {7870, 2800, 7870, 3300},  // right upright
            {7870, 3300, 7770, 3400},  // right lower slant
        },
        {
            {1400, 3750, 11450, 3750},   // main bar
            {6850, 4180, 11200, 4180},   // inner bar
            {6575, 4375, 6600, 4300},    // tick
            {6600, 4300, 6650, 4500},    // falling
            {6650, 4500, 6800, 3850},    // rising
            {6800, 3850, 11200, 3850},   // vinculum
            {6300, 3850, 6200, 3950},    // left upper slant
            {6200, 3950, 6200, 4450},    // left upright
            {6200, 4450, 6300, 4550},    // left lower slant
            {11230, 3850, 11330, 3950},  // right upper slant
            {11330, 3950, 11330, 4450},  // right upright
            {11330, 4450, 11230, 4550},  // right lower slant
        },
        {
            {1380, 4900, 6230, 4900},  // main bar
            {4330, 5330, 5730, 5330},  // inner bar
            {4055, 5525, 4080, 5450},  // tick
            {4070, 5450, 4130, 5650},  // falling
            {4130, 5650, 4280, 5000},  // rising
            {4280, 5000, 5730, 5000},  // vinculum
            {3755, 5000, 3655, 5100},  // left upper slant
            {3655, 5100, 3655, 5600},  // left upright
            {3655, 5600, 3755, 5700},  // left lower slant
            {5780, 5000, 5880, 5100},  // right upper slant
            {5880, 5100, 5880, 5600},  // right upright
            {5880, 5600, 5780, 5700},  // right lower slant
        },
    };
    return strokes;
}

}  // namespace pelzaro
