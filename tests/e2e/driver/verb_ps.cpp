// Lists the processes of the Wine session, so that the test runner can see
// programs a test left running.

#include <windows.h>
// The process snapshot needs the types of windows.h first.
#include <tlhelp32.h>

#include <cstdio>

#include "verbs.h"

namespace vdriver {

int Processes(const Args&) {
  const KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot.Valid()) {
    std::fprintf(stderr, "vdriver: no process snapshot (%lu)\n", GetLastError());
    return kFailed;
  }
  DWORD self = GetCurrentProcessId();
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ProcessID == self) continue;
    std::printf("pid=%lu name=%s\n", entry.th32ProcessID, entry.szExeFile);
  }
  return kOk;
}

}  // namespace vdriver
