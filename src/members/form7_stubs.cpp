#include "members/form7.h"

namespace pelzaro {

void Form7::wireHandlers() {}
void Form7::Hihyouji_3() {}
void Form7::Tyuui() {}
void Form7::runRowProcedure(char) {}
void Form7::runStressCheck(char) {}
void Form7::Er_Syurui() {}
void Form7::Er_Kankaku1() {}
void Form7::Er_Kankaku2() {}
void Form7::cmd1_Click() {}
void Form7::cmd3_Click() {}
void Form7::cmd4_Click() {}
void Form7::cmd5_Click() {}
void Form7::cmd6_Click() {}
void Form7::chk_1_Click() {}

}  // namespace pelzaro
