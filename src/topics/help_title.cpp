#include "topics/help_title.h"

#include "common/encoding.h"
#include "common/text.h"

namespace vantor::topics {

namespace {

constexpr std::string_view kMark = "**";
constexpr std::string_view kTopicKeyword = "@topic";

// "@topic" as a word of its own at the start of a trimmed line.
bool StartsTopic(std::string_view trimmed) {
  return trimmed.size() >= kTopicKeyword.size() &&
         SameWithoutCase(trimmed.substr(0, kTopicKeyword.size()), kTopicKeyword) &&
         (trimmed.size() == kTopicKeyword.size() || IsBlank(trimmed[kTopicKeyword.size()]));
}

bool StartsBullet(std::string_view trimmed) {
  return trimmed.front() == '*' && (trimmed.size() == 1 || IsBlank(trimmed[1]));
}

// Collects the lines of the block being read; a finished block goes to the
// blocks it was started for.
class BlockBuilder {
 public:
  bool IsOpen(BlockKind kind) const { return open_ && kind_ == kind; }

  void Start(std::vector<Block>& into, BlockKind kind, std::string_view text, int line) {
    Close();
    into_ = &into;
    open_ = true;
    kind_ = kind;
    text_ = text;
    line_ = line;
  }

  void Append(std::string_view text) {
    if (!text_.empty()) text_ += ' ';
    text_ += text;
  }

  // A block without any text to show is dropped.
  void Close() {
    if (!open_) return;
    open_ = false;
    std::vector<Run> runs = SplitRuns(text_);
    if (!runs.empty()) into_->push_back(Block{kind_, std::move(runs), line_});
    text_.clear();
  }

 private:
  std::vector<Block>* into_ = nullptr;
  bool open_ = false;
  BlockKind kind_ = BlockKind::Paragraph;
  std::string text_;
  int line_ = 0;
};

}  // namespace

std::vector<Run> SplitRuns(std::string_view text) {
  std::vector<Run> runs;
  auto add = [&runs](std::string_view piece, bool bold) {
    if (piece.empty()) return;
    if (!runs.empty() && runs.back().bold == bold) {
      runs.back().text += piece;
    } else {
      runs.push_back(Run{std::string(piece), bold});
    }
  };
  std::size_t from = 0;
  while (true) {
    const std::size_t open = text.find(kMark, from);
    if (open == std::string_view::npos) break;
    const std::size_t close = text.find(kMark, open + kMark.size());
    if (close == std::string_view::npos) break;
    add(text.substr(from, open - from), false);
    add(text.substr(open + kMark.size(), close - open - kMark.size()), true);
    from = close + kMark.size();
  }
  add(text.substr(from), false);
  return runs;
}

HelpTitle HelpTitle::Parse(std::string_view text) {
  const encoding::Encoding fileEncoding = encoding::Detect(text);
  text.remove_prefix(encoding::SignatureLength(text));
  HelpTitle title;
  // Text before the first topic belongs to none: it is read into a topic
  // that is thrown away.
  Topic skipped;
  auto blocks = [&]() -> std::vector<Block>& {
    return title.topics_.empty() ? skipped.blocks : title.topics_.back().blocks;
  };
  BlockBuilder builder;
  int number = 0;
  while (!text.empty()) {
    ++number;
    std::string_view line = TakeLine(text);

    std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty()) {
      builder.Close();
      continue;
    }
    if (trimmed.front() == '#') continue;  // a comment leaves the block it stands in open
    if (StartsTopic(trimmed)) {
      builder.Close();
      // The identifier keeps the file's own bytes, so that it matches the
      // settings file's TopicID byte for byte, as it did before the title
      // could be UTF-8.
      title.topics_.push_back(
          Topic{std::string(TrimBlanks(trimmed.substr(kTopicKeyword.size()))), {}, number});
      continue;
    }
    const std::string decoded = encoding::ToUtf8(line, fileEncoding);
    line = decoded;
    trimmed = TrimBlanks(line);
    // An indented line under an item goes on with it, whatever it starts with.
    const bool continuesItem = builder.IsOpen(BlockKind::Bullet) && IsBlank(line.front());
    if (!continuesItem && trimmed.front() == '=') {
      builder.Start(blocks(), BlockKind::Heading, TrimBlanks(trimmed.substr(1)), number);
      builder.Close();
    } else if (!continuesItem && StartsBullet(trimmed)) {
      builder.Start(blocks(), BlockKind::Bullet, TrimBlanks(trimmed.substr(1)), number);
    } else if (continuesItem || builder.IsOpen(BlockKind::Paragraph)) {
      builder.Append(trimmed);
    } else {
      builder.Start(blocks(), BlockKind::Paragraph, trimmed, number);
    }
  }
  builder.Close();
  return title;
}

const Topic* HelpTitle::Find(std::string_view id) const {
  if (id.empty()) return nullptr;
  for (const Topic& topic : topics_) {
    if (SameWithoutCase(topic.id, id)) return &topic;
  }
  return nullptr;
}

}  // namespace vantor::topics
