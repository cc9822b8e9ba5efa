#pragma once
// Whether the member design stands: the stress check ("応力度計算") has run on the stability
// result that still stands, and no edit has withdrawn either since. Only then does the report's
// member chapter print what the member page shows, and only then does a saved project open
// again to the same file.

#include "state/module1.h"

namespace pelzaro {

inline bool memberDesignStands(const Markers& m) {
    return m.Sigma_max != 0.0f && m.Flg_Ouryoku == 1;
}

}  // namespace pelzaro
