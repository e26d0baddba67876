// Lines of a topic for a pane of a given width: words wrapped at blanks,
// headings, paragraphs and bullet items one under another. Text is measured
// through a callback, so that the simulation and the real screen lay out
// with the same rules.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"
#include "topics/help_title.h"

namespace vantor::topics {

// The three fonts of a topic: plain and bold body text, and headings.
enum class FontKind { Body, Bold, Heading };

// Width of `text` (UTF-8, whole characters) in that font and the height of
// one line of it, in pixels.
using Measure = std::function<TextSize(FontKind font, std::string_view text)>;

// Pixels around and between the blocks.
struct LayoutStyle {
  int marginLeft = 10;
  int marginRight = 8;
  int marginTop = 8;
  int marginBottom = 8;
  int blockGap = 6;       // between two blocks
  int itemGap = 2;        // between two bullet items that follow each other
  int bulletIndent = 14;  // from a bullet's mark to its text, on every line of the item
};

// The bullet's mark, drawn in the body font: U+2022 in UTF-8.
inline constexpr std::string_view kBulletMark = "\xE2\x80\xA2";

// A text to draw with its top left corner at (x, y) of the laid-out topic.
struct Piece {
  int x = 0;
  int y = 0;
  FontKind font = FontKind::Body;
  std::string text;
  friend bool operator==(const Piece&, const Piece&) = default;
};

struct TopicLayout {
  std::vector<Piece> pieces;  // in reading order
  int height = 0;             // down to the bottom margin; 0 for a topic without text
};

// Lays `topic` out for a pane `width` pixels wide. A line breaks at blanks;
// a word wider than a whole line is broken between characters (never
// inside one character's UTF-8 bytes), and every line takes at least one
// character, however narrow the pane.
TopicLayout LayOutTopic(const Topic& topic, int width, const Measure& measure,
                        const LayoutStyle& style = {});

}  // namespace vantor::topics
