// Reads a settings value the way the program reads it: through the
// profile functions, so that blanks and line ends are judged as Windows
// judges them. Holds a file open as another program may, sharing nothing.

#include <windows.h>

#include <cstdio>
#include <string>

#include "verbs.h"

namespace vdriver {

int IniGet(const Args& args) {
  // A default no real value has, to tell a missing key from an empty one.
  constexpr char kMissing[] = "\x01missing\x01";
  char value[4096];
  GetPrivateProfileStringA(args.positional[1].c_str(), args.positional[2].c_str(), kMissing, value,
                           sizeof value, args.positional[0].c_str());
  if (std::string(value) == kMissing) {
    std::fprintf(stderr, "vdriver: [%s] %s is not set\n", args.positional[1].c_str(),
                 args.positional[2].c_str());
    return kFailed;
  }
  std::printf("%s\n", value);
  return kOk;
}

int HoldFile(const Args& args) {
  const KernelHandle file(CreateFileA(args.positional[0].c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) {
    std::fprintf(stderr, "vdriver: cannot open %s (%lu)\n", args.positional[0].c_str(),
                 GetLastError());
    return kFailed;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(args.IntAt(1, 0)));
  return kOk;
}

}  // namespace vdriver
