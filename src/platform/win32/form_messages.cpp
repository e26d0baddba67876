// What the form's windows do with their messages: notifications of the
// controls become events, our own controls paint themselves, and the core
// hears of clicks, double clicks, mouse moves, timer ticks and the close box.
#include "platform/win32/win32_form_host.h"
// <windowsx.h> needs <windows.h> first.
#include <windowsx.h>

#include "platform/win32/message_loop.h"
#include "platform/win32/painting.h"
#include "platform/win32/scoped.h"

namespace vantor::win32 {

LRESULT Win32FormHost::OnFormMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND self = window_;
  if (auto handled = OnParentMessage(message, wParam, lParam)) return *handled;
  switch (message) {
    case WM_CLOSE:
      // The core decides whether the window goes.
      RaiseCloseRequest();
      return 0;
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(self, &area);
      FillRect(reinterpret_cast<HDC>(wParam), &area, app_.Gdi().BrushFor(BackColorOf(kFormItself)));
      return 1;
    }
    case WM_TIMER:
      OnTimerTick(static_cast<int>(wParam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(self, focus)) lastFocus_ = focus;
      } else if (!HIWORD(wParam)) {
        RestoreFocus();
      }
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_SHOWWINDOW:
      if (!wParam) WakeMessageLoop();
      break;
    case WM_NCDESTROY: {
      const LRESULT result = DefWindowProcA(self, message, wParam, lParam);
      OnWindowDestroyed();
      return result;
    }
    default:
      if (OnMouse(kFormItself, self, message, lParam)) return 0;
  }
  return DefWindowProcA(self, message, wParam, lParam);
}

LRESULT Win32FormHost::OnControlMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const ControlId id = IdOfWindow(window);
  if (id == kFormItself) return DefWindowProcA(window, message, wParam, lParam);
  const ControlKind kind = controls_[id].design.kind;
  if (kind == ControlKind::PictureBox) {
    if (auto handled = OnParentMessage(message, wParam, lParam)) return *handled;
  }
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintControl(id, window);
      return 0;
    case WM_GETOBJECT:
      if (static_cast<LONG>(lParam) == OBJID_CLIENT)
        return AnswerGetObject(window, wParam, *this, alive_);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      // The focus is drawn on the control, or on the text that names it.
      Repaint(controls_[id]);
      // The system itself tells screen readers where the focus went.
      if (const ControlId label = LabelOf(rules_, id); label != kFormItself)
        Repaint(controls_[label]);
      return 0;
    }
    case kDefaultActionMessage:
      Raise(EventKind::Click, id);
      return 0;
    case WM_SIZE:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
      if (TopicView* view = controls_[id].topicView.get(); view && view->OnMessage(message, wParam))
        return 0;
      break;
    case WM_NCHITTEST:
      // A line lets the mouse through to what lies under it.
      if (kind == ControlKind::Line) return HTTRANSPARENT;
      break;
    default:
      if (kind != ControlKind::Line && OnMouse(id, window, message, lParam)) return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The picture buttons are drawn by the program, so it names them.
std::optional<LRESULT> Win32FormHost::OnStandardControlGetObject(HWND control, WPARAM wParam,
                                                                 LPARAM lParam) {
  const ControlId id = IdOfWindow(control);
  if (id == kFormItself || !controls_[id].ownWindow || static_cast<LONG>(lParam) != OBJID_CLIENT)
    return std::nullopt;
  return AnswerGetObject(control, wParam, *this, alive_);
}

