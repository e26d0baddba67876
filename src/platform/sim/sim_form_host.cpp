#include "platform/sim/sim_form_host.h"

#include <cmath>
#include <stdexcept>

#include "common/encoding.h"
#include "platform/sim/sim_platform.h"

namespace vantor::sim {
SimFormHost::SimFormHost(SimPlatform& desktop, const FormSpec& design, FormEvents& events,
                         WindowHandle handle)
    : desktop_(desktop),
      events_(events),
      design_(design),
      name_(design.name),
      caption_(design.caption),
      handle_(handle) {
  for (const ControlSpec& c : design.controls) {
    SimControl control;
    control.design = c;
    control.text = c.caption;
    control.picture = c.picture;
    control.visible = c.visible;
    control.enabled = c.enabled;
    control.interval = c.interval;
    controls_.push_back(control);
  }
  const int tpp = desktop.twipsPerPixel();
  width_ = design.clientWidthTwips + FrameWidth() * tpp;
  height_ = design.clientHeightTwips + FrameHeight() * tpp;
}

// The frame the simulated desktop draws: its borders on both sides and the
// caption on top.
int SimFormHost::FrameWidth() const { return 2 * desktop_.frameBorder; }
int SimFormHost::FrameHeight() const { return 2 * desktop_.frameBorder + desktop_.captionHeight; }

int SimFormHost::ClientWidth() const { return width_ / desktop_.twipsPerPixel() - FrameWidth(); }
int SimFormHost::ClientHeight() const { return height_ / desktop_.twipsPerPixel() - FrameHeight(); }

SimFormHost::~SimFormHost() { desktop_.Forget(*this); }

ControlId SimFormHost::IdOf(const std::string& name, int index) const {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i].design.name == name && controls_[i].design.index == index)
      return static_cast<ControlId>(i);
  throw std::logic_error("window " + name_ + " has no control " + name);
}

SimControl& SimFormHost::Control(const std::string& name, int index) {
  return At(IdOf(name, index));
}

void SimFormHost::Raise(EventKind kind, const std::string& name, int index, int x, int y) {
  if (destroyed_) throw std::logic_error("window " + name_ + " is closed");
  Event event;
  event.kind = kind;
  event.control = name.empty() ? kFormItself : IdOf(name, index);
  event.x = x;
  event.y = y;
  events_.OnEvent(event);
}

void SimFormHost::Click(const std::string& name, int index) {
  SimControl& control = Control(name, index);
  // A user cannot click what is hidden or disabled.
  if (!control.visible || !control.enabled) return;
  if (control.design.kind == ControlKind::OptionButton) SetValue(IdOf(name, index), true);
  Raise(EventKind::Click, name, index);
}

void SimFormHost::DblClick(const std::string& name, int index) {
  Raise(EventKind::DblClick, name, index);
}

void SimFormHost::MouseMove(const std::string& name, int index, int x, int y) {
  Raise(EventKind::MouseMove, name, index, x, y);
}

void SimFormHost::SelectItem(const std::string& name, int item) {
  SimControl& control = Control(name);
  if (!control.visible || !control.enabled) return;
  SetListIndex(IdOf(name, -1), item);
  if (control.design.kind != ControlKind::ComboBox) return Raise(EventKind::Click, name, -1);
  if (control.listIndex >= 0) control.text = control.items[control.listIndex];
  Raise(EventKind::Change, name, -1);
}

void SimFormHost::TypeText(const std::string& name, const std::string& text) {
  Control(name).text = text;
  Raise(EventKind::Change, name, -1);
}

void SimFormHost::PressEnter() {
  for (const SimControl& c : controls_)
    if (c.design.isDefault) return Click(c.design.name, c.design.index);
}

void SimFormHost::PressEscape() {
  for (const SimControl& c : controls_)
    if (c.design.isCancel) return Click(c.design.name, c.design.index);
}

bool SimFormHost::Usable(ControlId id) const {
  const SimControl& control = At(id);
  if (!control.visible || !control.enabled || !TakesFocus(control.design)) return false;
  for (std::string box = control.design.container; !box.empty();) {
    const SimControl& holder = At(IdOf(box, -1));
    if (!holder.visible) return false;
    box = holder.design.container;
  }
  return true;
}

FocusScene SimFormHost::Scene() const {
  return {[this](ControlId id) { return Usable(id); },
          [this](ControlId id) { return At(id).value; }};
}

