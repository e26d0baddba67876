// Our own controls as a screen reader reads them through oleacc (role,
// name, state, value, default action), the events that tell it of changes,
// and the keys: Tab along the design's order, the topic pane's scrolling
// keys, the focus passed on by a control that goes, and the focus drawn
// where the keyboard is. The arrows, Space and Enter on our own controls
// are walked end to end (keyboard_coach, keyboard_video).
#include <oleacc.h>

#include <memory>
#include <string>
#include <vector>

#include "check.h"
#include "fixtures.h"
#include "platform/win32/accessible_object.h"

namespace vantor::win32::test {

namespace {

// Control IDs: the backend numbers a table's rows from 1000.
enum Row {
  kPlay = 1000,
  kHelp,
  kLabel,
  kBox,
  kBoxText,
  kOption0,
  kOption1,
  kOption2,
  kOptionText0,
  kOptionText1,
  kOptionText2,
  kStep0,
  kStep1,
  kPane,
  kOk,
};

ControlSpec Picture(const std::string& name, AccessibleRole role, Bounds at, int index = -1) {
  ControlSpec c = DesignRow({name.c_str(), 0, index}, ControlKind::Image, at);
  c.role = role;
  c.tabStop = true;
  return c;
}

ControlSpec SeeThrough(const std::string& name, Bounds at, const std::string& caption,
                       int index = -1) {
  ControlSpec c = DesignRow({name.c_str(), 0, index}, ControlKind::Label, at);
  c.caption = caption;
  c.transparent = true;
  return c;
}

// A window of every kind of control of our own, as the coach has them.
FormSpec OwnControls() {
  std::vector<ControlSpec> c;
  c.push_back(Make("play", ControlKind::GraphicalButton, {250, 150, 32, 32}));
  c.push_back(Make("help", ControlKind::GraphicalButton, {210, 150, 32, 32}));
  c.push_back(SeeThrough("label", {10, 5, 120, 16}, "Pick one"));
  ControlSpec box = Picture("box", AccessibleRole::CheckBox, {10, 120, 12, 12});
  box.labelledBy = "box_text";
  c.push_back(box);
  c.push_back(SeeThrough("box_text", {28, 118, 150, 16}, "Don't show this again"));
  for (int i = 0; i < 3; ++i) {
    ControlSpec option =
        Picture("option", AccessibleRole::RadioButton, {10, 30 + 20 * i, 12, 12}, i);
    option.labelledBy = "option_text";
    c.push_back(option);
  }
  const char* const texts[] = {"Colour", "Grey", "Lines"};
  for (int i = 0; i < 3; ++i)
    c.push_back(SeeThrough("option_text", {28, 28 + 20 * i, 100, 16}, texts[i], i));
  for (int i = 0; i < 2; ++i) {
    ControlSpec step =
        SeeThrough("step", {200, 10 + 30 * i, 100, 20}, "Step " + std::to_string(i), i);
    step.role = AccessibleRole::ListItem;
    step.tabStop = true;
    c.push_back(step);
  }
  ControlSpec pane = Make("pane", ControlKind::TopicPane, {140, 70, 150, 70});
  pane.tabStop = true;
  c.push_back(pane);
  c.push_back(Make("ok", ControlKind::Button, {10, 150, 60, 23}, "&OK"));
  FormSpec form = MakeForm("Readable", std::move(c));
  form.tabOrder = {"step", "pane", "option", "box", "ok", "help", "play"};
  return form;
}

constexpr char kTitle[] =
    "@topic first\n= A heading\nSome **bold** words\nand more.\n\n* An item\n"
    "* Caf\xE9 au lait\n\n@topic second\nOther text.\n";

// What a screen reader hears of a control, read from its window through
// oleacc.
struct Heard {
  HRESULT status = E_FAIL;
  std::wstring name;
  long role = 0;
  long state = 0;
  std::wstring value;
  std::wstring action;
};

std::wstring Take(BSTR text) {
  std::wstring taken = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
  SysFreeString(text);
  return taken;
}

Heard Hear(HWND window) {
  Heard heard;
  IAccessible* object = nullptr;
  heard.status = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                            IID_IAccessible, reinterpret_cast<void**>(&object));
  if (FAILED(heard.status) || !object) return heard;
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  object->get_accName(self, &text);
  heard.name = Take(text);
  VARIANT answer;
  VariantInit(&answer);
  if (SUCCEEDED(object->get_accRole(self, &answer)) && answer.vt == VT_I4) heard.role = answer.lVal;
  VariantInit(&answer);
  if (SUCCEEDED(object->get_accState(self, &answer)) && answer.vt == VT_I4)
    heard.state = answer.lVal;
  text = nullptr;
  object->get_accValue(self, &text);
  heard.value = Take(text);
  text = nullptr;
  object->get_accDefaultAction(self, &text);
  heard.action = Take(text);
  object->Release();
  return heard;
}

std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c < 128 ? static_cast<char>(c) : '?';
  return narrow;
}

