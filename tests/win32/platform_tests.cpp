// The Platform operations over the real Windows functions.
#include <cstdio>
#include <optional>
#include <string>

#include "check.h"
#include "common/numbers.h"
#include "fixtures.h"
#include "platform/win32/screen.h"

namespace vantor::win32::test {

namespace {

std::string TempIni() {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  std::string path = std::string(folder) + "vantor-backend-test.ini";
  DeleteFileA(path.c_str());
  return path;
}

// Writes the file as the scanning application would, behind the program's
// back, and gives it that last-write time.
void WriteAsHost(const std::string& path, const std::string& text, const FILETIME& written) {
  const KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD put = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &put, nullptr);
  SetFileTime(file, nullptr, nullptr, &written);
}

FILETIME LastWritten(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

}  // namespace

TEST_CASE(ArgumentsFollowTheProgramName) {
  CHECK_EQ(ArgumentsOf("vantor.exe 1003"), "1003");
  CHECK_EQ(ArgumentsOf("\"C:\\Program Files\\Vantor\\vantor.exe\"   7"), "7");
  CHECK_EQ(ArgumentsOf("\"C:\\Program Files\\Vantor\\vantor.exe\"8"), "8");
  CHECK_EQ(ArgumentsOf("C:\\vantor\\vantor.exe\t 9 "), "9 ");
  CHECK_EQ(ArgumentsOf("vantor.exe"), "");
  CHECK_EQ(ArgumentsOf("\"vantor.exe\""), "");
  CHECK_EQ(ArgumentsOf("vantor.exe a b"), "a b");
}

TEST_CASE(ProgramFolderKeepsOnlyARootsBackslash) {
  CHECK_EQ(FolderOf("C:\\vantor\\vantor.exe"), "C:\\vantor");
  CHECK_EQ(FolderOf("C:\\vantor.exe"), "C:\\");
  CHECK_EQ(FolderOf("\\\\server\\share\\vantor.exe"), "\\\\server\\share");
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  CHECK_EQ(ThePlatform().ProgramFolder() + "\\",
           std::string(path).substr(0, std::string(path).rfind('\\') + 1));
}

TEST_CASE(VersionComesFromTheResource) {
  const VersionInfo version = ThePlatform().ProgramVersion();
  CHECK_EQ(version.major, VANTOR_VERSION_MAJOR);
  CHECK_EQ(version.minor, VANTOR_VERSION_MINOR);
  CHECK_EQ(version.revision, VANTOR_VERSION_REVISION);
}

TEST_CASE(ProfileFunctions) {
  Win32Platform& platform = ThePlatform();
  const std::string ini = TempIni();
  CHECK_EQ(platform.ProfileString("General", "Missing", ini), "");
  CHECK_EQ(platform.ProfileInt("General", "Missing", -1, ini), -1);
  CHECK(platform.WriteProfileString("General", "Count", "42", ini));
  CHECK_EQ(platform.ProfileInt("general", "count", -1, ini), 42);
  const std::string longValue(300, 'x');
  platform.WriteProfileString("General", "Long", longValue, ini);
  CHECK_EQ(platform.ProfileString("General", "Long", ini), std::string(255, 'x'));
  DeleteFileA(ini.c_str());
}

// The settings are read from memory between changes of the file, so every
// change must be noticed: the host's, of another size or at another time,
// by the next event, and the program's own at once, even when it leaves the
// file's size and time as they were.
TEST_CASE(SettingsFileChangesAreSeenAtTheNextRead) {
  Win32Platform& platform = ThePlatform();
  const auto nextEvent = [&platform] {
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    platform.DoEvents();
  };
  const std::string ini = TempIni();
  FILETIME time{};
  time.dwHighDateTime = 0x01d00000;
  WriteAsHost(ini, "[General]\r\nHost=one\r\n", time);
  nextEvent();
  CHECK_EQ(platform.ProfileString("General", "Host", ini), "one");
  WriteAsHost(ini, "[General]\r\nHost=three\r\n", time);
  CHECK_EQ(platform.ProfileString("General", "Host", ini), "one");  // within one event
  nextEvent();
  CHECK_EQ(platform.ProfileString("general", "host", ini), "three");
  time.dwLowDateTime += 10000000;  // one second on
  WriteAsHost(ini, "[General]\r\nHost=other\r\n", time);
  nextEvent();
  CHECK_EQ(platform.ProfileString("General", "Host", ini), "other");

  CHECK_EQ(platform.ProfileInt("General", "Count", -1, ini), -1);
  CHECK(platform.WriteProfileString("General", "Count", "1", ini));
  const FILETIME afterWrite = LastWritten(ini);
  CHECK_EQ(platform.ProfileInt("General", "Count", -1, ini), 1);
  CHECK(platform.WriteProfileString("General", "Count", "2", ini));
  SetFileTime(KernelHandle(CreateFileA(ini.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)),
              nullptr, nullptr, &afterWrite);
  CHECK_EQ(platform.ProfileInt("General", "Count", -1, ini), 2);

  DeleteFileA(ini.c_str());
  nextEvent();
  CHECK_EQ(platform.ProfileString("General", "Host", ini), "");
}

// Translators' editors save the file as UTF-16 or with a UTF-8 mark; the
// program must read such a file as the profile functions do, in the ANSI
// code page ("Caf\xE9" holds the one letter outside ASCII).
TEST_CASE(SettingsFilesWithAByteOrderMarkReadAsTheProfileFunctionsReadThem) {
  Win32Platform& platform = ThePlatform();
  const std::string ini = TempIni();
  const std::string text = "[General]\r\nTitle=Caf\xC3\xA9 Coach\r\nCount=7\r\n";  // UTF-8
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0) - 1, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  std::string little = "\xFF\xFE", big = "\xFE\xFF";
  for (wchar_t c : wide) {
    little += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    big += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
  }
  FILETIME time{};
  time.dwHighDateTime = 0x01d00000;
  for (const std::string& bytes : {little, big, "\xEF\xBB\xBF" + text}) {
    time.dwLowDateTime += 10000000;
    WriteAsHost(ini, bytes, time);
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    platform.DoEvents();
    char real[256] = "";
    GetPrivateProfileStringA("General", "Title", "", real, sizeof real, ini.c_str());
    CHECK_EQ(platform.ProfileString("General", "Title", ini), std::string(real));
    CHECK_EQ(platform.ProfileString("General", "Title", ini).size(),
             10u);  // one byte for the letter
    CHECK_EQ(platform.ProfileInt("General", "Count", -1, ini), 7);
  }
  DeleteFileA(ini.c_str());
}

