// Starts a program several times within a few milliseconds, as a double
// click on the host's help button does, and watches what the copies make of
// it: how many windows they show at once, and which copies are left. With
// --end it then ends the copy that is left through its window, as a user
// would, and waits for it to end.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "lookup.h"
#include "verbs.h"

namespace vdriver {
namespace {

constexpr long kDefaultTimeoutMs = 10000;
constexpr DWORD kPollMs = 2;
// Nothing changed for this long: the copies have settled.
constexpr DWORD kSettleMs = 300;
constexpr DWORD kEndWaitMs = 10000;
constexpr long kMaxCopies = 20;

struct Copy {
  StartedProcess process;
  bool ended = false;
  DWORD exitCode = 0;
};

struct Reading {
  const std::vector<std::unique_ptr<Copy>>* copies;
  std::vector<std::string> titles;  // visible top-level windows of the copies
  HWND last = nullptr;              // the last of them
};

BOOL CALLBACK NoteWindow(HWND window, LPARAM param) {
  auto* reading = reinterpret_cast<Reading*>(param);
  if (!IsWindowVisible(window)) return TRUE;
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  const bool ours = std::any_of(reading->copies->begin(), reading->copies->end(),
                                [&](const auto& copy) { return copy->process.Id() == owner; });
  if (!ours) return TRUE;
  char title[512];
  const int length = GetWindowTextA(window, title, sizeof title);
  reading->titles.emplace_back(title, length > 0 ? length : 0);
  reading->last = window;
  return TRUE;
}

}  // namespace

int Burst(const Args& args) {
  const long count = args.IntAt(0, 0);
  if (count < 1 || count > kMaxCopies || args.positional.size() < 2) {
    std::fprintf(stderr, "vdriver: burst takes 1 to %ld copies and a program\n", kMaxCopies);
    return kFailed;
  }
  Args program;
  program.positional.assign(args.positional.begin() + 1, args.positional.end());
  std::vector<std::unique_ptr<Copy>> copies;
  const DWORD started = GetTickCount();
  for (long i = 0; i < count; ++i) {
    copies.push_back(std::make_unique<Copy>());
    if (!StartProcess(program, copies.back()->process)) return kFailed;
  }
  const DWORD spreadMs = GetTickCount() - started;

  const long timeoutMs = args.IntOption("timeout", kDefaultTimeoutMs);
  std::size_t maxWindows = 0;
  Reading reading{&copies, {}};
  std::string lastState;
  DWORD stateSince = GetTickCount();
  bool settled = false;
  while (!settled && static_cast<long>(GetTickCount() - started) < timeoutMs) {
    long running = 0;
    for (auto& copy : copies) {
      if (!copy->ended && WaitForSingleObject(copy->process.Process(), 0) == WAIT_OBJECT_0) {
        copy->ended = true;
        GetExitCodeProcess(copy->process.Process(), &copy->exitCode);
      }
      running += copy->ended ? 0 : 1;
    }
    reading.titles.clear();
    EnumWindows(NoteWindow, reinterpret_cast<LPARAM>(&reading));
    maxWindows = std::max(maxWindows, reading.titles.size());
    // Settled: at most one copy left, showing its window (or none left),
    // and nothing changed for a while.
    std::string state = std::to_string(running);
    for (const std::string& title : reading.titles) state += "|" + title;
    if (state != lastState) {
      lastState = state;
      stateSince = GetTickCount();
    }
    settled = running == 0 || (running == 1 && !reading.titles.empty());
    settled = settled && GetTickCount() - stateSince >= kSettleMs;
    if (!settled) Sleep(kPollMs);
  }

  long running = 0;
  for (const auto& copy : copies) running += copy->ended ? 0 : 1;
  std::printf(
      "%s started=%ld spread_ms=%lu running=%ld max_windows=%zu windows=%zu "
      "elapsed_ms=%lu\n",
      settled ? "settled" : "timeout", count, spreadMs, running, maxWindows, reading.titles.size(),
      GetTickCount() - started);
  for (std::size_t i = 0; i < copies.size(); ++i) {
    const Copy& copy = *copies[i];
    if (copy.ended) {
      std::printf("copy=%zu pid=%lu exit=%lu\n", i + 1, copy.process.Id(), copy.exitCode);
    } else {
      std::printf("copy=%zu pid=%lu running\n", i + 1, copy.process.Id());
    }
  }
  for (const std::string& title : reading.titles) std::printf("window=%s\n", title.c_str());
  // The close box (--end 0), or a click of the button with that ID.
  if (settled && running == 1 && reading.titles.size() == 1 && args.Has("end")) {
    const long id = args.IntOption("end", 0);
    HWND button = id == 0 ? nullptr : FindControl(reading.last, static_cast<int>(id));
    if (id == 0) {
      PostMessageA(reading.last, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (button) {
      PostMessageA(button, BM_CLICK, 0, 0);
    }
    for (std::size_t i = 0; i < copies.size(); ++i) {
      Copy& copy = *copies[i];
      if (copy.ended || WaitForSingleObject(copy.process.Process(), kEndWaitMs) != WAIT_OBJECT_0)
        continue;
      copy.ended = true;
      GetExitCodeProcess(copy.process.Process(), &copy.exitCode);
      std::printf("ended copy=%zu exit=%lu\n", i + 1, copy.exitCode);
    }
  }
  return settled ? kOk : kTimedOut;
}

}  // namespace vdriver
