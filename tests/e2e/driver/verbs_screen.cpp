// Verbs that look at what a control shows on the screen: single pixels,
// how many pixels have a given colour (a label's text colour), a picture's
// fingerprint (which of two button pictures is shown), and when a video
// surface first shows a frame.
//
// Pixels are read from the screen, not from the control's own DC, so they
// are what a user sees: a window lying over the control hides it here too.

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "lookup.h"
#include "verbs.h"

namespace vdriver {
namespace {

constexpr long kDefaultWaitMs = 5000;
constexpr DWORD kFramePollMs = 5;
// Below this share of its most common colour an area counts as a picture.
constexpr int kFlatPercent = 95;

// Colours are reported as the program writes them: 0x00BBGGRR.
using ColorRef = std::uint32_t;

struct Capture {
  bool visible = false;
  RECT rect{};  // on the screen
  std::vector<ColorRef> pixels;
};

struct Summary {
  std::size_t distinct = 0;
  ColorRef dominant = 0;
  std::size_t dominantCount = 0;
  std::uint32_t hash = 0;  // FNV-1a over the pixels in rows

  int DominantPercent(std::size_t total) const {
    return total == 0 ? 100 : static_cast<int>(dominantCount * 100 / total);
  }
};

// A part of a control's client area, from a verb's --region x,y,w,h
// (all of it without the option).
struct Region {
  bool whole = true;
  RECT part{};
};

Region RegionOf(const Args& args) {
  Region region;
  auto found = args.options.find("region");
  if (found == args.options.end()) return region;
  long x = 0, y = 0, w = 0, h = 0;
  if (std::sscanf(found->second.c_str(), "%ld,%ld,%ld,%ld", &x, &y, &w, &h) == 4) {
    region.whole = false;
    region.part = {x, y, x + w, y + h};
  }
  return region;
}

// That rectangle of the screen as it stands now.
Capture CaptureScreen(const RECT& rect) {
  Capture capture;
  capture.rect = rect;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return capture;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const WindowDC screen(nullptr);
  const MemoryDC memory(screen);
  const GdiObject<HBITMAP> bitmap(
      CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap && bits) {
    const SelectedObject drawnOn(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const auto* rgb = static_cast<const std::uint32_t*>(bits);
    capture.pixels.resize(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < capture.pixels.size(); ++i) {
      const std::uint32_t value = rgb[i] & 0xFFFFFF;  // 0x00RRGGBB in a DIB
      capture.pixels[i] = ((value & 0xFF) << 16) | (value & 0xFF00) | (value >> 16);
    }
  }
  return capture;
}

// The client area of `control` (or the region of it) as it stands on the
// screen now.
Capture CaptureClient(HWND control, const Region& region = {}) {
  RECT rect = ClientOnScreen(control);
  if (!region.whole) {
    RECT part = region.part;
    OffsetRect(&part, rect.left, rect.top);
    IntersectRect(&rect, &rect, &part);
  }
  Capture capture = CaptureScreen(rect);
  capture.visible = IsWindowVisible(control) != 0;
  return capture;
}

// True when `now` differs from what the same place of the screen showed in
// `before` (a larger, earlier capture) in more than 1 % of its pixels. A
// surface just shown or moved shows what lay there until it is painted.
bool DiffersFrom(const Capture& now, const Capture& before) {
  const long width = now.rect.right - now.rect.left;
  const long beforeWidth = before.rect.right - before.rect.left;
  std::size_t differing = 0;
  for (std::size_t i = 0; i < now.pixels.size(); ++i) {
    const long x = now.rect.left + static_cast<long>(i) % width;
    const long y = now.rect.top + static_cast<long>(i) / width;
    if (x < before.rect.left || x >= before.rect.right || y < before.rect.top ||
        y >= before.rect.bottom) {
      ++differing;
      continue;
    }
    const std::size_t j =
        static_cast<std::size_t>((y - before.rect.top) * beforeWidth + (x - before.rect.left));
    differing += now.pixels[i] != before.pixels[j] ? 1 : 0;
  }
  return differing * 100 > now.pixels.size();
}

Summary Summarise(const std::vector<ColorRef>& pixels) {
  Summary summary;
  std::unordered_map<ColorRef, std::size_t> counts;
  summary.hash = 2166136261u;
  for (ColorRef pixel : pixels) {
    std::size_t& count = ++counts[pixel];
    if (count > summary.dominantCount) {
      summary.dominantCount = count;
      summary.dominant = pixel;
    }
    for (int shift = 0; shift < 24; shift += 8) {
      summary.hash = (summary.hash ^ ((pixel >> shift) & 0xFF)) * 16777619u;
    }
  }
  summary.distinct = counts.size();
  return summary;
}

// A frame is on the surface when the surface is shown and is not one flat
// colour: an empty surface, or one the clip has not been drawn into yet, is
// all its background colour.
bool ShowsFrame(const Capture& capture, const Summary& summary) {
  return capture.visible && capture.pixels.size() >= 16 &&
         summary.DominantPercent(capture.pixels.size()) < kFlatPercent;
}

// The control a verb looks at: with --class, the first window of that class
// inside the named window (a bare player's surface has no ID); else the
// control of that ID, as the other verbs find it.
bool RequireSurface(const Args& args, HWND& top, HWND& control) {
  if (!args.Has("class")) {
    if (!RequireControl(args, top, control)) return false;
    if (control) return true;
    std::fprintf(stderr, "vdriver: \"%s\" holds no control %ld\n", args.positional[0].c_str(),
                 args.IntAt(1, 0));
    return false;
  }
  if (!RequireWindow(args.positional[0], top)) return false;
  control = FindWindowExA(top, nullptr, args.options.at("class").c_str(), nullptr);
  if (!control) {
    std::fprintf(stderr, "vdriver: \"%s\" holds no window of class %s\n",
                 args.positional[0].c_str(), args.options.at("class").c_str());
    return false;
  }
  return true;
}

void PrintSummary(const Capture& capture, const Summary& summary) {
  std::printf(
      "visible=%d width=%ld height=%ld colors=%zu dominant=0x%06x dominant_pct=%d "
      "hash=%08x frame=%d\n",
      capture.visible ? 1 : 0, capture.rect.right - capture.rect.left,
      capture.rect.bottom - capture.rect.top, summary.distinct,
      static_cast<unsigned>(summary.dominant), summary.DominantPercent(capture.pixels.size()),
      static_cast<unsigned>(summary.hash), ShowsFrame(capture, summary) ? 1 : 0);
}

// What a frame must be besides a picture: different from what its place
// on the screen showed before (a changed picture may still be the old
// clip's, moved or half covered), or exactly the picture of a known
// fingerprint (the new clip's caption strip, which no other clip shows).
struct FrameTest {
  const Capture* before = nullptr;
  std::optional<std::uint32_t> hash;

  bool Passes(const Capture& capture, const Summary& summary) const {
    if (!ShowsFrame(capture, summary)) return false;
    if (hash) return summary.hash == *hash;
    return !before || DiffersFrom(capture, *before);
  }
};

// The fingerprint a verb's --expect gives (hexadecimal, as `picture` prints it).
std::optional<std::uint32_t> ExpectedHash(const Args& args) {
  auto found = args.options.find("expect");
  if (found == args.options.end()) return std::nullopt;
  return static_cast<std::uint32_t>(std::strtoul(found->second.c_str(), nullptr, 16));
}

// Waits until `surface` shows a frame that passes `test`. Returns the
// milliseconds since `start`, or -1.
long WaitForFrame(HWND surface, const Region& region, const FrameTest& test, DWORD start,
                  long timeoutMs) {
  for (;;) {
    const Capture capture = CaptureClient(surface, region);
    const Summary summary = Summarise(capture.pixels);
    const DWORD now = GetTickCount();
    const bool frame = test.Passes(capture, summary);
    if (std::getenv("VDRIVER_TRACE_FRAMES")) {
      std::fprintf(stderr, "frame-trace ms=%lu visible=%d dominant_pct=%d hash=%08x frame=%d\n",
                   static_cast<unsigned long>(now - start), capture.visible ? 1 : 0,
                   summary.DominantPercent(capture.pixels.size()),
                   static_cast<unsigned>(summary.hash), frame ? 1 : 0);
    }
    if (frame) return static_cast<long>(now - start);
    if (static_cast<long>(now - start) >= timeoutMs || !IsWindow(surface)) return -1;
    Sleep(kFramePollMs);
  }
}

// The time an event took, and when it happened by the system's tick count,
// which all programs of the session share: two verbs' ticks can be
// subtracted.
void PrintElapsed(DWORD start, long elapsed) {
  std::printf("elapsed_ms=%ld tick=%lu\n", elapsed,
              static_cast<unsigned long>(start + static_cast<DWORD>(elapsed)));
}

}  // namespace

int Pixel(const Args& args) {
  HWND top, control;
  if (!RequireSurface(args, top, control)) return kFailed;
  POINT point{static_cast<LONG>(args.IntAt(2, 0)), static_cast<LONG>(args.IntAt(3, 0))};
  ClientToScreen(control, &point);
  const COLORREF color = GetPixel(WindowDC(nullptr), point.x, point.y);
  if (color == CLR_INVALID) {
    std::fprintf(stderr, "vdriver: no pixel at %ld,%ld of the screen\n", point.x, point.y);
    return kFailed;
  }
  std::printf("color=0x%06lx r=%d g=%d b=%d\n", static_cast<unsigned long>(color), GetRValue(color),
              GetGValue(color), GetBValue(color));
  return kOk;
}

int PictureVerb(const Args& args) {
  HWND top, control;
  if (!RequireSurface(args, top, control)) return kFailed;
  const Capture capture = CaptureClient(control, RegionOf(args));
  PrintSummary(capture, Summarise(capture.pixels));
  return kOk;
}

// How many pixels of the control have each of the given colours: the text
// of a label over a picture is the only thing in its exact colour.
int ColorCount(const Args& args) {
  HWND top, control;
  if (!RequireSurface(args, top, control)) return kFailed;
  const Capture capture = CaptureClient(control);
  for (std::size_t i = 2; i < args.positional.size(); ++i) {
    const auto wanted = static_cast<ColorRef>(std::strtoul(args.positional[i].c_str(), nullptr, 0));
    std::size_t count = 0;
    for (ColorRef pixel : capture.pixels) count += pixel == wanted ? 1 : 0;
    std::printf("0x%06x=%zu ", static_cast<unsigned>(wanted), count);
  }
  std::printf("total=%zu\n", capture.pixels.size());
  return kOk;
}

int WaitFrame(const Args& args) {
  HWND top, control;
  if (!RequireSurface(args, top, control)) return kFailed;
  const Region region = RegionOf(args);
  const DWORD start = GetTickCount();
  const long elapsed = WaitForFrame(control, region, {}, start, args.IntAt(2, kDefaultWaitMs));
  if (elapsed < 0) {
    const Capture capture = CaptureClient(control, region);
    std::fprintf(stderr, "vdriver: no frame on control %ld; it shows: ", args.IntAt(1, 0));
    std::fflush(stderr);
    PrintSummary(capture, Summarise(capture.pixels));
    return kTimedOut;
  }
  PrintElapsed(start, elapsed);
  return kOk;
}

// A posted mouse click on <click id>, timed to the first frame on <surface
// id> that differs from what its place showed before the click: a stopped
// or paused clip stays on the surface until the next one is drawn, and a
// surface just shown shows what lay under it until it is painted. With
// --expect, the first frame whose fingerprint is that one instead.
int ClickFrame(const Args& args) {
  HWND top, target;
  if (!RequireControl(args, top, target)) return kFailed;
  // A surface never shown yet has no window before the click makes it.
  const int surfaceId = static_cast<int>(args.IntAt(2, 0));
  HWND surface = FindControl(top, surfaceId);
  if (!target || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
    std::fprintf(stderr, "vdriver: control %ld cannot be clicked now\n", args.IntAt(1, 0));
    return kFailed;
  }
  const Region region = RegionOf(args);
  const Capture before = CaptureScreen(ClientOnScreen(top));
  RECT client{};
  GetClientRect(target, &client);
  const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
  const DWORD start = GetTickCount();
  PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  PostMessageA(target, WM_LBUTTONUP, 0, middle);
  const long waitMs = args.IntAt(3, kDefaultWaitMs);
  if (!surface)
    WaitUntil(waitMs, [&] { return (surface = FindControl(top, surfaceId)) != nullptr; });
  const long elapsed =
      surface ? WaitForFrame(surface, region, FrameTest{&before, ExpectedHash(args)}, start, waitMs)
              : -1;
  if (elapsed < 0) {
    std::fprintf(stderr, "vdriver: no new frame on control %ld\n", args.IntAt(2, 0));
    return kTimedOut;
  }
  PrintElapsed(start, elapsed);
  return kOk;
}

// Starts a program and times its first frame on a surface of class
// --class (or with the control ID --id) inside its window titled --title: from the start, from the
// moment the window is shown, and the difference, with the program's working set then. The program
// runs on, unless --end asks to end it.
int LaunchFrame(const Args& args) {
  if (!args.Has("title") || (!args.Has("class") && !args.Has("id"))) {
    std::fprintf(stderr, "vdriver: launch-frame needs --title and --class or --id\n");
    return kFailed;
  }
  StartedProcess process;
  const DWORD start = GetTickCount();
  if (!StartProcess(args, process)) return kFailed;
  const long timeoutMs = args.IntOption("timeout", kDefaultWaitMs);
  const std::string& title = args.options.at("title");
  HWND top = nullptr;
  HWND surface = nullptr;
  const bool shown = WaitUntil(timeoutMs, [&] {
    top = FindTopWindow(title, true);
    if (!top) return false;
    surface = args.Has("id")
                  ? FindControl(top, static_cast<int>(args.IntOption("id", 0)))
                  : FindWindowExA(top, nullptr, args.options.at("class").c_str(), nullptr);
    return surface != nullptr;
  });
  const long windowMs = static_cast<long>(GetTickCount() - start);
  const long frameMs = shown ? WaitForFrame(surface, {}, {}, start, timeoutMs) : -1;
  const long workingSetKb = WorkingSetKb(process.Process());
  if (args.Has("end")) EndProcess(process.Process());
  if (!shown) {
    std::fprintf(stderr, "vdriver: no window \"%s\" with its surface\n", title.c_str());
    return kTimedOut;
  }
  if (frameMs < 0) {
    std::fprintf(stderr, "vdriver: no frame in \"%s\"\n", title.c_str());
    return kTimedOut;
  }
  std::printf("window_ms=%ld frame_ms=%ld frame_after_window_ms=%ld working_set_kb=%ld\n", windowMs,
              frameMs, frameMs - windowMs, workingSetKb);
  return kOk;
}

}  // namespace vdriver
