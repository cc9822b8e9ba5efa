#include "conditions/allowable_stress.h"

#include <algorithm>
#include <iterator>

#include "numeric/rounding.h"

namespace pelzaro {

namespace {

// Residential land (building standard): short-term = 2 x long-term; the shear and bond values
// are the smaller of two formulas in Fc; the short-term bearing capacity is 3 x long-term at
// the large-earthquake level (Kh of 0.25 and above), otherwise 2 x.
void residentialLand(double Fc, double Qa_N, float Kh, AllowableStresses& a) {
    a.Sigma_ca_N = static_cast<float>(Fc / 3.0);
    a.Sigma_ca_S = static_cast<float>(2.0 * a.Sigma_ca_N);
    a.Tau_a1_N1 = static_cast<float>(Fc / 30.0);
    a.Tau_a1_N2 = static_cast<float>(Fc / 100.0 + 0.49);
    a.Tau_a1_N = std::min(a.Tau_a1_N1, a.Tau_a1_N2);
    a.Tau_a1_S = static_cast<float>(2.0 * a.Tau_a1_N);
    a.Tau_0a_N1 = static_cast<float>(Fc / 15.0);
    a.Tau_0a_N2 = static_cast<float>((2.0 / 75.0) * Fc + 0.9);
    a.Tau_0a_N = std::min(a.Tau_0a_N1, a.Tau_0a_N2);
    a.Tau_0a_S = static_cast<float>(2.0 * a.Tau_0a_N);
    a.Qa_S = static_cast<float>((Kh < 0.25f ? 2.0 : 3.0) * Qa_N);
}

struct RoadRow {
    float sigmaCkFrom, tauA1, tau0a;
};

// Road earthwork guideline: shear and bond by the sigma_ck band; short-term = 1.5 x long-term.
void roadEarthwork(double Fc, double Qa_N, AllowableStresses& a) {
    static const RoadRow table[] = {
        {30.0f, 0.25f, 1.8f}, {27.0f, 0.24f, 1.7f}, {24.0f, 0.23f, 1.6f}, {21.0f, 0.22f, 1.4f}};
    a.Sigma_ca_N = static_cast<float>(Fc / 3.0);
    a.Sigma_ca_S = static_cast<float>(1.5 * a.Sigma_ca_N);
    a.Tau_a1_N = 0.0f;
    a.Tau_0a_N = 0.0f;
    for (const RoadRow& row : table) {
        if (Fc >= row.sigmaCkFrom) {
            a.Tau_a1_N = row.tauA1;
            a.Tau_0a_N = row.tau0a;
            break;
        }
    }
    a.Tau_a1_S = static_cast<float>(1.5 * a.Tau_a1_N);
    a.Tau_0a_S = static_cast<float>(1.5 * a.Tau_0a_N);
    a.Qa_S = static_cast<float>(1.5 * Qa_N);
}

bool allFinite(const AllowableStresses& a) {
    const float values[] = {a.Sigma_ca_N, a.Sigma_ca_S, a.Tau_a1_N1, a.Tau_a1_N2,
                            a.Tau_a1_N,   a.Tau_a1_S,   a.Tau_0a_N1, a.Tau_0a_N2,
                            a.Tau_0a_N,   a.Tau_0a_S,   a.Qa_S};
    return std::all_of(std::begin(values), std::end(values), [](float v) { return fitsSingle(v); });
}

}  // namespace

AllowableOutcome allowableStresses(DesignStandard standard, float Fc, float Qa_N, float Kh,
                                   const AllowableStresses& previous) {
    AllowableOutcome out;
    out.value = previous;
    if (standard == DesignStandard::Std_T) residentialLand(Fc, Qa_N, Kh, out.value);
    if (standard == DesignStandard::Std_D) roadEarthwork(Fc, Qa_N, out.value);
    if (!allFinite(out.value)) {
        out.refusal = StressRefusal::BeyondSingle;
        out.value = previous;
    }
    return out;
}

ValuesInUse valuesInUse(CalcCase calcCase, const AllowableStresses& a, float Qa_N, float Sigma_sa_N,
                        float Sigma_sa_S, const ValuesInUse& previous) {
    if (calcCase == CalcCase::Case_N) {
        return {a.Sigma_ca_N, a.Tau_a1_N, Sigma_sa_N, a.Tau_0a_N, Qa_N};
    }
    if (calcCase == CalcCase::Case_S) {
        return {a.Sigma_ca_S, a.Tau_a1_S, Sigma_sa_S, a.Tau_0a_S, a.Qa_S};
    }
    return previous;
}

}  // namespace pelzaro
