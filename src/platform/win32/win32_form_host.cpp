// The window itself: creation from the design table, geometry in twips,
// showing (modeless and modal), destruction, focus and the dialog keys.
#include "platform/win32/win32_form_host.h"

#include <algorithm>

#include "common/numbers.h"
#include "platform/win32/control_factory.h"
#include "platform/win32/fail_fast.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/screen.h"
#include "platform/win32/window_procs.h"

namespace vantor::win32 {
namespace {

// A fixed ID, else the one the system reserves for a dialog's OK or Cancel
// button, else one of our own above the system's.
int WindowIdOf(const ControlSpec& design, std::size_t row) {
  if (design.id != 0) return design.id;
  switch (design.dialogButton) {
    case DialogButton::Ok:
      return IDOK;
    case DialogButton::Cancel:
      return IDCANCEL;
    case DialogButton::None:
      break;
  }
  return 1000 + static_cast<int>(row);
}

}  // namespace

Win32FormHost::Win32FormHost(App& app, const FormSpec& design, FormEvents& events)
    : app_(app), events_(events), rules_(design), backColor_(design.backColor) {
  controls_.reserve(design.controls.size());
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    Control control;
    control.design = design.controls[i];
    control.windowId = WindowIdOf(control.design, i);
    byWindowId_[control.windowId] = static_cast<ControlId>(i);
    controls_.push_back(std::move(control));
  }
  for (Control& control : controls_) {
    if (control.design.container.empty()) continue;
    for (std::size_t j = 0; j < controls_.size(); ++j) {
      if (controls_[j].design.kind == ControlKind::PictureBox &&
          controls_[j].design.name == control.design.container && &controls_[j] != &control) {
        control.container = static_cast<ControlId>(j);
        break;
      }
    }
  }
  // Known before a control has its window: until then its record answers.
  for (Control& control : controls_) {
    control.standard = RecipeFor(control.design, false).standardControl;
    control.ownWindow = !control.standard || control.design.kind == ControlKind::GraphicalButton;
  }
  CreateFormWindow(design);
  if (!window_) return;
  app_.AddForm(this);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].design.kind == ControlKind::Timer) ApplyTimer(static_cast<ControlId>(i));
  }
}

Win32FormHost::~Win32FormHost() {
  if (window_) {
    if (modal_) EndModal();
    DestroyWindow(window_);
  }
  *alive_ = false;
}

void Win32FormHost::CreateFormWindow(const FormSpec& design) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (design.border == BorderStyle::FixedSingle) {
    style |= WS_MINIMIZEBOX;
  } else {
    exStyle |= WS_EX_DLGMODALFRAME;
  }
  // The controls' pixel bounds are drawn at the design's scale, so the client
  // area is too: the window keeps its layout whatever the screen's DPI.
  RECT outer{0, 0, TwipsToPixels(design.clientWidthTwips, kDesignTwipsPerPixel),
             TwipsToPixels(design.clientHeightTwips, kDesignTwipsPerPixel)};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  const char* windowClass = design.border == BorderStyle::FixedSingle ? kFormClass : kDialogClass;
  CreateWindowExA(exStyle, windowClass, design.caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                  outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                  app_.Instance(), this);
}

