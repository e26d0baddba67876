#include "videosource/discovery.h"

#include "common/text.h"
#include "videosource/paths.h"

namespace vantor {
namespace {

struct ClipLocation {
  std::string relativePath;
  std::string keyFile;
};

ClipLocation ReadClipLocation(const Program& program) {
  return {program.settings.ReadIniString("AVI Setup", "relativePath"),
          program.settings.ReadIniString("AVI Setup", "keyFile")};
}

void RebuildCDDrives(Program& program) {
  Drives& drives = program.platform.DrivesAndFolders();
  std::vector<std::string>& cds = program.videosource.CDDrives;
  cds.clear();
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    const std::string root = std::string(1, letter) + ":\\";
    if (drives.KindOf(root) == DriveKind::CdRom) cds.push_back(root);
  }
}

// The clip folder on the labelled CD in `root`, or "" when the disc lacks
// the key file (a wrong disc with a similar label).
std::string ClipFolderOnCD(Program& program, const std::string& root) {
  std::string drive = root;
  if (!drive.empty() && drive.back() == '\\') drive.pop_back();
  if (drive.size() == 1) drive += ':';
  const ClipLocation where = ReadClipLocation(program);
  const std::string folder = JoinPath(drive, where.relativePath);
  return FileExists(program, JoinPath(folder, where.keyFile)) == 1 ? folder : std::string();
}

// The prompt, and the picker as often as the user browses from it. Leaves
// the answer in NoCDAnswer.
void AskForTheClips(Program& program, ClipFolderQuestions& ask) {
  VideoSourceState& state = program.videosource;
  ask.AskForClipFolder("");
  while (state.BrowseRequested != 0) {
    ask.PickClipFolder();
    state.BrowseRequested = 0;
    ask.AskForClipFolder(state.PickedFolder);
  }
}

}  // namespace

std::string FindVideoFolder(Program& program, ClipFolderQuestions& ask) {
  VideoSourceState& state = program.videosource;
  const std::string volumeString = program.settings.ReadIniString("AVI Setup", "volumeString");
  RebuildCDDrives(program);
  std::string found =
      ValidateVideoFolder(program, program.settings.ReadIniString("General", "MoviesLastFoundAt"));
  while (found.empty()) {
    state.NoCDAnswer.clear();
    const std::string cd =
        state.CDDrives.empty() ? std::string() : FindCDDriveByLabel(program, volumeString);
    // A labelled disc without the key file would be found again on every
    // pass; the user is asked instead, and may change the disc meanwhile.
    if (!cd.empty()) {
      found = ClipFolderOnCD(program, cd);
      if (!found.empty()) break;
    }
    AskForTheClips(program, ask);
    if (state.NoCDAnswer == kNoCDCancelled) return {};
    found = ValidateVideoFolder(program, state.NoCDAnswer);
  }
  return found;
}

std::string ValidateVideoFolder(Program& program, const std::string& candidate) {
  const ClipLocation where = ReadClipLocation(program);
  if (DriveReady(program, candidate) <= 0) return {};
  if (candidate.size() >= 3) {
    std::string below = JoinPath(candidate, where.relativePath);
    if (FileExists(program, JoinPath(below, where.keyFile)) == 1) return below;
    if (FileExists(program, JoinPath(candidate, where.keyFile)) == 1) return candidate;
    return {};
  }
  // A drive alone ("e" or "e:") is looked at only where the CD keeps them.
  if (where.keyFile.empty()) return {};
  const std::string below = JoinPath(candidate.substr(0, 1) + ":", where.relativePath);
  return FileExists(program, JoinPath(below, where.keyFile)) == 1 ? below : std::string();
}

std::string FindCDDriveByLabel(Program& program, const std::string& volumeString) {
  Drives& drives = program.platform.DrivesAndFolders();
  const std::string wanted = LowerCase(volumeString);
  for (const std::string& root : program.videosource.CDDrives) {
    if (DriveReady(program, root) <= 0) continue;
    const std::optional<std::string> label = drives.VolumeLabel(root);
    if (label && LowerCase(*label).find(wanted) != std::string::npos) return root;
  }
  return {};
}

std::int16_t DriveReady(Program& program, const std::string& path) {
  if (path.empty()) return kNoDriveNamed;
  switch (program.platform.DrivesAndFolders().TryEnter(path.substr(0, 1) + ":\\")) {
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

int DirExists(Program& program, const std::string& folder) {
  return program.platform.DrivesAndFolders().TryEnter(folder) == EnterResult::Entered ? 1 : 0;
}

int FileExists(Program& program, const std::string& path) {
  const std::string folder = FolderOfPath(path);
  if (DirExists(program, folder) != 1) return 0;
  const std::size_t cut = path.find_last_of("\\:");
  const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
  const std::vector<std::string> files =
      program.platform.DrivesAndFolders().NormalFiles(folder, name.empty() ? "*" : name);
  return files.empty() ? 0 : 1;
}

std::string NormalizeFolderPath(Program& program, const std::string& path) {
  return NormalizeFolderPath(path, program.platform.DrivesAndFolders().CurrentFolder());
}

}  // namespace vantor
