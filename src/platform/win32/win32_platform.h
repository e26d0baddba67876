// The Platform of the real program: the Windows functions themselves.
#pragma once

#include <string>

#include "platform/platform.h"
#include "platform/win32/app.h"
#include "platform/win32/mci_layer.h"
#include "platform/win32/profile_cache.h"
#include "platform/win32/topic_library.h"
#include "platform/win32/win32.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_instances.h"

namespace vantor::win32 {

class Win32Platform final : public Platform {
 public:
  explicit Win32Platform(App& app);

  std::string ProfileString(const std::string& section, const std::string& key,
                            const std::string& path) override;
  std::int32_t ProfileInt(const std::string& section, const std::string& key, std::int32_t fallback,
                          const std::string& path) override;
  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& path) override;

  std::string CommandLine() override;
  std::string ProgramFolder() override;
  VersionInfo ProgramVersion() override;
  Instances& ProgramInstances() override { return instances_; }
  void SetAppTitle(const std::string& title) override;
  std::string AppTitle() override { return appTitle_; }
  Drives& DrivesAndFolders() override { return drives_; }
  void SetPointer(Pointer pointer) override;
  void DoEvents() override;
  [[noreturn]] void EndNow() override;

  Screen CurrentScreen() override;

  WindowHandle FindTopLevelWindow(const std::string& exactTitle) override;
  bool IsWindowVisible(WindowHandle window) override;
  void RestoreAndShow(WindowHandle window) override;
  bool IsToolWindow(WindowHandle window) override;
  std::optional<Rect> NormalPlacement(WindowHandle window) override;
  PixelOffset WorkAreaOffset(WindowHandle window) override;
  bool AskToClose(WindowHandle window) override;
  void AppActivate(const std::string& title) override;

  // Needs the thread in a COM apartment (ComApartment).
  std::unique_ptr<AutomationObject> CreateObject(const std::string& progId) override;
  std::optional<std::int16_t> OpenTopic(WindowHandle window, std::int32_t topic) override;

  std::unique_ptr<FormHost> CreateForm(const FormSpec& design, FormEvents& events) override;
  void ShowMessage(const std::string& text, const std::string& caption) override;

  Multimedia& MultimediaLayer() override { return mci_; }

 private:
  App& app_;
  Win32Instances instances_;
  std::string appTitle_ = "Vantor";  // remembered only; see SetAppTitle
  TopicLibrary topics_;
  MciLayer mci_;
  Win32Drives drives_;
  ProfileCache profiles_;
};

// The arguments part of a command line: what follows the program name
// (quoted or not), without the blanks in front.
std::string ArgumentsOf(const char* commandLine);
// The folder of a file path, without a trailing backslash except for a
// drive's root ("C:\").
std::string FolderOf(const std::string& filePath);

}  // namespace vantor::win32
