// The simulated desktop the unit tests run the program on: settings files,
// a screen, other processes' windows, a clock, and this program's windows.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/sim_drives.h"
#include "platform/sim/sim_form_host.h"
#include "platform/sim/sim_help_host.h"
#include "platform/sim/sim_instances.h"
#include "platform/sim/sim_multimedia.h"
#include "settings/ini_file.h"

namespace vantor::sim {

// Thrown by EndNow: unwinds to the test, which asserts that the program
// ended and where.
struct ProgramEnded {};

class SimPlatform : public Platform {
 public:
  // A computer of its own.
  SimPlatform();
  // Another instance of the program on a computer shared with others.
  explicit SimPlatform(std::shared_ptr<SimSystem> system);
  ~SimPlatform() override;
  SimSystem& system() { return *system_; }

  // --- What a test sets up and reads back. ---
  // Files by Windows path, compared without regard to case. A file that was
  // never written does not exist.
  void WriteFile(const std::string& path, const std::string& text);
  bool FileExists(const std::string& path) const;
  std::string ReadFile(const std::string& path) const;
  std::vector<std::string> writes;  // "section/key=value", in order
  // Every write fails, as on a settings file the user may not change.
  bool writesFail = false;

  std::string commandLine;
  std::string programFolder = "C:\\Program Files\\Vantor";
  VersionInfo version{1, 1, 1};
  // The instances of the program, this one among them.
  SimInstances instances;
  // An instance that began before this one and still runs (see SimSystem).
  void AddEarlierInstance(bool hangsInItsStart = false) {
    system_->AddEarlierInstance(hangsInItsStart);
  }

  // Screen in pixels, twips per pixel, work area and caption height. The
  // screen is the primary monitor, at the origin; `workArea` is its work area.
  void SetScreen(int widthPx, int heightPx, int twipsPerPixel = 15);
  Rect workArea{0, 0, 1024, 768};
  // A monitor beside the primary one: its rectangle and its work area, in
  // screen pixels.
  struct Monitor {
    Rect area;
    Rect workArea;
  };
  void AddMonitor(Rect area, Rect workArea) { monitors_.push_back({area, workArea}); }
  // The monitor with the largest share of `rect`; the primary one when
  // `rect` is on none.
  Monitor MonitorHolding(const Rect& rect) const;
  // A window's place in twips as screen pixels.
  Rect InPixels(const TwipsRect& twips) const;
  int captionHeight = 19;
  int frameBorder = 3;  // pixels on each side of a window
  // Texts a test wants measured at a width of its choosing, in pixels;
  // every other text is measured from its length and the font's size.
  std::map<std::string, int> textWidths;

  WindowHandle AddWindow(const std::string& title, Rect rect, bool visible = true);
  OtherWindow& Window(WindowHandle handle);
  std::vector<WindowHandle> OpenWindowsTitled(const std::string& title);
  std::vector<std::string> activated;  // AppActivate titles, in order

  std::vector<Pointer> pointers;  // every pointer set, in order
  // Where the program has been, in order: "pointer hourglass", "read
  // General/Key", "write General/Key=value", "find <title>", "close
  // <title>", "title <title>", "activate <title>", "modal <form>", "turn",
  // "turn over". `onStep` runs after each is noted: a test starts another
  // instance there.
  std::vector<std::string> steps;
  std::function<void()> onStep;
  long long waitedMs = 0;  // time the program spent waiting, on the clock
  std::string appTitle = "Vantor";
  int doEventsCalls = 0;
  std::vector<std::string> messageBoxes;  // "caption|text"

  // A modal window runs the script registered for its name, then returns.
  using ModalScript = std::function<void(SimFormHost&)>;
  void OnModal(const std::string& formName, ModalScript script);
  // The most recently created window of that name, or nullptr.
  SimFormHost* FindForm(const std::string& formName);
  std::vector<std::string> formsCreated;  // names, in order

  // The drives and folders of the machine.
  SimDrives drives;

  // The scanning application's help object and help library.
  SimHelpHost helpHost;

  // The multimedia layer: a device that plays registered clips on the clock.
  FakeMciDevice mci{[this] { return nowMs_; }};

  // The virtual clock: fires every due timer of every live window.
  long long nowMs() const { return nowMs_; }
  void Advance(long long ms);

  // --- Platform. ---
  std::string ProfileString(const std::string& section, const std::string& key,
                            const std::string& path) override;
  std::int32_t ProfileInt(const std::string& section, const std::string& key, std::int32_t fallback,
                          const std::string& path) override;
  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& path) override;
  std::string CommandLine() override { return commandLine; }
  std::string ProgramFolder() override { return programFolder; }
  VersionInfo ProgramVersion() override { return version; }
  void SetAppTitle(const std::string& title) override;
  std::string AppTitle() override { return appTitle; }
  Drives& DrivesAndFolders() override { return drives; }
  void SetPointer(Pointer pointer) override;
  Instances& ProgramInstances() override { return instances; }
  void DoEvents() override { ++doEventsCalls; }
  [[noreturn]] void EndNow() override;
  Screen CurrentScreen() override;
  WindowHandle FindTopLevelWindow(const std::string& exactTitle) override;
  bool IsWindowVisible(WindowHandle window) override;
  void RestoreAndShow(WindowHandle window) override;
  bool IsToolWindow(WindowHandle window) override;
  // Answers as Windows does: the normal rectangle in workspace coordinates,
  // except for a tool window.
  std::optional<Rect> NormalPlacement(WindowHandle window) override;
  // Of another program's window or one of this program's, by where it
  // stands normally.
  PixelOffset WorkAreaOffset(WindowHandle window) override;
  bool AskToClose(WindowHandle window) override;
  void AppActivate(const std::string& title) override;
  std::unique_ptr<AutomationObject> CreateObject(const std::string& progId) override;
  std::optional<std::int16_t> OpenTopic(WindowHandle window, std::int32_t topic) override;
  std::unique_ptr<FormHost> CreateForm(const FormSpec& design, FormEvents& events) override;
  void ShowMessage(const std::string& text, const std::string& caption) override;
  Multimedia& MultimediaLayer() override { return mci; }

  // Notes a step (see `steps`); a test's own stand-ins note theirs too.
  void Step(const std::string& what);

  // Used by SimFormHost.
  int twipsPerPixel() const { return twipsPerPixel_; }
  void RunModal(SimFormHost& form);
  void Forget(SimFormHost& form);

 private:
  // The settings of a file as the program reads them, made at its first
  // read and dropped when the file changes, as the real program keeps them.
  const ini::Index& SettingsOf(const std::string& lowerPath, const std::string& text);
  // Another program's window; null when there is none by that handle.
  OtherWindow* Other(WindowHandle window);

  std::shared_ptr<SimSystem> system_;
  std::map<std::string, std::string>& files_;   // by lower-case path
  std::map<std::string, ini::Index>& indexes_;  // by lower-case path
  int screenWidthPx_ = 1024;
  int screenHeightPx_ = 768;
  int twipsPerPixel_ = 15;
  std::map<WindowHandle, OtherWindow>& others_;
  std::map<std::string, ModalScript> modalScripts_;
  std::vector<SimFormHost*> forms_;  // live windows of this program
  std::vector<Monitor> monitors_;    // beside the primary one
  long long nowMs_ = 0;
};

}  // namespace vantor::sim
