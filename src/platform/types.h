// Plain value types shared by the core and both platform backends.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

// A colour as the window framework stores it: 0x00BBGGRR.
using Color = std::uint32_t;
constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}

// A rectangle in pixels, edges as Windows gives them (right/bottom exclusive).
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// A shift between two pixel coordinate systems, across and down.
struct PixelOffset {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// Opaque handle of a top-level window of any process; 0 is "none".
using WindowHandle = std::intptr_t;

// Mouse pointer shapes the program uses.
enum class Pointer { Default, Hourglass, ArrowHourglass };

// Twips per pixel across and down: 1440 / the logical pixels per inch,
// rounded by the program's rule. Typically 15 or 12.
struct TwipsPerPixel {
  int x = 15;
  int y = 15;
};

// The screen as it stands now. Read afresh whenever it is needed: the user
// may change the resolution or move the taskbar while the program runs.
struct Screen {
  int widthPx = 0;
  int heightPx = 0;
  TwipsPerPixel twipsPerPixel;
  int captionHeightPx = 0;  // height of a window's caption bar
  Rect workArea;            // the desktop less the taskbars, in pixels
  int WidthTwips() const { return widthPx * twipsPerPixel.x; }
  int HeightTwips() const { return heightPx * twipsPerPixel.y; }
};

// A font as the framework describes it.
struct Font {
  std::string name = "MS Sans Serif";
  double pointSize = 8;
  bool bold = false;
  bool italic = false;
};

struct TextSize {
  int width = 0;
  int height = 0;
};

}  // namespace vantor
