// Drawing helpers for the windows the backend paints itself: forms,
// picture boxes, images, lines and graphical buttons.
#pragma once

#include <string>

#include "platform/types.h"
#include "platform/win32/gdi_cache.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {

// The colour to draw: the design colour, or the system colour for "default".
COLORREF ColorOr(Color color, int systemColor);

// At its own size with its top left corner at (x, y).
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);
void DrawBitmapStretched(HDC dc, HBITMAP bitmap, const RECT& target);

// A label's text in its rectangle, wrapped at blanks, on what is already
// drawn there.
void DrawLabelText(HDC dc, const RECT& place, const std::string& text, COLORREF color, HFONT font);
// The dotted focus rectangle round that text, as Windows draws it round a
// check box's or an option's text; round the whole place when it is empty.
void DrawTextFocus(HDC dc, const RECT& place, const std::string& text, HFONT font);

// A push button face in `back` with `picture` centred on it, or the caption
// when there is no picture; pressed and focused states as Windows draws them.
void DrawGraphicalButton(const DRAWITEMSTRUCT& item, COLORREF back, HBITMAP picture, HFONT font,
                         const std::string& caption, GdiCache& gdi);

}  // namespace vantor::win32
