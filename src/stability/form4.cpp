#include "stability/form4.h"

namespace pelzaro {

void Form4::Form_Load() {}
void Form4::Form_Activate() {}
void Form4::Hihyouji_1() {}
void Form4::Hihyouji_2() {}
void Form4::Hihyouji_3() {}
void Form4::GamenHyouji() {}
void Form4::Ouryoku_T() {}
void Form4::Ouryoku_D() {}
void Form4::cmd1_Click() {}
void Form4::cmd2_Click() {}
void Form4::cmd3_Click() {}
void Form4::cmd4_Click() {}
void Form4::cmd5_Click() {}
void Form4::cmd6_Click() {}
void Form4::wireFields() {}
void Form4::wireOptions() {}
void Form4::wireButtons() {}
void Form4::printSymmetricNotes() {}
std::vector<TextBox*> Form4::inputBoxes() { return {}; }

}  // namespace pelzaro
