// The program's one rounding rule and its 16-bit fields.
#pragma once

#include <cstdint>
#include <optional>

namespace vantor {

// Rounds to the nearest integer, halves to even (7.5 -> 8, 6.5 -> 6).
double RoundHalfEven(double value);

// The value rounded halves-to-even into a 16-bit field; nullopt when it does
// not fit (or is not a number). Never wraps.
std::optional<std::int16_t> ToInt16(double value);

// A measure in pixels for a 16-bit field: rounded the same way, and held at
// the field's nearer end when it does not fit.
std::int16_t Measure16(double value);

}  // namespace vantor
