#pragma once
// What the entries of the shear-key dialogs do to the pages behind them.

namespace pelzaro {

class App;

// A click into a key box or an edit of one (typed, deleted, pasted): the sliding rows of the
// wall-dimensions page and row H of the member-design page, which were computed from the key
// data, no longer stand, nor the stress check of the project.
void keyEntryTouched(App& app);
// "計算" passed its checks: the sliding rows are emptied until the next stability check, and
// the stress check goes with them, so that a project is saved only once both have run again.
void keyChecked(App& app);

}  // namespace pelzaro