// Controls are made in table order, each container before what it holds, so
// that the table order is the tab order and, among overlapping siblings, an
// earlier row lies above a later one (a new child window goes below its
// siblings).
void Win32FormHost::MakeControls() {
  if (controlsMade_ || !window_) return;
  controlsMade_ = true;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const auto id = static_cast<ControlId>(i);
    if (!controls_[id].window && Wanted(id)) EnsureWindow(id);
  }
  // Put in front before its window existed: in front now, as it would have
  // been.
  for (Control& control : controls_) {
    if (control.inFront && control.window)
      SetWindowPos(control.window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

bool Win32FormHost::Wanted(ControlId id) const {
  for (ControlId at = id; at != kFormItself; at = controls_[at].container) {
    if (!controls_[at].design.visible) return false;
  }
  return controls_[id].design.kind != ControlKind::Timer;
}

HWND Win32FormHost::EnsureWindow(ControlId id) {
  Control* control = Find(id);
  if (!control || !window_ || control->design.kind == ControlKind::Timer) return nullptr;
  if (!control->window) {
    if (control->container != kFormItself && !EnsureWindow(control->container)) return nullptr;
    CreateControl(id);
  }
  return control->window;
}

void Win32FormHost::CreateControl(ControlId id) {
  Control& control = controls_[id];
  const ControlSpec& design = control.design;
  const WindowRecipe recipe = RecipeFor(design, StartsGroup(id));
  control.design.bounds = StoredBounds(design.kind, design.bounds);
  const Bounds& b = design.bounds;
  const SIZE size = WindowSize(design.kind, b);
  const DWORD style =
      recipe.style | (design.visible ? WS_VISIBLE : 0) | (design.enabled ? 0 : WS_DISABLED);
  HWND window = CreateWindowExA(recipe.exStyle, recipe.className, design.caption.c_str(), style,
                                b.left, b.top, size.cx, size.cy, ContainerWindow(control.container),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.windowId)),
                                app_.Instance(), this);
  control.window = window;
  if (!window) return;
  PlaceAmongSiblings(id);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(app_.Gdi().FontFor(design.font)),
               FALSE);
  // A combo box takes its text only once it exists.
  if (design.kind == ControlKind::ComboBox) SetWindowTextA(window, design.caption.c_str());
  if (recipe.standardControl) SubclassStandardControl(window, this);
  if (control.checked && recipe.standardControl) SendMessageA(window, BM_SETCHECK, BST_CHECKED, 0);
  if (!control.toolTip.empty()) tips_.Set(app_.Instance(), window_, window, control.toolTip);
  if (design.kind == ControlKind::TopicPane && control.pane != TopicPaneState{}) {
    control.topicView = std::make_unique<TopicView>(window, app_.Gdi());
    control.topicView->Show(control.pane);
  }
  // What it holds and shows comes with it.
  if (design.kind == ControlKind::PictureBox) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      const auto inner = static_cast<ControlId>(i);
      if (controls_[inner].container == id && !controls_[inner].window && Wanted(inner))
        CreateControl(inner);
    }
  }
}

// A new window goes below its siblings. Made after a later row of its
// table, it goes up to just below the nearest earlier row that has a window
// (or to the top, below the controls put in front).
void Win32FormHost::PlaceAmongSiblings(ControlId id) {
  const ControlId container = controls_[id].container;
  HWND earlier = nullptr, front = nullptr;
  bool laterExists = false;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const Control& other = controls_[i];
    if (static_cast<ControlId>(i) == id || other.container != container || !other.window) continue;
    if (other.inFront) {
      front = other.window;
    } else if (static_cast<ControlId>(i) < id) {
      earlier = other.window;
    } else {
      laterExists = true;
    }
  }
  if (!laterExists) return;
  HWND after = earlier ? earlier : front ? front : HWND_TOP;
  SetWindowPos(controls_[id].window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Win32FormHost::StartsGroup(ControlId id) const {
  return controls_[id].design.kind != ControlKind::OptionButton || RunOf(id).front() == id;
}

// The option buttons next to each other, in table order, among the
// controls of one container.
std::vector<ControlId> Win32FormHost::RunOf(ControlId id) const {
  std::vector<ControlId> siblings;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].container == controls_[id].container &&
        controls_[i].design.kind != ControlKind::Timer) {
      siblings.push_back(static_cast<ControlId>(i));
    }
  }
  auto isOption = [this](ControlId c) {
    return controls_[c].design.kind == ControlKind::OptionButton;
  };
  auto at = std::find(siblings.begin(), siblings.end(), id);
  auto first = at;
  while (first != siblings.begin() && isOption(*(first - 1))) --first;
  auto last = at + 1;
  while (last != siblings.end() && isOption(*last)) ++last;
  return {first, last};
}

Win32FormHost::Control* Win32FormHost::Find(ControlId id) {
  if (id < 0 || id >= static_cast<ControlId>(controls_.size())) return nullptr;
  return &controls_[id];
}

const Win32FormHost::Control* Win32FormHost::Find(ControlId id) const {
  if (id < 0 || id >= static_cast<ControlId>(controls_.size())) return nullptr;
  return &controls_[id];
}

ControlId Win32FormHost::IdOfWindow(HWND control) const {
  if (!control) return kFormItself;
  auto found = byWindowId_.find(GetDlgCtrlID(control));
  if (found == byWindowId_.end() || controls_[found->second].window != control) {
    return kFormItself;
  }
  return found->second;
}

