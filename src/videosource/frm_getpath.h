// The folder picker: the user walks the drives and folders and accepts the
// folder that holds the clips. The answer goes back through
// VideoSourceState::PickedFolder.
#pragma once

#include <string>
#include <vector>

#include "platform/form.h"
#include "program.h"
#include "videosource/folder_list.h"

namespace vantor {

// Control IDs of the picker's controls on Windows.
constexpr int kGetPathDriveId = 401;
constexpr int kGetPathDirId = 402;
constexpr int kGetPathFileId = 403;
constexpr int kGetPathCurrentLabelId = 404;
constexpr int kGetPathPathId = 405;
constexpr int kGetPathFilesLabelId = 406;
constexpr int kGetPathOkId = 407;
constexpr int kGetPathCancelId = 408;

class frmGetPath : public Form {
 public:
  explicit frmGetPath(Program& program);

 private:
  Button OkButton() { return Get<Button>("btn_OK"); }
  Button CancelButton() { return Get<Button>("btn_Cancel"); }
  ListControl DriveList() { return Get<ListControl>("Drive1"); }
  ListControl FolderList() { return Get<ListControl>("Dir1"); }
  ListControl FileList() { return Get<ListControl>("File1"); }
  Label PathText() { return Get<Label>("txt_Path"); }
  Label CurrentFolderLabel() { return Get<Label>("Label2"); }
  Label FilesLabel() { return Get<Label>("Label1"); }

  void Form_Load() override;
  void Drive1_Change();
  void Dir1_Click();
  void Dir1_DblClick();
  void btn_OK_Click();
  void btn_Cancel_Click();

  // Makes `folder` the open folder; false (nothing changed) when it cannot
  // be entered.
  bool OpenFolder(const std::string& folder);
  std::string StartFolder();
  void OpenHighlightedFolder();
  std::string HighlightedFolder();
  void ShowFilesIn(const std::string& folder);
  int DriveIndexOf(const std::string& folder) const;

  Program& program_;
  std::string openFolder_;  // absolute, with a trailing backslash; "" before any
  std::vector<std::string> driveRoots_;
  std::vector<FolderListEntry> folders_;
};

}  // namespace vantor
