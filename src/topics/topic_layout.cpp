#include "topics/topic_layout.h"

#include <algorithm>

#include "common/encoding.h"
#include "common/text.h"

namespace vantor::topics {

namespace {

// The part of a word in one font: "**re**set" is one word of two fragments.
struct Fragment {
  FontKind font = FontKind::Body;
  std::string text;
};
// A word: what lies between two places where a line may break. `joined`:
// it follows the word before it without a blank (Chinese and Japanese
// break between their characters, where no blank stands).
struct Word {
  std::vector<Fragment> parts;
  bool joined = false;
};

FontKind FontOf(BlockKind block, const Run& run) {
  if (block == BlockKind::Heading) return FontKind::Heading;
  return run.bold ? FontKind::Bold : FontKind::Body;
}

char32_t CodePointAt(std::string_view text, std::size_t at, std::size_t length) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  if (length == 1) return byte(0);
  char32_t c = byte(0) & (0xFF >> (length + 1));
  for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (byte(i) & 0x3F);
  return c;
}

// Letters of the scripts written without blanks between words: a line may
// break before and after each (CJK punctuation, kana, ideographs and the
// full-width forms).
bool BreaksAround(char32_t c) {
  return (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x2FFFF);
}

// Marks that never begin a line (closing brackets and stops, the long
// vowel and small kana) or never end one (opening brackets).
bool StaysAfter(char32_t c) {
  static constexpr std::u32string_view kClosing =
      U"\u3001\u3002\uFF0C\uFF0E\uFF09\u300D\u300F\u3011\uFF01\uFF1F\u30FC\u30FB\uFF1A\uFF1B"
      U"\u3041\u3043\u3045\u3047\u3049\u3063\u3083\u3085\u3087\u30A1\u30A3\u30A5\u30A7\u30A9"
      U"\u30C3\u30E3\u30E5\u30E7";
  return kClosing.find(c) != std::u32string_view::npos;
}
bool StaysBefore(char32_t c) {
  static constexpr std::u32string_view kOpening = U"\uFF08\u300C\u300E\u3010";
  return kOpening.find(c) != std::u32string_view::npos;
}

// The block's words: runs of non-blank characters, across the runs' borders,
// cut where a line may break between two characters.
std::vector<Word> WordsOf(const Block& block) {
  std::vector<Word> words;
  Word word;
  char32_t last = U' ';
  const auto endWord = [&](bool nextJoined) {
    if (!word.parts.empty()) words.push_back(std::move(word));
    word = Word{};
    word.joined = nextJoined;
  };
  for (const Run& run : block.runs) {
    const FontKind font = FontOf(block.kind, run);
    for (std::size_t at = 0; at < run.text.size();) {
      const std::size_t length = encoding::CharacterLength(run.text, at);
      const char32_t c = CodePointAt(run.text, at, length);
      const std::string_view character(run.text.data() + at, length);
      at += length;
      if (c == U' ' || c == U'\t') {
        endWord(false);
        last = U' ';
        continue;
      }
      if (last != U' ' && (BreaksAround(c) || BreaksAround(last)) && !StaysAfter(c) &&
          !StaysBefore(last))
        endWord(true);
      if (!word.parts.empty() && word.parts.back().font == font)
        word.parts.back().text += character;
      else
        word.parts.push_back(Fragment{font, std::string(character)});
      last = c;
    }
  }
  endWord(false);
  return words;
}

// Fills the lines of one block from `left` to `left + room`, starting at
// `y`, and hands each finished line to the layout.
class LineFiller {
 public:
  LineFiller(const Measure& measure, int left, int room, int y, TopicLayout& out)
      : measure_(measure), left_(left), room_(room), y_(y), out_(out) {}

  void Place(const Word& whole) {
    const std::vector<Fragment>& word = whole.parts;
    std::vector<TextSize> sizes;
    int width = 0;
    for (const Fragment& fragment : word) {
      sizes.push_back(measure_(fragment.font, fragment.text));
      width += sizes.back().width;
    }
    const auto addWhole = [&] {
      for (std::size_t i = 0; i < word.size(); ++i) Add(word[i].font, word[i].text, sizes[i]);
    };
    if (!line_.empty()) {
      const FontKind spaceFont = word.front().font;
      const int space = whole.joined ? 0 : measure_(spaceFont, " ").width;
      if (x_ + space + width <= room_) {
        if (!whole.joined) AddSpace(spaceFont, space);
        addWhole();
        return;
      }
      EndLine();
    }
    if (width <= room_) {
      addWhole();
      return;
    }
    for (const Fragment& fragment : word) PlaceByCharacters(fragment);
  }

  // Ends the last line; returns the top of what comes below it.
  int Finish() {
    EndLine();
    return y_;
  }