void Win32FormHost::OnStandardControlMouseMove(HWND control, LPARAM lParam) {
  const ControlId id = IdOfWindow(control);
  if (id != kFormItself) {
    Raise(EventKind::MouseMove, id, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  }
}

// Messages that the form and its picture boxes answer alike for the
// controls they hold.
std::optional<LRESULT> Win32FormHost::OnParentMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const ControlId id = IdOfWindow(reinterpret_cast<HWND>(lParam));
      if (id == kFormItself) break;
      OnCommand(id, HIWORD(wParam));
      return 0;
    }
    case WM_CTLCOLORSTATIC: {
      const ControlId id = IdOfWindow(reinterpret_cast<HWND>(lParam));
      if (id == kFormItself) break;
      const ControlSpec& design = controls_[id].design;
      auto* dc = reinterpret_cast<HDC>(wParam);
      const COLORREF back = BackColorOf(id);
      SetTextColor(dc, ColorOr(design.foreColor, COLOR_BTNTEXT));
      SetBkColor(dc, back);
      SetBkMode(dc, OPAQUE);
      return reinterpret_cast<LRESULT>(app_.Gdi().BrushFor(back));
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const ControlId id = IdOfWindow(item.hwndItem);
      if (id == kFormItself || controls_[id].design.kind != ControlKind::GraphicalButton) break;
      const ControlSpec& design = controls_[id].design;
      const bool disabled = (item.itemState & ODS_DISABLED) != 0;
      const std::string& picture =
          disabled && !design.disabledPicture.empty() ? design.disabledPicture : design.picture;
      DrawGraphicalButton(item, ColorOr(design.backColor, COLOR_BTNFACE),
                          app_.Gdi().Picture(picture), app_.Gdi().FontFor(design.font), Text(id),
                          app_.Gdi());
      return TRUE;
    }
    case WM_SETCURSOR:
      if (app_.ApplyPointer()) return TRUE;
      break;
    case WM_MOUSEWHEEL: {
      // Where the wheel goes to the focused control, it comes up here from
      // that control; the topic pane under the pointer takes it, as it does
      // where the wheel follows the pointer. The pane never passes it on.
      HWND under = WindowFromPoint(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      const ControlId pane = IdOfWindow(under);
      if (pane == kFormItself || !controls_[pane].topicView) break;
      SendMessageA(under, WM_MOUSEWHEEL, wParam, lParam);
      return 0;
    }
    default:
      break;
  }
  return std::nullopt;
}

void Win32FormHost::OnCommand(ControlId id, int code) {
  switch (controls_[id].design.kind) {
    case ControlKind::Button:
    case ControlKind::GraphicalButton:
    case ControlKind::OptionButton:
      if (code == BN_CLICKED) Raise(EventKind::Click, id);
      break;
    case ControlKind::Label:
      if (code == STN_CLICKED) Raise(EventKind::Click, id);
      if (code == STN_DBLCLK) Raise(EventKind::DblClick, id);
      break;
    case ControlKind::ComboBox:
      if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) Raise(EventKind::Change, id);
      break;
    case ControlKind::DriveList:
    case ControlKind::DirList:
    case ControlKind::FileList:
      if (code == LBN_SELCHANGE) Raise(EventKind::Click, id);
      if (code == LBN_DBLCLK) Raise(EventKind::DblClick, id);
      break;
    default:
      break;
  }
}

// Mouse input of the form and of our own controls. A click is a press and
// a release inside the same window; the second press of a double click
// gives DblClick and no second Click.
bool Win32FormHost::OnMouse(ControlId id, HWND window, UINT message, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  bool& pressed = id == kFormItself ? formPressed_ : controls_[id].pressed;
  switch (message) {
    case WM_MOUSEMOVE:
      Raise(EventKind::MouseMove, id, x, y);
      return true;
    case WM_LBUTTONDOWN:
      pressed = true;
      SetCapture(window);
      return true;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed;
      pressed = false;
      if (GetCapture() == window) ReleaseCapture();
      RECT area;
      GetClientRect(window, &area);
      if (wasPressed && PtInRect(&area, POINT{x, y})) Raise(EventKind::Click, id);
      return true;
    }
    case WM_LBUTTONDBLCLK:
      Raise(EventKind::DblClick, id);
      return true;
    default:
      return false;
  }
}

// A tick that comes while the same timer's last tick is still being handled
// (the handler let window events run) is dropped.
void Win32FormHost::OnTimerTick(int windowId) {
  auto found = byWindowId_.find(windowId);
  if (found == byWindowId_.end()) return;
  const ControlId id = found->second;
  Control& control = controls_[id];
  if (control.design.kind != ControlKind::Timer || !control.design.enabled || control.inTimer)
    return;
  control.inTimer = true;
  const std::shared_ptr<bool> alive = alive_;
  Raise(EventKind::Timer, id);
  if (*alive) controls_[id].inTimer = false;
}

