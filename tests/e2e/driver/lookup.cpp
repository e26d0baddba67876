#include "lookup.h"

#include <cstdio>
#include <vector>

#include "verbs.h"

namespace vdriver {
namespace {

constexpr UINT kSendTimeoutMs = 2000;

struct TitleSearch {
  const std::string* title;
  bool visibleOnly;
  int withControl;
  HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TitleSearch*>(param);
  if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
  char text[512];
  int length = GetWindowTextA(window, text, sizeof text);
  // "*" stands for any title, for a window known by a control it holds.
  if (*search->title != "*" && std::string(text, length > 0 ? length : 0) != *search->title) {
    return TRUE;
  }
  if (search->withControl != 0 && !FindControl(window, search->withControl)) return TRUE;
  search->found = window;
  return FALSE;
}

struct IdSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<IdSearch*>(param);
  if (GetDlgCtrlID(window) != search->id) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindTopWindow(const std::string& title, bool visibleOnly, int withControl) {
  TitleSearch search{&title, visibleOnly, withControl, nullptr};
  EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindControl(HWND top, int id) {
  IdSearch search{id, nullptr};
  EnumChildWindows(top, MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &length)) {
    return {};
  }
  std::vector<char> buffer(length + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                      SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
  return std::string(buffer.data(), copied);
}

std::string ClassName(HWND window) {
  char name[256];
  int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

bool WaitUntil(long timeoutMs, const std::function<bool()>& done) {
  DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (static_cast<long>(GetTickCount() - start) >= timeoutMs) return false;
    Sleep(10);
  }
}

std::string RectWords(const RECT& rect, const std::string& prefix) {
  char words[200];
  std::snprintf(words, sizeof words, "%sleft=%ld %stop=%ld %swidth=%ld %sheight=%ld",
                prefix.c_str(), rect.left, prefix.c_str(), rect.top, prefix.c_str(),
                rect.right - rect.left, prefix.c_str(), rect.bottom - rect.top);
  return words;
}

RECT ClientOnScreen(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

bool RequireWindow(const std::string& title, HWND& top, long withControl) {
  HWND found = FindTopWindow(title, false, static_cast<int>(withControl));
  if (!found) {
    if (withControl == 0) {
      std::fprintf(stderr, "vdriver: no window titled \"%s\"\n", title.c_str());
    } else {
      std::fprintf(stderr, "vdriver: no window titled \"%s\" has control %ld\n", title.c_str(),
                   withControl);
    }
    return false;
  }
  top = found;
  return true;
}

bool RequireControl(const std::string& title, long id, HWND& top, HWND& control, long withControl) {
  if (!RequireWindow(title, top, id != 0 ? id : withControl)) return false;
  control = id == 0 ? top : FindControl(top, static_cast<int>(id));
  return true;
}

bool RequireControl(const Args& args, HWND& top, HWND& control) {
  return RequireControl(args.positional[0], args.IntAt(1, 0), top, control,
                        args.IntOption("with", 0));
}

}  // namespace vdriver