// The events a screen reader hears, as (event, window) in order.
std::vector<std::pair<DWORD, HWND>>* heardEvents = nullptr;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                         DWORD) {
  if (heardEvents && object == OBJID_CLIENT && child == CHILDID_SELF)
    heardEvents->emplace_back(event, window);
}

class EventListener {
 public:
  EventListener() {
    heardEvents = &events;
    hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, OnWinEvent,
                            GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  }
  ~EventListener() {
    if (hook_) UnhookWinEvent(hook_);
    heardEvents = nullptr;
  }
  EventListener(const EventListener&) = delete;
  EventListener& operator=(const EventListener&) = delete;
  int Count(DWORD event, HWND window) {
    Pump(30);
    int n = 0;
    for (const auto& [e, w] : events) n += e == event && w == window ? 1 : 0;
    return n;
  }

  std::vector<std::pair<DWORD, HWND>> events;

 private:
  HWINEVENTHOOK hook_ = nullptr;
};

void PressKey(WPARAM key, bool shift = false) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
  PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000001);
  Pump(30);
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

int FocusedId() { return GetDlgCtrlID(GetFocus()); }

}  // namespace

TEST_CASE(OwnControlsTellAScreenReaderWhatTheyAre) {
  TempFolder folder;
  const std::string title = folder.Write("Vantor.m14", kTitle);
  Recorder events;
  auto form = ThePlatform().CreateForm(OwnControls(), events);
  form->Show();
  form->SetToolTip(kPlay - 1000, "Play the clip");
  form->SetAccessibleName(kHelp - 1000, "Help");
  form->SetAccessibleName(kPane - 1000, "Help text");
  form->SetValue(kOption1 - 1000, true);
  form->SetSelected(kStep1 - 1000, true);
  form->SetEnabled(kOption2 - 1000, false);
  form->SetTopicPane(kPane - 1000, {title, "first", ""});
  form->SetFocus(kOption1 - 1000);

  struct Expected {
    int id;
    const char* name;
    long role;
    long state;
    const char* action;
  };
  const long focusable = STATE_SYSTEM_FOCUSABLE;
  const long item = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
  const Expected table[] = {
      {kPlay, "Play the clip", ROLE_SYSTEM_PUSHBUTTON, focusable, "Press"},
      {kHelp, "Help", ROLE_SYSTEM_PUSHBUTTON, focusable, "Press"},
      {kLabel, "Pick one", ROLE_SYSTEM_STATICTEXT, 0, ""},
      {kBox, "Don't show this again", ROLE_SYSTEM_CHECKBUTTON, focusable, "Check"},
      {kOption0, "Colour", ROLE_SYSTEM_RADIOBUTTON, focusable, "Check"},
      {kOption1, "Grey", ROLE_SYSTEM_RADIOBUTTON,
       focusable | STATE_SYSTEM_CHECKED | STATE_SYSTEM_FOCUSED, "Check"},
      {kOption2, "Lines", ROLE_SYSTEM_RADIOBUTTON, STATE_SYSTEM_UNAVAILABLE, ""},
      {kStep0, "Step 0", ROLE_SYSTEM_LISTITEM, item, "Select"},
      {kStep1, "Step 1", ROLE_SYSTEM_LISTITEM, item | STATE_SYSTEM_SELECTED, "Select"},
      {kPane, "Help text", ROLE_SYSTEM_DOCUMENT, focusable | STATE_SYSTEM_READONLY, ""},
  };
  for (const Expected& e : table) {
    const Heard heard = Hear(ControlWindow(*form, e.id));
    CHECK_EQ(heard.status, S_OK);
    CHECK_EQ(Narrow(heard.name), std::string(e.name));
    CHECK_EQ(heard.role, e.role);
    CHECK_EQ(heard.state, e.state);
    CHECK_EQ(Narrow(heard.action), std::string(e.action));
  }
  // The pane's value is the topic's words in Unicode, heading and items
  // included; it follows the page.
  HWND pane = ControlWindow(*form, kPane);
  CHECK(Hear(pane).value ==
        L"A heading\r\nSome bold words and more.\r\n\x2022 An item\r\n\x2022 Caf\xE9 au lait\r\n");
  form->SetTopicPane(kPane - 1000, {title, "second", ""});
  CHECK(Hear(pane).value == L"Other text.\r\n");
  // A title in UTF-8 reads in letters beyond any one code page.
  const std::string utf8 =
      folder.Write("utf8.m14",
                   "@topic ru\n= \xD0\xA1\xD1\x8A\xD1\x91\xD0\xBC\xD0\xBA\xD0\xB0\n"
                   "* \xE2\x80\x9Cquoted\xE2\x80\x9D\n");
  form->SetTopicPane(kPane - 1000, {utf8, "ru", ""});
  CHECK(Hear(pane).value ==
        L"\x0421\x044A\x0451\x043C\x043A\x0430\r\n\x2022 \x201Cquoted\x201D\r\n");
  form->SetTopicPane(kPane - 1000, {title, "missing", ""});
  CHECK(Hear(pane).value.empty());
  // A label's value is nothing to read.
  CHECK(Hear(ControlWindow(*form, kLabel)).value.empty());
}

