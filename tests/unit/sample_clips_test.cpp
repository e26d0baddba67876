// The sample installation's how-to clips: every entry of the clip list names
// a file in the clip folder beside the key file, and every file is an AVI
// that the system's own codecs play and that fits the video window.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "settings/ini_text.h"

namespace vantor::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kClipDir = fs::path(VANTOR_SAMPLE_DIR) / "clips";

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::uint32_t U32(const std::string& data, std::size_t at) {
  if (at + 4 > data.size()) return 0;
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(data[at + i]);
  return value;
}

std::uint16_t U16(const std::string& data, std::size_t at) {
  return static_cast<std::uint16_t>(U32(data.substr(at, 2) + std::string(2, '\0'), 0));
}

struct Chunk {
  std::string id;         // a list's kind for "LIST" and "RIFF"
  std::size_t start = 0;  // where the chunk's data starts (after a list's kind)
  std::size_t size = 0;
  bool list = false;
};

// The chunks from `begin` to `end`, each with its pad byte skipped. A chunk
// that runs past `end` makes `ok` false.
std::vector<Chunk> Chunks(const std::string& data, std::size_t begin, std::size_t end, bool& ok) {
  std::vector<Chunk> chunks;
  while (begin + 8 <= end) {
    Chunk chunk;
    chunk.id = data.substr(begin, 4);
    chunk.size = U32(data, begin + 4);
    chunk.start = begin + 8;
    if (chunk.start + chunk.size > end) {
      ok = false;
      return chunks;
    }
    if (chunk.id == "LIST" || chunk.id == "RIFF") {
      chunk.list = true;
      chunk.id = data.substr(chunk.start, 4);
      chunk.start += 4;
      chunk.size -= 4;
    }
    chunks.push_back(chunk);
    begin = chunk.start + chunk.size + (chunk.size % 2);
  }
  ok = ok && begin == end;
  return chunks;
}

// Decodes one RLE8 frame and says whether it fills exactly `width` x
// `height` pixels and ends with the end-of-bitmap code.
bool Rle8FrameFits(const std::string& data, int width, int height) {
  int x = 0, y = 0;
  std::size_t i = 0;
  while (i + 1 < data.size()) {
    const int count = static_cast<unsigned char>(data[i]);
    const int code = static_cast<unsigned char>(data[i + 1]);
    i += 2;
    if (count > 0) {
      x += count;
    } else if (code == 0) {
      if (x != width) return false;
      x = 0;
      ++y;
    } else if (code == 1) {
      return x == width && y == height - 1 && i == data.size();
    } else if (code == 2) {
      return false;  // every frame is a key frame: no skipped pixels
    } else {
      x += code;
      i += code + code % 2;
    }
    if (x > width || y >= height) return false;
  }
  return false;
}

struct ClipFacts {
  bool wellFormed = true;
  std::uint32_t compression = 99, bitCount = 0;
  int width = 0, height = 0, frames = 0, framesFitting = 0, indexEntries = 0;
  double seconds = 0;
  bool sound = false;
  std::uint16_t soundFormat = 0;
  std::uint32_t soundSamples = 0, soundRate = 0;
};

