// The drives and folders of this computer, as the clip folder search and
// its folder picker ask about them. Every probe is quiet: a drive without a
// disc or a drive letter that names nothing never brings up a system
// message; it only gives its answer.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantor {

enum class DriveKind { Unknown, None, Removable, Fixed, Remote, CdRom, RamDisk };

// What happens when the program tries to enter a folder (or a drive's root).
enum class EnterResult {
  Entered,       // the folder is there and can be entered
  NoSuchDrive,   // its drive letter names no device
  NotReady,      // the drive exists but its root cannot be entered (no disc)
  NoSuchFolder,  // the drive is ready but the folder is not there
};

// Paths are Windows paths ("e:\clips", "e:", "clips", "\clips"); a path
// without a drive is taken from the process's current folder. Answers
// never change the process's current drive or folder.
class Drives {
 public:
  virtual ~Drives() = default;
  // The kind of drive whose root is `root` ("e:\").
  virtual DriveKind KindOf(const std::string& root) = 0;
  // The volume label of the disc in the drive; nullopt when it cannot be read.
  virtual std::optional<std::string> VolumeLabel(const std::string& root) = 0;
  virtual EnterResult TryEnter(const std::string& folder) = 0;
  // Names of the sub-folders of `folder`, hidden and system ones left out.
  virtual std::vector<std::string> Folders(const std::string& folder) = 0;
  // Names of the normal files (not hidden, system or folders) in `folder`
  // that match `pattern` (which may hold * and ?).
  virtual std::vector<std::string> NormalFiles(const std::string& folder,
                                               const std::string& pattern) = 0;
  virtual std::string CurrentFolder() = 0;
  // The process's current folder on the drive `letter` names ("d:\clips"),
  // as Windows keeps one for each drive: the current folder itself on the
  // current drive, the root of a drive for which none is kept.
  virtual std::string CurrentFolderOnDrive(char letter) = 0;
  // Roots of every drive letter in use ("c:\", "e:\"), in letter order.
  virtual std::vector<std::string> DriveRoots() = 0;
};

}  // namespace vantor
