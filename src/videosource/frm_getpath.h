// The folder picker: the user walks the drives and folders and accepts the
// folder that holds the clips. The answer goes back through
// VideoSourceState::PickedFolder.
#pragma once

#include <string>
#include <vector>

#include "dialogs/dialog.h"
#include "videosource/folder_list.h"

namespace vantor {

namespace getpath_controls {
inline constexpr ControlDecl<ListControl> kDrives{"Drive1", 401};
inline constexpr ControlDecl<ListControl> kFolders{"Dir1", 402};
inline constexpr ControlDecl<ListControl> kFiles{"File1", 403};
inline constexpr ControlDecl<Label> kCurrentFolderLabel{"Label2", 404};
inline constexpr ControlDecl<Label> kPath{"txt_Path", 405};
inline constexpr ControlDecl<Label> kFilesLabel{"Label1", 406};
inline constexpr ControlDecl<Button> kOk{"btn_OK", 407};
inline constexpr ControlDecl<Button> kCancel{"btn_Cancel", 408};
}  // namespace getpath_controls

// The picker, not yet loaded, for the picture taker.
std::unique_ptr<Form> MakeFolderPicker(Program& program);

class frmGetPath : public Dialog {
 public:
  explicit frmGetPath(Program& program);

 private:
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

  std::string openFolder_;  // absolute, with a trailing backslash; "" before any
  std::vector<std::string> driveRoots_;
  std::vector<FolderListEntry> folders_;
};

}  // namespace vantor
