// A window of the simulated desktop: every property in memory, events raised
// by the test through the same FormEvents the real backend uses.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/accessibility.h"
#include "platform/form_host.h"
#include "platform/text_measurer.h"

namespace vantor::sim {

// The simulated desktop's fixed metrics (SimFormHost::MeasureText).
TextSize FixedTextSize(const Font& font, const std::string& text);

// The same metrics without a window, for vantor-check's fit checks.
class FixedTextMeasurer final : public TextMeasurer {
 public:
  TextSize MeasureText(const Font& font, const std::string& text) override {
    TextSize size = FixedTextSize(font, text);
    if (const auto chosen = widths.find(text); chosen != widths.end()) size.width = chosen->second;
    return size;
  }
  TextSize MeasureUtf8(const Font& font, const std::string& text) override {
    return FixedTextSize(font, text);
  }
  int CaptionHeightPx() override { return captionHeight; }
  int captionHeight = 18;
  std::map<std::string, int> widths;  // chosen widths of some texts of the settings
};

class SimPlatform;

struct SimControl {
  ControlSpec design;
  std::string text;
  std::string toolTip;
  std::string accessibleName;
  bool selected = false;  // the current entry of a list
  std::string picture;
  TopicPaneState pane;
  bool visible = true;
  // Shown again (or its window shown) and not painted since: the window
  // paints it when it next waits for input.
  bool paintDue = false;
  bool enabled = true;
  bool value = false;
  bool timerEnabled = false;
  int interval = 0;
  long long nextTickMs = 0;
  std::vector<std::string> items;
  int listIndex = -1;
};

class SimFormHost : public FormHost {
 public:
  SimFormHost(SimPlatform& desktop, const FormSpec& design, FormEvents& events,
              WindowHandle handle);
  ~SimFormHost() override;

  // What a test does to the window.
  void Click(const std::string& name, int index = -1);
  void DblClick(const std::string& name, int index = -1);
  void MouseMove(const std::string& name, int index = -1, int x = 0, int y = 0);
  // A click on entry `item` of a list, or a choice in a combo box's list:
  // the entry becomes the selected one, then the control's event runs.
  void SelectItem(const std::string& name, int item);
  // Typing into a combo box: its text changes, then its Change event runs.
  void TypeText(const std::string& name, const std::string& text);
  void PressEnter();   // the default button, as Enter does
  void PressEscape();  // the cancel button, as Escape does
  // A key as the keyboard gives it to the window: to the focused control
  // first (Space presses a button, an arrow moves among options), then to
  // the window (Tab moves the focus, Enter and Escape as above).
  void PressKey(Key key);
  // The focused control's name and index; an empty name when none has it.
  std::pair<std::string, int> Focused() const;
  // What a screen reader is told of a control.
  AccessibleFacts Accessible(const std::string& name, int index = -1) const;
  void CloseBox();
  // What a test reads back.
  SimControl& Control(const std::string& name, int index = -1);
  // The same, for a control as its window declares it.
  void Click(const ControlName& c) { Click(c.name, c.index); }
  void DblClick(const ControlName& c) { DblClick(c.name, c.index); }
  void MouseMove(const ControlName& c, int x = 0, int y = 0) { MouseMove(c.name, c.index, x, y); }
  void SelectItem(const ControlName& c, int item) { SelectItem(c.name, item); }
  void TypeText(const ControlName& c, const std::string& text) { TypeText(c.name, text); }
  AccessibleFacts Accessible(const ControlName& c) const { return Accessible(c.name, c.index); }
  SimControl& Control(const ControlName& c) { return Control(c.name, c.index); }
  bool destroyed() const { return destroyed_; }
  bool shownModal() const { return shownModal_; }
  int notTopmostCalls() const { return notTopmostCalls_; }
  // What happened to the window, in order: "hide", "show", "move",
  // "topic <id>" when a topic pane is given another topic, and
  // "front <name>" when a control is brought to the front, and
  // "scroll <name>" when a key scrolls a topic pane.
  const std::vector<std::string>& trace() const { return trace_; }
  const std::string& name() const { return name_; }
  // The clock: fires every timer due at `nowMs`, in order. Returns true if
  // one fired.
  bool FireDueTimer(long long nowMs);
  long long NextTimerDue() const;  // -1 when no timer runs

