// See-through labels on real windows: a label without a background shows
// its container's colour and picture, a label over another shows the text
// of the one beneath, a label over a picture shows the picture, and a
// change of text leaves nothing stale behind.
#include <memory>

#include "check.h"
#include "fixtures.h"

namespace vantor::win32::test {

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr ControlId kUpper = 1;
constexpr ControlId kLower = 2;
constexpr int kBoxId = 1000;

ControlSpec SeeThrough(const std::string& name, Bounds bounds, const std::string& caption) {
  ControlSpec label = Make(name, ControlKind::Label, bounds, caption, "box");
  label.transparent = true;
  label.font = {"Arial", 14, true, false};
  label.foreColor = RGB(0, 0, 0);
  return label;
}

// Dark pixels on the screen within a rectangle of the window's client area.
int DarkOnScreen(HWND window, RECT area) {
  UpdateWindow(GetAncestor(window, GA_ROOT));
  Pump(50);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
  const WindowDC screen(nullptr);
  std::vector<COLORREF> pixels;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) pixels.push_back(GetPixel(screen, x, y));
  return DarkPixels(pixels);
}

}  // namespace

TEST_CASE(SeeThroughLabelsShowWhatLiesUnderThem) {
  ControlSpec box = Make("box", ControlKind::PictureBox, {0, 0, 200, 60});
  box.picture = "TESTRED";  // 8 x 8 at the top left
  box.backColor = kBlue;
  // The upper label comes first in the table, so it lies over the lower.
  Recorder events;
  auto form = ThePlatform().CreateForm(
      MakeForm("See-through", {box, SeeThrough("upper", {10, 0, 120, 30}, ""),
                               SeeThrough("lower", {0, 0, 100, 30}, "MMM")}),
      events);
  form->Show();
  HWND area = ControlWindow(*form, kBoxId);

  CHECK_EQ(PixelAt(area, 5, 1), kRed);      // the picture, above the lower label's text
  CHECK_EQ(PixelAt(area, 125, 25), kBlue);  // the box's colour under the upper label
  const RECT overlap{10, 0, 60, 30};
  CHECK(DarkOnScreen(area, overlap) > 20);  // the lower text, seen through the upper label

  form->SetText(kLower, "");
  CHECK_EQ(DarkOnScreen(area, overlap), 0);
  form->SetText(kUpper, "WWW");
  CHECK(DarkOnScreen(area, overlap) > 20);
  form->SetText(kUpper, "");
  CHECK_EQ(DarkOnScreen(area, overlap), 0);

  form->SetText(kLower, "MMM");
  form->SetBounds(kLower, {0, 30, 100, 30});  // the place it leaves is cleared
  CHECK_EQ(DarkOnScreen(area, overlap), 0);
  form->SetVisible(kLower, false);
  CHECK_EQ(DarkOnScreen(area, {0, 30, 100, 60}), 0);
}

TEST_CASE(SeeThroughLabelsShowAStretchedPictureUnderThem) {
  ControlSpec box = Make("box", ControlKind::PictureBox, {0, 0, 200, 60});
  box.backColor = kBlue;
  ControlSpec image = Make("img", ControlKind::Image, {0, 20, 200, 40}, "", "box");
  image.picture = "TESTRED";  // 8 x 8, stretched over the box's lower part
  Recorder events;
  auto form = ThePlatform().CreateForm(
      MakeForm("See-through image", {box, SeeThrough("label", {0, 0, 150, 50}, ""), image}),
      events);
  form->Show();
  HWND label = ControlWindow(*form, 1001);
  CHECK_EQ(PixelAt(label, 100, 10), kBlue);  // above the picture: the box's colour
  CHECK_EQ(PixelAt(label, 100, 40), kRed);   // over it: the picture, stretched
  form->SetVisible(2, false);
  CHECK_EQ(PixelAt(label, 100, 40), kBlue);
}

}  // namespace vantor::win32::test
