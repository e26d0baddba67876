// libFuzzer target for the help title reader and the topic layout: any file
// text, laid out at any pane width.
//
// Build and run with clang (not part of the default build):
//   cmake -S tests/fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
//   ninja -C build/fuzz -j2
//   build/fuzz/help_title_fuzz -max_total_time=60
//
// Beyond "no crash, no undefined behaviour": every topic is found by its
// identifier (the first of its name), no block or run is empty, every text
// is valid UTF-8 whatever the file held, and a layout reads top to bottom,
// never cuts a character, keeps its text inside the pane whenever a
// character fits, and ends below its last line.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/encoding.h"
#include "topics/help_title.h"
#include "topics/topic_layout.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Characters of uneven widths, as in a real font: by the character's last
// byte, whatever its length.
vantor::TextSize UnevenWidths(vantor::topics::FontKind font, std::string_view text) {
  int width = 0;
  for (std::size_t at = 0; at < text.size();) {
    at += vantor::encoding::CharacterLength(text, at);
    width += 3 + static_cast<unsigned char>(text[at - 1]) % 7 + static_cast<int>(font);
  }
  return {width, font == vantor::topics::FontKind::Heading ? 19 : 14};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace vantor::topics;
  FuzzedDataProvider data(bytes, size);
  const int width = data.ConsumeIntegralInRange<int>(-20, 400);
  const HelpTitle title = HelpTitle::Parse(data.ConsumeRemainingBytesAsString());

  const LayoutStyle style;
  // The widest character of the measure above, in the widest font.
  const int widestCharacter = 3 + 6 + 2;
  for (const Topic& topic : title.Topics()) {
    const Topic* found = title.Find(topic.id);
    Check(topic.id.empty() ? found == nullptr : found != nullptr && found <= &topic);
    for (const Block& block : topic.blocks) {
      Check(!block.runs.empty());
      for (const Run& run : block.runs)
        Check(!run.text.empty() && vantor::encoding::IsValidUtf8(run.text));
    }

    const TopicLayout layout = LayOutTopic(topic, width, UnevenWidths, style);
    int lastY = 0;
    for (const Piece& piece : layout.pieces) {
      Check(!piece.text.empty() && vantor::encoding::IsValidUtf8(piece.text));
      Check(piece.y >= lastY);
      lastY = piece.y;
      Check(piece.x >= style.marginLeft);
      const int room = width - style.marginRight - style.marginLeft - style.bulletIndent;
      if (room >= widestCharacter) {
        Check(piece.x + UnevenWidths(piece.font, piece.text).width <= width - style.marginRight);
      }
    }
    Check(layout.pieces.empty() ? layout.height == 0 : layout.height > lastY);
  }
  return 0;
}
