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
#include "platform/multimedia.h"
#include "platform/types.h"

namespace vantor {

struct VersionInfo {
  int major = 0;
  int minor = 0;
  int revision = 0;
};

// Message box flags and answers, as Windows numbers them.
constexpr int MB_Ok = 0x0;
constexpr int MB_IconExclamation = 0x30;
constexpr int ID_Ok = 1;

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
  virtual bool PreviousInstanceRunning() = 0;
  virtual void SetAppTitle(const std::string& title) = 0;
  // The title set last; before any, the program's name.
  virtual std::string AppTitle() = 0;
  virtual void SetPointer(Pointer pointer) = 0;
  virtual void DoEvents() = 0;  // let pending window events run once
  // Ends the program at once: no unload handler runs.
  [[noreturn]] virtual void EndNow() = 0;

  // The drives and folders of this computer.
  virtual Drives& DrivesAndFolders() = 0;

  // The screen and the desktop.
  virtual int ScreenWidthTwips() = 0;
  virtual int ScreenHeightTwips() = 0;
  virtual int SystemMetrics(int index) = 0;
  virtual Rect WorkArea() = 0;  // SystemParametersInfoA(SPI_GETWORKAREA)

  // Top-level windows of any process.
  virtual WindowHandle FindTopLevelWindow(const std::string& exactTitle) = 0;
  virtual bool IsWindowVisible(WindowHandle window) = 0;
  virtual void ShowWindow(WindowHandle window, int showCmd) = 0;
  // A tool window's placement record is in screen coordinates; every other
  // top-level window's is measured from the work area's corner.
  virtual bool IsToolWindow(WindowHandle window) = 0;
  // Fills `placement`; the caller sets its length field first.
  virtual bool GetWindowPlacement(WindowHandle window, WindowPlacement& placement) = 0;
  virtual bool PostMessage(WindowHandle window, std::uint32_t message, std::intptr_t wParam,
                           std::intptr_t lParam) = 0;
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
  virtual int MessageBox(const std::string& text, const std::string& caption, int flags) = 0;

  // The multimedia layer the video window plays its clips through.
  virtual Multimedia& MultimediaLayer() = 0;
};

}  // namespace vantor
