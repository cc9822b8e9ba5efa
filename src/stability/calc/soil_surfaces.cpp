#include "stability/calc/soil_surfaces.h"

namespace pelzaro {

double frontWallHeightAboveSlab(const StabilityVars& w) { return double(w.H_Zenmen) + w.H1; }
double rearWallHeightAboveSlab(const StabilityVars& w) { return double(w.H_Haimen) + w.H4; }

SoilSetBacks soilSetBacks(const StabilityVars& w) {
    const double hwMae = frontWallHeightAboveSlab(w);
    const double hwUsiro = rearWallHeightAboveSlab(w);
    SoilSetBacks s;
    s.centreFront = w.H_Tyuuou * double(w.N_Mae_In) / hwMae;
    s.centreRear = w.H_Tyuuou * double(w.N_Usiro_In) / hwUsiro;
    s.groundFront = w.H_Zenmen * double(w.N_Mae_Out) / hwMae;
    s.groundRear = w.H_Haimen * double(w.N_Usiro_Out) / hwUsiro;
    return s;
}

SurchargeWidths surchargeWidths(const StabilityVars& w, const SoilSetBacks& s) {
    SurchargeWidths b;
    b.back = s.groundRear + w.B_Kakato;
    b.centre = s.centreFront + w.B_Tyuuou + s.centreRear;
    b.front = s.groundFront + w.B_Tumasaki;
    return b;
}

}  // namespace pelzaro
