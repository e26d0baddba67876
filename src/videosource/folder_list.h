// The folder list of the folder picker as text: the open folder's drive
// root, each folder down to the open folder, then its sub-folders, each
// name indented two blanks per level below the root:
//   c:\          <- the root
//     program files
//       vantor        <- the open folder
//         clips
#pragma once

#include <string>
#include <vector>

namespace vantor {

struct FolderListEntry {
  std::string text;  // as the list shows it
  std::string path;  // the folder, with a trailing backslash
};

// `openFolder` is a folder with its drive and a trailing backslash
// ("c:\program files\vantor\"); the open folder's entry is at index
// OpenFolderIndex(openFolder).
std::vector<FolderListEntry> FolderListEntries(const std::string& openFolder,
                                               const std::vector<std::string>& subFolders);
int OpenFolderIndex(const std::string& openFolder);

}  // namespace vantor