 private:
  // A fragment of a word wider than a line: as many characters as fit on
  // each line.
  void PlaceByCharacters(const Fragment& fragment) {
    std::string_view rest = fragment.text;
    while (!rest.empty()) {
      std::size_t bytes = FittingPrefix(fragment.font, rest, room_ - x_);
      if (bytes == 0) {
        if (!line_.empty()) {
          EndLine();
          continue;
        }
        bytes = encoding::CharacterLength(rest, 0);
      }
      const std::string_view part = rest.substr(0, bytes);
      Add(fragment.font, part, measure_(fragment.font, part));
      rest.remove_prefix(bytes);
      if (!rest.empty()) EndLine();
    }
  }

  // The bytes of the most whole characters of `text` that are at most
  // `room` pixels wide. Every character is at least a pixel wide, so no
  // more than `room` of them fit: the search never measures more than a
  // line's worth, which keeps a help title with one endless word from
  // taking minutes. Lines of one long word hold about as many characters
  // each, so the count of the line before is tried first, and the word is
  // walked character by character only as far as a trial reaches.
  std::size_t FittingPrefix(FontKind font, std::string_view text, int room) {
    ends_.clear();
    // Characters available of the first `count`, their ends walked on demand.
    const auto available = [&](std::size_t count) {
      while (ends_.size() < count && (ends_.empty() ? 0 : ends_.back()) < text.size()) {
        const std::size_t at = ends_.empty() ? 0 : ends_.back();
        ends_.push_back(at + encoding::CharacterLength(text, at));
      }
      return std::min(count, ends_.size());
    };
    const auto bytesOf = [&](std::size_t count) {
      count = available(count);
      return count == 0 ? 0 : ends_[count - 1];
    };
    const auto fitting = [&](std::size_t count) {
      return measure_(font, text.substr(0, bytesOf(count))).width <= room;
    };
    if (lastFit_ > 0 && available(lastFit_ + 1) > lastFit_ && fitting(lastFit_) &&
        !fitting(lastFit_ + 1))
      return bytesOf(lastFit_);
    std::size_t fits = 0;
    std::size_t tooMany = available(static_cast<std::size_t>(std::max(room, 0))) + 1;
    while (tooMany - fits > 1) {
      const std::size_t middle = fits + (tooMany - fits) / 2;
      if (fitting(middle)) {
        fits = middle;
      } else {
        tooMany = middle;
      }
    }
    lastFit_ = fits;
    return bytesOf(fits);
  }

  // Text that follows the line's last piece directly in the same font joins
  // it, so that a line is drawn in as few pieces as it has font changes.
  // `size` is the text's measured size.
  void Add(FontKind font, std::string_view text, TextSize size) {
    if (JoinsLastPiece(font)) {
      line_.back().text += text;
    } else {
      line_.push_back(Piece{left_ + x_, 0, font, std::string(text)});
    }
    x_ += size.width;
    lastEnd_ = x_;
    height_ = std::max(height_, size.height);
  }

  // The blank between two words: part of the piece before it when that is
  // in the same font, else only a gap.
  void AddSpace(FontKind font, int width) {
    if (JoinsLastPiece(font)) {
      line_.back().text += ' ';
      lastEnd_ += width;
    }
    x_ += width;
  }

  bool JoinsLastPiece(FontKind font) const {
    return !line_.empty() && line_.back().font == font && lastEnd_ == x_;
  }

  void EndLine() {
    if (line_.empty()) return;
    for (Piece& piece : line_) {
      piece.y = y_;
      out_.pieces.push_back(std::move(piece));
    }
    line_.clear();
    y_ += height_;
    x_ = 0;
    lastEnd_ = 0;
    height_ = 0;
  }

  const Measure& measure_;
  int left_;
  int room_;
  int y_;
  TopicLayout& out_;
  std::vector<Piece> line_;
  int x_ = 0;                      // from `left_`
  int lastEnd_ = 0;                // where the line's last piece ends
  int height_ = 0;                 // of the line so far
  std::size_t lastFit_ = 0;        // characters of a word that fitted the last line
  std::vector<std::size_t> ends_;  // where FittingPrefix's characters end, kept for its storage
};

}  // namespace

TopicLayout LayOutTopic(const Topic& topic, int width, const Measure& measure,
                        const LayoutStyle& style) {
  TopicLayout layout;
  int y = style.marginTop;
  const Block* previous = nullptr;
  for (const Block& block : topic.blocks) {
    const std::vector<Word> words = WordsOf(block);
    if (words.empty()) continue;
    if (previous) {
      const bool items = previous->kind == BlockKind::Bullet && block.kind == BlockKind::Bullet;
      y += items ? style.itemGap : style.blockGap;
    }
    previous = &block;
    int left = style.marginLeft;
    if (block.kind == BlockKind::Bullet) {
      layout.pieces.push_back(Piece{left, y, FontKind::Body, std::string(kBulletMark)});
      left += style.bulletIndent;
    }
    LineFiller filler(measure, left, width - style.marginRight - left, y, layout);
    for (const Word& word : words) filler.Place(word);
    y = filler.Finish();
  }
  if (previous) layout.height = y + style.marginBottom;
  return layout;
}

}  // namespace vantor::topics
