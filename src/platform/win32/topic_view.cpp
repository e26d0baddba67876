#include "platform/win32/topic_view.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "common/phase_log.h"
#include "platform/win32/painting.h"
#include "platform/win32/scoped.h"
#include "platform/win32/whole_file.h"
#include "platform/win32/wide_text.h"
#include "topics/background_path.h"
#include "topics/reading_text.h"

namespace vantor::win32 {

namespace {

using topics::FontKind;

constexpr COLORREF kTextColor = RGB(0, 0, 0);

// The title's text reaches the view as UTF-8 whatever the file's encoding
// and the system's code page; it is measured and drawn as Unicode.
std::wstring Widen(std::string_view text) { return WideFrom(CP_UTF8, text); }

// A missing file reads as an empty title; an unreadable one as much as
// could be read.
topics::HelpTitle ReadTitle(const std::string& path) {
  std::string text;
  if (!path.empty()) ReadWholeFile(path, text);
  return topics::HelpTitle::Parse(text);
}

// Draws `text` with each character where the layout measured it. Drawn by
// the font's own spacing, a run can come out wider than
// GetTextExtentPoint32W measured it (Wine's renderer: 4 pixels over
// "As soon as there is a frame,"), and the piece after it on the line,
// placed by that measure, then loses the blank before it.
void DrawMeasured(HDC dc, int x, int y, const std::wstring& text) {
  const int count = static_cast<int>(text.size());
  std::vector<INT> advances(text.size());
  SIZE extent{};
  if (!GetTextExtentExPointW(dc, text.c_str(), count, 0, nullptr, advances.data(), &extent)) {
    TextOutW(dc, x, y, text.c_str(), count);
    return;
  }
  // The ends of the first 1, 2, ... characters, made into each one's width.
  for (std::size_t i = advances.size(); i-- > 1;) advances[i] -= advances[i - 1];
  ExtTextOutW(dc, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(count), advances.data());
}

SIZE WindowSizeOf(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace

TopicView::TopicView(HWND window, GdiCache& gdi) : window_(window), gdi_(gdi) {}

TopicView::~TopicView() = default;

void TopicView::Show(const TopicPaneState& state) {
  const bool newTitle = !titleRead_ || state.title != state_.title;
  const bool newTopic = newTitle || state.topic != state_.topic;
  state_ = state;
  if (newTitle) {
    title_ = ReadTitle(state.title);
    titleRead_ = true;
  }
  if (newTopic) {
    scroll_ = 0;
    wheelRest_ = 0;
    LayOut();
  }
  InvalidateRect(window_, nullptr, FALSE);
}

bool TopicView::OnMessage(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_SIZE: {
      const SIZE size = WindowSizeOf(window_);
      if (size.cx != laidOutFor_.cx || size.cy != laidOutFor_.cy) LayOut();
      return true;
    }
    case WM_VSCROLL:
      Scroll(LOWORD(wParam));
      return true;
    case WM_MOUSEWHEEL:
      OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return true;
    default:
      return false;
  }
}

// Laid out for the whole width first; a topic too long for the pane is laid
// out again beside the scroll bar it then needs. The layout depends only on
// the window's size, which the scroll bar coming or going does not change,
// so the WM_SIZE that this sends finds nothing to do.
void TopicView::LayOut() {
  const SIZE size = WindowSizeOf(window_);
  laidOutFor_ = size;
  layout_ = {};
  HDC dc = gdi_.MeasuringDC();
  SelectedObject font(dc, FontOf(FontKind::Body));
  // A long topic is measured word by word: the font is selected and its
  // height read only when the font changes.
  FontKind selected = FontKind::Body;
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  const topics::Measure measure = [&](FontKind kind, std::string_view text) {
    if (kind != selected) {
      font.Select(FontOf(kind));
      GetTextMetricsA(dc, &metrics);
      selected = kind;
    }
    SIZE extent{};
    const std::wstring wide = Widen(text);
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    return TextSize{extent.cx, metrics.tmHeight};
  };
  lineHeight_ = measure(FontKind::Body, "").height;
  if (const topics::Topic* topic = title_.Find(state_.topic)) {
    layout_ = topics::LayOutTopic(*topic, size.cx, measure);
    if (layout_.height > size.cy) {
      layout_ = topics::LayOutTopic(*topic, size.cx - GetSystemMetrics(SM_CXVSCROLL), measure);
    }
  }

  // Windows shows the bar while the page is shorter than the range.
  const bool scrolls = layout_.height > size.cy;
  scroll_ = std::clamp(scroll_, 0, MaxScroll());
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = scrolls ? layout_.height - 1 : 0;
  info.nPage = scrolls ? static_cast<UINT>(size.cy) : 0;
  info.nPos = scroll_;
  SetScrollInfo(window_, SB_VERT, &info, TRUE);
  InvalidateRect(window_, nullptr, FALSE);
}

int TopicView::MaxScroll() const {
  return std::max(0, layout_.height - static_cast<int>(laidOutFor_.cy));
}

void TopicView::ScrollTo(int position) {
  position = std::clamp(position, 0, MaxScroll());
  if (position == scroll_) return;
  scroll_ = position;
  SetScrollPos(window_, SB_VERT, scroll_, TRUE);
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

// A page keeps one line of the last page in view.
int TopicView::PageStep() const {
  return std::max(lineHeight_, static_cast<int>(laidOutFor_.cy) - lineHeight_);
}

void TopicView::Scroll(int request) {
  const int page = PageStep();
  switch (request) {
    case SB_LINEUP:
      ScrollTo(scroll_ - lineHeight_);
      break;
    case SB_LINEDOWN:
      ScrollTo(scroll_ + lineHeight_);
      break;
    case SB_PAGEUP:
      ScrollTo(scroll_ - page);
      break;
    case SB_PAGEDOWN:
      ScrollTo(scroll_ + page);
      break;
    case SB_TOP:
      ScrollTo(0);
      break;
    case SB_BOTTOM:
      ScrollTo(MaxScroll());
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(window_, SB_VERT, &info);
      ScrollTo(info.nTrackPos);
      break;
    }
    default:
      break;
  }
}

// One notch of the wheel moves as many lines as the user set for all
// programs (three unless changed), or a page.
void TopicView::OnWheel(int delta) {
  wheelRest_ += delta;
  const int notches = wheelRest_ / WHEEL_DELTA;
  wheelRest_ %= WHEEL_DELTA;
  if (notches == 0) return;
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int step = lines == WHEEL_PAGESCROLL ? PageStep() : static_cast<int>(lines) * lineHeight_;
  ScrollTo(scroll_ - notches * step);
}

// The background stays at the pane's top left while the text scrolls over
// it; beyond the picture, and without one, the pane is white.
void TopicView::Paint(HDC dc, bool focused) {
  RECT client{};
  GetClientRect(window_, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  const MemoryDC canvas(dc);
  const GdiObject<HBITMAP> surface(CreateCompatibleBitmap(dc, client.right, client.bottom));
  const SelectedObject drawnOn(canvas, surface);
  FillRect(canvas, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawBitmap(canvas, Background(), 0, 0);
  SetBkMode(canvas, TRANSPARENT);
  SetTextColor(canvas, kTextColor);
  SelectedObject font(canvas, FontOf(FontKind::Body));
  for (const topics::Piece& piece : layout_.pieces) {
    const int y = piece.y - scroll_;
    if (y >= client.bottom) break;
    font.Select(FontOf(piece.font));
    DrawMeasured(canvas, piece.x, y, Widen(piece.text));
  }
  if (focused) DrawFocusRect(canvas, &client);
  BitBlt(dc, 0, 0, client.right, client.bottom, canvas, 0, 0, SRCCOPY);
}

// Read from the same text, in the same code page, as the pane draws it.
std::wstring TopicView::ReadingText() const {
  const topics::Topic* topic = title_.Find(state_.topic);
  return topic ? Widen(topics::ReadingText(*topic)) : std::wstring();
}

HBITMAP TopicView::Background() {
  const std::string path = topics::BackgroundPath(state_.title, state_.backgroundBitmap);
  if (path.empty()) return nullptr;
  auto found = backgrounds_.find(path);
  if (found != backgrounds_.end()) return found->second;
  auto* loaded = phases::Timed("topic background loaded", [&] {
    return static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                           LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  });
  backgrounds_.emplace(path, GdiObject<HBITMAP>(loaded));
  return loaded;
}

// Body text Arial 9 pt, bold body text Arial 9 pt bold, headings Arial
// 12 pt bold.
HFONT TopicView::FontOf(FontKind font) const {
  switch (font) {
    case FontKind::Bold:
      return gdi_.FontFor(Font{"Arial", 9, true, false});
    case FontKind::Heading:
      return gdi_.FontFor(Font{"Arial", 12, true, false});
    case FontKind::Body:
      break;
  }
  return gdi_.FontFor(Font{"Arial", 9, false, false});
}

}  // namespace vantor::win32
