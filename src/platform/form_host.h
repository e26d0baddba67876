// The window framework as the core sees it: a window is described by a
// design table (FormSpec) and driven through a FormHost that the platform
// creates from it. Events come back through FormEvents.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/types.h"

namespace vantor {

enum class ControlKind {
  Button,           // push button with a caption
  GraphicalButton,  // push button showing a picture (and a greyed picture)
  Label,
  Image,       // a picture, stretched to its bounds; clickable
  PictureBox,  // a container with a background colour or picture
  Line,
  Timer,  // invisible; ticks every `interval` ms while enabled
  ComboBox,
  DriveList,
  DirList,
  FileList,
  OptionButton,  // radio button with a caption
  TopicPane,     // shows one topic of a help title over a background bitmap
};

// Left/top/width/height in pixels, inside the control's container.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A window's own place and outer size, in twips.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

constexpr Color kDefaultColor = 0xFFFFFFFFu;  // "use the system's colour"

// What a screen reader is told a control is. FromKind: what the control's
// kind makes it (a label is static text, a button a push button, ...).
enum class AccessibleRole {
  FromKind,
  PushButton,
  CheckBox,
  RadioButton,
  StaticText,
  ListItem,
  List,
  ComboBox,
  ProgressBar,
  Animation,
  Graphic,
  Document,
  Pane,
};

// A dialog's own OK or Cancel button. The backend gives it the control ID
// that the system reserves for that button, so that tools which press a
// dialog's OK or Cancel find it.
enum class DialogButton { None, Ok, Cancel };

struct ControlSpec {
  std::string name;  // as its ControlDecl names it
  int index = -1;    // element of a control array; -1 for a single control
  ControlKind kind = ControlKind::Label;
  std::string container;  // empty: the window itself; else a PictureBox's name
  Bounds bounds;          // pixels
  std::string caption;
  Color backColor = kDefaultColor;
  Color foreColor = kDefaultColor;
  Font font;
  std::string picture;          // resource name of the picture, if any
  std::string disabledPicture;  // graphical buttons: picture shown while disabled
  bool visible = true;
  bool enabled = true;
  // Labels: no background of their own; what lies under them shows through.
  bool transparent = false;
  bool isDefault = false;  // pressed by Enter
  bool isCancel = false;   // pressed by Escape
  int interval = 0;        // timers, milliseconds
  DialogButton dialogButton = DialogButton::None;
  int id = 0;  // fixed control ID; 0 lets the backend number it
  // Screen readers and the keyboard. A picture that stands for a check box
  // or an option takes that role, its name from the caption of the control
  // `labelledBy` (the same element of an array), and the focus; our own
  // controls that the keyboard reaches are `tabStop`.
  AccessibleRole role = AccessibleRole::FromKind;
  std::string labelledBy;
  bool tabStop = false;
};

// What a topic pane is told to show. The background is a bitmap file name;
// a leading "!" means the file of that name beside the help title.
struct TopicPaneState {
  std::string title;  // full path of the help title file
  std::string topic;  // identifier of the topic in it
  std::string backgroundBitmap;
  friend bool operator==(const TopicPaneState&, const TopicPaneState&) = default;
};

// A control of a window, declared once in the window's design header with
// its name in the design table and its fixed control ID (0: the backend
// numbers it), so that tools driving a window by ID, and the end-to-end
// tests, find the same control in every version. An element of a control
// array carries its index. ControlDecl<T> adds the handle that drives it.
struct ControlName {
  const char* name;
  int id = 0;
  int index = -1;
};
template <class T>
struct ControlDecl : ControlName {};

// A control array: element i has the array's name and ID firstId + i.
struct ControlRange {
  const char* name;
  int firstId;
  int count;
};
template <class T>
struct ControlArray : ControlRange {
  constexpr ControlDecl<T> operator[](int i) const {
    if (i < 0 || i >= count)
      throw std::out_of_range(std::string(name) + " has no element " + std::to_string(i));
    return {name, firstId + i, i};
  }
};

// A row of a design table: everything else keeps its default.
inline ControlSpec DesignRow(const ControlName& control, ControlKind kind, Bounds bounds,
                             const std::string& container = "") {
  ControlSpec row;
  row.name = control.name;
  row.index = control.index;
  row.id = control.id;
  row.kind = kind;
  row.container = container;
  row.bounds = bounds;
  return row;
}

enum class BorderStyle { FixedSingle, FixedDialog };

struct FormSpec {
  std::string name;  // "frmChoice", ...
  std::string caption;
  int clientWidthTwips = 0;  // design size of the client area
  int clientHeightTwips = 0;
  BorderStyle border = BorderStyle::FixedDialog;
  Color backColor = kDefaultColor;
  std::vector<ControlSpec> controls;
  // Where Tab goes, in the window's visual order: names of controls, an
  // array standing for its elements in index order. Empty: the table order
  // of the controls that take the focus, as the dialog manager goes.
  std::vector<std::string> tabOrder;
};

// A design table before its controls: the window's name and its client
// area as designed, in twips.
inline FormSpec FormDesign(const char* name, int widthTwips, int heightTwips,
                           BorderStyle border = BorderStyle::FixedDialog) {
  FormSpec design;
  design.name = name;
  design.clientWidthTwips = widthTwips;
  design.clientHeightTwips = heightTwips;
  design.border = border;
  return design;
}

// Whether a window is shown at its normal place, as a taskbar button or over
// the whole work area.
enum class WindowState { Normal, Minimised, Maximised };

// Position of a control in its form's design table.
using ControlId = int;
constexpr ControlId kFormItself = -1;

enum class EventKind { Click, DblClick, MouseMove, Timer, Change };

// The keys that move the focus or act on the focused control.
enum class Key {
  Tab,
  ShiftTab,
  Enter,
  Escape,
  Space,
  Up,
  Down,
  Left,
  Right,
  PageUp,
  PageDown,
  Home,
  End
};

struct Event {
  EventKind kind = EventKind::Click;
  ControlId control = kFormItself;
  int x = 0;  // pixels, for mouse events
  int y = 0;
};

class FormEvents {
 public:
  virtual ~FormEvents() = default;
  virtual void OnEvent(const Event& event) = 0;
  // The user asked to close the window (its close box, Alt+F4).
  virtual void OnCloseRequest() = 0;
};

class FormHost {
 public:
  virtual ~FormHost() = default;

