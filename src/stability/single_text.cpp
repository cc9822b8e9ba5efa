#include "stability/single_text.h"

#include <cmath>
#include <cstdio>

#include "numeric/lenient.h"
#include "numeric/single_store.h"

namespace pelzaro {

std::string singleText(float value) {
    if (!std::isfinite(value)) return {};
    if (value == 0.0f) return "0";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    std::string text = buffer;
    // "%G" already drops trailing zeros; write the exponent as "E+08" without leading zeros
    // beyond two digits, as the page's plain conversion does.
    std::string::size_type exp = text.find('E');
    if (exp != std::string::npos && text.size() > exp + 4 && text[exp + 2] == '0') {
        text.erase(exp + 2, 1);
    }
    return text;
}

float readSingle(const std::string& text) {
    return singleOrZero(Val(text));
}

}  // namespace pelzaro
