// Fonts, brushes and pictures shared by every window of the program. Each is
// made once on first use and kept until the program ends.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "platform/types.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {

class GdiCache {
 public:
  explicit GdiCache(HINSTANCE instance) : instance_(instance) {}
  GdiCache(const GdiCache&) = delete;
  GdiCache& operator=(const GdiCache&) = delete;

  // The font at its point size at the design's 96 pixels per inch (height
  // -pt * 96 / 72), the scale every window is laid out at.
  HFONT FontFor(const Font& font);
  HBRUSH BrushFor(COLORREF color);
  // The bitmap resource of that name; null when the name is empty or the
  // program has no such picture.
  HBITMAP Picture(const std::string& name);
  // A device context like the screen's, for measuring text: a window's own
  // would be asked of the window server and given back at every measure.
  HDC MeasuringDC();

 private:
  HINSTANCE instance_;
  MemoryDC measuring_{nullptr};
  std::map<std::tuple<std::string, int, bool, bool>, GdiObject<HFONT>> fonts_;
  std::map<COLORREF, GdiObject<HBRUSH>> brushes_;
  std::map<std::string, GdiObject<HBITMAP>> pictures_;
};

}  // namespace vantor::win32
