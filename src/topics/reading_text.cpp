#include "topics/reading_text.h"

#include "topics/topic_layout.h"

namespace vantor::topics {

std::string ReadingText(const Topic& topic) {
  std::string text;
  for (const Block& block : topic.blocks) {
    if (block.kind == BlockKind::Bullet) {
      text += kBulletMark;
      text += ' ';
    }
    for (const Run& run : block.runs) text += run.text;
    text += "\r\n";
  }
  return text;
}

}  // namespace vantor::topics
