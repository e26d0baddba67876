#include "common/numbers.h"

#include <cmath>

namespace vantor {

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

}  // namespace vantor
