#pragma once

namespace pelzaro {

class App;

// "断面計算 >" of the wall-dimensions page, once its own checks have passed: configures the
// member-design page for the wall and shows it.
void openMemberDesignPage(App& app);

}  // namespace pelzaro
