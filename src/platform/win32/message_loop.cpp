#include "platform/win32/message_loop.h"

#include "common/phase_log.h"
#include "platform/win32/win32_form_host.h"

namespace vantor::win32 {
namespace {

void Dispatch(App& app, MSG& message) {
  app.NoteEvent();
  if (Win32FormHost* form = app.FormOf(message.hwnd)) {
    // Before the move reaches the control, so that its tool tip sees it.
    if (message.message == WM_MOUSEMOVE) form->PointerArrived();
    if (form->HandleDialogKey(message)) return;
    if (IsDialogMessageA(form->Window(), &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

}  // namespace

void RunMessageLoop(App& app, const std::function<bool()>& done) {
  MSG message;
  while (!done()) {
#ifdef VANTOR_PHASE_LOG
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      phases::Mark("first paint and start-up messages");
      phases::Write();
    }
#endif
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) return;
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(app, message);
  }
}

void WakeMessageLoop() { PostMessageA(nullptr, WM_NULL, 0, 0); }

void DispatchPending(App& app) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(app, message);
  }
}

}  // namespace vantor::win32
