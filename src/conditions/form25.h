#pragma once
// Form25: the seismic-coefficient dialog. The load method, Kh and Kv and, under the road
// guideline, the regional zone factor. It hides itself on OK and Cancel and keeps its entries;
// Cancel first puts back what the dialog showed when it opened, as nothing was computed from
// what was typed since.

#include "conditions/seismic.h"
#include "forms/dialog_snapshot.h"
#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace pelzaro {

class Form25 : public Window {
  public:
    explicit Form25(App& app);

    Label lblMethodHead;
    Frame fraMethod;
    Label lblGroupA, lblMark1, lblMark2;
    OptionButton opt_K1, opt_K2;  // seismic earth pressure / inertia + normal earth pressure
    Label lblGroupB;
    OptionButton opt_D1;  // inertia + seismic earth pressure
    Label lblNote;
    Label lblCoefHead;
    Label Label7;
    TextBox Text1;  // Kh, or Kho under the road guideline
    Label lblKv;
    TextBox Text2;  // Kv
    Frame frm1;     // regional zone factor
    Label lblZoneHead, lblZoneA, lblZoneB, lblZoneC;
    OptionButton opt_A, opt_B, opt_C;
    CommandButton cmd1, cmd2;  // ＯＫ / キャンセル

    // Stores Kh, Kv (and Kho, Cz) from the fields. A value beyond single precision changes
    // nothing. Returns false then.
    bool Jisin();
    void Form_Activate() override;
    void cmd1_Click();
    void cmd2_Click();

  private:
    DialogSnapshot opened_;  // the dialog as it stood when it was shown
    SeismicOutcome coefficients();
    bool checkInputs();
    void layout();
};

}  // namespace pelzaro
