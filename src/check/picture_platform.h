// The platform the windows of vantor-check --pictures run on: the real one
// for their windows, fonts, drives and reading the settings, but with the
// installation's folder as the program's folder, and without any way to
// act: nothing written, no scanning application found or activated, no help
// object or help library, no message shown, and the end of the program
// turned into an exception that ends only the window being pictured.
#pragma once

#include <string>

#include "platform/platform.h"

namespace vantor::check {

// Thrown where the program would end (Platform::EndNow).
struct PictureWindowEnded {};

class PicturePlatform final : public Platform {
 public:
  PicturePlatform(Platform& real, std::string folder) : real_(real), folder_(std::move(folder)) {}

  std::string ProfileString(const std::string& section, const std::string& key,
                            const std::string& path) override {
    return real_.ProfileString(section, key, path);
  }
  std::int32_t ProfileInt(const std::string& section, const std::string& key, std::int32_t fallback,
                          const std::string& path) override {
    return real_.ProfileInt(section, key, fallback, path);
  }
  bool WriteProfileString(const std::string&, const std::string&, const std::string&,
                          const std::string&) override {
    return true;
  }
  std::string CommandLine() override { return {}; }
  std::string ProgramFolder() override { return folder_; }
  VersionInfo ProgramVersion() override { return real_.ProgramVersion(); }
  void SetAppTitle(const std::string& title) override { title_ = title; }
  std::string AppTitle() override { return title_; }
  void SetPointer(Pointer) override {}
  void DoEvents() override {}
  [[noreturn]] void EndNow() override { throw PictureWindowEnded{}; }
  Instances& ProgramInstances() override { return real_.ProgramInstances(); }
  Drives& DrivesAndFolders() override { return real_.DrivesAndFolders(); }
  Screen CurrentScreen() override { return real_.CurrentScreen(); }
  WindowHandle FindTopLevelWindow(const std::string&) override { return 0; }
  bool IsWindowVisible(WindowHandle) override { return false; }
  void RestoreAndShow(WindowHandle) override {}
  bool IsToolWindow(WindowHandle) override { return false; }
  std::optional<Rect> NormalPlacement(WindowHandle) override { return std::nullopt; }
  PixelOffset WorkAreaOffset(WindowHandle window) override { return real_.WorkAreaOffset(window); }
  bool AskToClose(WindowHandle) override { return false; }
  void AppActivate(const std::string&) override {}
  std::unique_ptr<AutomationObject> CreateObject(const std::string&) override { return nullptr; }
  std::optional<std::int16_t> OpenTopic(WindowHandle, std::int32_t) override {
    return std::nullopt;
  }
  std::unique_ptr<FormHost> CreateForm(const FormSpec& design, FormEvents& events) override {
    return real_.CreateForm(design, events);
  }
  void ShowMessage(const std::string&, const std::string&) override {}
  Multimedia& MultimediaLayer() override { return real_.MultimediaLayer(); }

 private:
  Platform& real_;
  std::string folder_;
  std::string title_ = "Vantor";
};

}  // namespace vantor::check
