#pragma once
// Design seismic coefficients from the seismic-coefficient dialog. Under the residential-land
// standard Kh is typed; under the road guideline Kh = Kho x Cz with the regional zone factor.

#include "conditions/design_rules.h"

namespace pelzaro {

enum class Zone { None, A, B, C };  // Cz = 1.0, 0.85, 0.70

struct SeismicCoefficients {
    float Kh = 0, Kv = 0;
    double Kho = 0, Cz = 0;
};

enum class SeismicRefusal { None, KhBeyondSingle, KvBeyondSingle };

struct SeismicOutcome {
    SeismicRefusal refusal = SeismicRefusal::None;
    SeismicCoefficients value;
};

// text1 and text2 are the lenient values of the two fields. With no standard Kh stays; with no
// zone Cz stays. A value beyond single precision is refused and nothing changes.
SeismicOutcome seismicCoefficients(DesignStandard standard, double text1, double text2, Zone zone,
                                   const SeismicCoefficients& previous);

}  // namespace pelzaro
