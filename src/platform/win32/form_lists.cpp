// Entries of combo boxes and list boxes, and the control windows themselves.
#include "platform/win32/win32_form_host.h"

namespace vantor::win32 {
namespace {

struct ListMessages {
  UINT reset, add, count, textLength, text, setSelection, getSelection;
};

constexpr ListMessages kComboMessages{CB_RESETCONTENT, CB_ADDSTRING, CB_GETCOUNT, CB_GETLBTEXTLEN,
                                      CB_GETLBTEXT,    CB_SETCURSEL, CB_GETCURSEL};
constexpr ListMessages kListMessages{LB_RESETCONTENT, LB_ADDSTRING, LB_GETCOUNT, LB_GETTEXTLEN,
                                     LB_GETTEXT,      LB_SETCURSEL, LB_GETCURSEL};

const ListMessages* MessagesFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::ComboBox:
      return &kComboMessages;
    case ControlKind::DriveList:
    case ControlKind::DirList:
    case ControlKind::FileList:
      return &kListMessages;
    default:
      return nullptr;
  }
}

}  // namespace

// A list keeps its entries in its window: it is made for them.
void Win32FormHost::SetItems(ControlId id, const std::vector<std::string>& items) {
  const Control* control = Find(id);
  const ListMessages* m = control ? MessagesFor(control->design.kind) : nullptr;
  if (!m || !EnsureWindow(id)) return;
  SendMessageA(control->window, m->reset, 0, 0);
  for (const std::string& item : items)
    SendMessageA(control->window, m->add, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

std::vector<std::string> Win32FormHost::Items(ControlId id) const {
  const Control* control = Find(id);
  const ListMessages* m = control ? MessagesFor(control->design.kind) : nullptr;
  if (!m || !control->window) return {};
  std::vector<std::string> items;
  const LRESULT count = SendMessageA(control->window, m->count, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(control->window, m->textLength, i, 0);
    std::string text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, '\0');
    const LRESULT got =
        SendMessageA(control->window, m->text, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got < 0 ? 0 : got));
    items.push_back(text);
  }
  return items;
}

void Win32FormHost::SetListIndex(ControlId id, int index) {
  const Control* control = Find(id);
  const ListMessages* m = control ? MessagesFor(control->design.kind) : nullptr;
  if (!m || !EnsureWindow(id)) return;
  // An index outside the entries selects none, whatever the control's own
  // habit with such an index.
  const LRESULT count = SendMessageA(control->window, m->count, 0, 0);
  if (index < 0 || index >= count) index = -1;
  SendMessageA(control->window, m->setSelection, static_cast<WPARAM>(index), 0);
}

int Win32FormHost::ListIndex(ControlId id) const {
  const Control* control = Find(id);
  const ListMessages* m = control ? MessagesFor(control->design.kind) : nullptr;
  if (!m || !control->window) return -1;
  return static_cast<int>(SendMessageA(control->window, m->getSelection, 0, 0));
}

WindowHandle Win32FormHost::ControlHandle(ControlId id) {
  return reinterpret_cast<WindowHandle>(EnsureWindow(id));
}

}  // namespace vantor::win32
