// The help title: the plain-text file of topics that the coach's topic pane
// shows, one topic at a time, looked up by its identifier.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantor::topics {

// A stretch of text in one weight.
struct Run {
  std::string text;
  bool bold = false;
  friend bool operator==(const Run&, const Run&) = default;
};

enum class BlockKind { Heading, Paragraph, Bullet };

// A heading, a paragraph or one bullet item, its lines already joined.
struct Block {
  BlockKind kind = BlockKind::Paragraph;
  std::vector<Run> runs;
  int line = 0;  // of the file, from 1, where the block starts
};

struct Topic {
  std::string id;
  std::vector<Block> blocks;
  int line = 0;  // of its "@topic", from 1
};

class HelpTitle {
 public:
  // Reads the text of a title file (Windows-1252, CRLF or LF line ends).
  // Every text is accepted: what is not understood is shown as it stands.
  static HelpTitle Parse(std::string_view text);

  // The first topic with that identifier, compared without regard to case;
  // null when there is none (also for an empty identifier).
  const Topic* Find(std::string_view id) const;

  // Every topic in file order, later ones of the same identifier included,
  // so that a checker can report them.
  const std::vector<Topic>& Topics() const { return topics_; }

 private:
  std::vector<Topic> topics_;
};

// Splits a text into runs at its "**" marks: the text between a mark and
// the next one is bold; a mark without a partner is shown as it stands.
std::vector<Run> SplitRuns(std::string_view text);

}  // namespace vantor::topics
