#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form21.h"
#include "stability/form23.h"
#include "stability/form26.h"

namespace pelzaro {
void Form14::wire() {}
void Form14::Form_Activate() {}
void Form14::cmd1_Click() {}
void Form14::cmd2_Click() {}
void Form21::wire() {}
void Form21::Form_Activate() {}
void Form21::cmd1_Click() {}
void Form21::cmd2_Click() {}
void Form21::chk1_Click() {}
void Form19::wire() {}
void Form19::cmd1_Click() {}
void Form19::cmd2_Click() {}
void Form19::showRanges(float) {}
void Form26::wire() {}
void Form26::cmd1_Click() {}
void Form26::cmd2_Click() {}
void Form26::showRanges(float) {}
void Form23::opt1_Click() {}
void Form23::opt2_Click() {}
void Form23::cmd1_Click() {}
void Form23::cmd2_Click() {}
}  // namespace pelzaro
