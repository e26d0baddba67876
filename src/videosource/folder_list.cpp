#include "videosource/folder_list.h"

#include "videosource/paths.h"

namespace vantor {
namespace {

constexpr int kIndentPerLevel = 2;

// The names between the root and the end: "c:\a\b\" gives a, b.
std::vector<std::string> NamesBelowRoot(const std::string& folder) {
  std::vector<std::string> names;
  std::size_t start = folder.size() >= 3 ? 3 : folder.size();
  while (start < folder.size()) {
    std::size_t end = folder.find('\\', start);
    if (end == std::string::npos) end = folder.size();
    if (end > start) names.push_back(folder.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

std::string Indented(const std::string& name, std::size_t level) {
  return std::string(level * kIndentPerLevel, ' ') + name;
}

}  // namespace

std::vector<FolderListEntry> FolderListEntries(const std::string& openFolder,
                                               const std::vector<std::string>& subFolders) {
  std::vector<FolderListEntry> entries;
  if (openFolder.empty()) return entries;
  // Drive letters show in lower case, as in the drive list.
  std::string path = LowerCase(openFolder.substr(0, 2)) + "\\";
  entries.push_back({path, path});
  const std::vector<std::string> names = NamesBelowRoot(openFolder);
  for (std::size_t i = 0; i < names.size(); ++i) {
    path += names[i] + "\\";
    entries.push_back({Indented(names[i], i + 1), path});
  }
  for (const std::string& sub : subFolders)
    entries.push_back({Indented(sub, names.size() + 1), path + sub + "\\"});
  return entries;
}

int OpenFolderIndex(const std::string& openFolder) {
  return static_cast<int>(NamesBelowRoot(openFolder).size());
}

}  // namespace vantor