HWND Win32FormHost::ContainerWindow(ControlId container) const {
  const Control* box = Find(container);
  return box && box->window ? box->window : window_;
}

void Win32FormHost::SetCaption(const std::string& text) {
  if (window_) SetWindowTextA(window_, text.c_str());
}

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), text.size())));
  return text;
}

std::string Win32FormHost::Caption() const { return window_ ? WindowText(window_) : std::string(); }

TwipsRect Win32FormHost::OuterRect() const {
  RECT r{};
  if (window_) GetWindowRect(window_, &r);
  return InTwips(r, TwipsPerPixelNow());
}

int Win32FormHost::ClientWidth() const {
  RECT r{};
  if (window_) GetClientRect(window_, &r);
  return r.right - r.left;
}

int Win32FormHost::ClientHeight() const {
  RECT r{};
  if (window_) GetClientRect(window_, &r);
  return r.bottom - r.top;
}

void Win32FormHost::Move(int left, int top, int width, int height) {
  if (!window_) return;
  const TwipsPerPixel scale = TwipsPerPixelNow();
  MoveWindow(window_, TwipsToPixels(left, scale.x), TwipsToPixels(top, scale.y),
             TwipsToPixels(width, scale.x), TwipsToPixels(height, scale.y), TRUE);
}

vantor::WindowState Win32FormHost::WindowState() const {
  if (window_ && IsIconic(window_)) return vantor::WindowState::Minimised;
  if (window_ && IsZoomed(window_)) return vantor::WindowState::Maximised;
  return vantor::WindowState::Normal;
}

// As the system keeps it, in workspace coordinates; the core takes it to the
// screen with the work area offset of the window's monitor. Without a
// placement to read, the window's rectangle is shifted the same way, so that
// the core's step back lands on it.
TwipsRect Win32FormHost::WorkspaceNormalRect() const {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  const TwipsPerPixel scale = TwipsPerPixelNow();
  if (window_ && GetWindowPlacement(window_, &placement))
    return InTwips(placement.rcNormalPosition, scale);
  RECT r{};
  if (window_) GetWindowRect(window_, &r);
  const PixelOffset offset = WorkAreaOffsetOf(window_);
  OffsetRect(&r, -offset.x, -offset.y);
  return InTwips(r, scale);
}

void Win32FormHost::Show() {
  if (!window_) return;
  MakeControls();
  // Shown again while it is up (the coach ends its load so): nothing to do
  // but what is not so yet.
  if (!IsWindowVisible(window_)) ShowWindow(window_, SW_SHOW);
  if (GetForegroundWindow() != window_) SetForegroundWindow(window_);
  HWND focus = GetFocus();
  if (focus != window_ && !IsChild(window_, focus)) RestoreFocus();
}

// Disables the program's other windows, shows this one and runs the message
// loop until it is destroyed or hidden (hiding a modal window ends its modal
// show, so that the program never waits on a window nobody can see).
void Win32FormHost::ShowModal() {
  if (!window_) return;
  ModalState modal;
  modal.previouslyActive = GetActiveWindow();
  for (Win32FormHost* form : app_.Forms()) {
    HWND other = form->Window();
    if (form != this && other && IsWindowEnabled(other)) {
      EnableWindow(other, FALSE);
      modal.disabled.push_back(other);
    }
  }
  modal_ = &modal;
  // This object may be gone when the loop ends: from there on only locals.
  const std::shared_ptr<bool> alive = alive_;
  App& app = app_;
  Show();
  RunMessageLoop(app, [&] { return !*alive || !window_ || !IsWindowVisible(window_); });
  // A window that went away has given the others back already.
  if (*alive && modal_ == &modal) EndModal();
  HWND back = modal.previouslyActive;
  if (back && IsWindow(back) && IsWindowVisible(back) && IsWindowEnabled(back) &&
      !app.FormOf(GetActiveWindow())) {
    SetForegroundWindow(back);
  }
}

// Gives the other windows back before this one goes, so that Windows hands
// the activation to one of them.
void Win32FormHost::EndModal() {
  for (HWND other : modal_->disabled) {
    if (IsWindow(other)) EnableWindow(other, TRUE);
  }
  modal_->disabled.clear();
  modal_ = nullptr;
}

