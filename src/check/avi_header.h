// What the head of an AVI file says about its video: enough to name the
// format a clip is in when the multimedia layer cannot play it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor::check {

struct AviVideo {
  bool riffAvi = false;           // a RIFF file of form "AVI "
  bool hasVideo = false;          // it has a video stream with its format
  std::string handler;            // the stream's codec, four characters ("mrle", "cvid")
  std::uint32_t compression = 0;  // the frames' compression as stored
  int width = 0;
  int height = 0;
};

// Reads the header list of the file's first bytes (a few kilobytes hold it).
AviVideo ReadAviVideo(std::string_view head);

// The format's four-character code as an author looks it up: the frames'
// compression when it is one ("FMP4"), else the codec with the kind of
// frames ("mrle, RLE8"); "unknown" when the file says nothing.
std::string VideoFormatName(const AviVideo& video);

}  // namespace vantor::check
