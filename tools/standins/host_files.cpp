#include "host_files.h"

#include <windows.h>

#include <cstdlib>

#include "platform/win32/scoped.h"

namespace vantor::standins {

namespace {

constexpr char kSection[] = "HelpObject";

std::string HostFile(const char* name) {
  std::string folder = HostFolder();
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder + name;
}

}  // namespace

std::string ThisLibraryPath() {
  HMODULE module = nullptr;
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&ThisLibraryPath), &module);
  char path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
  return std::string(path, n);
}

std::string HostFolder() {
  char named[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableA("VANTOR_HOST_DIR", named, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return std::string(named, n);
  const std::string library = ThisLibraryPath();
  const std::size_t slash = library.find_last_of('\\');
  return slash == std::string::npos ? std::string() : library.substr(0, slash);
}

std::int32_t ReadState(const char* key, std::int32_t fallback) {
  char text[64] = {};
  GetPrivateProfileStringA(kSection, key, "", text, sizeof text,
                           HostFile("host-state.ini").c_str());
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  return end == text ? fallback : static_cast<std::int32_t>(value);
}

void WriteState(const char* key, std::int32_t value) {
  WritePrivateProfileStringA(kSection, key, std::to_string(value).c_str(),
                             HostFile("host-state.ini").c_str());
}

void AppendLog(const std::string& line) {
  const vantor::win32::KernelHandle log(CreateFileA(
      HostFile("host-calls.log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!log.Valid()) return;
  const std::string text = line + "\r\n";
  DWORD written = 0;
  WriteFile(log, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace vantor::standins
