// The properties of a form's controls: each set is kept in the control's
// record and goes straight to its window when it has one; a control without
// a window yet (not shown so far) answers from its record, and gets all of
// it when its window is made. A set that changes nothing the window shows
// does not reach it: every call to a window costs requests to the window
// server, and a repaint paints the control and what lies under it again.
#include "platform/win32/control_factory.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_form_host.h"

namespace vantor::win32 {

void Win32FormHost::SetText(ControlId id, const std::string& text) {
  Control* control = Find(id);
  if (!control) return;
  // What is typed into a combo box is in its window only.
  if (control->window && control->design.kind != ControlKind::ComboBox &&
      control->design.caption == text) {
    return;
  }
  control->design.caption = text;
  if (control->window) SetWindowTextA(control->window, text.c_str());
  if (control->design.transparent) Repaint(*control);
  AnnounceChange(id, EVENT_OBJECT_NAMECHANGE);
  // A label's text is the name of the picture it stands beside.
  if (const ControlId named = LabelledControl(rules_, id); named != kFormItself)
    AnnounceChange(named, EVENT_OBJECT_NAMECHANGE);
}

std::string Win32FormHost::Text(ControlId id) const {
  const Control* control = Find(id);
  if (!control) return {};
  return control->window ? WindowText(control->window) : control->design.caption;
}

// See-through labels and images are drawn again by the see-through labels
// over them.
bool Win32FormHost::ShowsUnderLabels(const Control& control) {
  return control.design.transparent || control.design.kind == ControlKind::Image;
}

void Win32FormHost::SetVisible(ControlId id, bool visible) {
  Control* control = Find(id);
  if (!control) return;
  if (control->window && control->design.visible == visible) return;
  control->design.visible = visible;
  if (!control->window) {
    // Shown for the first time: made now, visible, where and as it is.
    if (visible && controlsMade_ && Wanted(id) && EnsureWindow(id) && ShowsUnderLabels(*control))
      Repaint(*control);
    return;
  }
  // A see-through label leaves its place to what lies under it, and the
  // labels over it (or over an image) drew it as part of their own
  // background.
  if (ShowsUnderLabels(*control)) Repaint(*control);
  const bool hadFocus = HoldsFocus(*control);
  if (control->window) ShowWindow(control->window, visible ? SW_SHOWNA : SW_HIDE);
  if (!visible && hadFocus) MoveFocusOn(id);
}

// The control's own setting, as the core set it, whether or not its window
// is on the screen now.
bool Win32FormHost::Visible(ControlId id) const {
  const Control* control = Find(id);
  if (!control) return false;
  if (!control->window) return control->design.visible;
  return (GetWindowLongA(control->window, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32FormHost::SetEnabled(ControlId id, bool enabled) {
  Control* control = Find(id);
  if (!control) return;
  if (control->window && control->design.enabled == enabled) return;
  control->design.enabled = enabled;
  if (control->design.kind == ControlKind::Timer) {
    ApplyTimer(id);
  } else if (control->window) {
    const bool hadFocus = HoldsFocus(*control);
    EnableWindow(control->window, enabled);
    AnnounceChange(id, EVENT_OBJECT_STATECHANGE);
    if (!enabled && hadFocus) MoveFocusOn(id);
  }
}

bool Win32FormHost::HoldsFocus(const Control& control) const {
  HWND focus = GetFocus();
  return control.window && focus && (focus == control.window || IsChild(control.window, focus));
}

// A control that goes while it has the keyboard passes it on along the tab
// order, so that the keys still reach the window: Stop greys itself when
// pressed, Back on the first page.
void Win32FormHost::MoveFocusOn(ControlId id) {
  const ControlId next = NextTabStop(rules_, id, false, Scene());
  ::SetFocus(next != kFormItself ? controls_[next].window : window_);
}

bool Win32FormHost::Enabled(ControlId id) const {
  const Control* control = Find(id);
  if (!control) return false;
  if (!control->window) return control->design.enabled;
  return IsWindowEnabled(control->window) != FALSE;
}

// Selecting an option button clears the others of its run, as a click does.
void Win32FormHost::SetValue(ControlId id, bool selected) {
  Control* control = Find(id);
  if (!control) return;
  // Our own windows keep the state in their record only, and tell screen
  // readers of its change themselves.
  const bool changed = control->checked != selected;
  control->checked = selected;
  if (!control->standard) {
    if (changed) AnnounceChange(id, EVENT_OBJECT_STATECHANGE);
    return;
  }
  if (control->window)
    SendMessageA(control->window, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
  if (control->design.kind != ControlKind::OptionButton || !selected) return;
  for (ControlId other : RunOf(id)) {
    if (other == id) continue;
    controls_[other].checked = false;
    if (controls_[other].window)
      SendMessageA(controls_[other].window, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

bool Win32FormHost::Value(ControlId id) const {
  const Control* control = Find(id);
  if (!control) return false;
  if (!control->window || !control->standard) return control->checked;
  return SendMessageA(control->window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32FormHost::SetBounds(ControlId id, const Bounds& bounds) {
  Control* control = Find(id);
  if (!control) return;
  const Bounds b = StoredBounds(control->design.kind, bounds);
  const Bounds& was = control->design.bounds;
  if (control->window && b.left == was.left && b.top == was.top && b.width == was.width &&
      b.height == was.height) {
    return;
  }
  control->design.bounds = b;
  if (!control->window) return;
  const SIZE size = WindowSize(control->design.kind, b);
  if (ShowsUnderLabels(*control)) Repaint(*control);  // the place it leaves
  MoveWindow(control->window, b.left, b.top, size.cx, size.cy, TRUE);
  if (ShowsUnderLabels(*control)) Repaint(*control);
}

Bounds Win32FormHost::GetBounds(ControlId id) const {
  const Control* control = Find(id);
  if (!control) return {};
  if (!control->window || control->design.kind == ControlKind::Line) return control->design.bounds;
  RECT r{};
  GetWindowRect(control->window, &r);
  MapWindowPoints(nullptr, GetParent(control->window), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Win32FormHost::SetForeColor(ControlId id, Color color) {
  Control* control = Find(id);
  if (!control || control->design.foreColor == color) return;
  control->design.foreColor = color;
  Repaint(*control);
}

void Win32FormHost::SetBackColor(ControlId id, Color color) {
  if (id == kFormItself) {
    backColor_ = color;
    if (window_)
      RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return;
  }
  Control* control = Find(id);
  if (!control || control->design.backColor == color) return;
  control->design.backColor = color;
  Repaint(*control);
}

void Win32FormHost::SetFont(ControlId id, const Font& font) {
  Control* control = Find(id);
  if (!control) return;
  const Font& was = control->design.font;
  if (control->window && was.name == font.name && was.pointSize == font.pointSize &&
      was.bold == font.bold && was.italic == font.italic) {
    return;
  }
  control->design.font = font;
  if (control->window) {
    SendMessageA(control->window, WM_SETFONT, reinterpret_cast<WPARAM>(app_.Gdi().FontFor(font)),
                 TRUE);
  }
  if (control->design.transparent) Repaint(*control);
}

void Win32FormHost::SetPicture(ControlId id, const std::string& picture) {
  Control* control = Find(id);
  if (!control || control->design.picture == picture) return;
  control->design.picture = picture;
  Repaint(*control);
}

void Win32FormHost::SetDisabledPicture(ControlId id, const std::string& picture) {
  Control* control = Find(id);
  if (!control || control->design.disabledPicture == picture) return;
  control->design.disabledPicture = picture;
  Repaint(*control);
}

void Win32FormHost::SetTopicPane(ControlId id, const TopicPaneState& state) {
  Control* control = Find(id);
  if (!control) return;
  control->pane = state;
  if (control->design.kind != ControlKind::TopicPane || !control->window) return;
  const bool newText = !control->topicView || state.title != control->topicView->Shown().title ||
                       state.topic != control->topicView->Shown().topic;
  if (!control->topicView) {
    control->topicView = std::make_unique<TopicView>(control->window, app_.Gdi());
  }
  control->topicView->Show(state);
  // A new page: a screen reader reads the pane's text again.
  if (newText) AnnounceChange(id, EVENT_OBJECT_VALUECHANGE);
}

TopicPaneState Win32FormHost::TopicPane(ControlId id) const {
  const Control* control = Find(id);
  return control ? control->pane : TopicPaneState{};
}

void Win32FormHost::SetToolTip(ControlId id, const std::string& text) {
  Control* control = Find(id);
  if (!control || control->toolTip == text) return;
  control->toolTip = text;
  if (!control->window) return;
  tips_.Set(app_.Instance(), window_, control->window, text);
  AnnounceChange(id, EVENT_OBJECT_NAMECHANGE);
}

void Win32FormHost::SetSelected(ControlId id, bool selected) {
  Control* control = Find(id);
  if (!control || control->selected == selected) return;
  control->selected = selected;
  AnnounceChange(id, EVENT_OBJECT_STATECHANGE);
}

void Win32FormHost::SetAccessibleName(ControlId id, const std::string& name) {
  Control* control = Find(id);
  if (!control || control->accessibleName == name) return;
  control->accessibleName = name;
  AnnounceChange(id, EVENT_OBJECT_NAMECHANGE);
}

// Windows tells screen readers of its own controls' changes; ours are told
// here.
void Win32FormHost::AnnounceChange(ControlId id, DWORD event) {
  const Control* control = Find(id);
  // A control without a window yet has nothing on the screen to tell of.
  if (control && control->ownWindow && control->window) Announce(control->window, event);
}

// The controls inside a picture box may take its colour, and a transparent
// image or label shows what lies under it, so those repaint their
// surroundings too, with the see-through labels over them.
void Win32FormHost::Repaint(const Control& control) {
  if (!control.window) return;
  if (control.design.kind == ControlKind::Image || control.design.transparent) {
    RECT area;
    GetWindowRect(control.window, &area);
    HWND parent = GetParent(control.window);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  } else {
    RedrawWindow(control.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
}

void Win32FormHost::SetTimer(ControlId id, bool enabled, int intervalMs) {
  Control* control = Find(id);
  if (!control || control->design.kind != ControlKind::Timer) return;
  control->design.enabled = enabled;
  if (enabled) control->design.interval = intervalMs;
  ApplyTimer(id);
}

// A timer ticks while it is enabled with an interval above 0; ticks go to
// the form's window under the timer's control ID.
void Win32FormHost::ApplyTimer(ControlId id) {
  const Control& control = controls_[id];
  if (!window_) return;
  if (control.design.enabled && control.design.interval > 0) {
    ::SetTimer(window_, static_cast<UINT_PTR>(control.windowId),
               static_cast<UINT>(control.design.interval), nullptr);
  } else {
    KillTimer(window_, static_cast<UINT_PTR>(control.windowId));
  }
}

void Win32FormHost::SetFocus(ControlId id) {
  const Control* control = Find(id);
  if (control && control->window) ::SetFocus(control->window);
}

void Win32FormHost::BringToFront(ControlId id) {
  Control* control = Find(id);
  if (!control) return;
  control->inFront = true;
  if (control->window)
    SetWindowPos(control->window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32FormHost::PaintNow(ControlId id) {
  if (id == kFormItself) {
    if (window_) UpdateWindow(window_);
    return;
  }
  const Control* control = Find(id);
  if (control && control->window) UpdateWindow(control->window);
}

// The height of an empty text is the height of one line, as the framework
// measures it.
TextSize Win32FormHost::MeasureText(const Font& font, const std::string& text) const {
  HDC dc = app_.Gdi().MeasuringDC();
  const SelectedObject selected(dc, app_.Gdi().FontFor(font));
  TextSize result;
  if (text.empty()) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    result.height = metrics.tmHeight;
  } else {
    SIZE size{};
    const std::wstring wide = WideFromAnsi(text);
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    result = {size.cx, size.cy};
  }
  return result;
}

}  // namespace vantor::win32
