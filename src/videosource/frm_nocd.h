// The missing-CD prompt: asks the user to insert the product CD, to name a
// drive or folder that holds the clips, or to browse for one. It checks
// nothing itself; its answer goes back through VideoSourceState.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/dialog.h"
#include "videosource/discovery.h"

namespace vantor {

namespace nocd_controls {
inline constexpr ControlDecl<Label> kNotFound{"lbl_NotFound", 301};
inline constexpr ControlDecl<Label> kFilesOnCD{"lbl_FilesOnCD", 302};
inline constexpr ControlDecl<Label> kInsertCD{"lbl_InsertCD", 303};
inline constexpr ControlDecl<ListControl> kDriveBox{"cmb_CDLetter", 304};
inline constexpr ControlDecl<Button> kOk{"btn_OK", 305};
inline constexpr ControlDecl<Button> kCancel{"btn_Cancel", 306};
inline constexpr ControlDecl<Button> kBrowse{"btn_Browse", 307};
}  // namespace nocd_controls

// The prompt's design table; vantor-check measures its texts against it.
FormSpec NoCDDesign();

// The clip search's questions asked with the prompt and the folder picker.
class ClipFolderDialogs final : public ClipFolderQuestions {
 public:
  explicit ClipFolderDialogs(Program& program) : program_(program) {}
  void AskForClipFolder(const std::string& folderPicked) override;
  void PickClipFolder() override;

 private:
  Program& program_;
};

// The prompt, not yet loaded, for the picture taker.
std::unique_ptr<Form> MakeNoCDPrompt(Program& program);

class frmNoCD : public Dialog {
 public:
  explicit frmNoCD(Program& program);
  // Puts a folder into the drive or folder box (the one picked by browsing).
  void SetAnswerText(const std::string& text);

 private:
  void Form_Load() override;
  void Form_Unload() override;
  void btn_OK_Click();
  void btn_Cancel_Click();
  void btn_Browse_Click();

  std::int16_t OKPressed = 0;
};

}  // namespace vantor
