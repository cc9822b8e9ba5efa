#pragma once
// A transcript reduced to what a check prints: each text as its colour and its words, each
// beep as "BEEP"; segments and positions left out.

#include <string>
#include <vector>

namespace pelzaro {

std::vector<std::string> shown(const std::vector<std::string>& lines);

}  // namespace pelzaro
