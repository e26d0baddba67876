// A window of the program as a real top-level window with child controls
// built from its design table. Events go back to the core through
// FormEvents; the core may destroy the window from inside any of them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/form_host.h"
#include "platform/win32/app.h"
#include "platform/win32/tooltips.h"
#include "platform/win32/topic_view.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {

// The text of a window: a caption, or a control's text.
std::string WindowText(HWND window);

class Win32FormHost final : public FormHost {
 public:
  // Creates the window, hidden, with all its controls.
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
  WindowHandle ControlHandle(ControlId id) const override;
  TextSize MeasureText(const Font& font, const std::string& text) const override;

  HWND Window() const { return window_; }

  // Enter and Escape for this window, ahead of the dialog manager, which
  // would otherwise press the controls numbered IDOK and IDCANCEL. True when
  // the key was consumed.
  bool HandleDialogKey(const MSG& message);

  // From the window procedures.
  void Attach(HWND window) { window_ = window; }
  LRESULT OnFormMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  void OnStandardControlMouseMove(HWND control, LPARAM lParam);

 private:
  struct Control {
    ControlSpec design;  // the design values, kept current as the core changes them
    HWND window = nullptr;
    int windowId = 0;
    ControlId container = kFormItself;
    bool pressed = false;  // our own classes: a button-down awaits its release
    bool inTimer = false;  // a tick is being handled; a nested one is dropped
    TopicPaneState pane;
    std::unique_ptr<TopicView> topicView;  // topic panes, from their first SetTopicPane
  };
  struct ModalState {
    std::vector<HWND> disabled;  // the program's windows this modal show disabled
    HWND previouslyActive = nullptr;
  };

  // The window's place and outer size in twips, at the screen's scale now.
  TwipsRect OuterRect() const;
  void CreateFormWindow(const FormSpec& design);
  void CreateControl(ControlId id, std::vector<bool>& created);
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
  void PaintLabelText(ControlId id, HDC dc, const RECT& place);
  COLORREF BackColorOf(ControlId id) const;  // kFormItself: the form's own

  void RestoreFocus();
  void Raise(EventKind kind, ControlId id, int x = 0, int y = 0);
  void RaiseCloseRequest();

  App& app_;
  FormEvents& events_;
  HWND window_ = nullptr;
  Color backColor_;
  std::vector<Control> controls_;
  std::unordered_map<int, ControlId> byWindowId_;
  ToolTips tips_;
  HWND lastFocus_ = nullptr;
  bool formPressed_ = false;
  ModalState* modal_ = nullptr;
  // Shared with the callers on the stack: false once this object is gone,
  // so that a caller that ran an event knows not to touch it any more.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace vantor::win32
