// Start-up timing of a program as a user sees it: from the moment it is
// started until its window is on the screen and the program waits for
// input, and how much memory it holds then. The program is ended afterwards
// (without its unload handling, so that a timing run writes nothing), which
// lets a benchmark start the same program many times in a row.

#include <windows.h>
// After windows.h, whose types it uses.
#include <psapi.h>

#include <cstdio>
#include <string>

#include "lookup.h"
#include "verbs.h"

namespace vdriver {
namespace {

constexpr long kDefaultTimeoutMs = 10000;
// Fine enough to tell starts of a tenth of a second apart by a few percent.
constexpr DWORD kPollMs = 2;
// The first paint and the last start-up messages are done by then (--settle
// gives a program slowed down by a tracer longer).
constexpr long kSettleMs = 300;

struct Owned {
  DWORD processId;
  const std::string* title;
  HWND found;
};

BOOL CALLBACK FindOwned(HWND window, LPARAM param) {
  auto* owned = reinterpret_cast<Owned*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != owned->processId || !IsWindowVisible(window)) return TRUE;
  char text[512];
  const int length = GetWindowTextA(window, text, sizeof text);
  if (*owned->title != std::string(text, length > 0 ? length : 0)) return TRUE;
  owned->found = window;
  return FALSE;
}

// The visible top-level window of that process with exactly that title.
HWND VisibleWindowOf(DWORD processId, const std::string& title) {
  Owned owned{processId, &title, nullptr};
  EnumWindows(FindOwned, reinterpret_cast<LPARAM>(&owned));
  return owned.found;
}

// The child windows of a window, all its descendants, and how many of them
// are visible (on the screen once their window is).
struct ChildCount {
  long all = 0;
  long visible = 0;
};

BOOL CALLBACK CountChild(HWND window, LPARAM param) {
  auto* count = reinterpret_cast<ChildCount*>(param);
  ++count->all;
  if (IsWindowVisible(window)) ++count->visible;
  return TRUE;
}

ChildCount ChildrenOf(HWND window) {
  ChildCount count;
  EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace

long WorkingSetKb(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return -1;
  return static_cast<long>(counters.WorkingSetSize / 1024);
}

void EndProcess(HANDLE process) {
  TerminateProcess(process, 0);
  WaitForSingleObject(process, 5000);
}

bool StartProcess(const Args& args, StartedProcess& process) {
  const std::string& program = args.positional[0];
  std::string commandLine = "\"" + program + "\"";
  for (std::size_t i = 1; i < args.positional.size(); ++i) commandLine += " " + args.positional[i];
  const std::size_t slash = program.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? std::string() : program.substr(0, slash);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, process.Out())) {
    std::fprintf(stderr, "vdriver: cannot start %s (%lu)\n", program.c_str(), GetLastError());
    return false;
  }
  return true;
}

// Times a start to the moment that the window titled --title is visible
// and the program has gone idle (WaitForInputIdle), whichever comes last.
int LaunchIdle(const Args& args) {
  if (!args.Has("title")) {
    std::fprintf(stderr, "vdriver: launch-idle needs --title\n");
    return kFailed;
  }
  const std::string& title = args.options.at("title");
  const long timeoutMs = args.IntOption("timeout", kDefaultTimeoutMs);
  StartedProcess process;
  const DWORD start = GetTickCount();
  if (!StartProcess(args, process)) return kFailed;

  const DWORD idle = WaitForInputIdle(process.Process(), static_cast<DWORD>(timeoutMs));
  const long idleMs = static_cast<long>(GetTickCount() - start);
  long shownMs = -1;
  HWND shown = nullptr;
  while (static_cast<long>(GetTickCount() - start) < timeoutMs) {
    if ((shown = VisibleWindowOf(process.Id(), title))) {
      shownMs = static_cast<long>(GetTickCount() - start);
      break;
    }
    if (WaitForSingleObject(process.Process(), kPollMs) == WAIT_OBJECT_0) break;
  }
  if (idle != 0 || shownMs < 0) {
    std::fprintf(stderr, "vdriver: \"%s\" was not shown and idle within %ld ms\n", title.c_str(),
                 timeoutMs);
    EndProcess(process.Process());
    return kTimedOut;
  }
  Sleep(static_cast<DWORD>(args.IntOption("settle", kSettleMs)));
  const ChildCount children = ChildrenOf(shown);
  std::printf(
      "ready_ms=%ld idle_ms=%ld shown_ms=%ld working_set_kb=%ld children=%ld "
      "visible_children=%ld\n",
      idleMs > shownMs ? idleMs : shownMs, idleMs, shownMs, WorkingSetKb(process.Process()),
      children.all, children.visible);
  EndProcess(process.Process());
  return kOk;
}

}  // namespace vdriver
