#include "help_object.h"

#include <cstdint>
#include <string>

#include "host_files.h"
#include "server.h"

namespace vantor::standins {

namespace {

enum class Kind { ReadOnly, ReadWrite, Method };

struct Member {
  const char* name;  // also its key in host-state.ini
  Kind kind;
  VARTYPE type;  // of the property's value
};

// DISPIDs are 1 + the index in this table.
constexpr Member kMembers[] = {
    {"SelectionValid", Kind::ReadOnly, VT_BOOL}, {"PreviewDone", Kind::ReadOnly, VT_BOOL},
    {"PreviewScan", Kind::Method, VT_EMPTY},     {"ZoomScan", Kind::Method, VT_EMPTY},
    {"OutputType", Kind::ReadWrite, VT_I4},      {"PaletteType", Kind::ReadWrite, VT_I2},
};
constexpr DISPID kSelectionValid = 1;
constexpr DISPID kPreviewDone = 2;
constexpr DISPID kPreviewScan = 3;

const Member* MemberOf(DISPID id) {
  if (id < 1 || id > static_cast<DISPID>(std::size(kMembers))) return nullptr;
  return &kMembers[id - 1];
}

constexpr std::int32_t kDefaultPreviewDelayMs = 1500;

// The type a caller really sent, for the log: "I2", "BOOL", "BYREF I4".
std::string TypeName(VARTYPE type) {
  const std::string byRef = (type & VT_BYREF) ? "BYREF " : "";
  switch (type & VT_TYPEMASK) {
    case VT_EMPTY:
      return byRef + "EMPTY";
    case VT_NULL:
      return byRef + "NULL";
    case VT_I1:
      return byRef + "I1";
    case VT_UI1:
      return byRef + "UI1";
    case VT_I2:
      return byRef + "I2";
    case VT_UI2:
      return byRef + "UI2";
    case VT_I4:
      return byRef + "I4";
    case VT_UI4:
      return byRef + "UI4";
    case VT_INT:
      return byRef + "INT";
    case VT_R4:
      return byRef + "R4";
    case VT_R8:
      return byRef + "R8";
    case VT_BOOL:
      return byRef + "BOOL";
    case VT_BSTR:
      return byRef + "BSTR";
    case VT_VARIANT:
      return byRef + "VARIANT";
    default:
      return byRef + "VT" + std::to_string(type & VT_TYPEMASK);
  }
}

// A value in decimal as the log shows it; "?" when it is not a number.
std::string DecimalOf(const VARIANT& value) {
  VARIANT number;
  VariantInit(&number);
  if (FAILED(VariantChangeType(&number, const_cast<VARIANT*>(&value), 0, VT_I4))) return "?";
  return std::to_string(V_I4(&number));
}

std::string Narrow(const wchar_t* text) {
  char buffer[128] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
  return buffer;
}

}  // namespace

HelpObject::HelpObject() { HoldServer(); }

HelpObject::~HelpObject() { ReleaseServer(); }

HRESULT HelpObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG HelpObject::AddRef() { return InterlockedIncrement(&references_); }

ULONG HelpObject::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return left;
}

// Late binding only: there is no type library.
HRESULT HelpObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT HelpObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return DISP_E_BADINDEX;
}

// Names match without regard to case, as automation callers expect. The
// members take no named arguments, so any name after the first is unknown.
HRESULT HelpObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!names || !ids) return E_POINTER;
  HRESULT hr = S_OK;
  for (UINT i = 0; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
    if (i > 0) {
      hr = DISP_E_UNKNOWNNAME;
      continue;
    }
    const std::string name = Narrow(names[i]);
    for (std::size_t m = 0; m < std::size(kMembers); ++m) {
      if (lstrcmpiA(name.c_str(), kMembers[m].name) == 0) ids[i] = static_cast<DISPID>(m) + 1;
    }
    if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
  }
  return hr;
}

HRESULT HelpObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* parameters,
                           VARIANT* result, EXCEPINFO*, UINT* badArgument) {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  const Member* member = MemberOf(id);
  if (!member) return DISP_E_MEMBERNOTFOUND;
  // A scanning application in trouble (its scanner gone, say) fails every
  // call; the state file's Fail=1 makes the double answer that way.
  if (ReadState("Fail", 0) == 1) {
    AppendLog(std::string("fail ") + member->name);
    return E_FAIL;
  }
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  const DISPPARAMS& given = parameters ? *parameters : none;

  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    if (member->kind != Kind::ReadWrite) return DISP_E_MEMBERNOTFOUND;
    return Write(id, given, badArgument);
  }
  if (given.cArgs != 0) return DISP_E_BADPARAMCOUNT;
  if (member->kind == Kind::Method) {
    if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
    Run(id);
    if (result) VariantInit(result);
    return S_OK;
  }
  if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  return Read(id, result);
}

HRESULT HelpObject::Read(DISPID id, VARIANT* result) {
  const Member& member = *MemberOf(id);
  std::int32_t value = 0;
  if (id == kSelectionValid) {
    value = ReadState(member.name, 0) != 0 ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (id == kPreviewDone) {
    value = PreviewDone() ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    value = ReadState(member.name, 0);
  }
  VARIANT answer;
  VariantInit(&answer);
  V_VT(&answer) = member.type;
  if (member.type == VT_BOOL) {
    V_BOOL(&answer) = static_cast<VARIANT_BOOL>(value);
  } else if (member.type == VT_I2) {
    V_I2(&answer) = static_cast<SHORT>(value);
  } else {
    V_I4(&answer) = value;
  }
  AppendLog(std::string("get ") + member.name + " -> " + DecimalOf(answer));
  if (result) *result = answer;
  return S_OK;
}

HRESULT HelpObject::Write(DISPID id, const DISPPARAMS& parameters, UINT* badArgument) {
  const Member& member = *MemberOf(id);
  if (parameters.cArgs != 1 || parameters.cNamedArgs != 1 || !parameters.rgdispidNamedArgs ||
      parameters.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
    return DISP_E_BADPARAMCOUNT;
  }
  const VARIANT& sent = parameters.rgvarg[0];
  AppendLog(std::string("put ") + member.name + " " + TypeName(V_VT(&sent)) + " " +
            DecimalOf(sent));
  VARIANT value;
  VariantInit(&value);
  const HRESULT hr = VariantChangeType(&value, const_cast<VARIANT*>(&sent), 0, member.type);
  if (FAILED(hr)) {
    if (badArgument) *badArgument = 0;
    return hr;
  }
  WriteState(member.name, member.type == VT_I2 ? V_I2(&value) : V_I4(&value));
  return S_OK;
}

void HelpObject::Run(DISPID id) {
  AppendLog(std::string("call ") + MemberOf(id)->name);
  if (id == kPreviewScan) {
    previewStarted_ = true;
    previewStartedAt_ = GetTickCount();
  }
}

bool HelpObject::PreviewDone() const {
  if (ReadState("PreviewDone", 0) == 1) return true;
  if (!previewStarted_) return false;
  const DWORD delay = static_cast<DWORD>(ReadState("PreviewDelayMs", kDefaultPreviewDelayMs));
  return GetTickCount() - previewStartedAt_ >= delay;
}

}  // namespace vantor::standins
