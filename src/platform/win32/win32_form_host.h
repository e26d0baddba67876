// A window of the program as a real top-level window with child controls
// built from its design table. Events go back to the core through
// FormEvents; the core may destroy the window from inside any of them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/accessibility.h"
#include "platform/form_host.h"
#include "platform/win32/accessible_object.h"
#include "platform/win32/app.h"
#include "platform/win32/tooltips.h"
#include "platform/win32/topic_view.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {

// The text of a window: a caption, or a control's text.
std::string WindowText(HWND window);

// The controls' windows are made when the window is first shown, each at
// once with the place, text, font and state the core gave it by then, and
// only those shown: a control that starts hidden gets its window when it is
// first shown (or its window is asked for). Until then the record answers
// for it. So a window's start creates every visible control once, in its
// final state, and nothing else. A control without a window is hidden, so
// neither the keyboard nor a screen reader has anything of it to reach.
class Win32FormHost final : public FormHost, private AccessibleSource {
 public:
  // Creates the window, hidden; its controls come with its first showing.
  Win32FormHost(App& app, const FormSpec& design, FormEvents& events);
  ~Win32FormHost() override;
  Win32FormHost(const Win32FormHost&) = delete;
  Win32FormHost& operator=(const Win32FormHost&) = delete;

  void SetCaption(const std::string& text) override;
  std::string Caption() const override;
  int Left() const override { return OuterRect().left; }
  int Top() const override { return OuterRect().top; }
  int Width() const override { return OuterRect().width; }
  int Height() const override { return OuterRect().height; }
  void Move(int left, int top, int width, int height) override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  vantor::WindowState WindowState() const override;
  TwipsRect WorkspaceNormalRect() const override;
  void Show() override;
  void ShowModal() override;
  void Hide() override;
  bool IsVisible() const override;
  void Destroy() override;
  WindowHandle Handle() const override;
  void SetNotTopmost() override;

  void SetText(ControlId id, const std::string& text) override;
  std::string Text(ControlId id) const override;
  void SetVisible(ControlId id, bool visible) override;
  bool Visible(ControlId id) const override;
  void SetEnabled(ControlId id, bool enabled) override;
  bool Enabled(ControlId id) const override;
  void SetValue(ControlId id, bool selected) override;
  bool Value(ControlId id) const override;
  void SetBounds(ControlId id, const Bounds& bounds) override;
  Bounds GetBounds(ControlId id) const override;
  void SetForeColor(ControlId id, Color color) override;
  void SetBackColor(ControlId id, Color color) override;
  void SetFont(ControlId id, const Font& font) override;
  void SetPicture(ControlId id, const std::string& picture) override;
  void SetDisabledPicture(ControlId id, const std::string& picture) override;
  void SetToolTip(ControlId id, const std::string& text) override;
  void SetSelected(ControlId id, bool selected) override;
  void SetAccessibleName(ControlId id, const std::string& name) override;
  void SetTopicPane(ControlId id, const TopicPaneState& state) override;
  TopicPaneState TopicPane(ControlId id) const override;
  void SetTimer(ControlId id, bool enabled, int intervalMs) override;
  void SetFocus(ControlId id) override;
  void BringToFront(ControlId id) override;
  void PaintNow(ControlId id) override;
  void SetItems(ControlId id, const std::vector<std::string>& items) override;
  std::vector<std::string> Items(ControlId id) const override;
  void SetListIndex(ControlId id, int index) override;
  int ListIndex(ControlId id) const override;
  WindowHandle ControlHandle(ControlId id) override;
  TextSize MeasureText(const Font& font, const std::string& text) const override;

  HWND Window() const { return window_; }

  // The keys for this window, ahead of the dialog manager: the keys of our
  // own controls (Space, Enter and the arrows), Tab along the design's tab
  // order, and Enter and Escape, which the dialog manager would otherwise
  // give to the controls numbered IDOK and IDCANCEL. True when the key was
  // consumed.
  bool HandleDialogKey(const MSG& message);
  // The pointer moved over the window: its tool tips come to life.
  void PointerArrived() { tips_.PointerArrived(app_.Instance(), window_); }

  // From the window procedures.
  void Attach(HWND window) { window_ = window; }
  LRESULT OnFormMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  void OnStandardControlMouseMove(HWND control, LPARAM lParam);
  // WM_GETOBJECT of a subclassed standard control; nullopt leaves it to the
  // control's own procedure.
  std::optional<LRESULT> OnStandardControlGetObject(HWND control, WPARAM wParam, LPARAM lParam);

