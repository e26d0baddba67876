// Verbs that read a window of another program as a screen reader does:
// through oleacc, from outside the program (AccessibleObjectFromWindow on
// each control's window, then its name, role, state, value and default
// action), and where the keyboard focus is.

#include <windows.h>
// <oleacc.h> needs <windows.h> first.
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lookup.h"
#include "verbs.h"

namespace vdriver {
namespace {

// COM for the calls into the other process; released when the verb ends.
class Com {
 public:
  Com() { CoInitialize(nullptr); }
  ~Com() { CoUninitialize(); }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
};

std::string Utf8(BSTR text) {
  if (!text) return {};
  const int length = static_cast<int>(SysStringLen(text));
  std::string utf8(static_cast<std::size_t>(length) * 3, '\0');
  utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(
      CP_UTF8, 0, text, length, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
  SysFreeString(text);
  return utf8;
}

std::string RoleWord(long role) {
  static const struct {
    long role;
    const char* word;
  } kRoles[] = {
      {ROLE_SYSTEM_PUSHBUTTON, "pushbutton"},   {ROLE_SYSTEM_CHECKBUTTON, "checkbox"},
      {ROLE_SYSTEM_RADIOBUTTON, "radiobutton"}, {ROLE_SYSTEM_STATICTEXT, "text"},
      {ROLE_SYSTEM_LISTITEM, "listitem"},       {ROLE_SYSTEM_LIST, "list"},
      {ROLE_SYSTEM_COMBOBOX, "combobox"},       {ROLE_SYSTEM_PROGRESSBAR, "progressbar"},
      {ROLE_SYSTEM_ANIMATION, "animation"},     {ROLE_SYSTEM_GRAPHIC, "graphic"},
      {ROLE_SYSTEM_DOCUMENT, "document"},       {ROLE_SYSTEM_PANE, "pane"},
      {ROLE_SYSTEM_CLIENT, "client"},           {ROLE_SYSTEM_WINDOW, "window"},
      {ROLE_SYSTEM_TEXT, "editabletext"},
  };
  for (const auto& r : kRoles)
    if (r.role == role) return r.word;
  return std::to_string(role);
}

std::string StateWords(long state) {
  static const struct {
    long bit;
    const char* word;
  } kStates[] = {
      {STATE_SYSTEM_UNAVAILABLE, "unavailable"}, {STATE_SYSTEM_CHECKED, "checked"},
      {STATE_SYSTEM_SELECTED, "selected"},       {STATE_SYSTEM_FOCUSED, "focused"},
      {STATE_SYSTEM_FOCUSABLE, "focusable"},     {STATE_SYSTEM_SELECTABLE, "selectable"},
      {STATE_SYSTEM_INVISIBLE, "invisible"},     {STATE_SYSTEM_READONLY, "readonly"},
  };
  std::string words;
  for (const auto& s : kStates) {
    if (!(state & s.bit)) continue;
    if (!words.empty()) words += ',';
    words += s.word;
  }
  return words.empty() ? "normal" : words;
}

struct Reading {
  std::string role;
  std::string state;
  std::string name;
  std::string value;
  std::string action;
};

// The control's own object, as a screen reader asks for it; false when the
// program does not answer.
bool Read(HWND window, Reading& reading) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object))) ||
      !object)
    return false;
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT answer;
  VariantInit(&answer);
  reading.role = SUCCEEDED(object->get_accRole(self, &answer)) && answer.vt == VT_I4
                     ? RoleWord(answer.lVal)
                     : "none";
  VariantInit(&answer);
  reading.state = SUCCEEDED(object->get_accState(self, &answer)) && answer.vt == VT_I4
                      ? StateWords(answer.lVal)
                      : "none";
  BSTR text = nullptr;
  if (SUCCEEDED(object->get_accName(self, &text))) reading.name = Utf8(text);
  text = nullptr;
  if (SUCCEEDED(object->get_accValue(self, &text))) reading.value = Utf8(text);
  text = nullptr;
  if (SUCCEEDED(object->get_accDefaultAction(self, &text))) reading.action = Utf8(text);
  object->Release();
  return true;
}

BOOL CALLBACK Collect(HWND child, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(child);
  return TRUE;
}

}  // namespace

int Accessible(const Args& args) {
  HWND top;
  if (!RequireWindow(args.positional[0], top, args.IntOption("with", 0))) return kFailed;
  const Com com;
  std::vector<HWND> windows;
  EnumChildWindows(top, Collect, reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows) {
    Reading reading;
    if (!Read(window, reading)) {
      std::printf("id=%d role=none\n", GetDlgCtrlID(window));
      continue;
    }
    // The action has no blanks; the name, which may, ends the line.
    std::printf("id=%d role=%s state=%s action=%s name=%s\n", GetDlgCtrlID(window),
                reading.role.c_str(), reading.state.c_str(),
                reading.action.empty() ? "none" : reading.action.c_str(), reading.name.c_str());
  }
  return kOk;
}

int AccessibleValue(const Args& args) {
  HWND top, control;
  if (!RequireControl(args, top, control)) return kFailed;
  const Com com;
  Reading reading;
  if (!Read(control, reading)) {
    std::fprintf(stderr, "vdriver: control %ld answers no screen reader\n", args.IntAt(1, 0));
    return kFailed;
  }
  std::fputs(reading.value.c_str(), stdout);
  return kOk;
}

namespace {

// The control of `top` that has the keyboard focus: its ID, 0 for the
// window itself, -1 when the focus is elsewhere.
int FocusedId(HWND top) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info) || !info.hwndFocus ||
      (info.hwndFocus != top && !IsChild(top, info.hwndFocus)))
    return -1;
  return info.hwndFocus == top ? 0 : GetDlgCtrlID(info.hwndFocus);
}

}  // namespace

int Focus(const Args& args) {
  HWND top;
  if (!RequireWindow(args.positional[0], top, args.IntOption("with", 0))) return kFailed;
  const int id = FocusedId(top);
  if (id < 0)
    std::printf("id=none\n");
  else
    std::printf("id=%d\n", id);
  return kOk;
}

int WaitFocus(const Args& args) {
  HWND top;
  if (!RequireWindow(args.positional[0], top, args.IntOption("with", 0))) return kFailed;
  const long wanted = args.IntAt(1, 0);
  const long timeout = args.IntAt(2, 3000);
  if (WaitUntil(timeout, [&] { return FocusedId(top) == wanted; })) return kOk;
  std::fprintf(stderr, "vdriver: control %ld did not get the focus within %ld ms (focus: %d)\n",
               wanted, timeout, FocusedId(top));
  return kTimedOut;
}

int WaitValue(const Args& args) {
  HWND top, control;
  if (!RequireControl(args, top, control)) return kFailed;
  const Com com;
  const std::string& wanted = args.positional[2];
  const long timeout = args.IntAt(3, 3000);
  Reading reading;
  if (WaitUntil(timeout, [&] {
        reading = {};
        return Read(control, reading) && reading.value.compare(0, wanted.size(), wanted) == 0;
      }))
    return kOk;
  std::fprintf(stderr, "vdriver: the value did not become \"%s...\" within %ld ms; it reads:\n%s\n",
               wanted.c_str(), timeout, reading.value.c_str());
  return kTimedOut;
}

}  // namespace vdriver