TEST_CASE(AnObjectOutlivingItsWindowSaysItIsGone) {
  Recorder events;
  auto form = ThePlatform().CreateForm(OwnControls(), events);
  form->Show();
  IAccessible* object = nullptr;
  CHECK_EQ(AccessibleObjectFromWindow(ControlWindow(*form, kBox), static_cast<DWORD>(OBJID_CLIENT),
                                      IID_IAccessible, reinterpret_cast<void**>(&object)),
           S_OK);
  if (!object) return;
  form.reset();
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  CHECK_EQ(object->get_accName(self, &name), CO_E_OBJNOTCONNECTED);
  CHECK_EQ(object->accDoDefaultAction(self), CO_E_OBJNOTCONNECTED);
  object->Release();
}

TEST_CASE(ChangesAreAnnouncedAndTheDefaultActionClicks) {
  TempFolder folder;
  const std::string title = folder.Write("Vantor.m14", kTitle);
  Recorder events;
  auto form = ThePlatform().CreateForm(OwnControls(), events);
  form->Show();
  EventListener listener;
  HWND box = ControlWindow(*form, kBox);
  form->SetValue(kBox - 1000, true);
  form->SetValue(kBox - 1000, true);  // no change, nothing to hear
  CHECK_EQ(listener.Count(EVENT_OBJECT_STATECHANGE, box), 1);
  form->SetText(kBoxText - 1000, "Skip this page");  // the box's name
  CHECK_EQ(listener.Count(EVENT_OBJECT_NAMECHANGE, box), 1);
  HWND play = ControlWindow(*form, kPlay);
  form->SetToolTip(kPlay - 1000, "Pause the clip");
  CHECK_EQ(listener.Count(EVENT_OBJECT_NAMECHANGE, play), 1);
  HWND step = ControlWindow(*form, kStep0);
  form->SetSelected(kStep0 - 1000, true);
  CHECK_EQ(listener.Count(EVENT_OBJECT_STATECHANGE, step), 1);
  HWND pane = ControlWindow(*form, kPane);
  form->SetTopicPane(kPane - 1000, {title, "first", ""});
  form->SetTopicPane(kPane - 1000, {title, "first", "!back.bmp"});  // the same page
  form->SetTopicPane(kPane - 1000, {title, "second", ""});
  CHECK_EQ(listener.Count(EVENT_OBJECT_VALUECHANGE, pane), 2);
  form->SetFocus(kStep0 - 1000);
  CHECK_EQ(listener.Count(EVENT_OBJECT_FOCUS, step), 1);

  IAccessible* object = nullptr;
  AccessibleObjectFromWindow(ControlWindow(*form, kOption0), static_cast<DWORD>(OBJID_CLIENT),
                             IID_IAccessible, reinterpret_cast<void**>(&object));
  CHECK(object != nullptr);
  if (!object) return;
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  CHECK_EQ(object->accDoDefaultAction(self), S_OK);
  CHECK_EQ(events.Count(EventKind::Click, kOption0 - 1000), 0);  // later, from the loop
  Pump(30);
  CHECK_EQ(events.Count(EventKind::Click, kOption0 - 1000), 1);
  CHECK_EQ(object->accSelect(SELFLAG_TAKEFOCUS, self), S_OK);
  CHECK_EQ(FocusedId(), static_cast<int>(kOption0));
  object->Release();
}

