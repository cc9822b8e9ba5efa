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

SurchargeWidths reportedSoilWidths(const Module1& m) {
    if (frontWallHeightAboveSlab(m) == 0.0 || rearWallHeightAboveSlab(m) == 0.0)
        throw ReportError("the soil surfaces (wall height above the slab): division by zero");
    return surchargeWidths(m, soilSetBacks(m));
}

namespace {

// A number of a template: the expression in single precision, three decimals.
std::string n3(double v) { return Num(static_cast<float>(v), "0.000"); }

void line(Surface& pri, double x, double y, const std::vector<std::string>& items) {
    pri.CurrentX(x);
    pri.CurrentY(y);
    pri.Print(items);
}

}  // namespace

void printAreaTemplate(Surface& pri, const Module1& m, int k, double y) {
    using namespace weight_text;
    switch (k) {
    case 1:
        if (m.T1_Mae == m.T2_Mae) line(pri, 2100, y, {n3(m.T1_Mae), kTimes, n3(double(m.H2) + m.H1)});
        if (!(m.N_Mae_In == 0.0f && m.N_Mae_Out == 0.0f)) {
            line(pri, 2100, y - 100, {n3(double(m.H_Zenmen) + m.H1), kTimesOpen, n3(m.T1_Mae), kPlus,
                                      n3(m.T2_Mae), kCloseHalf});
            line(pri, 3200, y + 100, {kPlus, n3(m.T2_Mae), kTimes, n3(m.D_Teiban)});
        }
        break;
    case 2:
        if (m.T1_Usiro == m.T2_Usiro)
            line(pri, 2100, y, {n3(m.T1_Usiro), kTimes, n3(double(m.H3) + m.H4)});
        if (!(m.N_Usiro_In == 0.0f && m.N_Usiro_Out == 0.0f)) {
            line(pri, 2100, y - 100, {n3(double(m.H_Haimen) + m.H4), kTimesOpen, n3(m.T1_Usiro), kPlus,
                                      n3(m.T2_Usiro), kCloseHalf});
            line(pri, 3200, y + 100, {kPlus, n3(m.T2_Usiro), kTimes, n3(m.D_Teiban)});
        }
        break;
    case 3:
        line(pri, 2100, y, {n3(m.B_Tyuuou), kTimes, n3(m.D_Teiban)});
        break;
    case 4:
        if (m.D_Teiban == m.D_Kakato)
            line(pri, 2100, y, {n3(m.B_Kakato), kTimes, n3(m.D_Teiban)});
        else
            line(pri, 2100, y, {n3(m.B_Kakato), kTimesOpen, n3(m.D_Teiban), kPlus, n3(m.D_Kakato),
                                kCloseHalf});
        break;
    case 5:
        if (m.D_Teiban == m.D_Tumasaki)
            line(pri, 2100, y, {n3(m.B_Tumasaki), kTimes, n3(m.D_Teiban)});
        else
            line(pri, 2100, y, {n3(m.B_Tumasaki), kTimesOpen, n3(m.D_Teiban), kPlus,
                                n3(m.D_Tumasaki), kCloseHalf});
        break;
    case 6:
        if (m.N_Mae_In == 0.0f && m.N_Usiro_In == 0.0f)
            line(pri, 2100, y, {n3(m.B_Tyuuou), kTimes, n3(m.H_Tyuuou)});
        else
            line(pri, 2100, y, {n3(m.H_Tyuuou), kTimesOpen, n3(m.B_Tyuuou), kPlus,
                                n3(reportedSoilWidths(m).centre), kCloseHalf});
        break;
    case 7: {
        const bool vertical = rearOuterFaceVertical(m);
        const bool level = m.D_Teiban == m.D_Kakato;  // no haunch on the heel
        if (m.B_Kakato != 0.0f && vertical && level) {
            line(pri, 2100, y, {n3(m.B_Kakato), kTimes, n3(m.H_Haimen)});
        } else if (m.B_Kakato != 0.0f && !vertical && level) {
            line(pri, 2100, y, {kOpen, n3(m.B_Kakato), kPlus, n3(reportedSoilWidths(m).back),
                                kCloseTimes, n3(m.H_Haimen), kHalf});
        } else if (m.B_Kakato != 0.0f && vertical) {
            line(pri, 2100, y, {n3(m.B_Kakato), kTimesOpen, n3(m.H_Haimen), kPlus,
                                n3(double(m.D_Kakato_H) + m.H_Haimen), kCloseHalf});
        } else if (m.B_Kakato != 0.0f) {
            line(pri, 2100, y - 100, {n3(m.H_Haimen), kTimesOpen, n3(m.B_Kakato), kPlus,
                                      n3(reportedSoilWidths(m).back), kCloseHalf});
            line(pri, 2900, y + 100, {kPlus, n3(m.B_Kakato), kTimes, n3(m.D_Kakato_H), kHalf});
        } else if (!vertical) {
            line(pri, 2100, y, {n3(reportedSoilWidths(m).back), kTimes, n3(m.H_Haimen), kHalf});
        }
        break;
    }
    case 8: {
        const bool vertical = frontOuterFaceVertical(m);
        const bool level = m.D_Teiban == m.D_Tumasaki;  // no haunch on the toe
        if (vertical && level) {
            line(pri, 2100, y, {n3(m.B_Tumasaki), kTimes, n3(m.H_Zenmen)});
        } else if (level) {
            line(pri, 2100, y, {n3(m.H_Zenmen), kTimesOpen, n3(m.B_Tumasaki), kPlus,
                                n3(reportedSoilWidths(m).front), kCloseHalf});
        } else if (vertical) {
            line(pri, 2100, y, {n3(m.B_Tumasaki), kTimesOpen, n3(m.H_Zenmen), kPlus,
                                n3(double(m.H_Zenmen) + m.D_Tumasaki_H), kCloseHalf});
        } else {
            line(pri, 2100, y - 100, {n3(m.H_Zenmen), kTimesOpen, n3(m.B_Tumasaki), kPlus,
                                      n3(reportedSoilWidths(m).front), kClose, kHalf});
            line(pri, 2900, y + 100, {kPlus, n3(m.B_Tumasaki), kTimes, n3(m.D_Tumasaki_H), kHalf});
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
