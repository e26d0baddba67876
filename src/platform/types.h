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

// The Windows WINDOWPLACEMENT record: every field 32-bit, length 44.
struct WindowPlacement {
  std::uint32_t length = 0;
  std::uint32_t flags = 0;
  std::uint32_t showCmd = 0;
  std::int32_t minX = 0, minY = 0;
  std::int32_t maxX = 0, maxY = 0;
  Rect normal;
};

// Opaque handle of a top-level window of any process; 0 is "none".
using WindowHandle = std::intptr_t;

// Mouse pointer shapes the program uses (values as the framework numbers them).
enum class Pointer { Default = 0, Hourglass = 11, ArrowHourglass = 13 };

// System metric indices the program asks for.
enum SystemMetric : int {
  SM_CxScreen = 0,
  SM_CyScreen = 1,
  SM_CyCaption = 4,
};

// Window messages and show commands the program sends to other windows.
constexpr std::uint32_t WM_Close = 16;
constexpr int SW_ShowNormal = 1;

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
