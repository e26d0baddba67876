#include "platform/win32/win32_platform.h"

#include <cstring>
#include <vector>

#include "platform/win32/automation_client.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/screen.h"
#include "platform/win32/win32_form_host.h"

namespace vantor::win32 {

namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

std::string ModulePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string ArgumentsOf(const char* commandLine) {
  const char* p = commandLine ? commandLine : "";
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

std::string FolderOf(const std::string& filePath) {
  const std::size_t slash = filePath.find_last_of('\\');
  if (slash == std::string::npos) return {};
  std::string folder = filePath.substr(0, slash);
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  return folder;
}

Win32Platform::Win32Platform(App& app) : app_(app) {}

std::string Win32Platform::ProfileString(const std::string& section, const std::string& key,
                                         const std::string& path) {
  return profiles_.Of(path, app_.Events()).ReadString(section, key).value_or(std::string());
}

std::int32_t Win32Platform::ProfileInt(const std::string& section, const std::string& key,
                                       std::int32_t fallback, const std::string& path) {
  return profiles_.Of(path, app_.Events()).ReadInt(section, key, fallback);
}

bool Win32Platform::WriteProfileString(const std::string& section, const std::string& key,
                                       const std::string& value, const std::string& path) {
  const bool written = WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                                  path.c_str()) != FALSE;
  profiles_.Forget();
  return written;
}

std::string Win32Platform::CommandLine() { return ArgumentsOf(GetCommandLineA()); }

std::string Win32Platform::ProgramFolder() { return FolderOf(ModulePath()); }

// Read from the program's own version resource, as the version library
// would read it from the file, without loading that library into every
// start for the one window that shows the version.
VersionInfo Win32Platform::ProgramVersion() {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(VS_VERSION_INFO), MAKEINTRESOURCEA(16));
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const auto* data = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
  const DWORD size = found ? SizeofResource(nullptr, found) : 0;
  // The fixed part follows the record's three words and its name
  // "VS_VERSION_INFO" in UTF-16, aligned to four bytes.
  constexpr DWORD kFixedAt = 40;
  if (!data || size < kFixedAt + sizeof(VS_FIXEDFILEINFO)) return {};
  VS_FIXEDFILEINFO info;
  std::memcpy(&info, data + kFixedAt, sizeof info);
  if (info.dwSignature != 0xFEEF04BD) return {};
  return {HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS), HIWORD(info.dwFileVersionLS)};
}

// Only remembered: a hidden window carrying the title would be found by the
// title searches of a second instance in place of the real window.
void Win32Platform::SetAppTitle(const std::string& title) { appTitle_ = title; }

void Win32Platform::SetPointer(Pointer pointer) { app_.SetPointer(pointer); }

void Win32Platform::DoEvents() { DispatchPending(app_); }

void Win32Platform::EndNow() { ExitProcess(0); }

Screen Win32Platform::CurrentScreen() { return ScreenNow(); }

WindowHandle Win32Platform::FindTopLevelWindow(const std::string& exactTitle) {
  return reinterpret_cast<WindowHandle>(FindWindowA(nullptr, exactTitle.c_str()));
}

bool Win32Platform::IsWindowVisible(WindowHandle window) {
  return ::IsWindowVisible(ToHwnd(window)) != FALSE;
}

void Win32Platform::RestoreAndShow(WindowHandle window) {
  ShowWindow(ToHwnd(window), SW_SHOWNORMAL);
}

bool Win32Platform::IsToolWindow(WindowHandle window) {
  return (GetWindowLongA(ToHwnd(window), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
}

std::optional<Rect> Win32Platform::NormalPlacement(WindowHandle window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(ToHwnd(window), &placement)) return std::nullopt;
  const RECT& r = placement.rcNormalPosition;
  return Rect{r.left, r.top, r.right, r.bottom};
}

PixelOffset Win32Platform::WorkAreaOffset(WindowHandle window) {
  return WorkAreaOffsetOf(ToHwnd(window));
}

// Posted, not sent: a window of another process that is busy must not hold
// up this start.
bool Win32Platform::AskToClose(WindowHandle window) {
  return PostMessageA(ToHwnd(window), WM_CLOSE, 0, 0) != FALSE;
}

void Win32Platform::AppActivate(const std::string& title) {
  HWND window = FindWindowA(nullptr, title.c_str());
  if (!window) return;
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
}

std::unique_ptr<AutomationObject> Win32Platform::CreateObject(const std::string& progId) {
  return CreateAutomationObject(progId);
}

std::optional<std::int16_t> Win32Platform::OpenTopic(WindowHandle window, std::int32_t topic) {
  return topics_.OpenTopic(ProgramFolder(), ToHwnd(window), topic);
}

std::unique_ptr<FormHost> Win32Platform::CreateForm(const FormSpec& design, FormEvents& events) {
  return std::make_unique<Win32FormHost>(app_, design, events);
}

void Win32Platform::ShowMessage(const std::string& text, const std::string& caption) {
  HWND active = GetActiveWindow();
  HWND owner = app_.FormOf(active) ? active : nullptr;
  MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK);
}

}  // namespace vantor::win32
