// libFuzzer target for the multimedia layer's replies: whatever text a
// driver hands back for "Where ... destination" or "Status ... mode".
//
// Build and run with clang (not part of the default build):
//   cmake -S tests/fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
//   ninja -C build/fuzz -j2
//   build/fuzz/mci_reply_fuzz -max_total_time=60
//
// Beyond "no crash, no undefined behaviour": the words taken one by one add
// up to the reply again, each take shortens it, and the surface placed from
// any reply has a size within 16 bits and never a negative position.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "video/playback.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string reply(reinterpret_cast<const char*>(data), size);

  std::string rest = reply;
  std::string joined;
  while (!rest.empty()) {
    const std::size_t before = rest.size();
    joined += vantor::TakeNextWord(rest);
    if (rest.size() >= before) std::abort();
  }
  if (joined != reply) std::abort();

  const vantor::SurfaceSize surface = vantor::SurfaceSizeOfReply(reply);
  if (surface.width < 0 || surface.width > 32767 || surface.height < 0 || surface.height > 32767)
    std::abort();
  const std::int16_t listColumn = size > 0 ? data[0] : 0;
  const vantor::Bounds placed =
      vantor::CentreSurface({0, 0, 630, 385}, surface.width, surface.height, listColumn);
  if (placed.left < 0 || placed.top < 0) std::abort();
  return 0;
}