 private:
  struct Control {
    ControlSpec design;  // the design values, kept current as the core changes them
    HWND window = nullptr;
    int windowId = 0;
    ControlId container = kFormItself;
    bool pressed = false;  // our own classes: a button-down awaits its release
    // Screen readers: our own windows (and the picture buttons, which the
    // program draws) answer for themselves.
    bool ownWindow = false;
    bool standard = false;  // a Windows control class
    bool selected = false;
    std::string accessibleName;
    bool inTimer = false;  // a tick is being handled; a nested one is dropped
    TopicPaneState pane;
    std::unique_ptr<TopicView> topicView;  // topic panes, from their first SetTopicPane
    // Kept for a control without a window yet, and given to it when made;
    // our own windows standing for a check box or an option keep their
    // state here only.
    std::string toolTip;
    bool checked = false;  // option and check buttons
    bool inFront = false;  // put above its siblings (BringToFront)
  };
  struct ModalState {
    std::vector<HWND> disabled;  // the program's windows this modal show disabled
    HWND previouslyActive = nullptr;
  };

  // The window's place and outer size in twips, at the screen's scale now.
  TwipsRect OuterRect() const;
  void CreateFormWindow(const FormSpec& design);
  // Makes the windows of the controls that are shown, once, at the first
  // showing of the window.
  void MakeControls();
  // The control's window, made now if it has none (with its container's).
  HWND EnsureWindow(ControlId id);
  // Makes the window of a control (its container has one), in its place
  // among its siblings, and then those of the visible controls it holds.
  void CreateControl(ControlId id);
  void PlaceAmongSiblings(ControlId id);
  // Shown by its own setting and, inside a picture box, its container's.
  bool Wanted(ControlId id) const;
  bool StartsGroup(ControlId id) const;
  std::vector<ControlId> RunOf(ControlId id) const;
  void ApplyTimer(ControlId id);
  void Repaint(const Control& control);
  static bool ShowsUnderLabels(const Control& control);
  void OnWindowDestroyed();
  void EndModal();

  Control* Find(ControlId id);
  const Control* Find(ControlId id) const;
  ControlId IdOfWindow(HWND control) const;
  HWND ContainerWindow(ControlId container) const;

  std::optional<LRESULT> OnParentMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(ControlId id, int code);
  bool OnMouse(ControlId id, HWND window, UINT message, LPARAM lParam);
  void OnTimerTick(int windowId);
  void PaintControl(ControlId id, HWND window);
  void PaintUnderneath(ControlId id, HDC dc);
  std::vector<ControlId> SiblingsBelow(ControlId id) const;
  void PaintLabelText(ControlId id, HDC dc, const RECT& place);
  COLORREF BackColorOf(ControlId id) const;  // kFormItself: the form's own

  void RestoreFocus();
  // The control that has the focus, or holds the window that has it.
  ControlId FocusedControl() const;
  bool HoldsFocus(const Control& control) const;
  void MoveFocusOn(ControlId id);
  FocusScene Scene() const;
  void DoKeyAction(ControlId id, KeyAction action);
  // Whether the label's text shows the keyboard focus: it or the control
  // it names has it.
  bool ShowsFocus(ControlId id) const;
  void AnnounceChange(ControlId id, DWORD event);
  bool DescribeWindow(HWND window, AccessibleFacts& facts, std::wstring& value,
                      std::string& description) override;
  void DoDefaultAction(HWND window) override;
  void Raise(EventKind kind, ControlId id, int x = 0, int y = 0);
  void RaiseCloseRequest();

  App& app_;
  FormEvents& events_;
  // The design's roles, labels and tab order, for the keys and screen readers.
  FormSpec rules_;
  HWND window_ = nullptr;
  Color backColor_;
  std::vector<Control> controls_;
  std::unordered_map<int, ControlId> byWindowId_;
  ToolTips tips_;
  HWND lastFocus_ = nullptr;
  bool controlsMade_ = false;
  bool formPressed_ = false;
  ModalState* modal_ = nullptr;
  // Shared with the callers on the stack: false once this object is gone,
  // so that a caller that ran an event knows not to touch it any more.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace vantor::win32
