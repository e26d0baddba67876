// mciplay: plays one clip through the multimedia layer's command strings,
// exactly as the video window does, and writes down what every command
// answered and how long the clip took. It shows that a clip plays on this
// system, and its timings are the baseline the video window is held to.
//
//   mciplay.exe CLIP [--timeout MS] [--poll MS] [--size WIDTHxHEIGHT]
//
// The status poll runs every 500 ms, as the video window's does; a shorter
// --poll measures when the clip really ends.
//
// Each command is one line on stdout:
//   cmd="Play VidClip" code=0 ms=3 reply="" error=""
// after a first line that says how many sound outputs the system has
//   wave_out_devices=0
// and the run ends with
//   result=stopped|timeout play_ms=N
// The exit code is 0 when every command succeeded and the clip played to
// its end, 1 otherwise, 2 for a bad command line.
#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kWindowClass[] = "VantorMciPlayer";
const char kSurfaceClass[] = "VantorMciSurface";
const UINT_PTR kPollTimer = 1;

struct Run {
  std::string clip;
  DWORD timeoutMs = 30000;
  UINT pollMs = 500;
  int width = 630;
  int height = 385;
  HWND surface = nullptr;
  bool allSucceeded = true;
  DWORD playStarted = 0;
  DWORD playMs = 0;
  const char* result = "timeout";
};
Run run;

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) out += (c == '"' || c == '\r' || c == '\n') ? '\'' : c;
  return out + "\"";
}

// Sends one command with a reply buffer of `bufferSize` characters, of
// which one less is given as its length (0: no reply), and logs it.
std::string Send(const std::string& command, int bufferSize = 0) {
  char reply[512] = "";
  const DWORD started = GetTickCount();
  const MCIERROR code = mciSendStringA(command.c_str(), bufferSize ? reply : nullptr,
                                       bufferSize ? bufferSize - 1 : 0, nullptr);
  const DWORD took = GetTickCount() - started;
  char error[512] = "";
  if (code != 0) {
    run.allSucceeded = false;
    if (!mciGetErrorStringA(code, error, sizeof error - 1)) std::strcpy(error, "(no text)");
  }
  std::printf("cmd=%s code=%lu ms=%lu reply=%s error=%s\n", Quoted(command).c_str(),
              static_cast<unsigned long>(code), static_cast<unsigned long>(took),
              Quoted(reply).c_str(), Quoted(error).c_str());
  std::fflush(stdout);
  return reply;
}

void Finish(HWND window, const char* result) {
  KillTimer(window, kPollTimer);
  run.result = result;
  if (run.playStarted) run.playMs = GetTickCount() - run.playStarted;
  DestroyWindow(window);
}

// The video window's open sequence: free the alias, open the clip, give it
// the surface, size the surface to the clip and play.
void OpenAndPlay(HWND window) {
  Send("Close All");
  const DWORD opening = GetTickCount();
  Send("Open " + run.clip + " alias VidClip");
  const DWORD openMs = GetTickCount() - opening;
  Send("Window VidClip handle  " + std::to_string(reinterpret_cast<UINT_PTR>(run.surface)));
  const std::string where = Send("Where VidClip destination", 512);
  int left = 0, top = 0, width = 0, height = 0;
  std::sscanf(where.c_str(), "%d %d %d %d", &left, &top, &width, &height);
  SetWindowPos(run.surface, nullptr, (run.width - width) / 2, (run.height - height) / 2, width,
               height, SWP_NOZORDER);
  ShowWindow(run.surface, SW_SHOW);
  std::printf("open_ms=%lu surface=%dx%d\n", static_cast<unsigned long>(openMs), width, height);
  run.playStarted = GetTickCount();
  Send("Play VidClip");
  SetTimer(window, kPollTimer, run.pollMs, nullptr);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: {
      const std::string mode = Send("Status VidClip mode", 256);
      if (_strnicmp(mode.c_str(), "stopped", 7) == 0) {
        Finish(window, "stopped");
      } else if (GetTickCount() - run.playStarted > run.timeoutMs) {
        Finish(window, "timeout");
      }
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool ParseArguments(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--timeout" && i + 1 < argc) {
      run.timeoutMs = std::strtoul(argv[++i], nullptr, 10);
    } else if (arg == "--poll" && i + 1 < argc) {
      run.pollMs = std::strtoul(argv[++i], nullptr, 10);
    } else if (arg == "--size" && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%dx%d", &run.width, &run.height) != 2) return false;
    } else if (run.clip.empty() && arg.rfind("--", 0) != 0) {
      run.clip = arg;
    } else {
      return false;
    }
  }
  return !run.clip.empty();
}

}  // namespace

int main(int argc, char** argv) {
  if (!ParseArguments(argc, argv)) {
    std::fprintf(stderr, "usage: mciplay CLIP [--timeout MS] [--poll MS] [--size WIDTHxHEIGHT]\n");
    return 2;
  }
  // Whether a clip's sound track has anywhere to go.
  std::printf("wave_out_devices=%u\n", waveOutGetNumDevs());
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassA(&windowClass);
  WNDCLASSA surfaceClass = windowClass;
  surfaceClass.lpfnWndProc = DefWindowProcA;
  surfaceClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  surfaceClass.lpszClassName = kSurfaceClass;
  RegisterClassA(&surfaceClass);

  RECT frame = {0, 0, run.width, run.height};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  AdjustWindowRect(&frame, style, FALSE);
  HWND window =
      CreateWindowA(kWindowClass, "Vantor MCI player", style, 20, 20, frame.right - frame.left,
                    frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  run.surface = CreateWindowA(kSurfaceClass, "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, window,
                              nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  OpenAndPlay(window);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  Send("Close All");
  std::printf("result=%s play_ms=%lu\n", run.result, static_cast<unsigned long>(run.playMs));
  return run.allSucceeded && std::strcmp(run.result, "stopped") == 0 ? 0 : 1;
}
