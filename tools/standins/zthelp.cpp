// The help system's topic opener as a test double: it opens nothing, it
// logs the call (host_files.h) and answers 0.
#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "host_files.h"

extern "C" short __stdcall OpenTopic(HWND window, long topic) {
  char line[96];
  std::snprintf(line, sizeof line, "OpenTopic hwnd=0x%08X window=%s topic=%ld",
                static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(window)),
                IsWindow(window) ? "yes" : "no", topic);
  vantor::standins::AppendLog(line);
  return 0;
}
