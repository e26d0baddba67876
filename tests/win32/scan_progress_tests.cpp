// The scan progress window on real windows, against the help system's test
// double: it animates while the preview scan runs, closes itself when the
// scan is done, and other windows' timers keep ticking meanwhile.
#include <fstream>
#include <string>

#include "check.h"
#include "dialogs/frm_scanning.h"
#include "fixtures.h"
#include "host_folder.h"
#include "placement/placement.h"
#include "program.h"

namespace vantor::win32::test {

namespace {

int CountOf(const std::string& text, const std::string& line) {
  int count = 0;
  for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
    ++count;
  return count;
}

}  // namespace

TEST_CASE(ScanProgressAnimatesUntilThePreviewIsDone) {
  HostFolder host;
  host.SetState("PreviewDelayMs=1000\r\n");
  const std::string ini = host.File("zthelp.ini");
  {
    std::ofstream file(ini, std::ios::binary);
    file << "[frmScanning Text]\r\nTitle=Previewing\r\n"
            "PreviewScanMessage=Your scanner is making a preview.\r\n";
  }
  Program program(ThePlatform());
  program.settings.SettingsPath = ini;
  program.HelpObject.Create(ThePlatform());
  // The stand-in answers: the object was made. What the program asks of it
  // for the preview comes after this question.
  CHECK(program.HelpObject.OutputType().has_value());
  const std::size_t asked = host.Log().size();

  // Another window of the program with a timer of its own, which also
  // looks at the progress window while it is up.
  ControlSpec timer = Make("tmr", ControlKind::Timer, {});
  timer.interval = 50;
  Recorder ownerEvents;
  bool centred = false;
  std::string message;
  auto owner = ThePlatform().CreateForm(MakeForm("Coach stand-in", {timer}), ownerEvents);
  ownerEvents.onEvent = [&](const Event&) {
    HWND progress = FindWindowA(nullptr, "Previewing");
    if (!progress || centred) return;
    RECT r;
    GetWindowRect(progress, &r);
    const int dx = (r.left + r.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2;
    const int dy = (r.top + r.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2;
    centred = dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
    char text[128] = "";
    GetWindowTextA(FindWindowExA(progress, nullptr, "STATIC", nullptr), text, sizeof text);
    message = text;
  };
  owner->Show();

  program.HelpObject.PreviewScan();
  program.scan.ScanFrame = 0;
  const DWORD start = GetTickCount();
  {
    frmScanning scanning(program);
    scanning.Load();
    CenterForm(program, scanning, kApplyZOrder, kShowModal);
  }
  const DWORD elapsed = GetTickCount() - start;

  CHECK(elapsed >= 1000 && elapsed < 3000);
  CHECK(centred);
  CHECK_EQ(message, std::string("Your scanner is making a preview."));
  CHECK(ownerEvents.Count(EventKind::Timer, 0) >= 10);
  CHECK(FindWindowA(nullptr, "Previewing") == nullptr);
  // One frame for every tick that found the scan still running, then the
  // tick that found it done.
  const std::string log = host.Log();
  const int running = CountOf(log, "get PreviewDone -> 0\n");
  CHECK(running >= 3);
  CHECK_EQ(program.scan.ScanFrame, running % kScanFrames);
  CHECK_EQ(log.rfind("get PreviewDone -> -1\n"), log.size() - 22);
  CHECK_EQ(log.find("call PreviewScan\n"), asked);
}

}  // namespace vantor::win32::test
