#include "platform/win32/accessible_object.h"

// <oleacc.h> needs <windows.h> first.
#include <oleacc.h>

#include "platform/win32/wide_text.h"

namespace vantor::win32 {
namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT Text(const std::wstring& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

class ControlAccessible final : public IAccessible {
 public:
  ControlAccessible(HWND window, AccessibleSource& source, std::shared_ptr<bool> alive,
                    IAccessible* standard)
      : window_(window), source_(source), alive_(std::move(alive)), standard_(standard) {}
  ~ControlAccessible() {
    if (standard_) standard_->Release();
  }
  ControlAccessible(const ControlAccessible&) = delete;
  ControlAccessible& operator=(const ControlAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
        IsEqualIID(riid, IID_IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const long left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // Screen readers call the interface itself, not through IDispatch.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // Where the control stands among the windows: the system's answer.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (standard_) return standard_->get_accParent(parent);
    *parent = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (standard_) return standard_->get_accChildCount(count);
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (standard_) return standard_->get_accChild(child, out);
    *out = nullptr;
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (standard_) return standard_->get_accKeyboardShortcut(child, out);
    return Text({}, out);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (standard_) return standard_->get_accFocus(out);
    VariantInit(out);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (standard_) return standard_->get_accSelection(out);
    VariantInit(out);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (standard_) return standard_->accLocation(left, top, width, height, child);
    RECT r{};
    GetWindowRect(window_, &r);
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (standard_) return standard_->accNavigate(direction, start, end);
    VariantInit(end);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (standard_) return standard_->accHitTest(x, y, out);
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = CHILDID_SELF;
    return S_OK;
  }

  // What the control is: the form's answer.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
    Reading reading;
    if (const HRESULT status = Read(child, reading); status != S_OK)
      return Delegated(status, [&] { return standard_->get_accName(child, out); });
    return Text(WideFromAnsi(reading.facts.name), out);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
    Reading reading;
    if (const HRESULT status = Read(child, reading); status != S_OK)
      return Delegated(status, [&] { return standard_->get_accValue(child, out); });
    if (reading.facts.role != AccessibleRole::Document) {
      *out = nullptr;
      return DISP_E_MEMBERNOTFOUND;
    }
    return Text(reading.value, out);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    Reading reading;
    if (const HRESULT status = Read(child, reading); status != S_OK)
      return Delegated(status, [&] { return standard_->get_accDescription(child, out); });
    return Text(WideFromAnsi(reading.description), out);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
    Reading reading;
    if (const HRESULT status = Read(child, reading); status != S_OK)
      return Delegated(status, [&] { return standard_->get_accRole(child, out); });
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = SystemRole(reading.facts.role);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
    Reading reading;
    if (const HRESULT status = Read(child, reading); status != S_OK)
      return Delegated(status, [&] { return standard_->get_accState(child, out); });
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = SystemState(reading.facts.state);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* out) override { return Text({}, out); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    if (topic) *topic = 0;
    return Text({}, file);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
    Reading reading;
    if (const HRESULT status = Read(child, reading); status != S_OK)
      return Delegated(status, [&] { return standard_->get_accDefaultAction(child, out); });
    return Text(WideFromAnsi(reading.facts.defaultAction), out);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!IsSelf(child)) return standard_ ? standard_->accSelect(flags, child) : E_INVALIDARG;
    if (!(flags & SELFLAG_TAKEFOCUS)) return S_FALSE;
    SetFocus(window_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    Reading reading;
    if (const HRESULT status = Read(child, reading); status != S_OK)
      return Delegated(status, [&] { return standard_->accDoDefaultAction(child); });
    if (reading.facts.defaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
    source_.DoDefaultAction(window_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  struct Reading {
    AccessibleFacts facts;
    std::wstring value;
    std::string description;
  };

  bool Connected() const { return *alive_ && IsWindow(window_); }

  // S_OK with the control's facts; E_INVALIDARG for a child of it, which the
  // system's object answers for; CO_E_OBJNOTCONNECTED once it has gone.
  HRESULT Read(const VARIANT& child, Reading& reading) {
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!IsSelf(child)) return E_INVALIDARG;
    return source_.DescribeWindow(window_, reading.facts, reading.value, reading.description)
               ? S_OK
               : CO_E_OBJNOTCONNECTED;
  }

  template <class F>
  HRESULT Delegated(HRESULT status, F&& ask) {
    if (status == E_INVALIDARG && standard_) return ask();
    return status;
  }

  HWND window_;
  AccessibleSource& source_;
  std::shared_ptr<bool> alive_;
  IAccessible* standard_;
  long references_ = 1;
};

// The accessibility library is loaded when a screen reader first asks, not
// with the program: most starts have no screen reader, and loading a
// library is part of every start that imports it.
struct AccessibilityLibrary {
  using CreateStandardFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
  using ResultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
  CreateStandardFn createStandard = nullptr;
  ResultFromObjectFn resultFromObject = nullptr;
};

const AccessibilityLibrary& Library() {
  static const AccessibilityLibrary library = [] {
    AccessibilityLibrary loaded;
    if (HMODULE module = LoadLibraryA("oleacc.dll")) {
      loaded.createStandard = reinterpret_cast<AccessibilityLibrary::CreateStandardFn>(
          reinterpret_cast<void (*)()>(GetProcAddress(module, "CreateStdAccessibleObject")));
      loaded.resultFromObject = reinterpret_cast<AccessibilityLibrary::ResultFromObjectFn>(
          reinterpret_cast<void (*)()>(GetProcAddress(module, "LresultFromObject")));
    }
    return loaded;
  }();
  return library;
}

}  // namespace

// Without the library the window answers as if it had no object of its
// own: the system's default answer stands.
LRESULT AnswerGetObject(HWND window, WPARAM wParam, AccessibleSource& source,
                        const std::shared_ptr<bool>& alive) {
  const AccessibilityLibrary& library = Library();
  if (!library.resultFromObject) return DefWindowProcA(window, WM_GETOBJECT, wParam, OBJID_CLIENT);
  IAccessible* standard = nullptr;
  if (!library.createStandard ||
      FAILED(library.createStandard(window, OBJID_CLIENT, IID_IAccessible,
                                    reinterpret_cast<void**>(&standard))))
    standard = nullptr;
  auto* object = new ControlAccessible(window, source, alive, standard);
  const LRESULT result = library.resultFromObject(IID_IAccessible, wParam, object);
  object->Release();
  return result;
}

long SystemRole(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::PushButton:
      return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::CheckBox:
      return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::RadioButton:
      return ROLE_SYSTEM_RADIOBUTTON;
    case AccessibleRole::ListItem:
      return ROLE_SYSTEM_LISTITEM;
    case AccessibleRole::List:
      return ROLE_SYSTEM_LIST;
    case AccessibleRole::ComboBox:
      return ROLE_SYSTEM_COMBOBOX;
    case AccessibleRole::ProgressBar:
      return ROLE_SYSTEM_PROGRESSBAR;
    case AccessibleRole::Animation:
      return ROLE_SYSTEM_ANIMATION;
    case AccessibleRole::Graphic:
      return ROLE_SYSTEM_GRAPHIC;
    case AccessibleRole::Document:
      return ROLE_SYSTEM_DOCUMENT;
    case AccessibleRole::Pane:
      return ROLE_SYSTEM_PANE;
    case AccessibleRole::StaticText:
    case AccessibleRole::FromKind:
      break;
  }
  return ROLE_SYSTEM_STATICTEXT;
}

long SystemState(unsigned state) {
  static constexpr struct {
    unsigned ours;
    long system;
  } kStates[] = {
      {kStateUnavailable, STATE_SYSTEM_UNAVAILABLE}, {kStateChecked, STATE_SYSTEM_CHECKED},
      {kStateSelected, STATE_SYSTEM_SELECTED},       {kStateFocused, STATE_SYSTEM_FOCUSED},
      {kStateFocusable, STATE_SYSTEM_FOCUSABLE},     {kStateSelectable, STATE_SYSTEM_SELECTABLE},
      {kStateInvisible, STATE_SYSTEM_INVISIBLE},     {kStateReadOnly, STATE_SYSTEM_READONLY},
  };
  long system = 0;
  for (const auto& s : kStates)
    if (state & s.ours) system |= s.system;
  return system;
}

void Announce(HWND window, DWORD event) {
  if (window) NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace vantor::win32
