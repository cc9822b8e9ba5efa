#include "conditions/seismic.h"

#include "numeric/rounding.h"

namespace pelzaro {

namespace {
double zoneFactor(Zone zone, double previous) {
    switch (zone) {
        case Zone::A:
            return 1.0;
        case Zone::B:
            return 0.85;
        case Zone::C:
            return 0.7;
        default:
            return previous;
    }
}
}  // namespace

SeismicOutcome seismicCoefficients(DesignStandard standard, double text1, double text2, Zone zone,
                                   const SeismicCoefficients& previous) {
    SeismicOutcome out;
    out.value = previous;
    SeismicCoefficients& c = out.value;
    if (standard == DesignStandard::Std_T) {
        c.Kh = static_cast<float>(text1);
    } else if (standard == DesignStandard::Std_D) {
        c.Kho = text1;
        c.Cz = zoneFactor(zone, previous.Cz);
        c.Kh = static_cast<float>(c.Kho * c.Cz);
    }
    c.Kv = static_cast<float>(text2);
    if (!fitsSingle(text1) || !fitsSingle(c.Kh))
        out.refusal = SeismicRefusal::KhBeyondSingle;
    else if (!fitsSingle(text2))
        out.refusal = SeismicRefusal::KvBeyondSingle;
    if (out.refusal != SeismicRefusal::None) out.value = previous;
    return out;
}

}  // namespace pelzaro
