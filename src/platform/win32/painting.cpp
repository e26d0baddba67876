#include "platform/win32/painting.h"

#include "platform/form_host.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide_text.h"

namespace vantor::win32 {

COLORREF ColorOr(Color color, int systemColor) {
  return color == kDefaultColor ? GetSysColor(systemColor) : static_cast<COLORREF>(color);
}

namespace {

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

}  // namespace

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  const SIZE size = BitmapSize(bitmap);
  if (size.cx == 0) return;
  const MemoryDC source(dc);
  const SelectedObject drawn(source, bitmap);
  BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
}

void DrawBitmapStretched(HDC dc, HBITMAP bitmap, const RECT& target) {
  const SIZE size = BitmapSize(bitmap);
  if (size.cx == 0) return;
  const MemoryDC source(dc);
  const SelectedObject drawn(source, bitmap);
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
             source, 0, 0, size.cx, size.cy, SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

void DrawGraphicalButton(const DRAWITEMSTRUCT& item, COLORREF back, HBITMAP picture, HFONT font,
                         const std::string& caption, GdiCache& gdi) {
  HDC dc = item.hDC;
  RECT face = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  RECT inner = face;
  InflateRect(&inner, -2, -2);
  FillRect(dc, &inner, gdi.BrushFor(back));
  const int shift = pressed ? 1 : 0;
  if (picture) {
    const SIZE size = BitmapSize(picture);
    DrawBitmap(dc, picture, (face.left + face.right - size.cx) / 2 + shift,
               (face.top + face.bottom - size.cy) / 2 + shift);
  } else if (!caption.empty()) {
    const SelectedObject selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT text = inner;
    OffsetRect(&text, shift, shift);
    const std::wstring wide = WideFromAnsi(caption);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  if (item.itemState & ODS_FOCUS) {
    RECT focus = face;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
}

void DrawLabelText(HDC dc, const RECT& place, const std::string& text, COLORREF color, HFONT font) {
  const SelectedObject selected(dc, font);
  SetTextColor(dc, color);
  SetBkMode(dc, TRANSPARENT);
  RECT box = place;
  const std::wstring wide = WideFromAnsi(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &box, DT_LEFT | DT_WORDBREAK);
}

void DrawTextFocus(HDC dc, const RECT& place, const std::string& text, HFONT font) {
  RECT box = place;
  if (!text.empty()) {
    const SelectedObject selected(dc, font);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_LEFT | DT_WORDBREAK | DT_CALCRECT);
    InflateRect(&box, 1, 1);
    IntersectRect(&box, &box, &place);
  }
  DrawFocusRect(dc, &box);
}

}  // namespace vantor::win32
