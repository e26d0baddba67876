// Starts a program, waits for it to end and reports its full 32-bit exit
// code, how long it ran, and every visible top-level window it showed while
// it ran: "nothing was shown" is something a test must be able to check.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "verbs.h"

namespace vdriver {
namespace {

constexpr long kDefaultTimeoutMs = 30000;

struct SeenWindow {
  HWND window;
  std::string title;
};

struct Watch {
  DWORD processId;
  std::vector<SeenWindow> seen;
};

BOOL CALLBACK NoteWindow(HWND window, LPARAM param) {
  auto* watch = reinterpret_cast<Watch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != watch->processId || !IsWindowVisible(window)) return TRUE;
  bool known = std::any_of(watch->seen.begin(), watch->seen.end(),
                           [&](const SeenWindow& seen) { return seen.window == window; });
  if (!known) {
    char title[512];
    int length = GetWindowTextA(window, title, sizeof title);
    watch->seen.push_back({window, std::string(title, length > 0 ? length : 0)});
  }
  return TRUE;
}

// The folder of a program path, so that it starts where a shortcut would
// start it.
std::string FolderOf(const std::string& path) {
  std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

int Run(const Args& args) {
  const std::string& program = args.positional[0];
  // The arguments are joined by single blanks as they are, so a test
  // controls exactly the command line the program reads.
  std::string commandLine = "\"" + program + "\"";
  for (std::size_t i = 1; i < args.positional.size(); ++i) {
    commandLine += " " + args.positional[i];
  }
  std::string folder = FolderOf(program);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  StartedProcess process;
  DWORD started = GetTickCount();
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, process.Out())) {
    std::fprintf(stderr, "vdriver: cannot start %s (%lu)\n", program.c_str(), GetLastError());
    return kFailed;
  }

  Watch watch{process.Id(), {}};
  long timeoutMs = args.IntOption("timeout", kDefaultTimeoutMs);
  bool ended = false;
  while (!ended && static_cast<long>(GetTickCount() - started) < timeoutMs) {
    EnumWindows(NoteWindow, reinterpret_cast<LPARAM>(&watch));
    ended = WaitForSingleObject(process.Process(), 5) == WAIT_OBJECT_0;
  }
  DWORD elapsed = GetTickCount() - started;
  if (!ended) TerminateProcess(process.Process(), 1);

  DWORD exitCode = 0;
  GetExitCodeProcess(process.Process(), &exitCode);
  if (ended) {
    std::printf("exit=%lu elapsed_ms=%lu windows=%zu\n", exitCode, elapsed, watch.seen.size());
  } else {
    std::printf("timeout elapsed_ms=%lu windows=%zu\n", elapsed, watch.seen.size());
  }
  for (const SeenWindow& seen : watch.seen) std::printf("window=%s\n", seen.title.c_str());
  return ended ? kOk : kTimedOut;
}

}  // namespace vdriver
