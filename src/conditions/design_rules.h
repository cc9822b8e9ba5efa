#pragma once
// The choices of the design-conditions page that the calculations depend on.

namespace pelzaro {

enum class DesignStandard { None, Std_T, Std_D };  // residential land / road earthwork
enum class CalcCase { None, Case_N, Case_S };      // normal (long-term) / seismic (short-term)
// How the seismic horizontal load is taken: K1 seismic earth pressure alone; K2 the inertia
// of the wall's own weight with the normal earth pressure; D1 that inertia with the seismic
// earth pressure.
enum class SeismicMethod { None, Method_K1, Method_K2, Method_D1 };

}  // namespace pelzaro
