// Verbs that wait for windows and report what is on screen.

#include <windows.h>

#include <cstdio>
#include <string>

#include "lookup.h"
#include "verbs.h"

namespace vdriver {
namespace {

constexpr long kDefaultWaitMs = 5000;

std::string HandleWord(HWND window) {
  char word[40];
  std::snprintf(word, sizeof word, "hwnd=0x%08lx",
                static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window)));
  return word;
}

// One line that says everything a test needs about a top-level window.
void PrintWindow(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  std::printf("%s visible=%d %s %s\n", HandleWord(window).c_str(), IsWindowVisible(window) ? 1 : 0,
              RectWords(outer, "").c_str(), RectWords(ClientOnScreen(window), "client_").c_str());
}

BOOL CALLBACK PrintVisible(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  RECT outer{};
  GetWindowRect(window, &outer);
  char title[512];
  int length = GetWindowTextA(window, title, sizeof title);
  std::printf("%s pid=%lu %s title=%.*s\n", HandleWord(window).c_str(), pid,
              RectWords(outer, "").c_str(), length > 0 ? length : 0, title);
  return TRUE;
}

}  // namespace

int WaitWindow(const Args& args) {
  const std::string& title = args.positional[0];
  bool visibleOnly = !args.Has("hidden-ok");
  const int with = static_cast<int>(args.IntOption("with", 0));
  HWND found = nullptr;
  if (!WaitUntil(args.IntAt(1, kDefaultWaitMs),
                 [&] { return (found = FindTopWindow(title, visibleOnly, with)) != nullptr; })) {
    std::fprintf(stderr, "vdriver: timed out waiting for \"%s\"\n", title.c_str());
    return kTimedOut;
  }
  PrintWindow(found);
  return kOk;
}

int WaitGone(const Args& args) {
  const std::string& title = args.positional[0];
  const int with = static_cast<int>(args.IntOption("with", 0));
  if (!WaitUntil(args.IntAt(1, kDefaultWaitMs),
                 [&] { return FindTopWindow(title, false, with) == nullptr; })) {
    std::fprintf(stderr, "vdriver: \"%s\" is still there\n", title.c_str());
    return kTimedOut;
  }
  return kOk;
}

int Absent(const Args& args) {
  const std::string& title = args.positional[0];
  const int with = static_cast<int>(args.IntOption("with", 0));
  HWND found = nullptr;
  if (WaitUntil(args.IntAt(1, kDefaultWaitMs),
                [&] { return (found = FindTopWindow(title, true, with)) != nullptr; })) {
    std::fprintf(stderr, "vdriver: \"%s\" showed up\n", title.c_str());
    PrintWindow(found);
    return kFailed;
  }
  return kOk;
}

int WindowRect(const Args& args) {
  HWND top;
  if (!RequireWindow(args.positional[0], top, args.IntOption("with", 0))) return kFailed;
  RECT outer{};
  GetWindowRect(top, &outer);
  std::printf("%s\n", RectWords(outer, "").c_str());
  return kOk;
}

int ClientRect(const Args& args) {
  HWND top;
  if (!RequireWindow(args.positional[0], top, args.IntOption("with", 0))) return kFailed;
  std::printf("%s\n", RectWords(ClientOnScreen(top), "").c_str());
  return kOk;
}

int Screen(const Args&) {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  std::printf("width=%d height=%d %s\n", GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN), RectWords(work, "work_").c_str());
  return kOk;
}

int List(const Args&) {
  EnumWindows(PrintVisible, 0);
  return kOk;
}

int Foreground(const Args&) {
  HWND window = GetForegroundWindow();
  if (!window) {
    std::fprintf(stderr, "vdriver: no window is in the foreground\n");
    return kFailed;
  }
  std::printf("%s\n", WindowText(window).c_str());
  return kOk;
}

int ControlText(const Args& args) {
  HWND top, control;
  if (!RequireControl(args, top, control)) return kFailed;
  std::printf("%s\n", WindowText(control).c_str());
  return kOk;
}

int Checked(const Args& args) {
  HWND top, control;
  if (!RequireControl(args, top, control)) return kFailed;
  DWORD_PTR state = 0;
  if (!SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state)) {
    std::fprintf(stderr, "vdriver: control %ld does not answer\n", args.IntAt(1, 0));
    return kFailed;
  }
  std::printf("%lu\n", static_cast<unsigned long>(state));
  return kOk;
}

}  // namespace vdriver