void SimFormHost::PressKey(Key key) {
  if (destroyed_) throw std::logic_error("window " + name_ + " is closed");
  const FocusScene scene = Scene();
  if (focus_ != kFormItself) {
    const ControlSpec& design = At(focus_).design;
    const KeyAction action = ActionOfKey(design, key);
    const bool backward = action == KeyAction::FocusPrevious || action == KeyAction::ChoosePrevious;
    switch (action) {
      case KeyAction::None:
        break;
      case KeyAction::Click:
        return Click(design.name, design.index);
      case KeyAction::FocusPrevious:
      case KeyAction::FocusNext:
      case KeyAction::ChoosePrevious:
      case KeyAction::ChooseNext: {
        const bool choose = action == KeyAction::ChoosePrevious || action == KeyAction::ChooseNext;
        const ControlId next = NeighbourInArray(design_, focus_, backward, choose, scene);
        if (next == kFormItself) return;
        focus_ = next;
        if (choose) Click(At(next).design.name, At(next).design.index);
        return;
      }
      default:
        trace_.push_back("scroll " + design.name);
        return;
    }
  }
  switch (key) {
    case Key::Tab:
    case Key::ShiftTab:
      if (const ControlId next = NextTabStop(design_, focus_, key == Key::ShiftTab, scene);
          next != kFormItself)
        focus_ = next;
      return;
    case Key::Enter:
      return PressEnter();
    case Key::Escape:
      return PressEscape();
    default:
      return;
  }
}

std::pair<std::string, int> SimFormHost::Focused() const {
  if (focus_ == kFormItself) return {"", -1};
  return {At(focus_).design.name, At(focus_).design.index};
}

AccessibleFacts SimFormHost::Accessible(const std::string& name, int index) const {
  const ControlId id = IdOf(name, index);
  const SimControl& control = At(id);
  ControlNow now;
  now.caption = control.text;
  now.toolTip = control.toolTip;
  now.name = control.accessibleName;
  if (const ControlId label = LabelOf(design_, id); label != kFormItself)
    now.labelCaption = At(label).text;
  now.visible = control.visible;
  now.enabled = control.enabled;
  now.checked = control.value;
  now.selected = control.selected;
  now.focused = focus_ == id;
  return Describe(control.design, now);
}

void SimFormHost::CloseBox() {
  if (destroyed_) throw std::logic_error("window " + name_ + " is closed");
  events_.OnCloseRequest();
}

// A window coming onto the screen has all of its visible controls to
// paint. As the real window does, a window shown with nothing focused gives
// the focus to the first control in table order that can take it.
void SimFormHost::Show() {
  if (!visible_) {
    for (SimControl& control : controls_) control.paintDue = control.paintDue || control.visible;
  }
  for (ControlId id = 0; focus_ == kFormItself && id < static_cast<ControlId>(controls_.size());
       ++id)
    if (Usable(id)) focus_ = id;
  visible_ = true;
  trace_.push_back("show");
}

void SimFormHost::PaintNow(ControlId id) {
  if (id != kFormItself) {
    At(id).paintDue = false;
    return;
  }
  for (SimControl& control : controls_) control.paintDue = false;
}

void SimFormHost::Hide() {
  visible_ = false;
  trace_.push_back("hide");
}

void SimFormHost::SetTopicPane(ControlId id, const TopicPaneState& state) {
  if (state.topic != At(id).pane.topic) trace_.push_back("topic " + state.topic);
  At(id).pane = state;
}

