// The backend's process-wide state: the module, the window classes of our
// own controls, the program's open windows, the pointer the program asked
// for and the GDI objects that all windows share. There is one App per
// process; WinMain owns it.
#pragma once

#include <vector>

#include "platform/types.h"
#include "platform/win32/gdi_cache.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {

class Win32FormHost;

// Windows with a fixed single border show the program's icon in their
// caption; fixed dialogs show none.
inline constexpr char kFormClass[] = "VantorForm";
inline constexpr char kDialogClass[] = "VantorDialog";
inline constexpr char kPictureBoxClass[] = "VantorPictureBox";
inline constexpr char kImageClass[] = "VantorImage";
inline constexpr char kLineClass[] = "VantorLine";
// Posted to one of our own controls: a screen reader asked for its default
// action, which runs as its click.
inline constexpr UINT kDefaultActionMessage = WM_APP + 1;

class App {
 public:
  // Registers the window classes and the common controls the forms use.
  explicit App(HINSTANCE instance);
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  HINSTANCE Instance() const { return instance_; }
  GdiCache& Gdi() { return gdi_; }

  // A form is listed from the creation of its window to the destruction.
  void AddForm(Win32FormHost* form);
  void RemoveForm(Win32FormHost* form);
  bool HasOpenForms() const { return !forms_.empty(); }
  const std::vector<Win32FormHost*>& Forms() const { return forms_; }
  // The form whose window is `window` or an ancestor of it; null if none.
  Win32FormHost* FormOf(HWND window) const;

  // Counts the messages the program has dispatched: each is an event that
  // may follow a change that another program made meanwhile.
  void NoteEvent() { ++events_; }
  unsigned long Events() const { return events_; }

  void SetPointer(Pointer pointer);
  // Answers WM_SETCURSOR over the program's windows: true when the program's
  // busy pointer was set and the window must not choose its own.
  bool ApplyPointer() const;

 private:
  HINSTANCE instance_;
  GdiCache gdi_;
  std::vector<Win32FormHost*> forms_;
  Pointer pointer_ = Pointer::Default;
  unsigned long events_ = 0;
};

}  // namespace vantor::win32
