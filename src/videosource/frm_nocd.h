// The missing-CD prompt: asks the user to insert the product CD, to name a
// drive or folder that holds the clips, or to browse for one. It checks
// nothing itself; its answer goes back through VideoSourceState.
#pragma once

#include <cstdint>
#include <string>

#include "platform/form.h"
#include "program.h"
#include "videosource/discovery.h"

namespace vantor {

// Control IDs of the prompt's controls on Windows.
constexpr int kNoCDNotFoundId = 301;
constexpr int kNoCDFilesOnCDId = 302;
constexpr int kNoCDInsertCDId = 303;
constexpr int kNoCDLetterId = 304;
constexpr int kNoCDOkId = 305;
constexpr int kNoCDCancelId = 306;
constexpr int kNoCDBrowseId = 307;

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

class frmNoCD : public Form {
 public:
  explicit frmNoCD(Program& program);
  // Puts a folder into the drive or folder box (the one picked by browsing).
  void SetAnswerText(const std::string& text);

 private:
  Label NotFoundLabel() { return Get<Label>("lbl_NotFound"); }
  Label FilesOnCDLabel() { return Get<Label>("lbl_FilesOnCD"); }
  Label InsertCDLabel() { return Get<Label>("lbl_InsertCD"); }
  Button OkButton() { return Get<Button>("btn_OK"); }
  Button CancelButton() { return Get<Button>("btn_Cancel"); }
  Button BrowseButton() { return Get<Button>("btn_Browse"); }
  ListControl DriveBox() { return Get<ListControl>("cmb_CDLetter"); }

  void Form_Load() override;
  void Form_Unload() override;
  void btn_OK_Click();
  void btn_Cancel_Click();
  void btn_Browse_Click();

  Program& program_;
  std::int16_t OKPressed = 0;
};

}  // namespace vantor
