#include "check/avi_header.h"

namespace vantor::check {
namespace {

std::uint32_t Dword(std::string_view bytes, std::size_t at) {
  if (at + 4 > bytes.size()) return 0;
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

bool IsFourCC(std::string_view code) {
  if (code.size() != 4 || code == "    ") return false;
  for (const char c : code)
    if (c < 0x20 || c > 0x7E) return false;
  return true;
}

std::string TrimmedCode(std::string_view code) {
  while (!code.empty() && (code.back() == ' ' || code.back() == '\0')) code.remove_suffix(1);
  return std::string(code);
}

// Walks the chunks in [from, to) of a RIFF list, calling `visit` with each
// chunk's identifier, the start of its data and its size (cut to the bytes
// there are). Chunk data is padded to an even size.
template <class Visit>
void ForEachChunk(std::string_view bytes, std::size_t from, std::size_t to, Visit visit) {
  if (to > bytes.size()) to = bytes.size();
  std::size_t at = from;
  while (at + 8 <= to) {
    const std::string_view id = bytes.substr(at, 4);
    std::uint64_t size = Dword(bytes, at + 4);
    const std::size_t data = at + 8;
    if (data + size > to) size = to - data;
    visit(id, data, static_cast<std::size_t>(size));
    at = data + static_cast<std::size_t>(size) + (size & 1);
  }
}

}  // namespace

AviVideo ReadAviVideo(std::string_view head) {
  AviVideo video;
  if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "AVI ") return video;
  video.riffAvi = true;
  ForEachChunk(head, 12, head.size(), [&](std::string_view id, std::size_t data, std::size_t size) {
    if (id != "LIST" || size < 4 || head.substr(data, 4) != "hdrl") return;
    ForEachChunk(
        head, data + 4, data + size,
        [&](std::string_view listId, std::size_t list, std::size_t listSize) {
          if (video.hasVideo || listId != "LIST" || listSize < 4 || head.substr(list, 4) != "strl")
            return;
          bool isVideo = false;
          ForEachChunk(head, list + 4, list + listSize,
                       [&](std::string_view chunk, std::size_t at, std::size_t chunkSize) {
                         if (chunk == "strh" && chunkSize >= 8 && head.substr(at, 4) == "vids") {
                           isVideo = true;
                           video.handler = TrimmedCode(head.substr(at + 4, 4));
                         } else if (chunk == "strf" && isVideo && chunkSize >= 20) {
                           video.hasVideo = true;
                           video.width = static_cast<std::int32_t>(Dword(head, at + 4));
                           video.height = static_cast<std::int32_t>(Dword(head, at + 8));
                           video.compression = Dword(head, at + 16);
                         }
                       });
        });
  });
  return video;
}

std::string VideoFormatName(const AviVideo& video) {
  if (!video.hasVideo) return "unknown";
  std::string code;
  for (int i = 0; i < 4; ++i) code += static_cast<char>((video.compression >> (8 * i)) & 0xFF);
  if (IsFourCC(code)) return TrimmedCode(code);
  static const char* const kKinds[] = {"uncompressed", "RLE8", "RLE4", "bit fields"};
  const std::string kind = video.compression < 4
                               ? kKinds[video.compression]
                               : "compression " + std::to_string(video.compression);
  const std::string handler = (video.handler + "    ").substr(0, 4);
  return IsFourCC(handler) ? video.handler + ", " + kind : kind;
}

}  // namespace vantor::check
