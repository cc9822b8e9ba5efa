// The page's values, the derived geometry of the section and the key inputs.

#include "stability/calc/soil_surfaces.h"
#include "stability/calc/stability_run.h"

namespace pelzaro {

void StabilityRun::readInputs() {
    const WallDimensions& d = in_.wall;
    w_.Syou_No = d.Syou_No;
    w_.Kigou = d.Kigou;
    w_.H1 = d.H1;
    w_.H2 = d.H2;
    w_.H3 = d.H3;
    w_.H4 = d.H4;
    w_.T1_Mae = d.T1_Mae;
    w_.N_Mae_In = d.N_Mae_In;
    w_.T1_Usiro = d.T1_Usiro;
    w_.N_Usiro_In = d.N_Usiro_In;
    w_.B_Tumasaki = d.B_Tumasaki;
    w_.T2_Mae = d.T2_Mae;
    w_.B_Tyuuou = d.B_Tyuuou;
    w_.T2_Usiro = d.T2_Usiro;
    w_.B_Kakato = d.B_Kakato;
    w_.D_Teiban = d.D_Teiban;
    w_.D_Tumasaki = d.D_Tumasaki;
    w_.D_Kakato = d.D_Kakato;
    w_.H_Tyuuou = d.H_Tyuuou;
    w_.Q_Haimen = d.Q_Haimen;
    w_.Q_Tyuuou = d.Q_Tyuuou;
    // The symmetric shape loads the front ground as the back; with no shape chosen the front
    // surcharge stays as it was.
    if (in_.shape == GroundShape::Shape_OneSided) w_.Q_Zenmen = d.Q_Zenmen;
    if (in_.shape == GroundShape::Shape_TwoSided) w_.Q_Zenmen = w_.Q_Haimen;
}

StabilityOutcome StabilityRun::deriveGeometry() {
    StabilityWork& w = w_;
    put(w.H, w.H3);
    put(w.B, double(w.T2_Mae) + w.B_Tumasaki + w.B_Tyuuou + w.T2_Usiro + w.B_Kakato);
    put(w.B_Haimen, (double(w.B_Kakato) + w.T2_Usiro) - (double(w.N_Usiro_In) + w.T1_Usiro));
    put(w.B_Tyuuou_Ue, double(w.N_Usiro_In) + w.N_Mae_In + w.B_Tyuuou);
    put(w.N_Mae_Out, double(w.T2_Mae) - w.T1_Mae - w.N_Mae_In);
    put(w.N_Usiro_Out, double(w.T2_Usiro) - w.T1_Usiro - w.N_Usiro_In);
    put(w.D_Tumasaki_H, double(w.D_Teiban) - w.D_Tumasaki);
    put(w.D_Kakato_H, double(w.D_Teiban) - w.D_Kakato);
    put(w.H_Zenmen, double(w.H2) - w.D_Tumasaki - w.D_Tumasaki_H);
    put(w.H_Haimen, double(w.H3) - w.D_Kakato - w.D_Kakato_H);
    // The symmetric shape takes the front heights from the rear; the front wall and the toe
    // keep their own dimensions.
    if (in_.shape == GroundShape::Shape_TwoSided) {
        w.H_Zenmen = w.H_Haimen;
        w.H1 = w.H4;
        w.H2 = w.H3;
    }
    if (tooLarge_) return StabilityOutcome::TooLarge;
    if (!(w.B > 0.0f)) return StabilityOutcome::NoBaseWidth;
    Hw_Mae = frontWallHeightAboveSlab(w);
    Hw_Usiro = rearWallHeightAboveSlab(w);
    // The batters are spread over each wall's height above the slab.
    if (Hw_Mae == 0.0 || Hw_Usiro == 0.0) return StabilityOutcome::NoWallHeight;
    const SoilSetBacks s = soilSetBacks(w);
    Nc_Mae = s.centreFront;
    Nc_Usiro = s.centreRear;
    Ng_Mae = s.groundFront;
    Ng_Usiro = s.groundRear;
    return StabilityOutcome::Ok;
}

void StabilityRun::readKeyInputs() {
    // Without a key the dimensions stay; the page itself sets H0 to 0 when "no key" is chosen.
    if (in_.key != ShearKey::Key_Present || !in_.keyDims) return;
    w_.H0 = in_.keyDims->H0;
    w_.B1 = in_.keyDims->B1;
    w_.D_Tokki = in_.keyDims->D_Tokki;
}

}  // namespace pelzaro
