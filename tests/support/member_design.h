#pragma once
// The member design as the engineer of the sample projects does it on the member page.

namespace pelzaro {

class Form7;

// The KA of the member design computed; a bar kind per existing row, the smallest from D16 up
// that allows 100 mm; the design spacing the computed one rounded down to 10 mm, at most
// 250 mm; then "応力度計算".
void designEveryRow(Form7& page);

}  // namespace pelzaro
