#include "platform/sim/sim_drives.h"

#include "common/text.h"

namespace vantor::sim {
namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = AsciiLower(c);
  return s;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The wildcard match of file listings: * any run of characters, ? any one.
bool Matches(const char* pattern, const char* name) {
  if (*pattern == '\0') return *name == '\0';
  if (*pattern == '*') return Matches(pattern + 1, name) || (*name && Matches(pattern, name + 1));
  if (*name == '\0') return false;
  return (*pattern == '?' || *pattern == *name) && Matches(pattern + 1, name + 1);
}

}  // namespace

SimDrives::SimDrives() {
  AddDrive('c', DriveKind::Fixed, "");
  AddFolder("C:\\Program Files\\Vantor");
  current_ = "C:\\";
}

void SimDrives::AddDrive(char letter, DriveKind kind, const std::string& label, bool ready) {
  drives_[AsciiLower(letter)] = Drive{kind, label, ready};
}

void SimDrives::RemoveDrive(char letter) { drives_.erase(AsciiLower(letter)); }

void SimDrives::SetReady(char letter, bool ready) { drives_.at(AsciiLower(letter)).ready = ready; }

void SimDrives::SetLabel(char letter, const std::string& label) {
  drives_.at(AsciiLower(letter)).label = label;
}

void SimDrives::AddFolder(const std::string& path) { Add(path, true, true); }
void SimDrives::AddHiddenFolder(const std::string& path) { Add(path, true, false); }
void SimDrives::AddFile(const std::string& path, bool normal) { Add(path, false, normal); }

void SimDrives::PutFile(const std::string& path, std::string bytes) {
  Add(path, false, true);
  bytes_[Key(path)] = std::move(bytes);
}

std::optional<std::string> SimDrives::ReadFile(const std::string& path, std::size_t limit) {
  const std::string key = Key(path);
  const Drive* drive = DriveOf(key);
  const auto entry = entries_.find(key);
  if (!drive || !drive->ready || entry == entries_.end() || entry->second.folder)
    return std::nullopt;
  const auto bytes = bytes_.find(key);
  return bytes == bytes_.end() ? std::string() : bytes->second.substr(0, limit);
}

void SimDrives::Add(const std::string& path, bool folder, bool normal) {
  const std::string key = Key(path);
  if (key.empty() || key.size() == 3) return;
  std::string trimmed = path;
  while (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
  const std::size_t slash = trimmed.find_last_of('\\');
  const std::string name = trimmed.substr(slash == std::string::npos ? 0 : slash + 1);
  // The folders above keep the case they are written with here.
  const std::string parent = ParentOf(key);
  if (parent.size() > 3 && !entries_.count(parent) && slash != std::string::npos)
    AddFolder(trimmed.substr(0, slash));
  entries_[key] = Entry{name, folder, normal};
}

std::string SimDrives::Key(const std::string& path) const {
  if (path.empty()) return {};
  std::string drive;
  std::string rest;
  if (path.size() >= 2 && path[1] == ':') {
    if (!IsLetter(path[0])) return {};
    drive = std::string(1, AsciiLower(path[0]));
    rest = path.substr(2);  // a drive without a folder stands for its root
  } else if (path[0] == '\\') {
    if (current_.empty()) return {};
    drive = std::string(1, AsciiLower(current_[0]));
    rest = path;
  } else {
    const std::string base = Key(current_);
    if (base.empty()) return {};
    drive = base.substr(0, 1);
    rest = base.substr(2) + "\\" + path;
  }
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t end = rest.find('\\', start);
    if (end == std::string::npos) end = rest.size();
    const std::string part = Lower(rest.substr(start, end - start));
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string key = drive + ":\\";
  for (std::size_t i = 0; i < parts.size(); ++i) key += (i ? "\\" : "") + parts[i];
  return key;
}

std::string SimDrives::ParentOf(const std::string& key) {
  if (key.size() <= 3) return {};
  const std::size_t slash = key.find_last_of('\\');
  return slash == 2 ? key.substr(0, 3) : key.substr(0, slash);
}

const SimDrives::Drive* SimDrives::DriveOf(const std::string& key) const {
  if (key.empty()) return nullptr;
  auto it = drives_.find(key[0]);
  return it == drives_.end() ? nullptr : &it->second;
}

DriveKind SimDrives::KindOf(const std::string& root) {
  const Drive* drive = DriveOf(Key(root));
  return drive ? drive->kind : DriveKind::None;
}

std::optional<std::string> SimDrives::VolumeLabel(const std::string& root) {
  const Drive* drive = DriveOf(Key(root));
  if (!drive || !drive->ready) return std::nullopt;
  return drive->label;
}

EnterResult SimDrives::TryEnter(const std::string& folder) {
  if (folder.empty()) return EnterResult::NoSuchFolder;
  const std::string key = Key(folder);
  const Drive* drive = DriveOf(key);
  if (!drive) return EnterResult::NoSuchDrive;
  if (!drive->ready) return EnterResult::NotReady;
  if (key.size() == 3) return EnterResult::Entered;
  auto it = entries_.find(key);
  return it != entries_.end() && it->second.folder ? EnterResult::Entered
                                                   : EnterResult::NoSuchFolder;
}

std::vector<std::string> SimDrives::Listed(const std::string& folder,
                                           const std::function<bool(const Entry&)>& wanted) const {
  std::vector<std::string> names;
  const std::string key = Key(folder);
  const Drive* drive = DriveOf(key);
  if (!drive || !drive->ready) return names;
  for (const auto& [path, entry] : entries_)
    if (entry.normal && ParentOf(path) == key && wanted(entry)) names.push_back(entry.name);
  return names;
}

std::vector<std::string> SimDrives::Folders(const std::string& folder) {
  return Listed(folder, [](const Entry& entry) { return entry.folder; });
}

std::vector<std::string> SimDrives::NormalFiles(const std::string& folder,
                                                const std::string& pattern) {
  const std::string wanted = Lower(pattern);
  return Listed(folder, [&](const Entry& entry) {
    return !entry.folder && Matches(wanted.c_str(), Lower(entry.name).c_str());
  });
}

std::string SimDrives::CurrentFolderOnDrive(char letter) {
  const char drive = AsciiLower(letter);
  if (!current_.empty() && AsciiLower(current_[0]) == drive) return current_;
  auto kept = driveFolders_.find(drive);
  return kept != driveFolders_.end() ? kept->second : std::string(1, drive) + ":\\";
}

std::vector<std::string> SimDrives::DriveRoots() {
  std::vector<std::string> roots;
  for (const auto& [letter, drive] : drives_) roots.push_back(std::string(1, letter) + ":\\");
  return roots;
}

}  // namespace vantor::sim
