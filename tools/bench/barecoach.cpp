// barecoach: the least a coach window could do, to hold the coach's start
// against. It creates the scanning application's help object as the coach
// does, then shows a plain window of the coach's outer size with four push
// buttons, centred, and waits for input. With --controls it creates that
// many child windows instead (the four buttons first, then labels with a
// text), of which the first --visible are shown: the same number of windows
// as the coach, each created once in its place and never touched again.
// Each --load names a library it loads before its window, as a program
// that imports it would: what a library costs a start, measured alone.
//
//   barecoach.exe [--size WIDTHxHEIGHT] [--title TEXT] [--controls N [--visible M]]
//                 [--load DLL]...
//
// Exit code 0 when the window was closed, 2 for a bad command line. A help
// object that cannot be created is reported on stderr and does not stop it:
// the window still shows, as the coach's does. A GUI program like the coach,
// so that WaitForInputIdle means the same for both.
#include <windows.h>
// After windows.h, whose types they use.
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kWindowClass[] = "VantorBareCoach";
const wchar_t kHelpObject[] = L"Kestrin.KestrinHelpObject";

struct Options {
  int width = 420;
  int height = 470;
  std::string title = "Vantor bare coach";
  int controls = 4;
  int visible = 4;
  std::vector<std::string> libraries;
};

bool ParseArguments(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--size" && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%dx%d", &options.width, &options.height) != 2) return false;
    } else if (arg == "--title" && i + 1 < argc) {
      options.title = argv[++i];
    } else if (arg == "--controls" && i + 1 < argc) {
      options.controls = std::atoi(argv[++i]);
      options.visible = options.controls;
    } else if (arg == "--visible" && i + 1 < argc) {
      options.visible = std::atoi(argv[++i]);
    } else if (arg == "--load" && i + 1 < argc) {
      options.libraries.emplace_back(argv[++i]);
    } else {
      return false;
    }
  }
  return options.width > 0 && options.height > 0 && options.controls >= 4 &&
         options.controls <= 1000 && options.visible >= 0 && options.visible <= options.controls;
}

// Late-bound, as the coach reaches it: ProgID, instance, IDispatch.
IDispatch* CreateHelpObject() {
  CLSID clsid;
  HRESULT result = CLSIDFromProgID(kHelpObject, &clsid);
  IDispatch* object = nullptr;
  if (SUCCEEDED(result)) {
    result = CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&object));
  }
  if (FAILED(result)) {
    std::fprintf(stderr, "barecoach: no help object (0x%08lx)\n",
                 static_cast<unsigned long>(result));
  }
  return object;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Four push buttons along the bottom, then labels in rows above them.
void AddControls(HWND window, HINSTANCE instance, int clientWidth, int clientHeight,
                 const Options& options) {
  static const char* const kCaptions[] = {"< Back", "Next >", "Cancel", "Help"};
  const int width = 75, height = 23, gap = 6;
  int left = clientWidth - 4 * (width + gap);
  for (int i = 0; i < 4; ++i, left += width + gap) {
    const DWORD shown = i < options.visible ? WS_VISIBLE : 0;
    CreateWindowExA(0, "BUTTON", kCaptions[i], WS_CHILD | shown | WS_TABSTOP | BS_PUSHBUTTON, left,
                    clientHeight - height - gap, width, height, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), instance, nullptr);
  }
  const int labelWidth = 100, labelHeight = 16, perRow = clientWidth / (labelWidth + gap);
  for (int i = 4; i < options.controls; ++i) {
    const int n = i - 4;
    const DWORD shown = i < options.visible ? WS_VISIBLE : 0;
    const std::string text = "Label " + std::to_string(n + 1);
    CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | shown | SS_LEFT,
                    gap + (n % perRow) * (labelWidth + gap),
                    gap + (n / perRow) * (labelHeight + gap), labelWidth, labelHeight, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), instance, nullptr);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  Options options;
  if (!ParseArguments(__argc, __argv, options)) {
    std::fprintf(
        stderr,
        "usage: barecoach [--size WIDTHxHEIGHT] [--title TEXT] [--controls N [--visible M]] "
        "[--load DLL]...\n");
    return 2;
  }
  for (const std::string& library : options.libraries) {
    if (!LoadLibraryA(library.c_str())) {
      std::fprintf(stderr, "barecoach: cannot load %s\n", library.c_str());
      return 2;
    }
  }
  CoInitialize(nullptr);
  IDispatch* helpObject = CreateHelpObject();

  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassA(&windowClass);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - options.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - options.height) / 2;
  HWND window = CreateWindowExA(0, kWindowClass, options.title.c_str(),
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, left, top,
                                options.width, options.height, nullptr, nullptr, instance, nullptr);
  RECT client{};
  GetClientRect(window, &client);
  AddControls(window, instance, client.right, client.bottom, options);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (helpObject) helpObject->Release();
  CoUninitialize();
  return 0;
}
