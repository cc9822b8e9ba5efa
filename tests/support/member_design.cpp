#include "support/member_design.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "members/form7.h"
#include "numeric/lenient.h"

namespace pelzaro {

void designEveryRow(Form7& page) {
    page.cmd5.click();  // KA of the member design computed
    for (const Form7Row& r : page.rows()) {
        if (!r.barKind->Visible()) continue;
        for (int kind = 4; kind < r.barKind->ListCount(); ++kind) {
            r.barKind->pick(kind);
            if (Val(r.computedSpacing->Caption()) >= 100.0) break;
        }
        double computed = Val(r.computedSpacing->Caption());
        int spacing = static_cast<int>(std::min(250.0, std::floor(computed / 10.0) * 10.0));
        r.designSpacing->click();
        r.designSpacing->userEdit(std::to_string(spacing));
    }
    page.cmd1.click();
}

}  // namespace pelzaro
