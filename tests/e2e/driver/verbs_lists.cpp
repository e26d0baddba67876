// Verbs for list boxes, combo boxes and edits of another program: what a
// list holds, typing into a box, and choosing or opening a list's item with
// the mouse.

#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "input.h"
#include "lookup.h"
#include "verbs.h"

namespace vdriver {
namespace {

// How long a mouse message or a text waits for the program to handle it;
// one that opens a modal window does not return before that closes.
constexpr UINT kHandleWaitMs = 1000;

bool IsClass(HWND window, const char* name) {
  return lstrcmpiA(ClassName(window).c_str(), name) == 0;
}

// The messages that read a list box's or a combo box's items.
struct ListMessages {
  UINT count, textLength, text, current;
};

bool ListMessagesOf(HWND control, ListMessages& messages) {
  if (IsClass(control, "ListBox")) {
    messages = {LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL};
  } else if (IsClass(control, "ComboBox")) {
    messages = {CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL};
  } else {
    std::fprintf(stderr, "vdriver: a %s is no list\n", ClassName(control).c_str());
    return false;
  }
  return true;
}

// Sent as a Unicode message: only those come back converted from another
// process (an ANSI LB_GETTEXT returns the other side's UTF-16).
LRESULT Ask(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR answer = static_cast<DWORD_PTR>(-1);
  SendMessageTimeoutW(control, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &answer);
  return static_cast<LRESULT>(answer);
}

std::string Narrow(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string narrow(size > 0 ? size : 0, '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), narrow.data(), size,
                      nullptr, nullptr);
  return narrow;
}

// The items' texts in list order.
std::vector<std::string> ItemTexts(HWND control, const ListMessages& messages) {
  std::vector<std::string> items;
  const LRESULT count = Ask(control, messages.count);
  for (LRESULT index = 0; index < count; ++index) {
    const LRESULT length = Ask(control, messages.textLength, index);
    std::vector<wchar_t> text(length > 0 ? length + 1 : 1, L'\0');
    const LRESULT copied =
        Ask(control, messages.text, index, reinterpret_cast<LPARAM>(text.data()));
    items.push_back(Narrow(std::wstring(text.data(), copied > 0 ? copied : 0)));
  }
  return items;
}

std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string()
                                    : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The index of the item that reads `wanted`, else of the one that reads it
// without the blanks around it (a folder list indents its names), else
// items.size().
std::size_t FindItem(const std::vector<std::string>& items, const std::string& wanted) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == wanted) return i;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (TrimBlanks(items[i]) == wanted) return i;
  return items.size();
}

// The mouse messages, sent to `point` of the control's client area so that
// the verb returns once the program has handled what they cause.
void SendMouse(HWND control, POINT point, std::initializer_list<UINT> messages) {
  const LPARAM where = MAKELPARAM(point.x, point.y);
  for (UINT message : messages) {
    const WPARAM buttons = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(control, message, buttons, where, SMTO_NORMAL, kHandleWaitMs, &ignored);
  }
}

