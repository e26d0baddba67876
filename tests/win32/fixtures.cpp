#include "fixtures.h"

#include "platform/win32/message_loop.h"

namespace vantor::win32::test {

namespace {

App* theApp = nullptr;
Win32Platform* thePlatform = nullptr;

BOOL CALLBACK MatchId(HWND window, LPARAM found) {
  auto* target = reinterpret_cast<std::pair<int, HWND>*>(found);
  if (GetDlgCtrlID(window) != target->first) return TRUE;
  target->second = window;
  return FALSE;
}

}  // namespace

void SetUp(App& app, Win32Platform& platform) {
  theApp = &app;
  thePlatform = &platform;
}

App& TheApp() { return *theApp; }
Win32Platform& ThePlatform() { return *thePlatform; }

void Recorder::OnEvent(const Event& event) {
  events.push_back(event);
  if (onEvent) onEvent(event);
}

void Recorder::OnCloseRequest() { ++closeRequests; }

int Recorder::Count(EventKind kind, ControlId id) const {
  int n = 0;
  for (const Event& e : events) n += e.kind == kind && e.control == id ? 1 : 0;
  return n;
}

ControlSpec Make(const std::string& name, ControlKind kind, Bounds bounds,
                 const std::string& caption, const std::string& container) {
  ControlSpec design = DesignRow({name.c_str()}, kind, bounds, container);
  design.caption = caption;
  return design;
}

FormSpec MakeForm(const std::string& caption, std::vector<ControlSpec> controls, BorderStyle border,
                  int clientWidthTwips, int clientHeightTwips) {
  FormSpec design;
  design.name = "frmTest";
  design.caption = caption;
  design.clientWidthTwips = clientWidthTwips;
  design.clientHeightTwips = clientHeightTwips;
  design.border = border;
  design.controls = std::move(controls);
  return design;
}

HWND WindowOf(const FormHost& host) { return reinterpret_cast<HWND>(host.Handle()); }

HWND ControlWindow(const FormHost& host, int windowId) {
  std::pair<int, HWND> target{windowId, nullptr};
  EnumChildWindows(WindowOf(host), MatchId, reinterpret_cast<LPARAM>(&target));
  return target.second;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

void Pump(int ms) {
  const DWORD start = GetTickCount();
  // A thread timer wakes the loop so that it sees the time pass.
  const UINT_PTR waker = SetTimer(nullptr, 0, 10, nullptr);
  RunMessageLoop(TheApp(), [&] { return GetTickCount() - start >= static_cast<DWORD>(ms); });
  KillTimer(nullptr, waker);
}

COLORREF PixelAt(HWND window, int x, int y) {
  UpdateWindow(GetAncestor(window, GA_ROOT));
  Pump(50);
  return GetPixel(WindowDC(window), x, y);
}

std::vector<COLORREF> Capture(HWND window) {
  UpdateWindow(GetAncestor(window, GA_ROOT));
  Pump(50);
  RECT client;
  GetClientRect(window, &client);
  const WindowDC dc(window);
  const MemoryDC copy(dc);
  const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
  const SelectedObject drawnOn(copy, bitmap);
  BitBlt(copy, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < client.bottom; ++y) {
    for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(copy, x, y));
  }
  return pixels;
}

std::vector<COLORREF> Drawn(int width, int height, const std::function<void(HDC)>& draw) {
  const WindowDC screen(nullptr);
  const MemoryDC canvas(screen);
  const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen, width, height));
  const SelectedObject drawnOn(canvas, bitmap);
  const RECT all{0, 0, width, height};
  FillRect(canvas, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  draw(canvas);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(canvas, x, y));
  return pixels;
}

int DarkPixels(const std::vector<COLORREF>& pixels) {
  int dark = 0;
  for (const COLORREF c : pixels) dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200 ? 1 : 0;
  return dark;
}

}  // namespace vantor::win32::test
