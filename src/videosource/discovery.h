// Finding the folder that holds the how-to clips: where they were found
// last, a CD-ROM by its volume label, or a folder the user names or picks.
#pragma once

#include <cstdint>
#include <string>

#include "program.h"

namespace vantor {

// What the clip search asks the user when the clips are neither where they
// were found last nor on a labelled disc. The answers go back through
// VideoSourceState.
class ClipFolderQuestions {
 public:
  virtual ~ClipFolderQuestions() = default;
  // The prompt for the clips, `folderPicked` in its answer box: the answer
  // goes to NoCDAnswer, a wish to browse to BrowseRequested.
  virtual void AskForClipFolder(const std::string& folderPicked) = 0;
  // The folder picker: the folder picked goes to PickedFolder.
  virtual void PickClipFolder() = 0;
};

// The clip folder, or "" when the user gave up (cancelled the prompt).
std::string FindVideoFolder(const ClipSearchRecord& search, ClipFolderQuestions& ask);

// 1 when `path` names a normal file (a path that ends in a backslash: when
// its folder holds any normal file), else 0.
int FileExists(Drives& drives, const std::string& path);

// The clip folder that `candidate` (a folder, a drive "e:" or a letter "e")
// stands for, or "" when the key file is in none of the places tried.
std::string ValidateVideoFolder(const ClipSearchRecord& search, const std::string& candidate);

// Root of the first ready drive of CDDrives whose volume label contains
// `volumeString` (case not regarded), or "".
std::string FindCDDriveByLabel(const ClipSearchRecord& search, const std::string& volumeString);

// Answers of DriveReady.
constexpr std::int16_t kDriveReady = 1;
constexpr std::int16_t kNoDriveNamed = -5;        // an empty path
constexpr std::int16_t kDeviceUnavailable = -68;  // the letter names no drive
constexpr std::int16_t kDiskNotReady = -71;       // no disc in the drive

// Whether the drive named by the first character of `path` can be used.
std::int16_t DriveReady(Drives& drives, const std::string& path);

// 1 when `folder` can be entered, else 0.
int DirExists(Drives& drives, const std::string& folder);

// NormalizeFolderPath on the process's current folder.
std::string NormalizeFolderPath(Drives& drives, const std::string& path);

}  // namespace vantor
