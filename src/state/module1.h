#pragma once
// Module1: the one design state of the program. Copies of the inputs, derived allowable
// stresses, coefficients, geometry, weights, forces, safety factors, ground pressures and the
// markers. It lives as long as the App and is never reset as a whole. Values are single
// precision unless a comment says otherwise; each subsystem declares its own share.

#include <string>

#include "numeric/lenient.h"
#include "stability/calc/stability_outcome.h"
#include "state/conditions_vars.h"
#include "state/member_vars.h"
#include "state/report_vars.h"
#include "state/stability_vars.h"

namespace pelzaro {

// Flg_DeltaCalc: empty until the design-conditions page sets it to 0 (typed) or 1 (computed);
// after a project is opened it holds the file's text as read, which a later save writes back
// unchanged. Its readers compare it with 0 and 1 as a number.
class DeltaCalcFlag {
public:
    DeltaCalcFlag& operator=(int value) {
        kind_ = Kind::Number;
        number_ = value;
        text_.clear();
        return *this;
    }
    void setText(const std::string& text) {
        kind_ = Kind::Text;
        text_ = text;
        double v = Val(text);  // a huge number must not overflow the int
        number_ = v > 1e9 ? 1000000000 : v < -1e9 ? -1000000000 : static_cast<int>(v);
    }
    operator int() const { return number_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    bool isText() const { return kind_ == Kind::Text; }
    const std::string& text() const { return text_; }

private:
    enum class Kind { Empty, Number, Text };
    Kind kind_ = Kind::Empty;
    int number_ = 0;
    std::string text_;
};

enum PageMarker { Page_None = 0, Page_Conditions = 1, Page_Dimensions = 2, Page_Section = 3 };

struct Markers {
    int Flg_Page = Page_None;  // the page created or activated last
    // Non-zero: the stability calculation has run since the last invalidation, New or Close.
    float Sigma_max = 0.0f;    // maximum ground pressure, kN/m2
    // How the last stability run ended: Ok, or why it was refused (then Sigma_max is 0). The
    // report prints the reason in place of any earlier result.
    StabilityOutcome Stability_Outcome = StabilityOutcome::Ok;
    int Flg_Ouryoku = 0;       // 1: the stress check has run
    DeltaCalcFlag Flg_DeltaCalc;  // 1: the stability wall friction angle was computed, 0 typed
};

struct Module1 : Markers, ConditionsVars, StabilityVars, MemberVars, ReportVars {};

}  // namespace pelzaro