TEST_CASE(ScreenInTwips) {
  const Screen screen = ThePlatform().CurrentScreen();
  const WindowDC dc(nullptr);
  CHECK_EQ(screen.twipsPerPixel.x, TwipsPerPixelOf(kTwipsPerInch, GetDeviceCaps(dc, LOGPIXELSX)));
  CHECK_EQ(screen.twipsPerPixel.y, TwipsPerPixelOf(kTwipsPerInch, GetDeviceCaps(dc, LOGPIXELSY)));
  CHECK_EQ(screen.widthPx, GetSystemMetrics(SM_CXSCREEN));
  CHECK_EQ(screen.heightPx, GetSystemMetrics(SM_CYSCREEN));
  CHECK_EQ(screen.WidthTwips(), screen.widthPx * screen.twipsPerPixel.x);
  CHECK_EQ(screen.captionHeightPx, GetSystemMetrics(SM_CYCAPTION));
  const Rect work = screen.workArea;
  CHECK(work.right > work.left && work.bottom > work.top);
  CHECK(work.right - work.left <= screen.widthPx && work.bottom - work.top <= screen.heightPx);
}

TEST_CASE(TopLevelWindowsByTitle) {
  Win32Platform& platform = ThePlatform();
  Recorder events;
  auto form = platform.CreateForm(MakeForm("Backend Test Window", {}), events);
  form->Move(1500, 1200, form->Width(), form->Height());
  form->Show();
  const WindowHandle found = platform.FindTopLevelWindow("Backend Test Window");
  CHECK_EQ(found, form->Handle());
  CHECK_EQ(platform.FindTopLevelWindow("Backend Test"), WindowHandle{0});
  CHECK(platform.IsWindowVisible(found));

  const std::optional<Rect> normal = platform.NormalPlacement(found);
  CHECK(normal.has_value());
  RECT r;
  GetWindowRect(WindowOf(*form), &r);
  const RECT work = WorkAreaNow();  // the placement counts from its corner
  CHECK_EQ(normal->left + work.left, r.left);
  CHECK_EQ(normal->right + work.left, r.right);
  CHECK_EQ(normal->bottom + work.top, r.bottom);
  CHECK(!platform.NormalPlacement(WindowHandle{0}).has_value());
  // One monitor, at the screen's origin: its work area's corner is the
  // offset, also for a handle that names no window (the primary's).
  for (const WindowHandle window : {found, WindowHandle{0}}) {
    const PixelOffset offset = platform.WorkAreaOffset(window);
    CHECK_EQ(offset.x, work.left);
    CHECK_EQ(offset.y, work.top);
  }
  // Our own window's normal rectangle, with the offset added, is where it
  // stands; minimised, it keeps that place.
  const TwipsPerPixel tpp = TwipsPerPixelNow();
  const TwipsRect normalTwips = form->WorkspaceNormalRect();
  CHECK_EQ(normalTwips.left + work.left * tpp.x, form->Left());
  CHECK_EQ(normalTwips.top + work.top * tpp.y, form->Top());
  CHECK_EQ(normalTwips.width, form->Width());
  ShowWindow(WindowOf(*form), SW_MINIMIZE);
  CHECK(form->WorkspaceNormalRect() == normalTwips);
  ShowWindow(WindowOf(*form), SW_RESTORE);

  CHECK(platform.AskToClose(found));
  platform.DoEvents();
  CHECK_EQ(events.closeRequests, 1);
  CHECK(IsWindow(WindowOf(*form)));

  ShowWindow(WindowOf(*form), SW_MINIMIZE);
  ShowWindow(WindowOf(*form), SW_HIDE);
  CHECK(!platform.IsWindowVisible(found));
  platform.RestoreAndShow(found);
  CHECK(platform.IsWindowVisible(found));
  CHECK(form->WindowState() == WindowState::Normal);
}

