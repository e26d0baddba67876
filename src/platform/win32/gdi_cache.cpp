#include "platform/win32/gdi_cache.h"

#include "common/numbers.h"
#include "common/phase_log.h"

namespace vantor::win32 {

HDC GdiCache::MeasuringDC() { return measuring_; }

HFONT GdiCache::FontFor(const Font& font) {
  // At the design's scale, like the controls that show the text.
  const int height = -Px(font.pointSize * kDesignPixelsPerInch / 72.0);
  const auto key = std::make_tuple(font.name, height, font.bold, font.italic);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  HFONT made = phases::Timed("fonts created", [&] {
    return CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
  });
  fonts_.emplace(key, GdiObject<HFONT>(made));
  return made;
}

HBRUSH GdiCache::BrushFor(COLORREF color) {
  auto found = brushes_.find(color);
  if (found != brushes_.end()) return found->second;
  HBRUSH made = CreateSolidBrush(color);
  brushes_.emplace(color, GdiObject<HBRUSH>(made));
  return made;
}

HBITMAP GdiCache::Picture(const std::string& name) {
  if (name.empty()) return nullptr;
  auto found = pictures_.find(name);
  if (found != pictures_.end()) return found->second;
  auto* made = phases::Timed("pictures loaded", [&] {
    return static_cast<HBITMAP>(
        LoadImageA(instance_, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  });
  pictures_.emplace(name, GdiObject<HBITMAP>(made));
  return made;
}

}  // namespace vantor::win32
