// Everything the program needs of Windows, as one interface with two
// implementations: the real Win32 backend and the in-memory simulation.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/automation.h"
#include "platform/drives.h"
#include "platform/form_host.h"
#include "platform/instances.h"
#include "platform/multimedia.h"
#include "platform/types.h"

namespace vantor {

struct VersionInfo {
  int major = 0;
  int minor = 0;
  int revision = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // The profile functions over the settings file at `path`.
  // ProfileString reads like GetPrivateProfileStringA with an empty default
  // and a 256-character buffer: at most 255 characters come back.
  virtual std::string ProfileString(const std::string& section, const std::string& key,
                                    const std::string& path) = 0;
  virtual std::int32_t ProfileInt(const std::string& section, const std::string& key,
                                  std::int32_t fallback, const std::string& path) = 0;
  virtual bool WriteProfileString(const std::string& section, const std::string& key,
                                  const std::string& value, const std::string& path) = 0;

  // The process.
  virtual std::string CommandLine() = 0;  // the arguments, without the program name
  virtual std::string ProgramFolder() = 0;
  virtual VersionInfo ProgramVersion() = 0;
  virtual void SetAppTitle(const std::string& title) = 0;
  // The title set last; before any, the program's name.
  virtual std::string AppTitle() = 0;
  virtual void SetPointer(Pointer pointer) = 0;
  virtual void DoEvents() = 0;  // let pending window events run once
  // Ends the program at once: no unload handler runs.
  [[noreturn]] virtual void EndNow() = 0;

  // The other instances of the program, and the turns of their starts.
  virtual Instances& ProgramInstances() = 0;

  // The drives and folders of this computer.
  virtual Drives& DrivesAndFolders() = 0;

  // The screen and the desktop, as they stand now.
  virtual Screen CurrentScreen() = 0;

  // Top-level windows of any process.
  virtual WindowHandle FindTopLevelWindow(const std::string& exactTitle) = 0;
  virtual bool IsWindowVisible(WindowHandle window) = 0;
  // Brings a hidden or minimised window back to its normal place and shows it.
  virtual void RestoreAndShow(WindowHandle window) = 0;
  virtual bool IsToolWindow(WindowHandle window) = 0;
  // Where a window stands when it is neither minimised nor maximised, as
  // the system keeps it: in screen pixels for a tool window, in workspace
  // pixels (see WorkAreaOffset) for every other. nullopt when it cannot be
  // read.
  virtual std::optional<Rect> NormalPlacement(WindowHandle window) = 0;
  // How far the work area of the monitor that holds `window` (by its normal
  // rectangle while it is minimised; the primary monitor when it is on
  // none) lies inside that monitor: the taskbars on its left and top edges.
  // A normal rectangle in workspace pixels plus this is in screen pixels.
  virtual PixelOffset WorkAreaOffset(WindowHandle window) = 0;
  // Asks the window to close, as its close box would, without waiting for
  // it to go; false when there is no such window.
  virtual bool AskToClose(WindowHandle window) = 0;
  // Activates the application whose window has this title, without waiting.
  virtual void AppActivate(const std::string& title) = 0;

  // An automation object by its registered identifier; nullptr when it
  // cannot be created (not registered, its server failing).
  virtual std::unique_ptr<AutomationObject> CreateObject(const std::string& progId) = 0;
  // OpenTopic(window, topic) of zthelp.dll (in the program's folder, else
  // where the system finds a library, never the current folder), and its
  // 16-bit result; nullopt when the library or the function is missing.
  virtual std::optional<std::int16_t> OpenTopic(WindowHandle window, std::int32_t topic) = 0;

  // Windows of this program.
  virtual std::unique_ptr<FormHost> CreateForm(const FormSpec& design, FormEvents& events) = 0;
  // A message with an OK button only; returns once the user has closed it.
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;

  // The multimedia layer the video window plays its clips through.
  virtual Multimedia& MultimediaLayer() = 0;
};

}  // namespace vantor
