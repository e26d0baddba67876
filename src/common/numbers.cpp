#include "common/numbers.h"

#include <cctype>
#include <cmath>
#include <string>

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

double RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double diff = value - floor;
  if (diff < 0.5) return floor;
  if (diff > 0.5) return floor + 1;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::optional<std::int16_t> ToInt16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = RoundHalfEven(value);
  if (rounded < INT16_MIN || rounded > INT16_MAX) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

std::int16_t Measure16(double value) {
  return ToInt16(value).value_or(value < 0 ? INT16_MIN : INT16_MAX);
}

int Px(double value) { return static_cast<int>(RoundHalfEven(value)); }

int TwipsPerPixelOf(double twips, double pixels) {
  return pixels > 0 ? Px(twips / pixels) : kDesignTwipsPerPixel;
}

int TwipsToPixels(double twips, int twipsPerPixel) {
  return Px(twips / (twipsPerPixel > 0 ? twipsPerPixel : kDesignTwipsPerPixel));
}

int OuterTwipsForClient(int outerTwips, int clientPixels, int wantedPixels, int twipsPerPixel) {
  const double framePixels = static_cast<double>(outerTwips) / twipsPerPixel - clientPixels;
  return Px((framePixels + wantedPixels) * twipsPerPixel);
}

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

std::string SignedText(std::int32_t value) {
  std::string text = std::to_string(value);
  if (value >= 0) text.insert(text.begin(), ' ');
  return text;
}

}  // namespace vantor