ClipFacts ReadClip(const std::string& data) {
  ClipFacts facts;
  bool& ok = facts.wellFormed;
  const std::vector<Chunk> riff = Chunks(data, 0, data.size(), ok);
  if (riff.size() != 1 || riff[0].id != "AVI ") return {false};
  std::map<std::string, Chunk> top;
  for (const Chunk& c : Chunks(data, riff[0].start, riff[0].start + riff[0].size, ok))
    top[c.id] = c;
  if (!top.count("hdrl") || !top.count("movi") || !top.count("idx1")) return {false};
  const Chunk movi = top["movi"];
  std::uint32_t microsPerFrame = 0;
  for (const Chunk& c : Chunks(data, top["hdrl"].start, top["hdrl"].start + top["hdrl"].size, ok)) {
    if (c.id == "avih") microsPerFrame = U32(data, c.start);
    if (c.id != "strl") continue;
    const std::vector<Chunk> stream = Chunks(data, c.start, c.start + c.size, ok);
    if (stream.size() < 2 || stream[0].id != "strh" || stream[1].id != "strf") return {false};
    const std::string kind = data.substr(stream[0].start, 4);
    const std::size_t format = stream[1].start;
    if (kind == "vids") {
      facts.width = static_cast<int>(U32(data, format + 4));
      facts.height = static_cast<int>(U32(data, format + 8));
      facts.bitCount = U16(data, format + 14);
      facts.compression = U32(data, format + 16);
    } else if (kind == "auds") {
      facts.sound = true;
      facts.soundSamples = U32(data, stream[0].start + 32);
      facts.soundFormat = U16(data, format);
      facts.soundRate = U32(data, format + 4);
    }
  }
  std::vector<std::size_t> chunkOffsets;
  for (const Chunk& c : Chunks(data, movi.start, movi.start + movi.size, ok)) {
    chunkOffsets.push_back(c.start - 8 - (movi.start - 4));
    if (c.id != "00dc" && c.id != "00db") continue;
    ++facts.frames;
    if (Rle8FrameFits(data.substr(c.start, c.size), facts.width, facts.height))
      ++facts.framesFitting;
  }
  // Every index entry points at the chunk it names, in file order.
  const Chunk index = top["idx1"];
  facts.indexEntries = static_cast<int>(index.size / 16);
  for (int n = 0; n < facts.indexEntries; ++n) {
    const std::size_t entry = index.start + 16 * static_cast<std::size_t>(n);
    const std::size_t offset = U32(data, entry + 8);
    const std::size_t at = movi.start - 4 + offset;
    if (n >= static_cast<int>(chunkOffsets.size()) || chunkOffsets[n] != offset ||
        data.substr(at, 4) != data.substr(entry, 4) || U32(data, at + 4) != U32(data, entry + 12))
      ok = false;
  }
  facts.seconds = facts.frames * (microsPerFrame / 1e6);
  return facts;
}

std::string Read(const std::string& section, const std::string& key) {
  static const std::string ini = ReadBytes(fs::path(VANTOR_SAMPLE_DIR) / "zthelp.ini");
  return ini::ReadString(ini, section, key).value_or("");
}

std::vector<std::string> ListedClipFiles() {
  std::vector<std::string> files;
  for (int n = 0; n < 100 && !Read("AVI" + std::to_string(n), "BUTTON").empty(); ++n)
    files.push_back(Read("AVI" + std::to_string(n), "File"));
  return files;
}

TEST(SampleClips, TheListNamesClipsInTheFolderOfTheKeyFile) {
  const std::vector<std::string> files = ListedClipFiles();
  ASSERT_GE(files.size(), 3u);
  EXPECT_LE(files.size(), 10u) << "the video window lists ten clips";
  for (const std::string& file : files) {
    // The name goes into the open command unquoted.
    EXPECT_EQ(file.find(' '), std::string::npos) << file;
    EXPECT_TRUE(fs::is_regular_file(kClipDir / file)) << file;
  }
  const std::string key = ReadBytes(kClipDir / "vantor-clips.id");
  EXPECT_FALSE(key.empty());
  EXPECT_EQ(key.find('\n'), key.size() - 1) << "the key file is one line of text";

  std::uintmax_t total = 0;
  for (const auto& entry : fs::directory_iterator(kClipDir)) total += entry.file_size();
  EXPECT_LT(total, 2u * 1024 * 1024);
}

TEST(SampleClips, EveryClipIsAShortRle8AviThatFitsBesideTheClipList) {
  int withSound = 0;
  for (const std::string& file : ListedClipFiles()) {
    SCOPED_TRACE(file);
    const ClipFacts clip = ReadClip(ReadBytes(kClipDir / file));
    EXPECT_TRUE(clip.wellFormed);
    EXPECT_EQ(clip.compression, 1u) << "BI_RLE8";
    EXPECT_EQ(clip.bitCount, 8u);
    // The panel is 630 x 385 and the list may take 220 pixels of its width.
    EXPECT_LE(clip.width, 630 - 220);
    EXPECT_LE(clip.height, 385);
    EXPECT_GT(clip.frames, 0);
    EXPECT_EQ(clip.framesFitting, clip.frames) << "frames that do not decode to the frame size";
    EXPECT_EQ(clip.indexEntries, clip.frames * (clip.sound ? 2 : 1));
    EXPECT_GE(clip.seconds, 3.0);
    EXPECT_LE(clip.seconds, 6.0);
    if (!clip.sound) continue;
    ++withSound;
    EXPECT_EQ(clip.soundFormat, 1) << "PCM";
    EXPECT_NEAR(clip.soundSamples, clip.seconds * clip.soundRate, clip.soundRate / 10.0);
  }
  EXPECT_GE(withSound, 1) << "one clip carries a sound track";
}

}  // namespace
}  // namespace vantor::testing
