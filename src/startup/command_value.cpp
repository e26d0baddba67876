#include "startup/command_value.h"

#include <cctype>
#include <cmath>
#include <string>

#include "common/numbers.h"

namespace vantor {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits of `base` at the start of `s`, as one unsigned value (saturating to
// infinity so that a huge number is rejected rather than wrapped).
double ReadRadixInteger(std::string_view s, int base) {
  double value = 0;
  for (char c : s) {
    int digit = -1;
    if (IsDigit(c))
      digit = c - '0';
    else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c)))
      digit = std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
    if (digit < 0 || digit >= base) break;
    value = value * base + digit;
  }
  return value;
}

// The longest leading decimal number of `s` (already free of blanks).
double ReadDecimal(std::string_view s) {
  std::string number;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
  bool digits = false;
  while (i < s.size() && IsDigit(s[i])) number += s[i++], digits = true;
  if (i < s.size() && s[i] == '.') {
    number += s[i++];
    while (i < s.size() && IsDigit(s[i])) number += s[i++], digits = true;
  }
  if (!digits) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
    const std::size_t firstDigit = j;
    while (j < s.size() && IsDigit(s[j])) exponent += s[j++];
    if (j > firstDigit) number += exponent;
  }
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace

double ValueOfText(std::string_view text) {
  std::string s;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') s += c;
  if (s.size() >= 2 && s[0] == '&') {
    const char radix = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
    if (radix == 'H') return ReadRadixInteger(std::string_view(s).substr(2), 16);
    if (radix == 'O') return ReadRadixInteger(std::string_view(s).substr(2), 8);
  }
  return ReadDecimal(s);
}

std::optional<std::int16_t> LaunchModeFromCommandLine(std::string_view commandLine) {
  const std::optional<std::int16_t> mode = ToInt16(ValueOfText(commandLine));
  if (!mode || *mode - 1000 < INT16_MIN) return std::nullopt;
  return mode;
}

}  // namespace vantor
