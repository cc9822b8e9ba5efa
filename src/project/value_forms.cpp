#include "project/value_forms.h"

#include <cmath>
#include <cstdio>

#include "numeric/lenient.h"
#include "numeric/rounding.h"

namespace pelzaro {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string trimBlanks(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool equalsIgnoringCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
        if (x != y) return false;
    }
    return i == a.size() && b[i] == '\0';
}

// Digits with at most one full stop, at least one digit; returns the index after them.
size_t scanMantissa(const std::string& s, size_t i, bool& sawDigit) {
    bool point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            sawDigit = true;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    return i;
}

size_t scanExponent(const std::string& s, size_t i) {
    if (i >= s.size() || (s[i] != 'e' && s[i] != 'E')) return i;
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    size_t digits = j;
    while (j < s.size() && isDigit(s[j])) ++j;
    return j > digits ? j : i;
}

}  // namespace

std::string formatBoolean(bool value) {
    return value ? "True" : "False";
}

std::string formatInteger(int value) {
    return (value < 0 ? "" : " ") + std::to_string(value) + " ";
}

std::optional<std::string> formatSingle(float value) {
    if (!std::isfinite(value)) return std::nullopt;
    double v = value == 0.0f ? 0.0 : static_cast<double>(value);  // no "-0"
    char buffer[32];
    // Seven significant digits is what a single-precision value carries.
    std::snprintf(buffer, sizeof buffer, "%.7G", v);
    return (v < 0 ? "" : " ") + std::string(buffer) + " ";
}

bool isCompleteNumber(const std::string& text) {
    std::string s = trimBlanks(text);
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool sawDigit = false;
    i = scanMantissa(s, i, sawDigit);
    if (!sawDigit) return false;
    return scanExponent(s, i) == s.size();
}

std::optional<bool> parseBoolean(const std::string& line) {
    std::string s = trimBlanks(line);
    if (equalsIgnoringCase(s, "True")) return true;
    if (equalsIgnoringCase(s, "False")) return false;
    if (!isCompleteNumber(s)) return std::nullopt;
    return Val(s) != 0.0;
}

std::optional<int> parseInteger(const std::string& line, int low, int high) {
    if (!isCompleteNumber(line)) return std::nullopt;
    double v = Val(line);
    if (v != std::floor(v) || v < low || v > high) return std::nullopt;
    return static_cast<int>(v);
}

std::optional<float> parseSingle(const std::string& line) {
    if (!isCompleteNumber(line)) return std::nullopt;
    double v = Val(line);
    if (!fitsSingle(v)) return std::nullopt;
    return static_cast<float>(v);
}

}  // namespace pelzaro
