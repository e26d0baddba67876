// Modal showing and the end of a window from inside its own events.
#include <thread>

#include "check.h"
#include "fixtures.h"

namespace vantor::win32::test {

namespace {

ControlSpec TimerOf(int interval) {
  ControlSpec timer = Make("tmr", ControlKind::Timer, {});
  timer.interval = interval;
  return timer;
}

}  // namespace

TEST_CASE(ModalShowDisablesTheOthersUntilTheDialogGoes) {
  Recorder ownerEvents;
  auto owner = ThePlatform().CreateForm(
      MakeForm("Owner", {TimerOf(20), Make("btn", ControlKind::Button, {0, 0, 60, 20}, "b")}),
      ownerEvents);
  owner->Show();
  HWND ownerWindow = WindowOf(*owner);

  Recorder dialogEvents;
  std::unique_ptr<FormHost> dialog;
  bool ownerDisabledMeanwhile = false;
  int ownerTicksMeanwhile = 0;
  dialogEvents.onEvent = [&](const Event&) {
    if (dialogEvents.events.size() == 1)
      ownerTicksMeanwhile = ownerEvents.Count(EventKind::Timer, 0);
    ownerDisabledMeanwhile = !IsWindowEnabled(ownerWindow);
    if (dialogEvents.events.size() == 10) {
      ownerTicksMeanwhile = ownerEvents.Count(EventKind::Timer, 0) - ownerTicksMeanwhile;
      dialog->Destroy();
    }
  };
  dialog = ThePlatform().CreateForm(MakeForm("Dialog", {TimerOf(20)}), dialogEvents);
  dialog->ShowModal();

  CHECK_EQ(dialogEvents.events.size(), 10u);
  CHECK(ownerDisabledMeanwhile);
  CHECK(ownerTicksMeanwhile >= 3);  // the other windows' timers go on
  CHECK(IsWindowEnabled(ownerWindow));
  CHECK(!IsWindow(WindowOf(*dialog)) || dialog->Handle() == 0);
  CHECK_EQ(GetActiveWindow(), ownerWindow);
}

// Another process presses the dialog's button (a message sent from another
// thread): the modal show must end although no message is posted.
TEST_CASE(AModalShowEndsOnAClickFromAnotherThread) {
  for (const bool hide : {false, true}) {
    Recorder events;
    std::unique_ptr<FormHost> dialog;
    events.onEvent = [&](const Event&) {
      if (hide) {
        dialog->Hide();
      } else {
        dialog->Destroy();
      }
    };
    dialog = ThePlatform().CreateForm(
        MakeForm("Clicked", {Make("btn", ControlKind::Button, {0, 0, 60, 20}, "b")}), events);
    HWND button = reinterpret_cast<HWND>(dialog->ControlHandle(0));
    const DWORD mainThread = GetCurrentThreadId();
    std::thread presser([button] {
      Sleep(100);
      SendMessageA(button, BM_CLICK, 0, 0);
    });
    // Should the show not end by itself, this ends the wait so that the
    // check below fails instead of the tests hanging.
    std::thread rescuer([mainThread] {
      Sleep(3000);
      PostThreadMessageA(mainThread, WM_NULL, 0, 0);
    });
    const DWORD start = GetTickCount();
    dialog->ShowModal();
    CHECK(GetTickCount() - start < 2000);
    CHECK_EQ(events.events.size(), 1u);
    presser.join();
    rescuer.join();
  }
}

TEST_CASE(HidingAModalWindowEndsItsModalShow) {
  Recorder events;
  std::unique_ptr<FormHost> dialog;
  events.onEvent = [&](const Event&) {
    if (events.events.size() == 3) dialog->Hide();
  };
  dialog = ThePlatform().CreateForm(MakeForm("Hidden", {TimerOf(20)}), events);
  dialog->ShowModal();
  CHECK(events.events.size() >= 3);
  CHECK(dialog->Handle() != 0);
  CHECK(!dialog->IsVisible());
}

TEST_CASE(DestroyedFromItsOwnClick) {
  Recorder events;
  std::unique_ptr<FormHost> form;
  events.onEvent = [&](const Event&) { form->Destroy(); };
  form = ThePlatform().CreateForm(
      MakeForm("Destroyed", {Make("btn", ControlKind::Button, {0, 0, 60, 20}, "b"),
                             Make("img", ControlKind::Image, {0, 30, 20, 20})}),
      events);
  form->Show();
  const int formsBefore = static_cast<int>(TheApp().Forms().size());
  SendMessageA(ControlWindow(*form, 1000), BM_CLICK, 0, 0);
  CHECK_EQ(events.events.size(), 1u);
  CHECK_EQ(form->Handle(), WindowHandle{0});
  CHECK_EQ(static_cast<int>(TheApp().Forms().size()), formsBefore - 1);
  // What the core may still ask of a window it has just unloaded.
  CHECK_EQ(form->Left(), 0);
  CHECK_EQ(form->Text(0), "b");
  form->SetText(0, "after");
  form->SetTimer(0, true, 10);
  form->Destroy();
  CHECK(!form->IsVisible());
}

TEST_CASE(DeletedFromItsOwnEvents) {
  for (const bool byTimer : {false, true}) {
    Recorder events;
    std::unique_ptr<FormHost> form;
    events.onEvent = [&](const Event&) { form.reset(); };
    form = ThePlatform().CreateForm(
        MakeForm("Deleted",
                 {TimerOf(byTimer ? 10 : 0), Make("img", ControlKind::Image, {0, 0, 20, 20})}),
        events);
    form->Show();
    HWND image = ControlWindow(*form, 1001);
    if (byTimer) {
      Pump(100);
    } else {
      SendMessageA(image, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
      SendMessageA(image, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    CHECK(form == nullptr);
    CHECK(!IsWindow(image));
  }
}

}  // namespace vantor::win32::test
