// The help system's zthelp.dll and its OpenTopic: from the program's own
// folder, else from where Windows finds a library by its plain name (the host
// may install it with itself or in the system folder), never from the
// current folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/win32/win32.h"

namespace vantor::win32 {

// Once found, the library stays loaded until the process ends: the help
// system may have windows of its own open that live in it.
class TopicLibrary {
 public:
  // OpenTopic(window, topic) of `folder`\zthelp.dll, or of the zthelp.dll
  // that the system's search finds; nullopt when the
  // library or the function is missing. Until it is found, every call looks
  // again, since the help system may be installed while the program runs.
  std::optional<std::int16_t> OpenTopic(const std::string& folder, HWND window, std::int32_t topic);

 private:
  using OpenTopicFunction = short(__stdcall*)(HWND, long);

  OpenTopicFunction openTopic_ = nullptr;
};

}  // namespace vantor::win32
