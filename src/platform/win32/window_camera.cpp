#include "platform/win32/window_camera.h"

#include <cstdio>

#include "common/png.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {
namespace {

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

bool Win32WindowCamera::Take(Form& form, const std::string& name) {
  HWND window = reinterpret_cast<HWND>(form.Host().Handle());
  RECT outer;
  if (!window || !GetWindowRect(window, &outer)) return false;
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  if (width <= 0 || height <= 0) return false;

  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(window, HWND_TOP, work.left, work.top, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
  // Drawn as the user sees the window, in front and active, without taking
  // the keyboard from the window that has it.
  SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const WindowDC screen(nullptr);
  const GdiObject<HBITMAP> bitmap(
      CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!static_cast<HBITMAP>(bitmap) || !bits) return false;
  bool drawn = false;
  {
    const MemoryDC memory(screen);
    const SelectedObject selected(memory, static_cast<HBITMAP>(bitmap));
    HDC source = GetWindowDC(window);
    drawn = source && BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != 0;
    if (source) ReleaseDC(window, source);
    GdiFlush();
  }
  SendMessageA(window, WM_NCACTIVATE, FALSE, 0);
  ShowWindow(window, SW_HIDE);
  if (!drawn) return false;

  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  const auto* data = static_cast<const unsigned char*>(bits);
  std::string rgb;
  rgb.reserve(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    const unsigned char* row = data + stride * y;
    for (int x = 0; x < width; ++x) {
      rgb += static_cast<char>(row[x * 3 + 2]);
      rgb += static_cast<char>(row[x * 3 + 1]);
      rgb += static_cast<char>(row[x * 3]);
    }
  }
  const std::string file = png::EncodeRgb(width, height, rgb);
  return !file.empty() && WriteWholeFile(folder_ + "\\" + name + ".png", file);
}

}  // namespace vantor::win32