void SimFormHost::Move(int left, int top, int width, int height) {
  trace_.push_back("move");
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void SimFormHost::SetWindowState(vantor::WindowState state) {
  if (state == windowState_) return;
  if (windowState_ == vantor::WindowState::Normal) normal_ = {left_, top_, width_, height_};
  windowState_ = state;
  const int tpp = desktop_.twipsPerPixel();
  const Rect work = desktop_.MonitorHolding(desktop_.InPixels(normal_)).workArea;
  const int border = desktop_.frameBorder;
  switch (state) {
    case vantor::WindowState::Minimised:
      left_ = top_ = -32000 * tpp;
      width_ = 160 * tpp;
      height_ = (desktop_.captionHeight + 2 * border) * tpp;
      break;
    case vantor::WindowState::Maximised:
      left_ = (work.left - border) * tpp;
      top_ = (work.top - border) * tpp;
      width_ = (work.right - work.left + 2 * border) * tpp;
      height_ = (work.bottom - work.top + 2 * border) * tpp;
      break;
    case vantor::WindowState::Normal:
      left_ = normal_.left;
      top_ = normal_.top;
      width_ = normal_.width;
      height_ = normal_.height;
  }
}

TwipsRect SimFormHost::ScreenNormalRect() const {
  return windowState_ == vantor::WindowState::Normal ? TwipsRect{left_, top_, width_, height_}
                                                     : normal_;
}

TwipsRect SimFormHost::WorkspaceNormalRect() const {
  TwipsRect normal = ScreenNormalRect();
  const PixelOffset offset = desktop_.WorkAreaOffset(handle_);
  const int tpp = desktop_.twipsPerPixel();
  normal.left -= offset.x * tpp;
  normal.top -= offset.y * tpp;
  return normal;
}

void SimFormHost::ShowModal() {
  visible_ = true;
  shownModal_ = true;
  desktop_.RunModal(*this);
}

void SimFormHost::Destroy() {
  destroyed_ = true;
  visible_ = false;
  for (SimControl& c : controls_) c.timerEnabled = false;
}

void SimFormHost::SetVisible(ControlId id, bool visible) {
  SimControl& control = At(id);
  // A control shown again is painted when the window next waits for input.
  if (visible && !control.visible) control.paintDue = true;
  control.visible = visible;
  if (!visible) PassFocusOn(id);
}

void SimFormHost::SetEnabled(ControlId id, bool enabled) {
  At(id).enabled = enabled;
  if (!enabled) PassFocusOn(id);
}

// As the real window does, the focus of a control that goes (or of one
// inside it) moves on along the tab order.
void SimFormHost::PassFocusOn(ControlId id) {
  if (focus_ == kFormItself) return;
  bool inside = focus_ == id;
  for (std::string box = At(focus_).design.container; !inside && !box.empty();
       box = At(IdOf(box, -1)).design.container)
    inside = IdOf(box, -1) == id;
  if (inside) focus_ = NextTabStop(design_, id, false, Scene());
}

void SimFormHost::SetValue(ControlId id, bool selected) {
  SimControl& control = At(id);
  // Option buttons in one container form one group, as on Windows.
  if (selected && control.design.kind == ControlKind::OptionButton)
    for (SimControl& other : controls_)
      if (other.design.kind == ControlKind::OptionButton &&
          other.design.container == control.design.container)
        other.value = false;
  control.value = selected;
}

void SimFormHost::SetTimer(ControlId id, bool enabled, int intervalMs) {
  SimControl& timer = At(id);
  timer.timerEnabled = enabled && intervalMs > 0;
  if (intervalMs > 0) timer.interval = intervalMs;
  timer.nextTickMs = desktop_.nowMs() + timer.interval;
}

void SimFormHost::SetItems(ControlId id, const std::vector<std::string>& items) {
  At(id).items = items;
  At(id).listIndex = -1;
}

// As on Windows, an index outside the entries selects none.
void SimFormHost::SetListIndex(ControlId id, int index) {
  SimControl& control = At(id);
  control.listIndex = index >= 0 && index < static_cast<int>(control.items.size()) ? index : -1;
}

long long SimFormHost::NextTimerDue() const {
  long long due = -1;
  for (const SimControl& c : controls_)
    if (c.timerEnabled && (due < 0 || c.nextTickMs < due)) due = c.nextTickMs;
  return due;
}

bool SimFormHost::FireDueTimer(long long nowMs) {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    SimControl& c = controls_[i];
    if (destroyed_ || !c.timerEnabled || c.nextTickMs > nowMs) continue;
    c.nextTickMs += c.interval;
    Raise(EventKind::Timer, c.design.name, c.design.index);
    return true;
  }
  return false;
}

// Fixed metrics so that layout tests can assert exact pixels: each
// character is 60% of the font's pixel height wide (rounded), one more
// when bold; the line is 115% of the pixel height (rounded up). A
// character is a code point: the bytes of a UTF-8 sequence count once,
// any other byte once.
TextSize FixedTextSize(const Font& font, const std::string& text) {
  const double pixelHeight = font.pointSize * 96.0 / 72.0;
  const int charWidth = static_cast<int>(std::lround(pixelHeight * 0.6)) + (font.bold ? 1 : 0);
  return {charWidth * static_cast<int>(encoding::CharacterCount(text)),
          static_cast<int>(std::ceil(pixelHeight * 1.15))};
}

TextSize SimFormHost::MeasureText(const Font& font, const std::string& text) const {
  TextSize size = FixedTextSize(font, text);
  const auto chosen = desktop_.textWidths.find(text);
  if (chosen != desktop_.textWidths.end()) size.width = chosen->second;
  return size;
}

}  // namespace vantor::sim
