#include "platform/win32/profile_cache.h"

#include "platform/win32/whole_file.h"

namespace vantor::win32 {

std::string AnsiTextOf(const std::string& bytes) {
  const auto starts = [&](const char* mark, std::size_t n) {
    return bytes.compare(0, n, mark, n) == 0;
  };
  std::wstring wide;
  if (starts("\xFF\xFE", 2) || starts("\xFE\xFF", 2)) {
    const bool bigEndian = bytes[0] == '\xFE';
    wide.reserve(bytes.size() / 2);
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      const auto first = static_cast<unsigned char>(bytes[i]);
      const auto second = static_cast<unsigned char>(bytes[i + 1]);
      wide.push_back(
          static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
  } else if (starts("\xEF\xBB\xBF", 3)) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data() + 3,
                                      static_cast<int>(bytes.size() - 3), nullptr, 0);
    wide.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    if (n > 0)
      MultiByteToWideChar(CP_UTF8, 0, bytes.data() + 3, static_cast<int>(bytes.size() - 3),
                          wide.data(), n);
  } else {
    return bytes;
  }
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), n, nullptr, nullptr);
  return ansi;
}

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
  index_ = ini::Index(read ? AnsiTextOf(text) : std::string());
  // A file that is there but cannot be read now is tried again next time.
  held_ = read || !now.present;
  path_ = path;
  stamp_ = now;
  return index_;
}

}  // namespace vantor::win32
