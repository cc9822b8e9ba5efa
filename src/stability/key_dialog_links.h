#pragma once
// What the entries of the shear-key dialogs do to the pages behind them.

namespace pelzaro {

class App;

// A click into a key box: the sliding rows of the wall-dimensions page and row H of the
// member-design page no longer stand, nor the stress check of the project.
void keyEntryTouched(App& app);
// A key box edited: the results on the page are no longer those of the key data.
void keyEntryEdited(App& app);
// "計算" passed its checks: the sliding rows are emptied until the next stability check.
void keyChecked(App& app);

}  // namespace pelzaro
