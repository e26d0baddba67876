#include "platform/win32/whole_file.h"

#include "platform/win32/scoped.h"

namespace vantor::win32 {

bool ReadWholeFile(const std::string& path, std::string& text) {
  const KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  text.clear();
  char chunk[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != FALSE) && got > 0)
    text.append(chunk, got);
  return ok;
}

}  // namespace vantor::win32
