#include "platform/win32/win32_drives.h"

#include <algorithm>
#include <functional>

#include "platform/win32/scoped.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {
namespace {

// Entries the listings leave out, as the file dialogs do.
constexpr DWORD kHiddenOrSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// While it lives, a drive without a disc fails quietly instead of asking
// the user to insert one; the error mode that was in force comes back after.
class QuietDriveErrors {
 public:
  QuietDriveErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~QuietDriveErrors() { SetErrorMode(previous_); }
  QuietDriveErrors(const QuietDriveErrors&) = delete;
  QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

 private:
  UINT previous_;
};

std::string CurrentDirectory() {
  const DWORD needed = GetCurrentDirectoryA(0, nullptr);
  if (needed == 0) return {};
  std::string text(needed, '\0');
  const DWORD n = GetCurrentDirectoryA(needed, text.data());
  text.resize(n < needed ? n : 0);
  return text;
}

// The root of the drive a path lives on: its own letter, else the drive of
// the current folder.
std::string RootOf(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2) + "\\";
  const std::string current = CurrentDirectory();
  return current.size() >= 2 && current[1] == ':' ? current.substr(0, 2) + "\\" : std::string();
}

// Enters `folder` and goes back to where the process was: the answer to
// "can it be entered" without moving the process.
bool Enters(const std::string& folder, const std::string& comeBackTo) {
  if (!SetCurrentDirectoryA(folder.c_str())) return false;
  SetCurrentDirectoryA(comeBackTo.c_str());
  return true;
}

std::string Joined(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == ':') return folder + name;
  return folder + "\\" + name;
}

void EachEntry(const std::string& folder, const std::string& pattern,
               const std::function<void(const WIN32_FIND_DATAA&)>& visit) {
  WIN32_FIND_DATAA found{};
  const FileSearch search(Joined(folder, pattern).c_str(), found);
  if (!search.Valid()) return;
  do {
    visit(found);
  } while (search.Next(found));
}

bool NameLess(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) < 0;
}

}  // namespace

DriveKind Win32Drives::KindOf(const std::string& root) {
  QuietDriveErrors quiet;
  switch (GetDriveTypeA(root.c_str())) {
    case DRIVE_NO_ROOT_DIR:
      return DriveKind::None;
    case DRIVE_REMOVABLE:
      return DriveKind::Removable;
    case DRIVE_FIXED:
      return DriveKind::Fixed;
    case DRIVE_REMOTE:
      return DriveKind::Remote;
    case DRIVE_CDROM:
      return DriveKind::CdRom;
    case DRIVE_RAMDISK:
      return DriveKind::RamDisk;
    default:
      return DriveKind::Unknown;
  }
}

std::optional<std::string> Win32Drives::VolumeLabel(const std::string& root) {
  QuietDriveErrors quiet;
  char label[128] = {};
  if (!GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr, nullptr,
                             0)) {
    return std::nullopt;
  }
  return std::string(label);
}

// Windows and Wine give different error numbers for the same failure, so
// the reason is found by asking what is there: a letter that names no
// device, a device whose root cannot be entered, or only the folder missing.
EnterResult Win32Drives::TryEnter(const std::string& folder) {
  QuietDriveErrors quiet;
  const std::string here = CurrentDirectory();
  if (!folder.empty() && Enters(folder, here)) return EnterResult::Entered;
  const std::string root = RootOf(folder);
  if (root.empty() || GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR) {
    return folder.empty() ? EnterResult::NoSuchFolder : EnterResult::NoSuchDrive;
  }
  if (!Enters(root, here)) return EnterResult::NotReady;
  return EnterResult::NoSuchFolder;
}

std::vector<std::string> Win32Drives::Folders(const std::string& folder) {
  QuietDriveErrors quiet;
  std::vector<std::string> names;
  EachEntry(folder, "*", [&](const WIN32_FIND_DATAA& found) {
    const DWORD a = found.dwFileAttributes;
    const std::string name = found.cFileName;
    if ((a & FILE_ATTRIBUTE_DIRECTORY) && !(a & kHiddenOrSystem) && name != "." && name != "..")
      names.push_back(name);
  });
  std::sort(names.begin(), names.end(), NameLess);
  return names;
}

std::vector<std::string> Win32Drives::NormalFiles(const std::string& folder,
                                                  const std::string& pattern) {
  QuietDriveErrors quiet;
  std::vector<std::string> names;
  EachEntry(folder, pattern, [&](const WIN32_FIND_DATAA& found) {
    if (!(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | kHiddenOrSystem)))
      names.push_back(found.cFileName);
  });
  std::sort(names.begin(), names.end(), NameLess);
  return names;
}

std::string Win32Drives::CurrentFolder() { return CurrentDirectory(); }

// A drive alone ("d:") names the current folder Windows keeps for that
// drive: the current folder on the current drive, else the one the "=D:"
// environment entry holds, else the root. Nothing is entered: the drive is
// not touched, and a drive without a disc asks for none.
std::string Win32Drives::CurrentFolderOnDrive(char letter) {
  const char drive[3] = {letter, ':', '\0'};
  const DWORD needed = GetFullPathNameA(drive, 0, nullptr, nullptr);
  if (needed == 0) return {};
  std::string text(needed, '\0');
  const DWORD n = GetFullPathNameA(drive, needed, text.data(), nullptr);
  text.resize(n < needed ? n : 0);
  // Wine 8 ends the folder with a backslash ("z:\work\"), Windows does not;
  // only a root keeps its own.
  if (text.size() > 3 && text.back() == '\\') text.pop_back();
  return text;
}

std::vector<std::string> Win32Drives::DriveRoots() {
  std::vector<std::string> roots;
  const DWORD letters = GetLogicalDrives();
  for (int i = 0; i < 26; ++i)
    if (letters & (1u << i)) roots.push_back(std::string(1, static_cast<char>('a' + i)) + ":\\");
  return roots;
}

}  // namespace vantor::win32
