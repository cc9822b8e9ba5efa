#pragma once
// The four forms a line of the project file takes, and their strict readers.
//
// Writing: an option button as "True" / "False"; a number with a blank before a value of zero
// or more (a minus sign before a negative one), then the value in general decimal form (whole
// values without a point, at most seven significant digits, "0." before a fraction below 1,
// exponent form "1E-05" only where the value needs it), then one blank: " 3 ", "-1 ",
// " 0.7133 "; texts unchanged.
//
// Reading: a line must convert completely for its target, or the file is refused. Blanks
// around a number are ignored; a number reads through the program's one number reader.

#include <optional>
#include <string>

namespace pelzaro {

std::string formatBoolean(bool value);
std::string formatInteger(int value);
// Empty when the value is not finite: such a value must never reach a file.
std::optional<std::string> formatSingle(float value);

// "True" / "False" in any letter case, or a number (0 false, any other true).
std::optional<bool> parseBoolean(const std::string& line);
// A whole number within [low, high], blanks around it allowed.
std::optional<int> parseInteger(const std::string& line, int low, int high);
// A number that fits single precision, blanks around it allowed.
std::optional<float> parseSingle(const std::string& line);

// True when the whole text, blanks around it aside, is one decimal number.
bool isCompleteNumber(const std::string& text);

}  // namespace pelzaro