  // FormHost.
  void SetCaption(const std::string& text) override { caption_ = text; }
  std::string Caption() const override { return caption_; }
  int Left() const override { return left_; }
  int Top() const override { return top_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Move(int left, int top, int width, int height) override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  vantor::WindowState WindowState() const override { return windowState_; }
  // Minimises, maximises or restores the window as Windows does:
  // a minimised window stands at -32000 pixels as a small caption, a
  // maximised one fills the work area of its monitor with its borders
  // outside it, and the normal rectangle is kept for the restore.
  void SetWindowState(vantor::WindowState state);
  // Where it stands normally, on the screen; the system keeps it, and
  // WorkspaceNormalRect answers it, in workspace coordinates.
  TwipsRect ScreenNormalRect() const;
  TwipsRect WorkspaceNormalRect() const override;
  void Show() override;
  void ShowModal() override;
  void Hide() override;
  bool IsVisible() const override { return visible_ && !destroyed_; }
  void Destroy() override;
  WindowHandle Handle() const override { return handle_; }
  void SetNotTopmost() override { ++notTopmostCalls_; }
  void SetText(ControlId id, const std::string& text) override { At(id).text = text; }
  std::string Text(ControlId id) const override { return At(id).text; }
  void SetVisible(ControlId id, bool visible) override;
  bool Visible(ControlId id) const override { return At(id).visible; }
  void SetEnabled(ControlId id, bool enabled) override;
  bool Enabled(ControlId id) const override { return At(id).enabled; }
  void SetValue(ControlId id, bool selected) override;
  bool Value(ControlId id) const override { return At(id).value; }
  void SetBounds(ControlId id, const Bounds& bounds) override { At(id).design.bounds = bounds; }
  Bounds GetBounds(ControlId id) const override { return At(id).design.bounds; }
  void SetForeColor(ControlId id, Color color) override { At(id).design.foreColor = color; }
  void SetBackColor(ControlId id, Color color) override { At(id).design.backColor = color; }
  void SetFont(ControlId id, const Font& font) override { At(id).design.font = font; }
  void SetPicture(ControlId id, const std::string& picture) override { At(id).picture = picture; }
  void SetDisabledPicture(ControlId id, const std::string& picture) override {
    At(id).design.disabledPicture = picture;
  }
  void SetToolTip(ControlId id, const std::string& text) override { At(id).toolTip = text; }
  void SetSelected(ControlId id, bool selected) override { At(id).selected = selected; }
  void SetAccessibleName(ControlId id, const std::string& name) override {
    At(id).accessibleName = name;
  }
  void SetTopicPane(ControlId id, const TopicPaneState& state) override;
  TopicPaneState TopicPane(ControlId id) const override { return At(id).pane; }
  void SetTimer(ControlId id, bool enabled, int intervalMs) override;
  void SetFocus(ControlId id) override { focus_ = id; }
  void BringToFront(ControlId id) override { trace_.push_back("front " + At(id).design.name); }
  void PaintNow(ControlId id) override;
  void SetItems(ControlId id, const std::vector<std::string>& items) override;
  std::vector<std::string> Items(ControlId id) const override { return At(id).items; }
  void SetListIndex(ControlId id, int index) override;
  int ListIndex(ControlId id) const override { return At(id).listIndex; }
  WindowHandle ControlHandle(ControlId id) override { return handle_ * 1000 + id + 1; }
  TextSize MeasureText(const Font& font, const std::string& text) const override;

 private:
  SimControl& At(ControlId id) { return controls_.at(static_cast<std::size_t>(id)); }
  const SimControl& At(ControlId id) const { return controls_.at(static_cast<std::size_t>(id)); }
  ControlId IdOf(const std::string& name, int index) const;
  int FrameWidth() const;
  int FrameHeight() const;
  void Raise(EventKind kind, const std::string& name, int index, int x = 0, int y = 0);
  // Shown (with every container), enabled and able to take the focus.
  bool Usable(ControlId id) const;
  void PassFocusOn(ControlId id);
  FocusScene Scene() const;

  SimPlatform& desktop_;
  FormEvents& events_;
  FormSpec design_;
  std::string name_;
  std::string caption_;
  ControlId focus_ = kFormItself;
  std::vector<SimControl> controls_;
  WindowHandle handle_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  vantor::WindowState windowState_ = vantor::WindowState::Normal;
  TwipsRect normal_;  // while minimised or maximised
  bool visible_ = false;
  bool destroyed_ = false;
  bool shownModal_ = false;
  int notTopmostCalls_ = 0;
  std::vector<std::string> trace_;
};

}  // namespace vantor::sim
