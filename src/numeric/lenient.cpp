#include "numeric/lenient.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace pelzaro {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

double Val(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isDigit(c)) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        number += c;
    }
    if (!digits) return 0.0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        size_t firstExpDigit = j;
        while (j < text.size() && isDigit(text[j])) exponent += text[j++];
        if (j > firstExpDigit) number += exponent;
    }
    // strtod in the "C" locale semantics: the text holds only ASCII digits, sign, '.' and 'e'.
    char* end = nullptr;
    double value = std::strtod(number.c_str(), &end);
    return std::isfinite(value) ? value : (value > 0 ? HUGE_VAL : -HUGE_VAL);
}

}  // namespace pelzaro
