#pragma once
// The file dialogs' filter as the program writes it, "description|patterns" pairs joined by
// "|" with patterns separated by ";", in Qt's form "description (patterns)" joined by ";;".

#include <QString>
#include <string>

namespace pelzaro {

QString qtFileFilter(const std::string& filter);

}  // namespace pelzaro
