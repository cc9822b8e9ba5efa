#include "project/condition_lines.h"

#include <cstring>
#include <stdexcept>

#include "conditions/allowable_stress.h"
#include "conditions/seismic.h"
#include "numeric/lenient.h"
#include "numeric/rounding.h"
#include "project/layout.h"
#include "project/project_reader.h"
#include "project/value_forms.h"

namespace pelzaro {

namespace {

const char kTooLarge[] = "値が大きすぎます";

const LineSpec& entryNamed(FormId form, const char* name) {
    for (const LineSpec& entry : projectLayout())
        if (entry.form == form && std::strcmp(entry.name, name) == 0) return entry;
    throw std::logic_error(std::string("no project line for ") + name);
}

bool optionSet(const ProjectLines& project, FormId form, const char* name) {
    return parseBoolean(project.line(entryNamed(form, name).line)).value_or(false);
}

double numberOf(const ProjectLines& project, FormId form, const char* name) {
    return Val(project.line(entryNamed(form, name).line));
}

LineProblem tooLarge(FormId form, const char* name) {
    return {entryNamed(form, name).line, kTooLarge};
}

// Open sets an option group line by line, so the last option set is the one that stays.
DesignStandard standardOf(const ProjectLines& project) {
    if (optionSet(project, FormId::Form3, "opt_D")) return DesignStandard::Std_D;
    if (optionSet(project, FormId::Form3, "opt_T")) return DesignStandard::Std_T;
    return DesignStandard::None;
}

Zone zoneOf(const ProjectLines& project) {
    if (optionSet(project, FormId::Form25, "opt_C")) return Zone::C;
    if (optionSet(project, FormId::Form25, "opt_B")) return Zone::B;
    if (optionSet(project, FormId::Form25, "opt_A")) return Zone::A;
    return Zone::None;
}

// Every text box of the design-conditions page but the site holds a number.
bool conditionsNumberField(const LineSpec& entry) {
    return entry.form == FormId::Form3 && entry.target == Target::Text &&
           std::strncmp(entry.name, "txt", 3) == 0 && std::strcmp(entry.name, "txt1") != 0;
}

}  // namespace

std::optional<LineProblem> conditionsProblem(const ProjectLines& project) {
    for (const LineSpec& entry : projectLayout())
        if (conditionsNumberField(entry) && !fitsSingle(Val(project.line(entry.line))))
            return LineProblem{entry.line, kTooLarge};

    const DesignStandard standard = standardOf(project);
    const SeismicOutcome seismic = seismicCoefficients(
        standard, numberOf(project, FormId::Form25, "Text1"),
        numberOf(project, FormId::Form25, "Text2"), zoneOf(project), {});
    if (seismic.refusal == SeismicRefusal::KhBeyondSingle) return tooLarge(FormId::Form25, "Text1");
    if (seismic.refusal == SeismicRefusal::KvBeyondSingle) return tooLarge(FormId::Form25, "Text2");

    // The allowable stresses follow from the concrete strength and the bearing capacity; the
    // page names the larger of the two when they overflow.
    const float Fc = static_cast<float>(numberOf(project, FormId::Form3, "txt2"));
    const float Qa_N = static_cast<float>(numberOf(project, FormId::Form3, "txt4"));
    if (allowableStresses(standard, Fc, Qa_N, seismic.value.Kh, {}).refusal !=
        StressRefusal::None)
        return tooLarge(FormId::Form3, Fc > Qa_N ? "txt2" : "txt4");
    return std::nullopt;
}

}  // namespace pelzaro
