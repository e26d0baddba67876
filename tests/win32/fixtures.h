// What the backend tests share: the process's App and Platform, a recorder
// of form events, design tables made short, and ways to look at windows.
#pragma once

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/form_host.h"
#include "platform/win32/app.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32.h"
#include "platform/win32/win32_platform.h"

namespace vantor::win32::test {

// Exit code of the program's "--open-topic" run (main.cpp) when it found no
// topic opener; otherwise it ends with what OpenTopic answered.
inline constexpr int kNoTopicOpener = 255;

// Files of one test in a folder of their own, removed with it.
class TempFolder {
 public:
  TempFolder() {
    static int made = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "vantor-topics-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++made);
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() {
    for (const std::string& file : files_) DeleteFileA(file.c_str());
    RemoveDirectoryA(path_.c_str());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string File(const std::string& name) const { return path_ + "\\" + name; }

  std::string Write(const std::string& name, const std::string& bytes) {
    files_.push_back(File(name));
    std::ofstream(files_.back(), std::ios::binary) << bytes;
    return files_.back();
  }

 private:
  std::string path_;
  std::vector<std::string> files_;
};

// Made once by main; every test uses them.
void SetUp(App& app, Win32Platform& platform);
App& TheApp();
Win32Platform& ThePlatform();

// Records what a form reports; `onEvent` runs after each recording.
class Recorder : public FormEvents {
 public:
  void OnEvent(const Event& event) override;
  void OnCloseRequest() override;
  int Count(EventKind kind, ControlId id) const;

  std::vector<Event> events;
  int closeRequests = 0;
  std::function<void(const Event&)> onEvent;
};

ControlSpec Make(const std::string& name, ControlKind kind, Bounds bounds,
                 const std::string& caption = "", const std::string& container = "");
FormSpec MakeForm(const std::string& caption, std::vector<ControlSpec> controls,
                  BorderStyle border = BorderStyle::FixedDialog, int clientWidthTwips = 4500,
                  int clientHeightTwips = 3000);

HWND WindowOf(const FormHost& host);
// The control window with that Windows ID anywhere in the form.
HWND ControlWindow(const FormHost& host, int windowId);
std::string ClassOf(HWND window);
LONG StyleOf(HWND window);
// Runs the program's message loop for about `ms` milliseconds.
void Pump(int ms);
// The colour on the screen at a point of the window's client area, once
// every pending paint is done.
COLORREF PixelAt(HWND window, int x, int y);
// The client area as it is on the screen, row by row, once every pending
// paint is done.
std::vector<COLORREF> Capture(HWND window);
// What `draw` leaves on a white bitmap like the screen's, row by row.
std::vector<COLORREF> Drawn(int width, int height, const std::function<void(HDC)>& draw);
// How many of the pixels are dark (text, not a light background).
int DarkPixels(const std::vector<COLORREF>& pixels);

}  // namespace vantor::win32::test
