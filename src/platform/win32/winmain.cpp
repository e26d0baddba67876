// The program's entry point: start-up decides which window opens, then the
// program runs on that window's events until the last window has gone.
#include "common/phase_log.h"
#include "platform/win32/app.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/fail_fast.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/win32_platform.h"
#include "program.h"
#include "startup/run.h"

namespace {

// The phase record starts with the time the process ran before WinMain.
void BeginPhaseLog() {
#ifdef VANTOR_PHASE_LOG
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string log(path, n);
  log = log.substr(0, log.find_last_of('\\') + 1) + "vantor-phases.log";
  vantor::phases::Begin(static_cast<double>(ticks(now) - ticks(created)) / 10000.0, log);
#endif
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  BeginPhaseLog();
  // First in, last out: the program's automation objects are released when
  // the program goes, before the apartment is left.
  vantor::win32::ComApartment com;
  vantor::win32::App app(instance);
  vantor::phases::Mark("Win32: COM, common controls, window classes");
  vantor::win32::Win32Platform platform(app);
  vantor::Program program(platform);
  int code = 0;
  vantor::win32::Guarded([&] { code = vantor::RunStartup(program); });
  if (!app.HasOpenForms()) return code;
  vantor::win32::RunMessageLoop(app, [&] { return !app.HasOpenForms(); });
  return 0;
}
