// The program's entry point: start-up decides which window opens, then the
// program runs on that window's events until the last window has gone.
#include "platform/win32/app.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/fail_fast.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/win32_platform.h"
#include "program.h"
#include "startup/run.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // First in, last out: the program's automation objects are released when
  // the program goes, before the apartment is left.
  vantor::win32::ComApartment com;
  vantor::win32::App app(instance);
  vantor::win32::Win32Platform platform(app);
  vantor::Program program(platform);
  int code = 0;
  vantor::win32::Guarded([&] { code = vantor::RunStartup(program); });
  if (!app.HasOpenForms()) return code;
  vantor::win32::RunMessageLoop(app, [&] { return !app.HasOpenForms(); });
  return 0;
}
