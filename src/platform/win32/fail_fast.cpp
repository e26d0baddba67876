#include "platform/win32/fail_fast.h"

#include <cstdio>
#include <string>

#include "platform/win32/win32.h"

namespace vantor::win32 {

void FailFast(const char* what) {
  const std::string line = std::string("vantor: internal error: ") + what + "\n";
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  OutputDebugStringA(line.c_str());
  ExitProcess(3);
}

}  // namespace vantor::win32
