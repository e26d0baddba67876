#include "common/png.h"

#include <array>

namespace vantor::png {
namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

void PutBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::string typed = std::string(type, 4) + data;
  out += typed;
  PutBigEndian(out, Crc32(typed));
}

}  // namespace

std::uint32_t Crc32(const std::string& bytes, std::uint32_t running) {
  std::uint32_t c = running ^ 0xFFFFFFFFu;
  for (const char byte : bytes)
    c = kCrcTable[(c ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::string& bytes, std::uint32_t running) {
  constexpr std::uint32_t kMod = 65521;
  std::uint32_t a = running & 0xFFFF;
  std::uint32_t b = running >> 16;
  // 5552 bytes is the most that can be summed before the 32-bit sums could
  // overflow; reduce after each run of them.
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::size_t end = bytes.size() - i > 5552 ? i + 5552 : bytes.size();
    for (; i < end; ++i) {
      a += static_cast<std::uint8_t>(bytes[i]);
      b += a;
    }
    a %= kMod;
    b %= kMod;
  }
  return (b << 16) | a;
}

std::string ZlibStored(const std::string& data) {
  std::string out;
  out.reserve(data.size() + data.size() / kStoredBlockLimit * 5 + 11);
  out += '\x78';  // deflate, 32 KB window
  out += '\x01';  // no dictionary, fastest; the header is a multiple of 31
  std::size_t at = 0;
  do {
    const std::size_t size =
        data.size() - at > kStoredBlockLimit ? kStoredBlockLimit : data.size() - at;
    const bool last = at + size == data.size();
    out += static_cast<char>(last ? 1 : 0);  // BFINAL, BTYPE 00: stored
    const auto length = static_cast<std::uint16_t>(size);
    const auto inverse = static_cast<std::uint16_t>(~length);
    out += static_cast<char>(length & 0xFF);
    out += static_cast<char>(length >> 8);
    out += static_cast<char>(inverse & 0xFF);
    out += static_cast<char>(inverse >> 8);
    out.append(data, at, size);
    at += size;
  } while (at < data.size());
  PutBigEndian(out, Adler32(data));
  return out;
}

std::string EncodeRgb(int width, int height, const std::string& rgb) {
  // The format's sizes are positive 31-bit numbers; the rows with their
  // filter bytes must fit in memory.
  if (width <= 0 || height <= 0 || width > 0x7FFF || height > 0x7FFF) return {};
  const std::size_t row = static_cast<std::size_t>(width) * 3;
  if (rgb.size() != row * static_cast<std::size_t>(height)) return {};

  std::string raw;
  raw.reserve((row + 1) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    raw += '\0';  // filter: none
    raw.append(rgb, static_cast<std::size_t>(y) * row, row);
  }

  std::string header;
  PutBigEndian(header, static_cast<std::uint32_t>(width));
  PutBigEndian(header, static_cast<std::uint32_t>(height));
  header += '\x08';  // bits a channel
  header += '\x02';  // true colour
  header += '\0';    // deflate
  header += '\0';    // adaptive filtering
  header += '\0';    // not interlaced

  std::string file = "\x89PNG\r\n\x1A\n";
  PutChunk(file, "IHDR", header);
  PutChunk(file, "IDAT", ZlibStored(raw));
  PutChunk(file, "IEND", {});
  return file;
}

}  // namespace vantor::png
