// Reading the multimedia layer's rectangle reply and placing the video
// surface from it.
#include <algorithm>
#include <string_view>

#include "common/numbers.h"
#include "video/playback.h"

namespace vantor {

namespace {

int SizeFromWord(const std::string& word) {
  return Px(std::clamp(ValueOfText(word), 0.0, 32767.0));
}

}  // namespace

SurfaceSize SurfaceSizeOfReply(std::string reply) {
  TakeNextWord(reply);  // left
  TakeNextWord(reply);  // top
  SurfaceSize size;
  size.width = SizeFromWord(TakeNextWord(reply));
  size.height = SizeFromWord(TakeNextWord(reply));
  return size;
}

std::string TakeNextWord(std::string& text) {
  std::string word;
  const std::size_t blank = text.find(' ');
  if (blank == std::string::npos) {
    word = std::move(text);
    text.clear();
  } else {
    word = text.substr(0, blank + 1);
    text.erase(0, blank + 1);
  }
  // A closing mark after the last word becomes a word of its own.
  if (word.size() >= 2 && std::string_view(".,?!").find(word.back()) != std::string_view::npos) {
    text.insert(text.begin(), word.back());
    word.pop_back();
  }
  return word;
}

Bounds CentreSurface(const Bounds& panel, int width, int height, std::int16_t listColumnWidth) {
  const auto place = [](double value) { return std::max<int>(0, ToInt16(value).value_or(0)); };
  Bounds surface;
  surface.left = place((panel.width - width - listColumnWidth) / 2.0 + listColumnWidth);
  surface.top = place((panel.height - height) / 2.0);
  surface.width = width;
  surface.height = height;
  return surface;
}

}  // namespace vantor
