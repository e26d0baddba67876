#include "platform/win32/topic_library.h"

#include "common/text.h"

namespace vantor::win32 {

namespace {

constexpr char kLibraryName[] = "zthelp.dll";

// The library beside the program first; then, by its plain name, where
// Windows looks for one (the system folders, the Windows folder, PATH), but
// never in the current folder, where anyone could have put a file of that
// name. SetDllDirectoryA("") takes the current folder out of the search on
// Windows; loaders that keep it (Wine's) search the program's own folder
// there instead, which was looked at already, for the time of the load.
HMODULE LoadTopicLibrary(const std::string& folder) {
  if (HMODULE beside = LoadLibraryA(JoinPath(folder, kLibraryName).c_str())) return beside;
  char current[MAX_PATH];
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, current);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  if (!SetDllDirectoryA("") || !SetCurrentDirectoryA(folder.c_str())) return nullptr;
  HMODULE found = LoadLibraryA(kLibraryName);
  SetCurrentDirectoryA(current);
  return found;
}

}  // namespace

std::optional<std::int16_t> TopicLibrary::OpenTopic(const std::string& folder, HWND window,
                                                    std::int32_t topic) {
  if (!openTopic_) {
    // A damaged file must fail quietly, not with a system error box.
    const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadTopicLibrary(folder);
    SetErrorMode(errorMode);
    if (!module) return std::nullopt;
    const FARPROC found = GetProcAddress(module, "OpenTopic");
    if (!found) {
      FreeLibrary(module);
      return std::nullopt;
    }
    openTopic_ = reinterpret_cast<OpenTopicFunction>(reinterpret_cast<void*>(found));
  }
  return static_cast<std::int16_t>(openTopic_(window, static_cast<long>(topic)));
}

}  // namespace vantor::win32
