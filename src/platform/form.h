// The core's side of a window: a Form owns the design table and, while it is
// loaded, the platform's FormHost. Controls are small typed handles; events
// are wired once, in the window's constructor, to its handler methods.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/form_host.h"
#include "platform/platform.h"

namespace vantor {

class Form;

// A handle on one control of a loaded form. Property sets go straight to
// the backend.
class Control {
 public:
  Control(Form& form, ControlId id) : form_(&form), id_(id) {}
  ControlId Id() const { return id_; }

  void SetCaption(const std::string& text);
  std::string Caption() const;
  void SetVisible(bool visible);
  bool Visible() const;
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void SetBounds(const Bounds& bounds);
  Bounds GetBounds() const;
  void SetForeColor(Color color);
  void SetBackColor(Color color);
  void SetFont(const Font& font);
  void SetToolTip(const std::string& text);
  // What a screen reader calls the control when its caption, label and
  // tool tip say nothing.
  void SetAccessibleName(const std::string& name);
  void SetFocus();
  void PaintNow();
  WindowHandle Handle() const;

 protected:
  FormHost& Host() const;

 private:
  Form* form_;
  ControlId id_;
};

class Button : public Control {
 public:
  using Control::Control;
};

// A push button that shows a picture, and another while it is disabled.
class GraphicalButton : public Control {
 public:
  using Control::Control;
  void SetPicture(const std::string& picture);
  void SetDisabledPicture(const std::string& picture);
};

class Label : public Control {
 public:
  using Control::Control;
  // An entry of a list drawn as labels: the current one (screen readers).
  void SetSelected(bool selected);
};

class OptionButton : public Control {
 public:
  using Control::Control;
  void SetValue(bool selected);
  bool Value() const;
};

class Picture : public Control {  // images and picture boxes
 public:
  using Control::Control;
  void SetPicture(const std::string& picture);
  // A picture that stands for a check box or an option: ticked or chosen.
  void SetValue(bool selected);
  bool Value() const;
};

// An image that is never shown: it only holds a picture for the window to
// hand to its visible controls.
ControlSpec PictureHolder(const ControlDecl<Picture>& holder, const std::string& picture,
                          Bounds bounds);

// Combo boxes and the drive, folder and file lists.
class ListControl : public Control {
 public:
  using Control::Control;
  void SetItems(const std::vector<std::string>& items);
  std::vector<std::string> Items() const;
  void SetListIndex(int index);
  int ListIndex() const;
};

class TopicPane : public Control {
 public:
  using Control::Control;
  void SetTitle(const std::string& path);
  void SetTopic(const std::string& topic);
  void SetBackgroundBitmap(const std::string& name);
  TopicPaneState State() const;
};

class Timer : public Control {
 public:
  using Control::Control;
  void Start(int intervalMs);
  void Stop();
};

class Form : private FormEvents {
 public:
  using MouseHandler = std::function<void(int index, int x, int y)>;
  Form(Platform& platform, FormSpec design);
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return spec_.name; }
  bool IsLoaded() const { return loaded_; }

  // Creates the window (hidden) and runs Form_Load. Loading a loaded form
  // does nothing.
  void Load();
  // Runs Form_Unload, then destroys the window.
  void Unload();

  // The window itself, in twips. Only while loaded.
  FormHost& Host() const;
  void SetCaption(const std::string& text) { Host().SetCaption(text); }
  int Left() const { return Host().Left(); }
  int Top() const { return Host().Top(); }
  int Width() const { return Host().Width(); }
  int Height() const { return Host().Height(); }
  void SetLeft(int twips) { Host().Move(twips, Top(), Width(), Height()); }
  // Both at once: one move of the window instead of two.
  void SetPosition(int left, int top) { Host().Move(left, top, Width(), Height()); }
  void SetSize(int width, int height) { Host().Move(Left(), Top(), width, height); }
  vantor::WindowState WindowState() const { return Host().WindowState(); }
  void Show() { Host().Show(); }
  // Paints the whole window now, instead of when it next waits for input.
  void PaintNow() { Host().PaintNow(kFormItself); }
  void ShowModal() { Host().ShowModal(); }
  void Hide() { Host().Hide(); }

  // Position of a declared control in the design table, and its row: the
  // picture a hidden holder keeps for the window to hand to its visible
  // controls, a timer's interval, a label's font.
  ControlId Find(const ControlName& control) const { return Find(control.name, control.index); }
  const ControlSpec& Design(const ControlName& control) const {
    return spec_.controls[Find(control)];
  }

 protected:
  Platform& platform() const { return platform_; }

  template <class T>
  T Get(const ControlDecl<T>& control) {
    return T(*this, Find(control));
  }
  // Wires an event of a control, or of every element of a control array,
  // to a handler that gets the element index. A control the design table
  // lacks is a fault of the window: it throws here, while the window is
  // built, instead of leaving a handler that never runs.
  void On(const ControlName& control, EventKind kind, std::function<void(int index)> handler) {
    Wire(control.name, control.index, control.index, kind, Drop(std::move(handler)));
  }
  void On(const ControlRange& controls, EventKind kind, std::function<void(int)> handler) {
    Wire(controls.name, 0, controls.count - 1, kind, Drop(std::move(handler)));
  }
  void OnMouse(const ControlName& control, EventKind kind, MouseHandler handler) {
    Wire(control.name, control.index, control.index, kind, std::move(handler));
  }
  void OnMouse(const ControlRange& controls, EventKind kind, MouseHandler handler) {
    Wire(controls.name, 0, controls.count - 1, kind, std::move(handler));
  }
  // An event of the window itself, off every control.
  void OnWindow(EventKind kind, MouseHandler handler) {
    handlers_.emplace(std::make_pair(std::string(), kind), std::move(handler));
  }
  // Only a timer ticks.
  void OnTimer(const ControlDecl<Timer>& timer, std::function<void()> handler) {
    Wire(timer.name, timer.index, timer.index, EventKind::Timer,
         [h = std::move(handler)](int, int, int) { h(); });
  }

  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  // The close box: unloads the window unless a window says otherwise.
  virtual void Form_CloseRequest() { Unload(); }

 private:
  ControlId Find(const std::string& name, int index) const;
  static MouseHandler Drop(std::function<void(int)> handler) {
    return [h = std::move(handler)](int index, int, int) { h(index); };
  }
  void Wire(const std::string& name, int first, int last, EventKind kind, MouseHandler handler);
  void OnEvent(const Event& event) override;
  void OnCloseRequest() override { Form_CloseRequest(); }

  Platform& platform_;
  FormSpec spec_;
  // Kept after Unload until the next Load: the backend may still be inside
  // the event that unloaded the window.
  std::unique_ptr<FormHost> host_;
  bool loaded_ = false;
  std::multimap<std::pair<std::string, EventKind>, MouseHandler> handlers_;
};

}  // namespace vantor
