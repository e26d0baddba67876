#include "videosource/paths.h"

#include "common/text.h"

namespace vantor {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool EndsInBackslash(const std::string& s) { return !s.empty() && s.back() == '\\'; }

// The folder part as written, before the clean-up.
std::string RawFolderPart(const std::string& s) {
  if (EndsInBackslash(s)) return s == "\\" ? std::string() : s;
  const std::size_t slash = s.find_last_of('\\');
  if (slash != std::string::npos) return s.substr(0, slash + 1);
  if (s.size() == 1) return IsLetter(s[0]) ? s + ":\\" : std::string();
  const std::size_t colon = s.find(':');
  if (colon == std::string::npos) return {};
  // "e:intro.avi": the drive alone; a text ending in its first colon has none.
  if (s.size() > 2) return s.size() > colon + 1 ? s.substr(0, colon + 1) + "\\" : std::string();
  return s + "\\";
}

}  // namespace

std::string LowerCase(std::string text) {
  for (char& c : text) c = AsciiLower(c);
  return text;
}

std::string FolderOfPath(const std::string& path) {
  std::string r = RawFolderPart(path);
  if (r.size() == 1) r.clear();
  if (!r.empty() && !EndsInBackslash(r)) r += '\\';
  const std::size_t colon = r.find(':');
  if (colon == std::string::npos) {
    if (!r.empty() && r.front() != '\\') r.insert(r.begin(), '\\');
  } else {
    if (colon >= 2) r.erase(0, colon - 1);  // drop what stands before the drive letter
    // "e:clips\" becomes "e:\clips\"
    if (r.size() >= 2 && (r.size() < 3 || r[2] != '\\')) r.insert(r.begin() + 2, '\\');
  }
  return LowerCase(r);
}

std::string NormalizeFolderPath(const std::string& path, const std::string& currentFolder) {
  std::string p(TrimBlanks(path));
  const std::size_t colon = p.find(':');
  if (p.size() == 1) {
    p += ":\\";
  } else if (p.size() == 2 && p[1] == ':') {
    p += '\\';
  } else if (p.size() >= 2 && colon != std::string::npos) {
    if (colon == 0) p.insert(p.begin(), 'c');
    const std::size_t first = p.find(':');
    if (first >= 2) p.erase(0, first - 1);
  } else if (p.size() >= 2) {
    std::string drive = currentFolder.substr(0, 2);
    if (drive.size() == 1) drive += ':';
    if (p.front() != '\\') p.insert(p.begin(), '\\');
    p = drive + p;
  }
  if (!EndsInBackslash(p)) p += '\\';
  return p;
}

}  // namespace vantor
