#include "report/page_plan.h"

#include "report/sections.h"

namespace pelzaro {

WallParts wallParts(const Module1& m) {
    return WallParts{m.B_Kakato != 0.0f, m.B_Tumasaki != 0.0f, m.H0 != 0.0f};
}

bool hasPage9(WallParts p) {
    return (p.heel ? 1 : 0) + (p.toe ? 1 : 0) + (p.key ? 1 : 0) >= 2;
}

std::vector<SectionPrinter> pageSections(int page, WallParts p) {
    switch (page) {
    case 1: return {Form3_Ippan};
    case 2: return {Form4_KEIJYOU, Form4_JIJYUU};
    case 3: return {Form4_Doatu, Form4_Doatu2};
    case 4: return {Form4_KENTOU};
    case 5: return {Form7_HAIKIN};
    case 6: return {Form7_HAIKIN_A, Form7_HAIKIN_B};
    case 7: return {Form7_HAIKIN_E, Form7_HAIKIN_F};
    case 8:
        // The slab's rear end, then the first of heel, toe and key that the wall has.
        if (p.heel) return {Form7_HAIKIN_G, Form7_HAIKIN_H};
        if (p.toe) return {Form7_HAIKIN_G, Form7_HAIKIN_I};
        if (p.key) return {Form7_HAIKIN_G, Form7_HAIKIN_J};
        return {Form7_HAIKIN_G};
    case 9:
        // What page 8 left of toe and key, on a wall that has a page 9 at all.
        if (!hasPage9(p)) return {};
        if (p.toe && p.key) {
            if (p.heel) return {Form7_HAIKIN_I, Form7_HAIKIN_J};
            return {Form7_HAIKIN_J};
        }
        if (p.toe) return {Form7_HAIKIN_I};
        if (p.key) return {Form7_HAIKIN_J};
        return {};
    }
    return {};
}

}  // namespace pelzaro
