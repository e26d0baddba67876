// The video window: a list of how-to clips on the left of a picture panel,
// the clip playing (or, with none chosen, an instruction) on the right, and
// a bar with Quit, Play/Pause and Stop. Playback decides what it shows; this
// window is the only code that writes to its controls.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/form.h"
#include "program.h"
#include "video/frm_run_avi_design.h"
#include "video/playback.h"

namespace vantor {

// The video window, not yet loaded: for the user, as start-up opens it, or
// for the picture taker.
std::unique_ptr<Form> MakeVideoWindow(Program& program, WindowUse use = WindowUse::User);

class frmRunAVI : public Form, public VideoView {
 public:
  explicit frmRunAVI(Program& program, WindowUse use = WindowUse::User);

  // Reads the window's texts and the clip list, and measures the list.
  void LoadClipList();
  // Gives the window and every control its pixel geometry; run once while
  // loading, after LoadClipList.
  void LayOutVideoWindow();

  // The list's measures in pixels (and its font size in points).
  std::int16_t WidestClipLabel() const { return WidestClipLabel_; }
  std::int16_t ListTextHeight() const { return ListTextHeight_; }
  std::int16_t ListFontSize() const { return ListFontSize_; }

  // What playback shows through the window.
  void ApplyPlayLook(const PlayLook& look, const std::string& playToolTip) override;
  void SetClipLabelColor(int index, Color color) override;
  void ShowPlayingClip(int index) override;
  void HideSurface() override;
  void PlaceSurface(const Bounds& bounds) override;
  Bounds PanelBounds() const override;
  WindowHandle SurfaceHandle() const override;
  void SetPollTimer(bool running) override;
  void AskForClipFolder(const std::string& folderPicked) override;
  void PickClipFolder() override;

 private:
  void Form_Load() override;
  void Form_Unload() override;
  void LoadWindowTexts();
  void AddClipLabel(int index, const ClipEntry& clip);
  void ShowInstructions(bool visible);
  void LayOutInstructions(std::int16_t rowHeight);
  void ClearHoverMark() { MarkClipLabels(program_.Video(), *this, -1); }

  Program& program_;
  WindowUse use_;
  // Picture1's font: the list's texts are measured in it.
  Font listFont_;
  Font instructionFont_;
  std::int16_t WidestClipLabel_ = 0;
  std::int16_t ListTextHeight_ = 0;
  std::int16_t ListFontSize_ = 12;
  // Where placement put the window, in twips; compared at unload. Kept
  // wide so that positions beyond 16 bits still compare exactly.
  std::int32_t StartLeft = 0;
  std::int32_t StartTop = 0;
};

}  // namespace vantor
