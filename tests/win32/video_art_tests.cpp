// The video window's pictures are in the program's resources under the
// names its design table uses, at the sizes its layout gives them.
#include <string>

#include "check.h"
#include "fixtures.h"

namespace vantor::win32::test {

namespace {

struct LoadedPicture {
  bool found = false;
  int width = 0, height = 0, bitsPerPixel = 0;
};

// Loaded as the window's picture cache loads a resource picture.
LoadedPicture LoadPicture(const std::string& name) {
  LoadedPicture loaded;
  const GdiObject<HBITMAP> picture(static_cast<HBITMAP>(LoadImageA(
      GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (picture == nullptr) return loaded;
  DIBSECTION section = {};
  loaded.found = GetObjectA(picture, sizeof section, &section) == sizeof section;
  loaded.width = section.dsBm.bmWidth;
  loaded.height = section.dsBm.bmHeight;
  loaded.bitsPerPixel = section.dsBm.bmBitsPixel;
  return loaded;
}

}  // namespace

TEST_CASE(VideoWindowPicturesAreResourcesOfTheirSizes) {
  for (const char* name : {"video_play", "video_play_grey", "video_pause", "video_pause_grey",
                           "video_stop", "video_stop_grey"}) {
    const LoadedPicture button = LoadPicture(name);
    CHECK_EQ(std::string(name) + (button.found ? " found" : " missing"),
             std::string(name) + " found");
    CHECK_EQ(button.width, 26);
    CHECK_EQ(button.height, 26);
    CHECK_EQ(button.bitsPerPixel, 8);
  }
  const LoadedPicture background = LoadPicture("video_background");
  CHECK(background.found);
  CHECK_EQ(background.width, 500);
  CHECK_EQ(background.height, 360);
  CHECK_EQ(background.bitsPerPixel, 8);
  const LoadedPicture bar = LoadPicture("video_bar");
  CHECK(bar.found);
  CHECK_EQ(bar.width, 630);
  CHECK_EQ(bar.height, 44);
}

}  // namespace vantor::win32::test
