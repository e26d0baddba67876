#include "platform/win32/automation_client.h"

#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/win32/win32.h"

namespace vantor::win32 {

namespace {

std::wstring Wide(const std::string& text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (n <= 0) return {};
  std::vector<wchar_t> buffer(n);
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer.data(), n);
  return buffer.data();
}

// A VARIANT that clears itself, so that no path leaks what the object
// returned (a string, another object).
struct Variant {
  VARIANT v;
  Variant() { VariantInit(&v); }
  ~Variant() { VariantClear(&v); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
};

VARTYPE VarTypeOf(AutomationValue::Type type) {
  switch (type) {
    case AutomationValue::Type::Boolean:
      return VT_BOOL;
    case AutomationValue::Type::Int16:
      return VT_I2;
    case AutomationValue::Type::Int32:
      return VT_I4;
    case AutomationValue::Type::Empty:
      break;
  }
  return VT_EMPTY;
}

void Store(const AutomationValue& value, VARIANT& out) {
  V_VT(&out) = VarTypeOf(value.type);
  switch (value.type) {
    case AutomationValue::Type::Boolean:
      V_BOOL(&out) = value.value ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case AutomationValue::Type::Int16:
      V_I2(&out) = static_cast<SHORT>(value.value);
      break;
    case AutomationValue::Type::Int32:
      V_I4(&out) = static_cast<LONG>(value.value);
      break;
    case AutomationValue::Type::Empty:
      break;
  }
}

std::int32_t Load(const VARIANT& in) {
  switch (V_VT(&in)) {
    case VT_BOOL:
      return V_BOOL(&in);
    case VT_I2:
      return V_I2(&in);
    case VT_I4:
      return V_I4(&in);
    default:
      return 0;
  }
}

class DispatchObject final : public AutomationObject {
 public:
  explicit DispatchObject(IDispatch* dispatch) : dispatch_(dispatch) {}
  ~DispatchObject() override { dispatch_->Release(); }
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  std::optional<AutomationValue> Get(const std::string& member, AutomationValue::Type as) override {
    Variant result;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    if (!Invoke(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, none, &result.v)) {
      return std::nullopt;
    }
    if (as == AutomationValue::Type::Empty) return AutomationValue{};
    Variant converted;
    if (FAILED(VariantChangeType(&converted.v, &result.v, 0, VarTypeOf(as)))) {
      return std::nullopt;
    }
    return AutomationValue{as, Load(converted.v)};
  }

  bool Put(const std::string& member, const AutomationValue& value) override {
    VARIANT argument;
    VariantInit(&argument);
    Store(value, argument);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{&argument, &named, 1, 1};
    return Invoke(member, DISPATCH_PROPERTYPUT, parameters, nullptr);
  }

  bool Call(const std::string& member) override {
    Variant ignored;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    return Invoke(member, DISPATCH_METHOD, none, &ignored.v);
  }

 private:
  std::optional<DISPID> IdOf(const std::string& member) {
    if (const auto known = ids_.find(member); known != ids_.end()) return known->second;
    std::wstring name = Wide(member);
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
      return std::nullopt;
    }
    ids_.emplace(member, id);
    return id;
  }

  bool Invoke(const std::string& member, WORD flags, DISPPARAMS& parameters, VARIANT* result) {
    const std::optional<DISPID> id = IdOf(member);
    if (!id) return false;
    EXCEPINFO exception{};
    UINT badArgument = 0;
    const HRESULT hr = dispatch_->Invoke(*id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                         result, &exception, &badArgument);
    if (hr == DISP_E_EXCEPTION) {
      SysFreeString(exception.bstrSource);
      SysFreeString(exception.bstrDescription);
      SysFreeString(exception.bstrHelpFile);
    }
    return SUCCEEDED(hr);
  }

  IDispatch* dispatch_;
  std::unordered_map<std::string, DISPID> ids_;
};

}  // namespace

std::unique_ptr<AutomationObject> CreateAutomationObject(const std::string& progId) {
  const std::wstring name = Wide(progId);
  CLSID clsid;
  if (name.empty() || FAILED(CLSIDFromProgID(name.c_str(), &clsid))) return nullptr;
  IUnknown* unknown = nullptr;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IUnknown,
                              reinterpret_cast<void**>(&unknown)))) {
    return nullptr;
  }
  IDispatch* dispatch = nullptr;
  const HRESULT hr = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  unknown->Release();
  if (FAILED(hr) || !dispatch) return nullptr;
  return std::make_unique<DispatchObject>(dispatch);
}

}  // namespace vantor::win32
