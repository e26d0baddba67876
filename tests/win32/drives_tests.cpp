// The drive and folder probes over the real Windows file functions.
#include <string>
#include <vector>

#include "check.h"
#include "fixtures.h"

namespace vantor::win32::test {

namespace {

std::string Current() {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  return folder;
}

// A fresh folder in the temporary folder with a normal file, a hidden file,
// a folder and a hidden folder in it.
std::string MakeFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "vantor-drives-test";
  CreateDirectoryA(folder.c_str(), nullptr);
  KernelHandle(CreateFileA((folder + "\\intro.avi").c_str(), GENERIC_WRITE, 0, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  KernelHandle(CreateFileA((folder + "\\secret.id").c_str(), GENERIC_WRITE, 0, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr));
  CreateDirectoryA((folder + "\\movies").c_str(), nullptr);
  CreateDirectoryA((folder + "\\hidden").c_str(), nullptr);
  SetFileAttributesA((folder + "\\hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  return folder;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return text;
}

// A drive letter that names no device here, or 0.
char UnusedLetter() {
  const DWORD used = GetLogicalDrives();
  for (int i = 25; i >= 3; --i)
    if (!(used & (1u << i))) return static_cast<char>('a' + i);
  return 0;
}

}  // namespace

TEST_CASE(ProbesLeaveTheCurrentFolderAndTheErrorModeAsTheyWere) {
  Drives& drives = ThePlatform().DrivesAndFolders();
  const std::string folder = MakeFolder();
  const std::string before = Current();
  const UINT mode = SEM_NOOPENFILEERRORBOX;
  const UINT original = SetErrorMode(mode);

  CHECK(drives.TryEnter(folder) == EnterResult::Entered);
  CHECK(drives.TryEnter(folder + "\\movies\\") == EnterResult::Entered);
  CHECK(drives.TryEnter(folder + "\\missing") == EnterResult::NoSuchFolder);
  CHECK(drives.TryEnter("") == EnterResult::NoSuchFolder);
  const char unused = UnusedLetter();
  if (unused)
    CHECK(drives.TryEnter(std::string(1, unused) + ":\\clips") == EnterResult::NoSuchDrive);
  if (unused) CHECK(drives.KindOf(std::string(1, unused) + ":\\") == DriveKind::None);
  CHECK_EQ(Current(), before);
  CHECK_EQ(SetErrorMode(original), mode);
}

TEST_CASE(ListingsShowNormalFilesAndVisibleFoldersOnly) {
  Drives& drives = ThePlatform().DrivesAndFolders();
  const std::string folder = MakeFolder();
  CHECK(drives.NormalFiles(folder, "*") == std::vector<std::string>{"intro.avi"});
  CHECK(drives.NormalFiles(folder + "\\", "INTRO.*") == std::vector<std::string>{"intro.avi"});
  CHECK(drives.NormalFiles(folder, "secret.id").empty());
  CHECK(drives.NormalFiles(folder, "movies").empty());
  CHECK(drives.Folders(folder) == std::vector<std::string>{"movies"});
  CHECK(drives.NormalFiles(folder + "\\missing", "*").empty());
}

TEST_CASE(DrivesAreListedInLetterOrderWithTheirKind) {
  Drives& drives = ThePlatform().DrivesAndFolders();
  const std::vector<std::string> roots = drives.DriveRoots();
  CHECK(!roots.empty());
  for (std::size_t i = 1; i < roots.size(); ++i) CHECK(roots[i - 1] < roots[i]);
  CHECK(drives.KindOf("c:\\") == DriveKind::Fixed);
  CHECK(drives.VolumeLabel("c:\\").has_value());
  const std::string current = Current();
  CHECK(!drives.CurrentFolder().empty());
  CHECK_EQ(drives.CurrentFolder(), current);
}

// Windows keeps a current folder for each drive: the current folder on the
// current drive, the "=D:" environment entry for another, else the root.
TEST_CASE(EachDriveHasTheCurrentFolderTheProcessKeepsForIt) {
  Drives& drives = ThePlatform().DrivesAndFolders();
  const std::string here = Current();
  CHECK_EQ(Lower(drives.CurrentFolderOnDrive(here[0])), Lower(here));
  const char unused = UnusedLetter();
  if (!unused) return;
  const std::string letter(1, unused);
  const std::string variable = "=" + letter + ":";
  CHECK_EQ(Lower(drives.CurrentFolderOnDrive(unused)), letter + ":\\");
  SetEnvironmentVariableA(variable.c_str(), (letter + ":\\clips\\movies").c_str());
  CHECK_EQ(Lower(drives.CurrentFolderOnDrive(unused)), letter + ":\\clips\\movies");
  SetEnvironmentVariableA(variable.c_str(), nullptr);
  CHECK_EQ(Current(), here);
}

}  // namespace vantor::win32::test