TEST_CASE(TabFollowsTheDesignsOrderAndThePaneScrollsWithTheKeys) {
  TempFolder folder;
  const std::string title = folder.Write("Vantor.m14", kTitle);
  Recorder events;
  auto form = ThePlatform().CreateForm(OwnControls(), events);
  form->Show();
  form->SetTopicPane(kPane - 1000, {title, "first", ""});
  form->SetValue(kOption1 - 1000, true);
  form->SetVisible(kStep1 - 1000, false);
  form->SetFocus(kPlay - 1000);
  // Round from Play: the hidden step is passed over, the options are one
  // stop at the chosen one.
  std::vector<int> stops;
  for (int n = 0; n < 7; ++n) {
    PressKey(VK_TAB);
    stops.push_back(FocusedId());
  }
  CHECK(stops == std::vector<int>({kStep0, kPane, kOption1, kBox, kOk, kHelp, kPlay}));
  PressKey(VK_TAB, true);
  CHECK_EQ(FocusedId(), static_cast<int>(kHelp));
  // A control that goes while it has the focus passes it on.
  form->SetEnabled(kHelp - 1000, false);
  CHECK_EQ(FocusedId(), static_cast<int>(kPlay));
  form->SetVisible(kPlay - 1000, false);
  CHECK_EQ(FocusedId(), static_cast<int>(kStep0));

  // The pane scrolls with the keys while it has the focus.
  form->SetBounds(kPane - 1000, {140, 70, 150, 30});
  form->SetFocus(kPane - 1000);
  HWND pane = ControlWindow(*form, kPane);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  PressKey(VK_END);
  GetScrollInfo(pane, SB_VERT, &info);
  CHECK(info.nPos > 0);
  PressKey(VK_HOME);
  GetScrollInfo(pane, SB_VERT, &info);
  CHECK_EQ(info.nPos, 0);
}

// A control that starts hidden gets its window only when first shown; what
// the window set on it before then (ticked, selected, its label's text, a
// tool tip) is what a screen reader hears once it exists, and Tab reaches
// it in its place in the design's order.
TEST_CASE(AControlShownLaterAnswersAndIsReachedInItsPlace) {
  FormSpec design = OwnControls();
  for (int row : {kBox, kBoxText, kStep1, kPlay}) design.controls[row - 1000].visible = false;
  Recorder events;
  auto form = ThePlatform().CreateForm(design, events);
  form->Show();
  CHECK(ControlWindow(*form, kBox) == nullptr);
  CHECK(ControlWindow(*form, kStep1) == nullptr);
  form->SetValue(kBox - 1000, true);
  form->SetText(kBoxText - 1000, "Skip this page");
  form->SetSelected(kStep1 - 1000, true);
  form->SetToolTip(kPlay - 1000, "Play the clip");
  CHECK(form->Value(kBox - 1000));
  // Tab passes over what is not there yet.
  form->SetFocus(kOption0 - 1000);
  PressKey(VK_TAB);
  CHECK_EQ(FocusedId(), static_cast<int>(kOk));

  EventListener listener;
  for (int row : {kBox, kBoxText, kStep1, kPlay}) form->SetVisible(row - 1000, true);
  const long focusable = STATE_SYSTEM_FOCUSABLE;
  const struct {
    int id;
    const char* name;
    long role;
    long state;
  } table[] = {
      {kBox, "Skip this page", ROLE_SYSTEM_CHECKBUTTON, focusable | STATE_SYSTEM_CHECKED},
      {kBoxText, "Skip this page", ROLE_SYSTEM_STATICTEXT, 0},
      {kStep1, "Step 1", ROLE_SYSTEM_LISTITEM,
       focusable | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED},
      {kPlay, "Play the clip", ROLE_SYSTEM_PUSHBUTTON, focusable},
  };
  for (const auto& e : table) {
    const Heard heard = Hear(ControlWindow(*form, e.id));
    CHECK_EQ(heard.status, S_OK);
    CHECK_EQ(Narrow(heard.name), std::string(e.name));
    CHECK_EQ(heard.role, e.role);
    CHECK_EQ(heard.state, e.state);
  }
  // Made in its final state: nothing changed after it came, so nothing to
  // announce.
  CHECK_EQ(listener.Count(EVENT_OBJECT_STATECHANGE, ControlWindow(*form, kBox)), 0);
  CHECK_EQ(listener.Count(EVENT_OBJECT_NAMECHANGE, ControlWindow(*form, kPlay)), 0);

  form->SetFocus(kStep0 - 1000);
  std::vector<int> stops;
  for (int n = 0; n < 7; ++n) {
    PressKey(VK_TAB);
    stops.push_back(FocusedId());
  }
  CHECK(stops == std::vector<int>({kStep1, kPane, kOption0, kBox, kOk, kHelp, kPlay}));
  PressKey(VK_TAB, true);
  CHECK_EQ(FocusedId(), static_cast<int>(kHelp));
}

TEST_CASE(TheFocusIsDrawnOnTheTextThatNamesTheFocusedControl) {
  Recorder events;
  auto form = ThePlatform().CreateForm(OwnControls(), events);
  form->Show();
  form->SetFocus(kOk - 1000);
  HWND text = ControlWindow(*form, kBoxText);
  HWND step = ControlWindow(*form, kStep0);
  const std::vector<COLORREF> textBefore = Capture(text);
  const std::vector<COLORREF> stepBefore = Capture(step);
  form->SetFocus(kBox - 1000);
  CHECK(Capture(text) != textBefore);
  form->SetFocus(kStep0 - 1000);
  CHECK(Capture(text) == textBefore);
  CHECK(Capture(step) != stepBefore);
}

}  // namespace vantor::win32::test
