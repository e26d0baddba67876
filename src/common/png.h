// PNG files of pictures the program takes of its own windows: true colour,
// eight bits a channel, the image data stored without compression (the
// pictures are for people to look at, not to ship).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vantor::png {

// The checksums the format uses: CRC-32 over each chunk, Adler-32 over the
// uncompressed image data. `running` continues an earlier sum.
std::uint32_t Crc32(const std::string& bytes, std::uint32_t running = 0);
std::uint32_t Adler32(const std::string& bytes, std::uint32_t running = 1);

// A zlib stream holding `data` in stored deflate blocks of at most 65535
// bytes each, the last one marked final.
std::string ZlibStored(const std::string& data);

constexpr std::size_t kStoredBlockLimit = 65535;

// A whole PNG file of a width x height picture: `rgb` holds its rows from
// the top, three bytes (red, green, blue) a pixel. Empty when the sizes do
// not agree or do not fit the format.
std::string EncodeRgb(int width, int height, const std::string& rgb);

}  // namespace vantor::png