TEST_CASE(BusyPointerOverTheProgramsWindows) {
  Win32Platform& platform = ThePlatform();
  Recorder events;
  auto form = platform.CreateForm(
      MakeForm("Pointer", {Make("lbl", ControlKind::Label, {0, 0, 100, 20}, "label")}), events);
  form->Show();
  HWND label = ControlWindow(*form, 1000);
  const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
  platform.SetPointer(Pointer::Hourglass);
  CHECK(SendMessageA(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), overClient));
  CHECK(GetCursor() == LoadCursorA(nullptr, IDC_WAIT));
  platform.SetPointer(Pointer::ArrowHourglass);
  SendMessageA(WindowOf(*form), WM_SETCURSOR, reinterpret_cast<WPARAM>(WindowOf(*form)),
               overClient);
  CHECK(GetCursor() == LoadCursorA(nullptr, IDC_APPSTARTING));
  platform.SetPointer(Pointer::Default);
  SendMessageA(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), overClient);
  CHECK(GetCursor() == LoadCursorA(nullptr, IDC_ARROW));
}

TEST_CASE(EndNowExitsWithZeroAndAnEscapedExceptionWithThree) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  for (const auto& [argument, expected] : {std::pair{"--end-now", 0}, std::pair{"--throw", 3}}) {
    std::string command = std::string("\"") + path + "\" " + argument;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    StartedProcess process;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, process.Out())) {
      CHECK(!"the test program could not start itself");
      continue;
    }
    CHECK_EQ(WaitForSingleObject(process.Process(), 10000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(process.Process(), &code);
    CHECK_EQ(static_cast<int>(code), expected);
  }
}

}  // namespace vantor::win32::test
