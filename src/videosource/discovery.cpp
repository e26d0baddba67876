#include "videosource/discovery.h"

#include "common/text.h"
#include "videosource/paths.h"

namespace vantor {
namespace {

struct ClipLocation {
  std::string relativePath;
  std::string keyFile;
};

ClipLocation ReadClipLocation(const Settings& ini) {
  return {ini.ReadIniString("AVI Setup", "relativePath"),
          ini.ReadIniString("AVI Setup", "keyFile")};
}

void RebuildCDDrives(const ClipSearchRecord& search) {
  std::vector<std::string>& cds = search.state.CDDrives;
  cds.clear();
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    const std::string root = std::string(1, letter) + ":\\";
    if (search.drives.KindOf(root) == DriveKind::CdRom) cds.push_back(root);
  }
}

// The clip folder on the labelled CD in `root`, or "" when the disc lacks
// the key file (a wrong disc with a similar label).
std::string ClipFolderOnCD(const ClipSearchRecord& search, const std::string& root) {
  std::string drive = root;
  if (!drive.empty() && drive.back() == '\\') drive.pop_back();
  if (drive.size() == 1) drive += ':';
  const ClipLocation where = ReadClipLocation(search.settings);
  const std::string folder = JoinPath(drive, where.relativePath);
  return FileExists(search.drives, JoinPath(folder, where.keyFile)) == 1 ? folder : std::string();
}

// The prompt, and the picker as often as the user browses from it. Leaves
// the answer in NoCDAnswer.
void AskForTheClips(VideoSourceState& state, ClipFolderQuestions& ask) {
  ask.AskForClipFolder("");
  while (state.BrowseRequested != 0) {
    ask.PickClipFolder();
    state.BrowseRequested = 0;
    ask.AskForClipFolder(state.PickedFolder);
  }
}

}  // namespace

std::string FindVideoFolder(const ClipSearchRecord& search, ClipFolderQuestions& ask) {
  VideoSourceState& state = search.state;
  const std::string volumeString = search.settings.ReadIniString("AVI Setup", "volumeString");
  RebuildCDDrives(search);
  std::string found =
      ValidateVideoFolder(search, search.settings.ReadIniString("General", "MoviesLastFoundAt"));
  while (found.empty()) {
    state.NoCDAnswer.clear();
    const std::string cd =
        state.CDDrives.empty() ? std::string() : FindCDDriveByLabel(search, volumeString);
    // A labelled disc without the key file would be found again on every
    // pass; the user is asked instead, and may change the disc meanwhile.
    if (!cd.empty()) {
      found = ClipFolderOnCD(search, cd);
      if (!found.empty()) break;
    }
    AskForTheClips(state, ask);
    if (state.NoCDAnswer == kNoCDCancelled) return {};
    found = ValidateVideoFolder(search, state.NoCDAnswer);
  }
  return found;
}

std::string ValidateVideoFolder(const ClipSearchRecord& search, const std::string& candidate) {
  const ClipLocation where = ReadClipLocation(search.settings);
  Drives& drives = search.drives;
  if (DriveReady(drives, candidate) <= 0) return {};
  if (candidate.size() >= 3) {
    std::string below = JoinPath(candidate, where.relativePath);
    if (FileExists(drives, JoinPath(below, where.keyFile)) == 1) return below;
    if (FileExists(drives, JoinPath(candidate, where.keyFile)) == 1) return candidate;
    return {};
  }
  // A drive alone ("e" or "e:") is looked at only where the CD keeps them.
  if (where.keyFile.empty()) return {};
  const std::string below = JoinPath(candidate.substr(0, 1) + ":", where.relativePath);
  return FileExists(drives, JoinPath(below, where.keyFile)) == 1 ? below : std::string();
}

std::string FindCDDriveByLabel(const ClipSearchRecord& search, const std::string& volumeString) {
  const std::string wanted = LowerCase(volumeString);
  for (const std::string& root : search.state.CDDrives) {
    if (DriveReady(search.drives, root) <= 0) continue;
    const std::optional<std::string> label = search.drives.VolumeLabel(root);
    if (label && LowerCase(*label).find(wanted) != std::string::npos) return root;
  }
  return {};
}

std::int16_t DriveReady(Drives& drives, const std::string& path) {
  if (path.empty()) return kNoDriveNamed;
  switch (drives.TryEnter(path.substr(0, 1) + ":\\")) {
    case EnterResult::NoSuchDrive:
      return kDeviceUnavailable;
    case EnterResult::NotReady:
    case EnterResult::NoSuchFolder:  // a root that is not there: the disc is missing
      return kDiskNotReady;
    case EnterResult::Entered:
      break;
  }
  return kDriveReady;
}

int DirExists(Drives& drives, const std::string& folder) {
  return drives.TryEnter(folder) == EnterResult::Entered ? 1 : 0;
}

int FileExists(Drives& drives, const std::string& path) {
  const std::string folder = FolderOfPath(path);
  if (DirExists(drives, folder) != 1) return 0;
  const std::size_t cut = path.find_last_of("\\:");
  const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
  const std::vector<std::string> files = drives.NormalFiles(folder, name.empty() ? "*" : name);
  return files.empty() ? 0 : 1;
}

std::string NormalizeFolderPath(Drives& drives, const std::string& path) {
  return NormalizeFolderPath(path, drives.CurrentFolder());
}

}  // namespace vantor
