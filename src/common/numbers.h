// The program's one rounding rule, its 16-bit fields, its numbers as text
// and its screen units.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// Rounds to the nearest integer, halves to even (7.5 -> 8, 6.5 -> 6).
double RoundHalfEven(double value);

// The value rounded halves-to-even into a 16-bit field; nullopt when it does
// not fit (or is not a number). Never wraps.
std::optional<std::int16_t> ToInt16(double value);

// A measure in pixels for a 16-bit field: rounded the same way, and held at
// the field's nearer end when it does not fit.
std::int16_t Measure16(double value);

// The framework's value of a text. Blanks, tabs and line feeds anywhere are
// ignored; then the longest leading number is read: an optional sign,
// digits, one decimal point and an exponent introduced by E or D, or an
// integer after &H (hexadecimal) or &O (octal). Otherwise 0.
double ValueOfText(std::string_view text);

// A number as the settings file and the multimedia layer take it: one
// leading blank when it is not negative (" 1500"), else a minus ("-300").
std::string SignedText(std::int32_t value);

// --- Screen units. A window's own place and size are in twips (1/1440
// inch); everything inside a window is in pixels. ---

constexpr int kTwipsPerInch = 1440;
// The design tables are drawn at 96 pixels per inch: their pixel bounds and
// their client sizes in twips agree at this scale, whatever the screen's.
constexpr int kDesignPixelsPerInch = 96;
constexpr int kDesignTwipsPerPixel = kTwipsPerInch / kDesignPixelsPerInch;

// A measure rounded to whole pixels (or whole twips) by the rounding rule.
int Px(double value);

// Whole twips per pixel for `twips` spread over `pixels`, rounded by the
// rule (a screen 15360 twips wide over 1024 pixels gives 15); the design's
// scale when there are no pixels to measure.
int TwipsPerPixelOf(double twips, double pixels);

// Twips to whole pixels at that many twips per pixel.
int TwipsToPixels(double twips, int twipsPerPixel);

// The outer size in twips that gives a window a client area `wantedPixels`
// wide (or high), whatever frame the system draws: the frame is what the
// outer size now has beyond the client size now.
int OuterTwipsForClient(int outerTwips, int clientPixels, int wantedPixels, int twipsPerPixel);

}  // namespace vantor
