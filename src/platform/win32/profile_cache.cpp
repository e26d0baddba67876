#include "platform/win32/profile_cache.h"

#include "platform/win32/whole_file.h"

namespace vantor::win32 {

ProfileCache::Stamp ProfileCache::StampOf(const std::string& path) {
  Stamp stamp;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return stamp;
  stamp.present = true;
  stamp.written = data.ftLastWriteTime;
  stamp.sizeHigh = data.nFileSizeHigh;
  stamp.sizeLow = data.nFileSizeLow;
  return stamp;
}

bool ProfileCache::Same(const Stamp& a, const Stamp& b) {
  return a.present == b.present && CompareFileTime(&a.written, &b.written) == 0 &&
         a.sizeHigh == b.sizeHigh && a.sizeLow == b.sizeLow;
}

const ini::Index& ProfileCache::Of(const std::string& path, unsigned long event) {
  if (held_ && path == path_ && event == event_) return index_;
  event_ = event;
  const Stamp now = StampOf(path);
  if (held_ && path == path_ && Same(now, stamp_)) return index_;
  std::string text;
  const bool read = now.present && ReadWholeFile(path, text);
  index_ = ini::Index(read ? text : std::string());
  // A file that is there but cannot be read now is tried again next time.
  held_ = read || !now.present;
  path_ = path;
  stamp_ = now;
  return index_;
}

}  // namespace vantor::win32
