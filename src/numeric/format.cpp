#include "numeric/format.h"

#include <cmath>
#include <cstdio>

namespace pelzaro {

namespace {

struct PatternSpec {
    int minIntegerDigits = 0;
    bool grouped = false;
    int requiredDecimals = 0;
    int optionalDecimals = 0;
};

PatternSpec parsePattern(const std::string& pattern) {
    PatternSpec layout;
    size_t dot = pattern.find('.');
    std::string integerPart = pattern.substr(0, dot);
    for (char c : integerPart) {
        if (c == '0') ++layout.minIntegerDigits;
        if (c == ',') layout.grouped = true;
    }
    if (dot != std::string::npos) {
        for (char c : pattern.substr(dot + 1)) {
            if (c == '0') ++layout.requiredDecimals;
            if (c == '#') ++layout.optionalDecimals;
        }
    }
    return layout;
}

// The magnitude as decimal digits with 15 significant figures, the precision of the value as
// the program holds it; `pointPos` is the number of digits before the decimal point.
struct Decimal {
    std::string digits;
    int pointPos = 0;
};

Decimal toDecimal(double magnitude) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", magnitude);
    std::string s(buf);
    size_t e = s.find('e');
    Decimal d;
    for (size_t i = 0; i < e; ++i) {
        if (s[i] != '.') d.digits += s[i];
    }
    d.pointPos = std::atoi(s.c_str() + e + 1) + 1;
    return d;
}

// Rounds to `decimals` places, halves away from zero; returns the integer and fraction digits.
void roundDecimal(const Decimal& d, int decimals, std::string& integerDigits,
                  std::string& fractionDigits) {
    // Lay the digits out on a fixed grid: enough leading zeros that pointPos >= 1.
    std::string digits = d.digits;
    int pointPos = d.pointPos;
    if (pointPos < 1) {
        digits = std::string(static_cast<size_t>(1 - pointPos), '0') + digits;
        pointPos = 1;
    }
    size_t keep = static_cast<size_t>(pointPos + decimals);
    if (digits.size() < keep + 1) digits.append(keep + 1 - digits.size(), '0');
    bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        int i = static_cast<int>(keep) - 1;
        for (; i >= 0; --i) {
            if (digits[static_cast<size_t>(i)] == '9') {
                digits[static_cast<size_t>(i)] = '0';
            } else {
                ++digits[static_cast<size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            ++pointPos;
        }
    }
    integerDigits = digits.substr(0, static_cast<size_t>(pointPos));
    fractionDigits = digits.substr(static_cast<size_t>(pointPos));
    size_t firstNonZero = integerDigits.find_first_not_of('0');
    integerDigits = firstNonZero == std::string::npos ? "" : integerDigits.substr(firstNonZero);
}

std::string groupByThree(const std::string& digits) {
    std::string out;
    int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[static_cast<size_t>(i)];
    }
    return out;
}

}  // namespace

std::string Format(double value, const std::string& pattern) {
    if (!std::isfinite(value)) return {};
    PatternSpec layout = parsePattern(pattern);
    int decimals = layout.requiredDecimals + layout.optionalDecimals;
    std::string integerDigits, fractionDigits;
    if (value == 0.0) {
        fractionDigits.assign(static_cast<size_t>(decimals), '0');
    } else {
        roundDecimal(toDecimal(std::fabs(value)), decimals, integerDigits, fractionDigits);
    }
    while (static_cast<int>(fractionDigits.size()) > layout.requiredDecimals &&
           fractionDigits.back() == '0') {
        fractionDigits.pop_back();
    }
    bool isZero = integerDigits.empty() && fractionDigits.find_first_not_of('0') == std::string::npos;
    if (static_cast<int>(integerDigits.size()) < layout.minIntegerDigits) {
        integerDigits.insert(0, static_cast<size_t>(layout.minIntegerDigits) - integerDigits.size(), '0');
    }
    if (layout.grouped) integerDigits = groupByThree(integerDigits);
    std::string out = integerDigits;
    if (!fractionDigits.empty()) out += "." + fractionDigits;
    if (value < 0 && !isZero && !out.empty()) out.insert(0, "-");
    return out;
}

}  // namespace pelzaro
