// What a form reports to the core: clicks, double clicks and mouse moves
// of every kind of control, the close box, the dialog keys and timer ticks.
#include "check.h"
#include "fixtures.h"
#include "platform/win32/message_loop.h"

namespace vantor::win32::test {

namespace {

void PostKey(HWND window, WPARAM key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
  Pump(30);
}

FormSpec KeysForm(bool withCancel) {
  ControlSpec option = Make("opt", ControlKind::OptionButton, {10, 10, 100, 18}, "option");
  ControlSpec ok = Make("btn_OK", ControlKind::Button, {10, 40, 75, 25}, "OK");
  ok.isDefault = true;
  ControlSpec other = Make("btn_Other", ControlKind::Button, {90, 40, 75, 25}, "Other");
  ControlSpec cancel = Make("btn_Cancel", ControlKind::Button, {170, 40, 75, 25}, "Cancel");
  cancel.isCancel = withCancel;
  return MakeForm("Keys", {option, ok, other, cancel});
}

}  // namespace

TEST_CASE(ClicksOfEveryKind) {
  Recorder events;
  auto form = ThePlatform().CreateForm(
      MakeForm("Clicks", {Make("btn", ControlKind::Button, {0, 0, 60, 20}, "b"),
                          Make("lbl", ControlKind::Label, {0, 30, 60, 20}, "l"),
                          Make("img", ControlKind::Image, {70, 0, 40, 40}),
                          Make("box", ControlKind::PictureBox, {120, 0, 60, 60}),
                          Make("opt", ControlKind::OptionButton, {0, 60, 60, 20}, "o"),
                          Make("lst", ControlKind::DirList, {200, 0, 60, 60}),
                          Make("ln", ControlKind::Line, {0, 90, 100, 0})}),
      events);
  form->Show();
  SendMessageA(ControlWindow(*form, 1000), BM_CLICK, 0, 0);
  CHECK_EQ(events.Count(EventKind::Click, 0), 1);

  HWND label = ControlWindow(*form, 1001);
  SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageA(label, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  CHECK_EQ(events.Count(EventKind::Click, 1), 1);
  CHECK_EQ(events.Count(EventKind::DblClick, 1), 1);

  for (int id : {2, 3}) {
    HWND own = ControlWindow(*form, 1000 + id);
    SendMessageA(own, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // a release alone is no click
    SendMessageA(own, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(own, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageA(own, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(own, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));  // released outside
    SendMessageA(own, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    CHECK_EQ(events.Count(EventKind::Click, id), 1);
    CHECK_EQ(events.Count(EventKind::DblClick, id), 1);
  }
  SendMessageA(ControlWindow(*form, 1004), BM_CLICK, 0, 0);
  CHECK_EQ(events.Count(EventKind::Click, 4), 1);
  CHECK(form->Value(4));

  HWND list = ControlWindow(*form, 1005);
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
  SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(5, 3));
  CHECK_EQ(events.Count(EventKind::Click, 5), 1);

  CHECK_EQ(SendMessageA(ControlWindow(*form, 1006), WM_NCHITTEST, 0, 0), HTTRANSPARENT);
}

TEST_CASE(MouseMovesInTheControlsPixels) {
  Recorder events;
  auto form = ThePlatform().CreateForm(
      MakeForm("Moves", {Make("lbl", ControlKind::Label, {0, 0, 60, 20}, "l"),
                         Make("btn", ControlKind::Button, {0, 30, 60, 20}, "b"),
                         Make("box", ControlKind::PictureBox, {100, 0, 60, 60}),
                         Make("img", ControlKind::Image, {5, 5, 20, 20}, "", "box")}),
      events);
  form->Show();
  SendMessageA(ControlWindow(*form, 1000), WM_MOUSEMOVE, 0, MAKELPARAM(7, 9));
  SendMessageA(ControlWindow(*form, 1001), WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
  SendMessageA(ControlWindow(*form, 1002), WM_MOUSEMOVE, 0, MAKELPARAM(50, 51));
  SendMessageA(ControlWindow(*form, 1003), WM_MOUSEMOVE, 0, MAKELPARAM(1, 2));
  SendMessageA(WindowOf(*form), WM_MOUSEMOVE, 0, MAKELPARAM(250, 150));
  const std::vector<std::tuple<ControlId, int, int>> expected = {
      {0, 7, 9}, {1, 3, 4}, {2, 50, 51}, {3, 1, 2}, {kFormItself, 250, 150}};
  std::vector<std::tuple<ControlId, int, int>> moves;
  for (const Event& e : events.events) {
    if (e.kind == EventKind::MouseMove) moves.emplace_back(e.control, e.x, e.y);
  }
  CHECK(moves == expected);
}

TEST_CASE(TheCloseBoxAsksTheCore) {
  Recorder events;
  auto form = ThePlatform().CreateForm(MakeForm("Close", {}), events);
  form->Show();
  SendMessageA(WindowOf(*form), WM_SYSCOMMAND, SC_CLOSE, 0);
  CHECK_EQ(events.closeRequests, 1);
  CHECK(IsWindow(WindowOf(*form)));
  CHECK(form->IsVisible());
}

TEST_CASE(EnterAndEscape) {
  Recorder events;
  auto form = ThePlatform().CreateForm(KeysForm(true), events);
  form->SetValue(0, true);
  form->Show();
  HWND option = ControlWindow(*form, 1000);
  CHECK_EQ(GetFocus(), option);  // the first control that takes the focus

  PostKey(option, VK_RETURN);
  CHECK_EQ(events.Count(EventKind::Click, 1), 1);
  PostKey(option, VK_ESCAPE);
  CHECK_EQ(events.Count(EventKind::Click, 3), 1);

  HWND other = ControlWindow(*form, 1002);
  SetFocus(other);
  PostKey(other, VK_RETURN);  // a focused push button takes Enter
  CHECK_EQ(events.Count(EventKind::Click, 2), 1);
  CHECK_EQ(events.Count(EventKind::Click, 1), 1);

  form->SetEnabled(1, false);
  SetFocus(option);
  PostKey(option, VK_RETURN);
  CHECK_EQ(events.Count(EventKind::Click, 1), 1);

  PostKey(option, VK_TAB);  // the dialog manager moves on to the next tab stop
  CHECK_EQ(GetFocus(), other);

  Recorder noCancel;
  auto second = ThePlatform().CreateForm(KeysForm(false), noCancel);
  second->Show();
  PostKey(GetFocus(), VK_ESCAPE);
  CHECK(noCancel.events.empty());
}

TEST_CASE(FocusComesBackAfterDeactivation) {
  Recorder events;
  auto first = ThePlatform().CreateForm(KeysForm(true), events);
  auto second = ThePlatform().CreateForm(KeysForm(true), events);
  first->Show();
  HWND other = ControlWindow(*first, 1002);
  SetFocus(other);
  second->Show();
  CHECK(GetFocus() != other);
  first->Show();
  CHECK_EQ(GetFocus(), other);
}

TEST_CASE(TimersTickWhileEnabled) {
  Recorder events;
  ControlSpec timer = Make("tmr", ControlKind::Timer, {});
  timer.interval = 20;
  ControlSpec idle = Make("idle", ControlKind::Timer, {});
  idle.interval = 20;
  idle.enabled = false;
  auto form = ThePlatform().CreateForm(MakeForm("Timers", {timer, idle}), events);
  Pump(300);
  const int ticks = events.Count(EventKind::Timer, 0);
  CHECK(ticks >= 5);
  CHECK_EQ(events.Count(EventKind::Timer, 1), 0);
  CHECK(form->Enabled(0));
  CHECK(!form->Enabled(1));

  form->SetTimer(0, false, 0);
  CHECK(!form->Enabled(0));
  Pump(100);
  CHECK_EQ(events.Count(EventKind::Timer, 0), ticks);
  form->SetEnabled(0, true);  // ticks again at the interval it had
  form->SetTimer(1, true, 30);
  Pump(200);
  CHECK(events.Count(EventKind::Timer, 0) > ticks);
  CHECK(events.Count(EventKind::Timer, 1) > 0);
}

TEST_CASE(ATickIsNotNestedInItself) {
  Recorder events;
  ControlSpec timer = Make("tmr", ControlKind::Timer, {});
  timer.interval = 10;
  int depth = 0;
  int deepest = 0;
  events.onEvent = [&](const Event&) {
    ++depth;
    deepest = std::max(deepest, depth);
    if (events.events.size() < 4) {
      Sleep(30);
      ThePlatform().DoEvents();
    }
    --depth;
  };
  auto form = ThePlatform().CreateForm(MakeForm("Nested ticks", {timer}), events);
  Pump(200);
  CHECK(events.events.size() >= 4);
  CHECK_EQ(deepest, 1);
}

}  // namespace vantor::win32::test
