// A private folder of the help system's files for one backend test.
#pragma once

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "platform/win32/scoped.h"
#include "platform/win32/win32.h"

namespace vantor::win32::test {

// A private folder of the help system's files for one test: the doubles
// find it through VANTOR_HOST_DIR, so no test sees another's state or log.
class HostFolder {
 public:
  HostFolder() {
    static int made = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::ostringstream name;
    name << temp << "vantor-host-" << GetCurrentProcessId() << '-' << ++made;
    path_ = name.str();
    CreateDirectoryA(path_.c_str(), nullptr);
    SetEnvironmentVariableA("VANTOR_HOST_DIR", path_.c_str());
  }
  ~HostFolder() {
    SetEnvironmentVariableA("VANTOR_HOST_DIR", nullptr);
    for (const std::string& file : files_) DeleteFileA(file.c_str());
    DeleteFileA(File("host-state.ini").c_str());
    DeleteFileA(File("host-calls.log").c_str());
    for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) {
      RemoveDirectoryA(folder->c_str());
    }
    RemoveDirectoryA(path_.c_str());
  }
  HostFolder(const HostFolder&) = delete;
  HostFolder& operator=(const HostFolder&) = delete;

  std::string File(const std::string& name) const { return path_ + "\\" + name; }

  // Writes [HelpObject] of host-state.ini as another program would. The
  // profile functions know a file by its write time, so each version gets
  // a later one: two writes within the clock's step would look like one.
  void SetState(const std::string& lines) {
    const std::string path = File("host-state.ini");
    {
      std::ofstream file(path, std::ios::binary | std::ios::trunc);
      file << "[HelpObject]\r\n" << lines;
    }
    const KernelHandle handle(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER stamp{{now.dwLowDateTime, now.dwHighDateTime}};
    stamp.QuadPart += ++versions_ * 10'000'000ULL;
    const FILETIME later{stamp.LowPart, stamp.HighPart};
    SetFileTime(handle, nullptr, nullptr, &later);
  }

  // host-calls.log, one "\n"-ended line per call; empty when there is none.
  std::string Log() const {
    std::ifstream file(File("host-calls.log"), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::string lines;
    for (const char c : text) {
      if (c != '\r') lines += c;
    }
    return lines;
  }

  // A folder inside this one, removed with it.
  std::string NewFolder(const std::string& name) {
    folders_.push_back(File(name));
    CreateDirectoryA(folders_.back().c_str(), nullptr);
    return folders_.back();
  }
  void Copy(const std::string& from, const std::string& to) {
    files_.push_back(to);
    CopyFileA(from.c_str(), to.c_str(), FALSE);
  }

 private:
  std::string path_;
  std::vector<std::string> files_;
  std::vector<std::string> folders_;
  int versions_ = 0;
};

}  // namespace vantor::win32::test
