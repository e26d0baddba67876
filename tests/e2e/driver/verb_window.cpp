// A stand-in top-level window: the host application's window, or the video
// window of another instance, with an exact title and pixel rectangle. It
// lives until it receives WM_CLOSE, which is what the program sends to a
// window it replaces.

#include <windows.h>

#include <cstdio>
#include <string>

#include "verbs.h"

namespace vdriver {
namespace {

constexpr char kClassName[] = "VdriverStandIn";
constexpr UINT_PTR kLifeTimer = 1;

int exitCode = kOk;

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      std::printf("closed by WM_CLOSE\n");
      std::fflush(stdout);
      DestroyWindow(window);
      return 0;
    case WM_TIMER:
      std::printf("timed out\n");
      std::fflush(stdout);
      exitCode = kTimedOut;
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_PAINT: {
      // The title in the middle makes the window recognisable on screenshots.
      const PaintDC dc(window);
      RECT client;
      GetClientRect(window, &client);
      char title[256];
      GetWindowTextA(window, title, sizeof title);
      DrawTextA(dc, title, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      return 0;
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int StandInWindow(const Args& args) {
  const std::string& title = args.positional[0];
  bool hidden = args.positional.size() > 5 && args.positional[5] == "hidden";

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = StandInProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);

  HWND window = CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, args.IntAt(1, 0),
                                args.IntAt(2, 0), args.IntAt(3, 0), args.IntAt(4, 0), nullptr,
                                nullptr, windowClass.hInstance, nullptr);
  if (!window) {
    std::fprintf(stderr, "vdriver: CreateWindowEx failed (%lu)\n", GetLastError());
    return kFailed;
  }
  if (!hidden) ShowWindow(window, SW_SHOWNORMAL);
  if (args.Has("timeout")) SetTimer(window, kLifeTimer, args.IntOption("timeout", 0), nullptr);
  std::printf("ready hwnd=0x%08lx\n",
              static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window)));
  std::fflush(stdout);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return exitCode;
}

}  // namespace vdriver
