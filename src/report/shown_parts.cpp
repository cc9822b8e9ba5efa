#include "report/shown_parts.h"

namespace pelzaro {

bool rearOuterFaceVertical(const Module1& m) {
    return static_cast<float>(double(m.N_Usiro_In) + m.T1_Usiro) == m.T2_Usiro;
}

bool frontOuterFaceVertical(const Module1& m) {
    return static_cast<float>(double(m.N_Mae_In) + m.T1_Mae) == m.T2_Mae;
}

float partArea(const Module1& m, int k) {
    switch (k) {
    case 1: return m.A1;
    case 2: return m.A2;
    case 3: return m.A3;
    case 4: return m.A4;
    case 5: return m.A5;
    case 6: return m.A6;
    case 7: return m.A7;
    case 8: return m.A8;
    }
    return 0.0f;
}

bool showsPart(const Module1& m, int k) {
    if (k == 7 && m.B_Kakato == 0.0f && rearOuterFaceVertical(m)) return false;
    return partArea(m, k) != 0.0f;
}

}  // namespace pelzaro
