#include "project/binding.h"

#include <map>

#include "conditions/form25.h"
#include "conditions/form3.h"
#include "forms/app.h"
#include "members/form22.h"
#include "members/form7.h"
#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form21.h"
#include "stability/form23.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {

Window& windowOf(App& app, FormId form) {
    switch (form) {
        case FormId::Form3:
            return app.get<Form3>();
        case FormId::Form23:
            return app.get<Form23>();
        case FormId::Form4:
            return app.get<Form4>();
        case FormId::Form19:
            return app.get<Form19>();
        case FormId::Form25:
            return app.get<Form25>();
        case FormId::Form14:
            return app.get<Form14>();
        case FormId::Form21:
            return app.get<Form21>();
        case FormId::Form22:
            return app.get<Form22>();
        case FormId::Form7:
            return app.get<Form7>();
        case FormId::Form26:
            return app.get<Form26>();
        case FormId::State:
            break;
    }
    return app.get<Form3>();  // never reached: design-state lines have no window
}

Control* controlOf(App& app, const LineSpec& entry) {
    if (entry.form == FormId::State) return nullptr;
    return windowOf(app, entry.form).find(entry.name);
}

float* singleOf(Module1& state, const std::string& name) {
    // The bar values of the eight member parts, four per part.
    static const std::map<std::string, float Module1::*> values = {
        {"a1_A", &Module1::a1_A},         {"U_A", &Module1::U_A},
        {"Kaburi_A", &Module1::Kaburi_A}, {"dk_A", &Module1::dk_A},
        {"a1_B", &Module1::a1_B},         {"U_B", &Module1::U_B},
        {"Kaburi_B", &Module1::Kaburi_B}, {"dk_B", &Module1::dk_B},
        {"a1_C", &Module1::a1_C},         {"U_C", &Module1::U_C},
        {"Kaburi_C", &Module1::Kaburi_C}, {"dk_C", &Module1::dk_C},
        {"a1_D", &Module1::a1_D},         {"U_D", &Module1::U_D},
        {"Kaburi_D", &Module1::Kaburi_D}, {"dk_D", &Module1::dk_D},
        {"a1_E", &Module1::a1_E},         {"U_E", &Module1::U_E},
        {"Kaburi_E", &Module1::Kaburi_E}, {"dk_E", &Module1::dk_E},
        {"a1_F", &Module1::a1_F},         {"U_F", &Module1::U_F},
        {"Kaburi_F", &Module1::Kaburi_F}, {"dk_F", &Module1::dk_F},
        {"a1_G", &Module1::a1_G},         {"U_G", &Module1::U_G},
        {"Kaburi_G", &Module1::Kaburi_G}, {"dk_G", &Module1::dk_G},
        {"a1_H", &Module1::a1_H},         {"U_H", &Module1::U_H},
        {"Kaburi_H", &Module1::Kaburi_H}, {"dk_H", &Module1::dk_H},
    };
    auto it = values.find(name);
    return it == values.end() ? nullptr : &(state.*(it->second));
}

}  // namespace pelzaro
