// The multimedia layer over the real MCI: a small uncompressed clip written
// here is opened, sized, played to its end and closed, and failures come
// back with MCI's codes and words.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "check.h"
#include "fixtures.h"
#include "platform/win32/mci_layer.h"

namespace vantor::win32::test {

namespace {

constexpr int kClipWidth = 64;
constexpr int kClipHeight = 48;
constexpr int kFramesPerSecond = 10;
constexpr int kFrames = 5;  // half a second

class Bytes {
 public:
  void U16(std::uint16_t v) { Raw(&v, 2); }
  void U32(std::uint32_t v) { Raw(&v, 4); }
  void FourCc(const char* code) { Raw(code, 4); }
  void Raw(const void* data, std::size_t n) {
    const auto* p = static_cast<const unsigned char*>(data);
    bytes.insert(bytes.end(), p, p + n);
  }
  // Starts a chunk (or a LIST/RIFF with `form`); returns where its size goes.
  std::size_t Open(const char* code, const char* form = nullptr) {
    FourCc(code);
    const std::size_t at = bytes.size();
    U32(0);
    if (form) FourCc(form);
    return at;
  }
  void Close(std::size_t at) {
    const auto size = static_cast<std::uint32_t>(bytes.size() - at - 4);
    std::memcpy(&bytes[at], &size, 4);
  }
  std::vector<unsigned char> bytes;
};

// A RIFF AVI of 24-bit DIB frames, each a different shade of blue.
std::vector<unsigned char> SmallClip() {
  const std::uint32_t frameBytes = kClipWidth * kClipHeight * 3;
  Bytes avi;
  const auto riff = avi.Open("RIFF", "AVI ");
  const auto hdrl = avi.Open("LIST", "hdrl");
  const auto avih = avi.Open("avih");
  for (std::uint32_t v : {1000000u / kFramesPerSecond, frameBytes * kFramesPerSecond, 0u,
                          0x10u /* has an index */, std::uint32_t(kFrames), 0u, 1u, frameBytes,
                          std::uint32_t(kClipWidth), std::uint32_t(kClipHeight), 0u, 0u, 0u, 0u})
    avi.U32(v);
  avi.Close(avih);
  const auto strl = avi.Open("LIST", "strl");
  const auto strh = avi.Open("strh");
  avi.FourCc("vids");
  avi.FourCc("DIB ");
  for (std::uint32_t v : {0u, 0u, 0u, 1u, std::uint32_t(kFramesPerSecond), 0u,
                          std::uint32_t(kFrames), frameBytes, 0xFFFFFFFFu, 0u})
    avi.U32(v);
  for (std::uint16_t v : {0, 0, kClipWidth, kClipHeight}) avi.U16(v);
  avi.Close(strh);
  const auto strf = avi.Open("strf");
  for (std::uint32_t v : {40u, std::uint32_t(kClipWidth), std::uint32_t(kClipHeight)}) avi.U32(v);
  avi.U16(1);
  avi.U16(24);
  for (std::uint32_t v : {0u, frameBytes, 0u, 0u, 0u, 0u}) avi.U32(v);
  avi.Close(strf);
  avi.Close(strl);
  avi.Close(hdrl);
  const auto movi = avi.Open("LIST", "movi");
  const std::size_t moviStart = movi + 4;  // index offsets count from "movi"
  std::vector<std::uint32_t> offsets;
  for (int frame = 0; frame < kFrames; ++frame) {
    offsets.push_back(static_cast<std::uint32_t>(avi.bytes.size() - moviStart));
    const auto chunk = avi.Open("00db");
    std::vector<unsigned char> pixels(frameBytes);
    for (std::size_t i = 0; i < pixels.size(); i += 3) pixels[i] = 60 + 40 * frame;
    avi.Raw(pixels.data(), pixels.size());
    avi.Close(chunk);
  }
  avi.Close(movi);
  const auto idx1 = avi.Open("idx1");
  for (std::uint32_t offset : offsets) {
    avi.FourCc("00db");
    avi.U32(0x10);  // a key frame
    avi.U32(offset);
    avi.U32(frameBytes);
  }
  avi.Close(idx1);
  avi.Close(riff);
  return avi.bytes;
}

// Writes the clip into a temporary folder whose name holds a blank.
std::string WriteClip() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "vantor clips";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string path = folder + "\\small.avi";
  const std::vector<unsigned char> clip = SmallClip();
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(clip.data(), 1, clip.size(), file);
    std::fclose(file);
  }
  return path;
}

