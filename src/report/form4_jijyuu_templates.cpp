// How each part's area is made up, written out from the wall's dimensions, and the surcharge
// loads with the widths they act on.

#include <string>
#include <vector>

#include "report/conventions.h"
#include "report/report_error.h"
#include "report/self_weight.h"
#include "report/self_weight_texts.h"
#include "report/shown_parts.h"

namespace pelzaro {

SoilSetBacks reportedSoilSetBacks(const Module1& m) {
    if (frontWallHeightAboveSlab(m) == 0.0 || rearWallHeightAboveSlab(m) == 0.0)
        throw ReportError("the soil surfaces (wall height above the slab): division by zero");
    return soilSetBacks(m);
}

SurchargeWidths reportedSoilWidths(const Module1& m) {
    return surchargeWidths(m, reportedSoilSetBacks(m));
}

namespace {

// A number of a template: the expression in single precision, three decimals.
std::string single3(double v) {
    return Num(static_cast<float>(v), "0.000");
}

}  // namespace

void printAreaTemplate(Surface& pri, const Module1& m, int k, double y) {
    using namespace weight_text;
    switch (k) {
        case 1:
            if (m.T1_Mae == m.T2_Mae)
                printAt(pri, 2100, y, {single3(m.T1_Mae), kTimes, single3(double(m.H2) + m.H1)});
            if (!(m.N_Mae_In == 0.0f && m.N_Mae_Out == 0.0f)) {
                printAt(pri, 2100, y - 100,
                        {single3(double(m.H_Zenmen) + m.H1), kTimesOpen, single3(m.T1_Mae), kPlus,
                         single3(m.T2_Mae), kCloseHalf});
                printAt(pri, 3200, y + 100,
                        {kPlus, single3(m.T2_Mae), kTimes, single3(m.D_Teiban)});
            }
            break;
        case 2:
            if (m.T1_Usiro == m.T2_Usiro)
                printAt(pri, 2100, y, {single3(m.T1_Usiro), kTimes, single3(double(m.H3) + m.H4)});
            if (!(m.N_Usiro_In == 0.0f && m.N_Usiro_Out == 0.0f)) {
                printAt(pri, 2100, y - 100,
                        {single3(double(m.H_Haimen) + m.H4), kTimesOpen, single3(m.T1_Usiro), kPlus,
                         single3(m.T2_Usiro), kCloseHalf});
                printAt(pri, 3200, y + 100,
                        {kPlus, single3(m.T2_Usiro), kTimes, single3(m.D_Teiban)});
            }
            break;
        case 3:
            printAt(pri, 2100, y, {single3(m.B_Tyuuou), kTimes, single3(m.D_Teiban)});
            break;
        case 4:
            if (m.D_Teiban == m.D_Kakato)
                printAt(pri, 2100, y, {single3(m.B_Kakato), kTimes, single3(m.D_Teiban)});
            else
                printAt(pri, 2100, y,
                        {single3(m.B_Kakato), kTimesOpen, single3(m.D_Teiban), kPlus,
                         single3(m.D_Kakato), kCloseHalf});
            break;
        case 5:
            if (m.D_Teiban == m.D_Tumasaki)
                printAt(pri, 2100, y, {single3(m.B_Tumasaki), kTimes, single3(m.D_Teiban)});
            else
                printAt(pri, 2100, y,
                        {single3(m.B_Tumasaki), kTimesOpen, single3(m.D_Teiban), kPlus,
                         single3(m.D_Tumasaki), kCloseHalf});
            break;
        case 6:
            if (m.N_Mae_In == 0.0f && m.N_Usiro_In == 0.0f)
                printAt(pri, 2100, y, {single3(m.B_Tyuuou), kTimes, single3(m.H_Tyuuou)});
            else
                printAt(pri, 2100, y,
                        {single3(m.H_Tyuuou), kTimesOpen, single3(m.B_Tyuuou), kPlus,
                         single3(reportedSoilWidths(m).centre), kCloseHalf});
            break;
        case 7: {
            const bool vertical = rearOuterFaceVertical(m);
            const bool level = m.D_Teiban == m.D_Kakato;  // no haunch on the heel
            if (m.B_Kakato != 0.0f && vertical && level) {
                printAt(pri, 2100, y, {single3(m.B_Kakato), kTimes, single3(m.H_Haimen)});
            } else if (m.B_Kakato != 0.0f && !vertical && level) {
                printAt(pri, 2100, y,
                        {kOpen, single3(m.B_Kakato), kPlus, single3(reportedSoilWidths(m).back),
                         kCloseTimes, single3(m.H_Haimen), kHalf});
            } else if (m.B_Kakato != 0.0f && vertical) {
                printAt(pri, 2100, y,
                        {single3(m.B_Kakato), kTimesOpen, single3(m.H_Haimen), kPlus,
                         single3(double(m.D_Kakato_H) + m.H_Haimen), kCloseHalf});
            } else if (m.B_Kakato != 0.0f) {
                printAt(pri, 2100, y - 100,
                        {single3(m.H_Haimen), kTimesOpen, single3(m.B_Kakato), kPlus,
                         single3(reportedSoilWidths(m).back), kCloseHalf});
                printAt(pri, 2900, y + 100,
                        {kPlus, single3(m.B_Kakato), kTimes, single3(m.D_Kakato_H), kHalf});
            } else if (!vertical) {
                printAt(pri, 2100, y,
                        {single3(reportedSoilWidths(m).back), kTimes, single3(m.H_Haimen), kHalf});
            }
            break;
        }
        case 8: {
            const bool vertical = frontOuterFaceVertical(m);
            const bool level = m.D_Teiban == m.D_Tumasaki;  // no haunch on the toe
            if (vertical && level) {
                printAt(pri, 2100, y, {single3(m.B_Tumasaki), kTimes, single3(m.H_Zenmen)});
            } else if (level) {
                printAt(pri, 2100, y,
                        {single3(m.H_Zenmen), kTimesOpen, single3(m.B_Tumasaki), kPlus,
                         single3(reportedSoilWidths(m).front), kCloseHalf});
            } else if (vertical) {
                printAt(pri, 2100, y,
                        {single3(m.B_Tumasaki), kTimesOpen, single3(m.H_Zenmen), kPlus,
                         single3(double(m.H_Zenmen) + m.D_Tumasaki_H), kCloseHalf});
            } else {
                printAt(pri, 2100, y - 100,
                        {single3(m.H_Zenmen), kTimesOpen, single3(m.B_Tumasaki), kPlus,
                         single3(reportedSoilWidths(m).front), kClose, kHalf});
                printAt(pri, 2900, y + 100,
                        {kPlus, single3(m.B_Tumasaki), kTimes, single3(m.D_Tumasaki_H), kHalf});
            }
            break;
        }
    }
}

void printSurchargeLoads(Surface& pri, const Module1& m) {
    using namespace weight_text;
    pri.Print();
    pri.Print();
    pri.Print({kSurchargeHeading});
    pri.Print();
    struct Load {
        const char* lead;
        float q, load;
        double SurchargeWidths::*width;
    };
    const Load loads[] = {{kBackLoad, m.Q_Haimen, m.W_Q_Haimen, &SurchargeWidths::back},
                          {kCentreLoad, m.Q_Tyuuou, m.W_Q_Tyuuou, &SurchargeWidths::centre},
                          {kFrontLoad, m.Q_Zenmen, m.W_Q_Zenmen, &SurchargeWidths::front}};
    for (const Load& l : loads) {
        if (l.load == 0.0f) continue;
        const float width = static_cast<float>(reportedSoilWidths(m).*l.width);
        pri.Print({l.lead, Num(l.q, "0.00#"), kTimes, Num(width, "0.0000"), kEq,
                   Num(l.load, "0.0000"), kPerMetre});
    }
}

}  // namespace pelzaro
