// Texts measured as the windows measure them, without a window: for
// vantor-check, which asks whether each text of an installation fits the
// place the program's layout gives it.
#pragma once

#include <string>

#include "platform/types.h"

namespace vantor {

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  // As FormHost::MeasureText: a text of the settings file, in the system's
  // ANSI code page, in pixels at the design's scale.
  virtual TextSize MeasureText(const Font& font, const std::string& text) = 0;
  // A text of the help title, in UTF-8.
  virtual TextSize MeasureUtf8(const Font& font, const std::string& text) = 0;
  // The height of a window's caption bar: the coach and the video window
  // choose the size of their list fonts by it.
  virtual int CaptionHeightPx() = 0;
};

}  // namespace vantor