void Win32FormHost::PaintControl(ControlId id, HWND window) {
  const ControlSpec& design = controls_[id].design;
  const PaintDC dc(window);
  RECT area;
  GetClientRect(window, &area);
  switch (design.kind) {
    case ControlKind::PictureBox:
      FillRect(dc, &area, app_.Gdi().BrushFor(BackColorOf(id)));
      DrawBitmap(dc, app_.Gdi().Picture(design.picture), 0, 0);
      break;
    case ControlKind::Image:
      if (design.picture.empty()) PaintUnderneath(id, dc);
      DrawBitmapStretched(dc, app_.Gdi().Picture(design.picture), area);
      break;
    case ControlKind::Label:  // only see-through labels come here
      PaintUnderneath(id, dc);
      PaintLabelText(id, dc, area);
      break;
    case ControlKind::Line:
      FillRect(dc, &area, app_.Gdi().BrushFor(ColorOr(design.foreColor, COLOR_WINDOWTEXT)));
      break;
    case ControlKind::TopicPane:
      // White until the pane is told what to show.
      if (controls_[id].topicView) {
        controls_[id].topicView->Paint(dc, GetFocus() == window);
      } else {
        FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      }
      break;
    default:
      break;
  }
}

// What shows through a control without a background of its own: its
// container's colour and picture, then the pictured images (stretched, as
// they draw themselves) and see-through labels beneath it, lowest first.
// Nothing else is drawn under it, as its container clips it.
void Win32FormHost::PaintUnderneath(ControlId id, HDC dc) {
  const Control& self = controls_[id];
  RECT area;
  GetClientRect(self.window, &area);
  FillRect(dc, &area, app_.Gdi().BrushFor(BackColorOf(self.container)));
  const Bounds& at = self.design.bounds;
  if (self.container != kFormItself) {
    DrawBitmap(dc, app_.Gdi().Picture(controls_[self.container].design.picture), -at.left, -at.top);
  }
  // Each label beneath, at its place relative to this control. The order
  // below it is known from the table (see SiblingsBelow); asking the system
  // for each next window would cost a request to the window server apiece.
  std::vector<std::pair<ControlId, RECT>> beneath;
  for (ControlId below : SiblingsBelow(id)) {
    HWND w = controls_[below].window;
    if (!w || !IsWindowVisible(w)) continue;
    const ControlSpec& lower = controls_[below].design;
    const bool pictured = lower.kind == ControlKind::Image && !lower.picture.empty();
    if (!lower.transparent && !pictured) continue;
    const Bounds& b = controls_[below].design.bounds;
    const RECT place{b.left - at.left, b.top - at.top, b.left - at.left + b.width,
                     b.top - at.top + b.height};
    RECT overlap;
    if (IntersectRect(&overlap, &place, &area)) beneath.emplace_back(below, place);
  }
  for (auto it = beneath.rbegin(); it != beneath.rend(); ++it) {
    const ControlSpec& lower = controls_[it->first].design;
    if (lower.kind == ControlKind::Image)
      DrawBitmapStretched(dc, app_.Gdi().Picture(lower.picture), it->second);
    else
      PaintLabelText(it->first, dc, it->second);
  }
}

// The siblings beneath a control, top first: those put in front lie above
// all the others, and otherwise a later row lies beneath an earlier one
// (PlaceAmongSiblings keeps the windows so).
std::vector<ControlId> Win32FormHost::SiblingsBelow(ControlId id) const {
  const Control& self = controls_[id];
  std::vector<ControlId> below;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const auto other = static_cast<ControlId>(i);
    const Control& control = controls_[other];
    if (other == id || control.container != self.container ||
        control.design.kind == ControlKind::Timer || control.inFront) {
      continue;
    }
    if (self.inFront || other > id) below.push_back(other);
  }
  return below;
}

void Win32FormHost::PaintLabelText(ControlId id, HDC dc, const RECT& place) {
  const ControlSpec& design = controls_[id].design;
  DrawLabelText(dc, place, Text(id), ColorOr(design.foreColor, COLOR_BTNTEXT),
                app_.Gdi().FontFor(design.font));
  if (ShowsFocus(id)) DrawTextFocus(dc, place, Text(id), app_.Gdi().FontFor(design.font));
}

bool Win32FormHost::ShowsFocus(ControlId id) const {
  HWND focus = GetFocus();
  if (!focus) return false;
  if (controls_[id].window == focus) return true;
  const ControlId named = LabelledControl(rules_, id);
  return named != kFormItself && controls_[named].window == focus;
}

// A colour of its own, or else: the system's button face for the form and
// its picture boxes, the container's colour for everything else.
COLORREF Win32FormHost::BackColorOf(ControlId id) const {
  if (id == kFormItself) return ColorOr(backColor_, COLOR_BTNFACE);
  const Control& control = controls_[id];
  if (control.design.backColor != kDefaultColor) return control.design.backColor;
  if (control.design.kind == ControlKind::PictureBox) return GetSysColor(COLOR_BTNFACE);
  return BackColorOf(control.container);
}

}  // namespace vantor::win32
