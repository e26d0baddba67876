#include "videosource/frm_getpath.h"

#include "common/text.h"
#include "videosource/discovery.h"
#include "videosource/paths.h"

namespace vantor {
namespace {

using namespace getpath_controls;

// Client area 6180 x 3840 twips as designed; controls in pixels.
FormSpec GetPathDesign() {
  FormSpec design = FormDesign("frmGetPath", 6180, 3840);
  design.caption = texts::kPickerTitle.text;
  ControlSpec currentFolder = DesignRow(kCurrentFolderLabel, ControlKind::Label, {206, 8, 198, 14});
  currentFolder.caption = texts::kCurrentFolderLabel.text;
  ControlSpec files = DesignRow(kFilesLabel, ControlKind::Label, {206, 58, 198, 14});
  files.caption = texts::kFilesLabel.text;
  design.controls = {
      DesignRow(kDrives, ControlKind::DriveList, {8, 8, 190, 56}),
      DesignRow(kFolders, ControlKind::DirList, {8, 70, 190, 178}),
      currentFolder,
      DesignRow(kPath, ControlKind::Label, {206, 24, 198, 30}),
      files,
      DesignRow(kFiles, ControlKind::FileList, {206, 74, 198, 140}),
      OkRow(kOk, {246, 223, 75, 25}),
      CancelRow(kCancel, {329, 223, 75, 25}),
  };
  return design;
}

bool StartsWithDrive(const std::string& folder) {
  return folder.size() >= 2 && folder[1] == ':' && AsciiLower(folder[0]) >= 'a' &&
         AsciiLower(folder[0]) <= 'z';
}

// The drive as the drive list shows it: "c:", with the volume label of a
// fixed, CD-ROM or RAM drive ("e: [SCANCD01]"). Removable and network
// drives are not asked, so that listing them never waits for a floppy or
// a server.
std::string DriveText(Drives& drives, const std::string& root) {
  std::string letter = root.substr(0, 2);
  const DriveKind kind = drives.KindOf(root);
  if (kind != DriveKind::Fixed && kind != DriveKind::CdRom && kind != DriveKind::RamDisk)
    return letter;
  const std::optional<std::string> label = drives.VolumeLabel(root);
  return label && !label->empty() ? letter + " [" + *label + "]" : letter;
}

}  // namespace

std::unique_ptr<Form> MakeFolderPicker(Program& program) {
  return std::make_unique<frmGetPath>(program);
}

frmGetPath::frmGetPath(Program& program) : Dialog(program, GetPathDesign(), &kOk, &kCancel) {
  On(kDrives, EventKind::Click, [this](int) { Drive1_Change(); });
  On(kFolders, EventKind::Click, [this](int) { Dir1_Click(); });
  On(kFolders, EventKind::DblClick, [this](int) { Dir1_DblClick(); });
  On(kOk, EventKind::Click, [this](int) { btn_OK_Click(); });
  On(kCancel, EventKind::Click, [this](int) { btn_Cancel_Click(); });
}

void frmGetPath::Form_Load() {
  const Settings& ini = program_.settings;
  SetCaption(ini.ReadIniText(texts::kPickerTitle));
  Get(kCurrentFolderLabel).SetCaption(ini.ReadIniText(texts::kCurrentFolderLabel));
  Get(kFilesLabel).SetCaption(ini.ReadIniText(texts::kFilesLabel));
  ShowButtonCaptions();
  // Nothing is picked until OK accepts a folder: the close box cancels.
  program_.videosource.PickedFolder.clear();

  Drives& drives = program_.platform.DrivesAndFolders();
  driveRoots_ = drives.DriveRoots();
  std::vector<std::string> texts;
  for (const std::string& root : driveRoots_) texts.push_back(DriveText(drives, root));
  Get(kDrives).SetItems(texts);
  OpenFolder(StartFolder());
}

// Where the clips were last found, else the program's own folder, else the
// process's current folder, else the first drive that can be entered.
std::string frmGetPath::StartFolder() {
  Drives& drives = program_.platform.DrivesAndFolders();
  std::vector<std::string> candidates = {
      program_.settings.ReadIniString("General", "MoviesLastFoundAt"),
      program_.platform.ProgramFolder(), drives.CurrentFolder()};
  candidates.insert(candidates.end(), driveRoots_.begin(), driveRoots_.end());
  for (const std::string& folder : candidates)
    if (StartsWithDrive(folder) && DirExists(program_.platform.DrivesAndFolders(), folder) == 1)
      return folder;
  return {};
}

bool frmGetPath::OpenFolder(const std::string& folder) {
  if (folder.empty() || DirExists(program_.platform.DrivesAndFolders(), folder) != 1) return false;
  openFolder_ = NormalizeFolderPath(program_.platform.DrivesAndFolders(), folder);
  Drives& drives = program_.platform.DrivesAndFolders();
  folders_ = FolderListEntries(openFolder_, drives.Folders(openFolder_));
  std::vector<std::string> texts;
  for (const FolderListEntry& entry : folders_) texts.push_back(entry.text);
  ListControl dirs = Get(kFolders);
  dirs.SetItems(texts);
  dirs.SetListIndex(OpenFolderIndex(openFolder_));
  Get(kPath).SetCaption(LowerCase(std::string(TrimBlanks(openFolder_))));
  Get(kDrives).SetListIndex(DriveIndexOf(openFolder_));
  ShowFilesIn(openFolder_);
  return true;
}

std::string frmGetPath::HighlightedFolder() {
  const int index = Get(kFolders).ListIndex();
  if (index < 0 || index >= static_cast<int>(folders_.size())) return openFolder_;
  return folders_[static_cast<std::size_t>(index)].path;
}

void frmGetPath::ShowFilesIn(const std::string& folder) {
  Get(kFiles).SetItems(program_.platform.DrivesAndFolders().NormalFiles(folder, "*"));
}

int frmGetPath::DriveIndexOf(const std::string& folder) const {
  if (folder.empty()) return -1;
  for (std::size_t i = 0; i < driveRoots_.size(); ++i)
    if (AsciiLower(driveRoots_[i][0]) == AsciiLower(folder[0])) return static_cast<int>(i);
  return -1;
}

// Another drive opens at the current folder the process keeps for it, else
// at its root. A drive that cannot be entered is refused with a message, and
// the list goes back to the drive of the open folder. Choosing the drive of
// the open folder leaves that folder open.
void frmGetPath::Drive1_Change() {
  const int index = Get(kDrives).ListIndex();
  if (index < 0 || index >= static_cast<int>(driveRoots_.size())) return;
  const std::string& root = driveRoots_[static_cast<std::size_t>(index)];
  if (index == DriveIndexOf(openFolder_)) return;
  const std::string kept = program_.platform.DrivesAndFolders().CurrentFolderOnDrive(root[0]);
  if (StartsWithDrive(kept) && DriveIndexOf(kept) == index && OpenFolder(kept)) return;
  if (OpenFolder(root)) return;
  program_.platform.ShowMessage(program_.settings.ReadIniText(texts::kDriveNotAvailable),
                                program_.platform.AppTitle());
  Get(kDrives).SetListIndex(DriveIndexOf(openFolder_));
}

void frmGetPath::Dir1_Click() { ShowFilesIn(HighlightedFolder()); }

void frmGetPath::Dir1_DblClick() { OpenHighlightedFolder(); }

// A folder that went away since it was listed leaves the open folder shown
// afresh.
void frmGetPath::OpenHighlightedFolder() {
  if (!OpenFolder(HighlightedFolder())) OpenFolder(openFolder_);
}

void frmGetPath::btn_OK_Click() {
  if (openFolder_.empty()) return Unload();
  // A highlighted folder is opened first; the next OK accepts it.
  if (!SameWithoutCase(HighlightedFolder(), openFolder_)) return OpenHighlightedFolder();
  const std::string shown = Get(kPath).Caption();
  program_.videosource.PickedFolder = LowerCase(
      std::string(TrimBlanks(NormalizeFolderPath(program_.platform.DrivesAndFolders(), shown))));
  Unload();
}

void frmGetPath::btn_Cancel_Click() {
  program_.videosource.PickedFolder.clear();
  Unload();
}

}  // namespace vantor