// Clicks (or double-clicks) the item of the list box named by the verb's
// "<title> <id> <text>" as the mouse would: scrolled into view, in the
// middle of the item's rectangle. The list box itself then tells its
// window, as it does for a user.
int ClickItem(const Args& args, std::initializer_list<UINT> messages) {
  HWND top, list;
  if (!RequireControl(args, top, list)) return kFailed;
  if (!TakesInput(top, list, args)) return kFailed;
  if (!IsClass(list, "ListBox")) {
    std::fprintf(stderr, "vdriver: control %ld is a %s, not a list box\n", args.IntAt(1, 0),
                 ClassName(list).c_str());
    return kFailed;
  }
  const std::string& wanted = args.positional[2];
  const std::vector<std::string> items =
      ItemTexts(list, {LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL});
  std::size_t index = FindItem(items, wanted);
  if (index == items.size()) {
    std::fprintf(stderr, "vdriver: no item \"%s\" in control %ld; it holds:\n", wanted.c_str(),
                 args.IntAt(1, 0));
    for (const std::string& item : items) std::fprintf(stderr, "  %s\n", item.c_str());
    return kFailed;
  }
  RECT client{}, item{};
  GetClientRect(list, &client);
  Ask(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
  if (item.top < client.top || item.bottom > client.bottom) {
    Ask(list, LB_SETTOPINDEX, index);  // as a user scrolls to it first
    Ask(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
  }
  SendMouse(list, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2}, messages);
  std::printf("index=%u\n", static_cast<unsigned>(index));
  return kOk;
}

// Brings the window to the foreground with the focus in `edit`: a click
// puts it there unless it is there already. The click is sent, not posted,
// so that it is handled before anything the caller does next (a posted one
// would put the caret back where it landed after the text was selected).
bool FocusEdit(HWND top, HWND edit) {
  SetForegroundWindow(top);
  const DWORD thread = GetWindowThreadProcessId(top, nullptr);
  auto focused = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetForegroundWindow() == top && GetGUIThreadInfo(thread, &info) &&
           info.hwndFocus == edit;
  };
  if (WaitUntil(200, focused)) return true;
  RECT client{};
  GetClientRect(edit, &client);
  SendMouse(edit, POINT{client.right / 2, client.bottom / 2}, {WM_LBUTTONDOWN, WM_LBUTTONUP});
  return WaitUntil(1000, focused);
}

// The key presses that type `text` over a selection: each character as a
// Unicode key, or, for no text, Delete.
std::vector<INPUT> KeysFor(const std::string& text) {
  std::vector<INPUT> keys;
  auto add = [&keys](WORD virtualKey, WORD character, DWORD flags) {
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = virtualKey;
      input.ki.wScan = character;
      input.ki.dwFlags = flags | up;
      keys.push_back(input);
    }
  };
  std::wstring wide(text.size(), L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                         wide.data(), static_cast<int>(wide.size()));
  for (int i = 0; i < length; ++i) add(0, static_cast<WORD>(wide[i]), KEYEVENTF_UNICODE);
  if (text.empty()) add(VK_DELETE, 0, 0);
  return keys;
}

}  // namespace

// "count=N selected=I" (-1: none), then every item on a line of its own.
int Items(const Args& args) {
  HWND top, control;
  if (!RequireControl(args, top, control)) return kFailed;
  ListMessages messages{};
  if (!ListMessagesOf(control, messages)) return kFailed;
  const std::vector<std::string> items = ItemTexts(control, messages);
  std::printf("count=%u selected=%ld\n", static_cast<unsigned>(items.size()),
              static_cast<long>(Ask(control, messages.current)));
  for (const std::string& item : items) std::printf("%s\n", item.c_str());
  return kOk;
}

// Types the text over an edit's, or a combo box's edit's, text as the
// keyboard would: the focus goes into the edit, its text is selected and
// the characters go through the system's input queue, so the edit and its
// window see what they see of a user's typing.
int SetText(const Args& args) {
  HWND top, control;
  if (!RequireControl(args, top, control)) return kFailed;
  if (!TakesInput(top, control, args)) return kFailed;
  HWND edit =
      IsClass(control, "ComboBox") ? FindWindowExA(control, nullptr, "Edit", nullptr) : control;
  if (!edit || !IsClass(edit, "Edit")) {
    std::fprintf(stderr, "vdriver: control %ld has no edit to type into\n", args.IntAt(1, 0));
    return kFailed;
  }
  if (!FocusEdit(top, edit)) {
    std::fprintf(stderr, "vdriver: control %ld did not take the focus\n", args.IntAt(1, 0));
    return kFailed;
  }
  Ask(edit, EM_SETSEL, 0, -1);
  const std::string& text = args.positional[2];
  std::vector<INPUT> keys = KeysFor(text);
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  if (!WaitUntil(1000, [&] { return WindowText(control) == text; })) {
    std::fprintf(stderr, "vdriver: control %ld reads \"%s\" after the typing\n", args.IntAt(1, 0),
                 WindowText(control).c_str());
    return kFailed;
  }
  return kOk;
}

int SelectItem(const Args& args) { return ClickItem(args, {WM_LBUTTONDOWN, WM_LBUTTONUP}); }

int DoubleClickItem(const Args& args) {
  return ClickItem(args, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
}

}  // namespace vdriver