// The wakes of this thread by a timer of its own (no window) in `ms`
// milliseconds, each dispatched.
int ThreadTimerWakes(int ms) {
  int wakes = 0;
  MSG message;
  for (const DWORD start = GetTickCount(); GetTickCount() - start < static_cast<DWORD>(ms);) {
    while (PeekMessageA(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
      if (!message.hwnd) ++wakes;
      DispatchMessageA(&message);
    }
    Sleep(5);
  }
  return wakes;
}

}  // namespace

TEST_CASE(MciPlaysAClipIntoAWindowToItsEnd) {
  Multimedia& mci = ThePlatform().MultimediaLayer();
  const std::string path = WriteClip();
  HWND surface = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr,
                                 nullptr, nullptr, nullptr);

  CHECK_EQ(mci.SendCommand("Close All", 0).code, 0u);
  CHECK_EQ(mci.SendCommand("Open \"" + path + "\" alias VidClip", 0).code, 0u);
  CHECK_EQ(mci.SendCommand("Window VidClip handle  " +
                               std::to_string(reinterpret_cast<std::uintptr_t>(surface)),
                           0)
               .code,
           0u);
  const MciAnswer where = mci.SendCommand("Where VidClip destination", 511);
  CHECK_EQ(where.code, 0u);
  CHECK_EQ(where.reply, "0 0 64 48");
  // With no reply buffer the answer is only the code.
  CHECK_EQ(mci.SendCommand("Where VidClip destination", 0).reply, "");

  CHECK_EQ(mci.SendCommand("Play VidClip", 0).code, 0u);
  CHECK_EQ(mci.SendCommand("Status VidClip mode", 255).reply, "playing");
  CHECK_EQ(mci.SendCommand("Pause VidClip", 0).code, 0u);
  CHECK_EQ(mci.SendCommand("Status VidClip mode", 255).reply, "paused");
  CHECK_EQ(mci.SendCommand("Resume VidClip", 0).code, 0u);
  std::string mode;
  for (int waited = 0; waited < 3000; waited += 100) {
    Sleep(100);
    mode = mci.SendCommand("Status VidClip mode", 255).reply;
    if (mode == "stopped") break;
  }
  CHECK_EQ(mode, "stopped");
  // Stopped while it plays, a clip without sound stops with success, although
  // some devices' sound layer has no handle to reset for it.
  CHECK_EQ(ThreadTimerWakes(50), 1);  // the wake of the first "play", above
  CHECK_EQ(mci.SendCommand("Seek VidClip to start", 0).code, 0u);
  CHECK_EQ(mci.SendCommand("Play VidClip", 0).code, 0u);
  CHECK_EQ(mci.SendCommand("Stop VidClip", 0).code, 0u);
  CHECK_EQ(mci.SendCommand("Status VidClip mode", 255).reply, "stopped");
  // Woken once shortly after "play", so that the first frame is shown with
  // the thread's next wait for messages; only a "play" wakes it.
  CHECK_EQ(ThreadTimerWakes(300), 1);
  CHECK_EQ(mci.SendCommand("Status VidClip mode", 255).code, 0u);
  CHECK_EQ(ThreadTimerWakes(100), 0);
  CHECK_EQ(mci.SendCommand("Stop VidClip", 0).code, 0u);
  CHECK_EQ(mci.SendCommand("Close All", 0).code, 0u);
  // Closed: the alias names nothing any more.
  CHECK(mci.SendCommand("Status VidClip mode", 255).code != 0u);
  DestroyWindow(surface);
}

TEST_CASE(MciFailuresComeWithTheirOwnWords) {
  Multimedia& mci = ThePlatform().MultimediaLayer();
  mci.SendCommand("Close All", 0);
  // Without quotes a blank ends the file name, short of its extension.
  CHECK_EQ(mci.SendCommand("Open " + WriteClip() + " alias VidClip", 0).code, 281u);
  CHECK_EQ(mci.SendCommand("Open C:\\nowhere\\none.avi alias VidClip", 0).code, 275u);
  CHECK(mci.SendCommand("Play VidClip", 0).code != 0u);
  CHECK_EQ(mci.ErrorText(275).value_or(""),
           "Cannot find the specified file. Make sure the path and filename are correct.");
  CHECK(!mci.ErrorText(0x4321).has_value());
}

}  // namespace vantor::win32::test
