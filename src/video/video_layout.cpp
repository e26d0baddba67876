// The video window's geometry: a 630 x 385 panel (a 30-pixel strip over the
// background picture) with the clip list down its left, the instruction
// block right of the list, and a 44-pixel button bar under the panel.
#include "video/video_layout.h"

#include <algorithm>
#include <cstdint>

#include "common/numbers.h"
#include "placement/placement.h"
#include "video/frm_run_avi.h"
#include "video/frm_run_avi_design.h"

namespace vantor {

using namespace video_controls;
namespace {

constexpr int kPanelWidth = 630;
constexpr int kPanelHeight = 385;
constexpr int kStripHeight = 30;  // above the background picture
constexpr int kBarHeight = 44;
constexpr int kPlayerButton = 32;  // Play and Stop, square
constexpr int kButtonMargin = 6;
constexpr int kRightMargin = 5;
constexpr int kLargestButtonHeight = 32;
constexpr int kLargestButtonWidth = 96;
constexpr int kListLeft = 10;
constexpr int kListColumnGap = 10;
constexpr int kWidestListColumn = 220;

}  // namespace

void frmRunAVI::LayOutVideoWindow() {
  const TwipsPerPixel twips = MeasureTwipsPerPixel(program_.platform);
  VideoState& video = program_.video;

  Button quit = Get(kQuit);
  Bounds quitBounds = quit.GetBounds();
  if (quitBounds.height > kLargestButtonHeight) {
    quitBounds.height = kLargestButtonHeight;
    quitBounds.width = kLargestButtonWidth;
  }

  const std::int16_t rowHeight = Measure16(ListTextHeight_ * 6.0 / 5);
  const std::int16_t pitch = Measure16(ListTextHeight_ * 3.0 / 2);
  video.ListColumnWidth =
      static_cast<std::int16_t>(std::min(WidestClipLabel_ + kListColumnGap, kWidestListColumn));
  // Blank entries keep their row, so the rows below them stay in place.
  for (int i = 0; i < video.ClipCount && i < kClipLabels; ++i) {
    Label label = Get(kClip[i]);
    const Bounds at = label.GetBounds();
    label.SetBounds({kListLeft, kListLeft + (i + 1) * pitch, at.width, rowHeight});
  }

  Get(kPanel).SetVisible(true);
  Get(kPanel).SetBounds({0, 0, kPanelWidth, kPanelHeight});
  Get(kBackground).SetBounds({0, kStripHeight, kPanelWidth, kPanelHeight - kStripHeight});
  Get(kBar).SetBounds({0, kPanelHeight, kPanelWidth, kBarHeight});
  SetSize(OuterTwipsForClient(Width(), Host().ClientWidth(), kPanelWidth, twips.x),
          OuterTwipsForClient(Height(), Host().ClientHeight(), kPanelHeight + kBarHeight, twips.y));

  const int client = Host().ClientWidth();
  Get(kPlay).SetBounds(
      {client - 2 * kPlayerButton - kRightMargin, kButtonMargin, kPlayerButton, kPlayerButton});
  Get(kStop).SetBounds(
      {client - kPlayerButton - kRightMargin, kButtonMargin, kPlayerButton, kPlayerButton});
  // The pixel grid takes no half pixels: a half rounds to even.
  quitBounds.left = kButtonMargin;
  quitBounds.top = Measure16((kBarHeight - quitBounds.height) / 2.0);
  quit.SetBounds(quitBounds);

  LayOutInstructions(rowHeight);
}

// Two lines right of the list, a quarter of the free width in, with a
// connector line under the second rising at its right end. A block too low
// for the panel moves up to three quarters of the height left above it.
InstructionBlock PlaceInstructions(std::int16_t lineHeight, std::int16_t widestCaption,
                                   std::int16_t listColumnWidth, std::int16_t rowHeight) {
  const int free = kPanelWidth - listColumnWidth;
  std::int16_t width = Measure16(widestCaption * 3.0 / 2 + 10);
  if (free < width) width = Measure16(free - 20.0);
  const std::int16_t left = Measure16((free - width) / 4.0 + listColumnWidth);
  const std::int16_t block = Measure16(lineHeight * 5.0 / 2 + 10);
  std::int16_t top = Measure16(7.0 * rowHeight);
  if (top + block > kPanelHeight) top = Measure16((kPanelHeight - block) * 3.0 / 4);

  InstructionBlock placed;
  placed.first = {left, top, width - 10, lineHeight};
  placed.second = {left, Measure16(top + lineHeight * 3.0 / 2), width - 10, lineHeight};
  const Bounds& second = placed.second;
  const int underY = second.top + second.height + 10;
  const int underX1 = Measure16(second.left + second.width / 4.0);
  const int rightEnd = second.left + second.width + 10;
  placed.underLine = {underX1, underY, rightEnd - underX1, 0};
  placed.riseLine = {rightEnd, underY - 2 * second.height, 0, 2 * second.height + 1};
  return placed;
}

void frmRunAVI::LayOutInstructions(std::int16_t rowHeight) {
  const FormHost& surface = Host();
  // The panel's font takes the instruction's face and size, and stays bold
  // and upright.
  const Font measuring{instructionFont_.name, instructionFont_.pointSize, true, false};
  const TextSize first = surface.MeasureText(measuring, Get(kInstruction1).Caption());
  const int secondWidth = surface.MeasureText(measuring, Get(kInstruction2).Caption()).width;
  std::int16_t widest = Measure16(first.width);
  if (secondWidth > widest) widest = Measure16(secondWidth);

  const InstructionBlock block =
      PlaceInstructions(Measure16(first.height), widest, program_.video.ListColumnWidth, rowHeight);
  Get(kInstruction1).SetVisible(true);
  Get(kInstruction1).SetBounds(block.first);
  Get(kInstruction2).SetBounds(block.second);
  Get(kInstruction2).SetVisible(true);
  Get(kLine1).SetBounds(block.underLine);
  Get(kLine2).SetBounds(block.riseLine);
}

}  // namespace vantor
