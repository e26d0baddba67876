// The PNG writer of the window pictures: its checksums on known vectors,
// the stored blocks at the 65535-byte limit, and a whole small file byte
// for byte as an independent encoder (Python's zlib) writes it.
#include "common/png.h"

#include <gtest/gtest.h>

#include <string>

namespace vantor::png {
namespace {

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (const char c : bytes) {
    out += digits[static_cast<unsigned char>(c) >> 4];
    out += digits[static_cast<unsigned char>(c) & 15];
  }
  return out;
}

std::uint16_t LittleEndian16(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

TEST(Png, ChecksumsOfKnownVectors) {
  struct Case {
    std::string bytes;
    std::uint32_t crc;
    std::uint32_t adler;
  };
  const Case cases[] = {
      {"", 0x00000000u, 0x00000001u},
      {"123456789", 0xCBF43926u, 0x091E01DEu},
      {"IEND", 0xAE426082u, 0x02D70121u},
      {"Wikipedia", 0xADAAC02Eu, 0x11E60398u},
      // Long enough that Adler-32's sums must be reduced on the way.
      {std::string(65536, '\xFF'), 0xDEAB7E4Eu, 0x77970EF2u},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Crc32(c.bytes), c.crc) << c.bytes.size();
    EXPECT_EQ(Adler32(c.bytes), c.adler) << c.bytes.size();
  }
  // A sum continued over two parts is the sum of the whole.
  EXPECT_EQ(Crc32("6789", Crc32("12345")), 0xCBF43926u);
  EXPECT_EQ(Adler32("6789", Adler32("12345")), 0x091E01DEu);
}

TEST(Png, StoredBlocksAtTheLimit) {
  // Exactly one full block: header, one final block of 65535, the sum.
  const std::string full(kStoredBlockLimit, '\xAB');
  const std::string one = ZlibStored(full);
  ASSERT_EQ(one.size(), 2 + 5 + 65535 + 4u);
  EXPECT_EQ(Hex(one.substr(0, 7)), "780101ffff0000");
  EXPECT_EQ(one.substr(7, 65535), full);

  // One byte more: a full block that is not final, then a final block of 1.
  const std::string over(kStoredBlockLimit + 1, '\xAB');
  const std::string two = ZlibStored(over);
  ASSERT_EQ(two.size(), 2 + 5 + 65535 + 5 + 1 + 4u);
  EXPECT_EQ(Hex(two.substr(0, 7)), "780100ffff0000");
  const std::size_t second = 7 + 65535;
  EXPECT_EQ(Hex(two.substr(second, 6)), "010100feffab");
  EXPECT_EQ(LittleEndian16(two, second + 1), 1);
  const std::uint32_t adler = Adler32(over);
  EXPECT_EQ(Hex(two.substr(two.size() - 4)),
            Hex(std::string{static_cast<char>(adler >> 24), static_cast<char>(adler >> 16),
                            static_cast<char>(adler >> 8), static_cast<char>(adler)}));

  // Nothing at all is still one final, empty block.
  EXPECT_EQ(Hex(ZlibStored("")), "7801010000ffff00000001");
}

TEST(Png, SmallPictureByteForByte) {
  // Two pixels, red and green, as Python's zlib.compress(level 0) and
  // crc32 make the file.
  EXPECT_EQ(Hex(EncodeRgb(2, 1, std::string("\xFF\x00\x00\x00\xFF\x00", 6))),
            "89504e470d0a1a0a0000000d49484452000000020000000108020000007b40e8dd"
            "00000012494441547801010700f8ff00ff000000ff0007ff01ffc50ee26a0000000049454e44ae426082");
}

TEST(Png, SizesThatDoNotAgreeGiveNoFile) {
  EXPECT_EQ(EncodeRgb(2, 1, std::string(5, '\0')), "");
  EXPECT_EQ(EncodeRgb(0, 1, ""), "");
  EXPECT_EQ(EncodeRgb(1, -1, ""), "");
  EXPECT_NE(EncodeRgb(1, 1, std::string(3, '\0')), "");
}

}  // namespace
}  // namespace vantor::png