  // The window itself. Position and outer size in twips.
  virtual void SetCaption(const std::string& text) = 0;
  virtual std::string Caption() const = 0;
  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void Move(int left, int top, int width, int height) = 0;
  // The inner size in pixels, as the system reports it now.
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  virtual vantor::WindowState WindowState() const = 0;
  // Where the window stands when it is neither minimised nor maximised, as
  // the system keeps it: in workspace twips, its place on the screen less
  // the work area offset of its monitor (Platform::WorkAreaOffset). Its size
  // is the same as Width/Height while it is normal.
  virtual TwipsRect WorkspaceNormalRect() const = 0;
  virtual void Show() = 0;       // modeless
  virtual void ShowModal() = 0;  // returns once the window is destroyed
  virtual void Hide() = 0;
  virtual bool IsVisible() const = 0;
  virtual void Destroy() = 0;  // also ends a running ShowModal
  virtual WindowHandle Handle() const = 0;
  // Puts the window into the normal (non-topmost) z-order band without
  // moving, sizing or activating it.
  virtual void SetNotTopmost() = 0;

  // Controls, by their position in the design table.
  virtual void SetText(ControlId id, const std::string& text) = 0;
  virtual std::string Text(ControlId id) const = 0;
  virtual void SetVisible(ControlId id, bool visible) = 0;
  virtual bool Visible(ControlId id) const = 0;
  virtual void SetEnabled(ControlId id, bool enabled) = 0;
  virtual bool Enabled(ControlId id) const = 0;
  // Option and check buttons, and the pictures that stand for them: ticked
  // or chosen.
  virtual void SetValue(ControlId id, bool selected) = 0;
  virtual bool Value(ControlId id) const = 0;
  // Screen readers: the entry of a list that is the current one (the step
  // shown, the clip playing), and a name for a control whose caption, label
  // and tool tip say nothing (a picture button without a tool tip).
  virtual void SetSelected(ControlId id, bool selected) = 0;
  virtual void SetAccessibleName(ControlId id, const std::string& name) = 0;
  virtual void SetBounds(ControlId id, const Bounds& bounds) = 0;
  virtual Bounds GetBounds(ControlId id) const = 0;
  virtual void SetForeColor(ControlId id, Color color) = 0;
  virtual void SetBackColor(ControlId id, Color color) = 0;
  virtual void SetFont(ControlId id, const Font& font) = 0;
  virtual void SetPicture(ControlId id, const std::string& picture) = 0;
  // Graphical buttons: the picture shown while the button is disabled.
  virtual void SetDisabledPicture(ControlId id, const std::string& picture) = 0;
  virtual void SetToolTip(ControlId id, const std::string& text) = 0;
  virtual void SetTimer(ControlId id, bool enabled, int intervalMs) = 0;
  virtual void SetFocus(ControlId id) = 0;
  // Puts the control above its siblings, so that it gets the mouse first.
  virtual void BringToFront(ControlId id) = 0;
  // Paints what is due on the control now, instead of when the window next
  // waits for input: a painting due later would wipe what another thread
  // (the multimedia layer) draws into the control meanwhile. kFormItself
  // paints the whole window, every control on it included.
  virtual void PaintNow(ControlId id) = 0;
  // Combo boxes and lists: their entries, and the selected one (-1: none).
  virtual void SetItems(ControlId id, const std::vector<std::string>& items) = 0;
  virtual std::vector<std::string> Items(ControlId id) const = 0;
  virtual void SetListIndex(ControlId id, int index) = 0;
  virtual int ListIndex(ControlId id) const = 0;
  // Topic panes: what they show.
  virtual void SetTopicPane(ControlId id, const TopicPaneState& state) = 0;
  virtual TopicPaneState TopicPane(ControlId id) const = 0;
  // The control's own window, for the multimedia layer to play into; made
  // now if the control has not been shown yet.
  virtual WindowHandle ControlHandle(ControlId id) = 0;

  // Size of a text drawn in a font on this window, in pixels. The text is
  // one of the settings file's, in the system's ANSI code page; it is
  // measured as the Unicode text it stands for, as it is drawn.
  virtual TextSize MeasureText(const Font& font, const std::string& text) const = 0;
};

}  // namespace vantor