void Win32FormHost::Hide() {
  if (!window_) return;
  if (modal_) EndModal();
  ShowWindow(window_, SW_HIDE);
}

bool Win32FormHost::IsVisible() const { return window_ && IsWindowVisible(window_); }

void Win32FormHost::Destroy() {
  if (!window_) return;
  if (modal_) EndModal();
  DestroyWindow(window_);
}

WindowHandle Win32FormHost::Handle() const { return reinterpret_cast<WindowHandle>(window_); }

void Win32FormHost::SetNotTopmost() {
  if (window_) {
    SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  }
}

void Win32FormHost::OnWindowDestroyed() {
  if (modal_) EndModal();
  WakeMessageLoop();
  app_.RemoveForm(this);
  window_ = nullptr;
  lastFocus_ = nullptr;
  for (Control& control : controls_) control.window = nullptr;
  tips_.Forget();
}

// The control that had the focus when the window was last deactivated, or
// else the first one in table order that can take it (for a run of option
// buttons, the selected one of the run), or else the window itself.
void Win32FormHost::RestoreFocus() {
  if (lastFocus_ && IsWindow(lastFocus_) && IsChild(window_, lastFocus_) &&
      IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
    ::SetFocus(lastFocus_);
    return;
  }
  auto canFocus = [this](ControlId id) {
    const Control& control = controls_[id];
    return control.window && TakesFocus(control.design) && IsWindowVisible(control.window) &&
           IsWindowEnabled(control.window);
  };
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const auto id = static_cast<ControlId>(i);
    if (!canFocus(id)) continue;
    if (controls_[id].design.kind == ControlKind::OptionButton) {
      for (ControlId member : RunOf(id)) {
        if (canFocus(member) &&
            SendMessageA(controls_[member].window, BM_GETCHECK, 0, 0) == BST_CHECKED) {
          ::SetFocus(controls_[member].window);
          return;
        }
      }
    }
    ::SetFocus(controls_[id].window);
    return;
  }
  // Keys must still reach the window when it has nothing to focus.
  ::SetFocus(window_);
}

namespace {

std::optional<Key> KeyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_TAB:
      return GetKeyState(VK_SHIFT) < 0 ? Key::ShiftTab : Key::Tab;
    case VK_RETURN:
      return Key::Enter;
    case VK_ESCAPE:
      return Key::Escape;
    case VK_SPACE:
      return Key::Space;
    case VK_UP:
      return Key::Up;
    case VK_DOWN:
      return Key::Down;
    case VK_LEFT:
      return Key::Left;
    case VK_RIGHT:
      return Key::Right;
    case VK_PRIOR:
      return Key::PageUp;
    case VK_NEXT:
      return Key::PageDown;
    case VK_HOME:
      return Key::Home;
    case VK_END:
      return Key::End;
    default:
      return std::nullopt;
  }
}

int ScrollRequestOf(KeyAction action) {
  switch (action) {
    case KeyAction::LineUp:
      return SB_LINEUP;
    case KeyAction::LineDown:
      return SB_LINEDOWN;
    case KeyAction::PageUp:
      return SB_PAGEUP;
    case KeyAction::PageDown:
      return SB_PAGEDOWN;
    case KeyAction::Top:
      return SB_TOP;
    default:
      return SB_BOTTOM;
  }
}

}  // namespace

bool Win32FormHost::HandleDialogKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  const std::optional<Key> key = KeyOf(message.wParam);
  if (!key) return false;
  HWND focus = GetFocus();
  const ControlId focused = FocusedControl();
  // Windows' own controls know their keys; ours are told here.
  if (focused != kFormItself && !controls_[focused].standard) {
    const KeyAction action = ActionOfKey(controls_[focused].design, *key);
    if (action != KeyAction::None) {
      DoKeyAction(focused, action);
      return true;
    }
  }
  if ((*key == Key::Tab || *key == Key::ShiftTab) && !rules_.tabOrder.empty()) {
    const ControlId next = NextTabStop(rules_, focused, *key == Key::ShiftTab, Scene());
    if (next != kFormItself) ::SetFocus(controls_[next].window);
    return true;
  }
  if (*key != Key::Enter && *key != Key::Escape) return false;
  for (HWND box : {focus, focus ? GetParent(focus) : nullptr}) {
    const ControlId id = IdOfWindow(box);
    if (id != kFormItself && controls_[id].design.kind == ControlKind::ComboBox &&
        SendMessageA(box, CB_GETDROPPEDSTATE, 0, 0)) {
      return false;  // the open list of a combo box closes on these keys
    }
  }
  const bool enter = *key == Key::Enter;
  ControlId target = kFormItself;
  if (enter && focused != kFormItself && IsPushButton(controls_[focused].design.kind)) {
    target = focused;
  } else {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      const ControlSpec& design = controls_[i].design;
      if (enter ? design.isDefault : design.isCancel) {
        target = static_cast<ControlId>(i);
        break;
      }
    }
  }
  const Control* control = Find(target);
  if (control && control->window && IsWindowVisible(control->window) &&
      IsWindowEnabled(control->window)) {
    Raise(EventKind::Click, target);
  }
  return true;
}

