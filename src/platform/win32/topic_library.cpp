#include "platform/win32/topic_library.h"

#include "settings/settings.h"

namespace vantor::win32 {

std::optional<std::int16_t> TopicLibrary::OpenTopic(const std::string& folder, HWND window,
                                                    std::int32_t topic) {
  if (!openTopic_) {
    // A damaged file must fail quietly, not with a system error box.
    const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryA(JoinPath(folder, "zthelp.dll").c_str());
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
