// The drives and folders of the simulated desktop: a few lines of a test
// describe a machine, e.g.
//   sim.drives.AddDrive('e', DriveKind::CdRom, "SCANCD01");
//   sim.drives.AddFile("e:\\movies\\intro.avi");
// Paths compare without regard to case and keep the case they were added
// with. The settings files of SimPlatform are kept apart from these.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/text.h"
#include "platform/drives.h"
#include "platform/file_reader.h"

namespace vantor::sim {

class SimDrives : public Drives, public FileReader {
 public:
  // A fresh machine has one fixed drive c: holding the program's folder,
  // which is also the current folder.
  SimDrives();

  void AddDrive(char letter, DriveKind kind, const std::string& label = "", bool ready = true);
  void RemoveDrive(char letter);
  // A drive that is not ready has no disc: no label, nothing can be entered.
  void SetReady(char letter, bool ready);
  void SetLabel(char letter, const std::string& label);
  // Adds a folder and every folder above it; the drive must exist.
  void AddFolder(const std::string& path);
  // Adds a file and its folders. A file that is not normal is hidden or a
  // system file: folder listings leave it out.
  void AddFile(const std::string& path, bool normal = true);
  // Adds a normal file with these bytes, which ReadFile gives back.
  void PutFile(const std::string& path, std::string bytes);
  void AddHiddenFolder(const std::string& path);
  void SetCurrentFolder(const std::string& path) { current_ = path; }
  // The current folder the process keeps for a drive other than the
  // current one; it need not exist.
  void SetCurrentFolderOnDrive(char letter, const std::string& path) {
    driveFolders_[AsciiLower(letter)] = path;
  }

  DriveKind KindOf(const std::string& root) override;
  std::optional<std::string> VolumeLabel(const std::string& root) override;
  EnterResult TryEnter(const std::string& folder) override;
  std::vector<std::string> Folders(const std::string& folder) override;
  std::vector<std::string> NormalFiles(const std::string& folder,
                                       const std::string& pattern) override;
  std::string CurrentFolder() override { return current_; }
  std::string CurrentFolderOnDrive(char letter) override;
  std::vector<std::string> DriveRoots() override;

  // A file's bytes (none for one added without); nullopt when it is not
  // there or its drive is not ready.
  std::optional<std::string> ReadFile(const std::string& path, std::size_t limit) override;

 private:
  struct Drive {
    DriveKind kind = DriveKind::Fixed;
    std::string label;
    bool ready = true;
  };
  struct Entry {
    std::string name;  // as added
    bool folder = false;
    bool normal = true;
  };
  // "e:\clips\movies" (lower case, no trailing backslash; a root keeps its
  // backslash) for a path, or "" when it names no drive letter.
  std::string Key(const std::string& path) const;
  static std::string ParentOf(const std::string& key);
  void Add(const std::string& path, bool folder, bool normal);
  const Drive* DriveOf(const std::string& key) const;
  // The names of the normal entries right under a folder of a ready drive
  // that `wanted` accepts, in the order of their keys.
  std::vector<std::string> Listed(const std::string& folder,
                                  const std::function<bool(const Entry&)>& wanted) const;

  std::map<char, Drive> drives_;
  std::map<std::string, Entry> entries_;      // by key; roots are not entries
  std::map<std::string, std::string> bytes_;  // of files, by key
  std::string current_;
  std::map<char, std::string> driveFolders_;  // by lower-case letter
};

}  // namespace vantor::sim