ControlId Win32FormHost::FocusedControl() const {
  for (HWND w = GetFocus(); w && w != window_; w = GetParent(w)) {
    if (const ControlId id = IdOfWindow(w); id != kFormItself) return id;
  }
  return kFormItself;
}

FocusScene Win32FormHost::Scene() const {
  return {[this](ControlId id) {
            const Control& c = controls_[id];
            return c.window && TakesFocus(c.design) && IsWindowVisible(c.window) &&
                   IsWindowEnabled(c.window);
          },
          [this](ControlId id) { return Value(id); }};
}

// A click may end the window: nothing of it is touched after one.
void Win32FormHost::DoKeyAction(ControlId id, KeyAction action) {
  switch (action) {
    case KeyAction::None:
      return;
    case KeyAction::Click:
      Raise(EventKind::Click, id);
      return;
    case KeyAction::FocusPrevious:
    case KeyAction::FocusNext:
    case KeyAction::ChoosePrevious:
    case KeyAction::ChooseNext: {
      const bool choose = action == KeyAction::ChoosePrevious || action == KeyAction::ChooseNext;
      const bool backward =
          action == KeyAction::FocusPrevious || action == KeyAction::ChoosePrevious;
      const ControlId next = NeighbourInArray(rules_, id, backward, choose, Scene());
      if (next == kFormItself) return;
      ::SetFocus(controls_[next].window);
      if (choose) Raise(EventKind::Click, next);
      return;
    }
    default:
      if (TopicView* view = controls_[id].topicView.get()) view->Scroll(ScrollRequestOf(action));
      return;
  }
}

bool Win32FormHost::DescribeWindow(HWND window, AccessibleFacts& facts, std::wstring& value,
                                   std::string& description) {
  const ControlId id = IdOfWindow(window);
  if (id == kFormItself) return false;
  const Control& control = controls_[id];
  ControlNow now;
  now.caption = Text(id);
  now.toolTip = control.toolTip;
  now.name = control.accessibleName;
  if (const ControlId label = LabelOf(rules_, id); label != kFormItself)
    now.labelCaption = Text(label);
  now.visible = IsWindowVisible(window) != FALSE;
  now.enabled = IsWindowEnabled(window) != FALSE;
  now.checked = Value(id);
  now.selected = control.selected;
  now.focused = GetFocus() == window;
  facts = Describe(control.design, now);
  value = control.topicView ? control.topicView->ReadingText() : std::wstring();
  // A tool tip that does not name the control says more about it.
  description = control.toolTip != facts.name ? control.toolTip : std::string();
  return true;
}

// Posted, so that the click runs from the window's own message loop, as a
// click of the mouse does.
void Win32FormHost::DoDefaultAction(HWND window) {
  const ControlId id = IdOfWindow(window);
  if (id == kFormItself) return;
  if (controls_[id].standard)
    PostMessageA(window, BM_CLICK, 0, 0);
  else
    PostMessageA(window, kDefaultActionMessage, 0, 0);
}

void Win32FormHost::Raise(EventKind kind, ControlId id, int x, int y) {
  Event event;
  event.kind = kind;
  event.control = id;
  event.x = x;
  event.y = y;
  Guarded([&] { events_.OnEvent(event); });
}

void Win32FormHost::RaiseCloseRequest() {
  Guarded([&] { events_.OnCloseRequest(); });
}

}  // namespace vantor::win32
