// regsvr32's entry points: the ProgID, the class and its in-process server
// with apartment threading, under HKEY_CLASSES_ROOT.
#include <windows.h>
// <windows.h> must come first.
#include <olectl.h>

#include <string>

#include "host_files.h"
#include "platform/win32/scoped.h"
#include "server.h"

namespace {

constexpr char kDescription[] = "Kestrin help object (test double)";

// Sets a key's value (the default value when `name` is null).
bool SetValue(const std::string& key, const char* name, const std::string& value) {
  vantor::win32::RegistryKey handle;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, handle.Out(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG status =
      RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size()) + 1);
  return status == ERROR_SUCCESS;
}

const std::string kClassKey = std::string("CLSID\\") + vantor::standins::kClsidText;
const std::string kProgIdKey = vantor::standins::kProgId;

}  // namespace

STDAPI DllRegisterServer() {
  using vantor::standins::kClsidText;
  using vantor::standins::kProgId;
  const bool done =
      SetValue(kProgIdKey, nullptr, kDescription) &&
      SetValue(kProgIdKey + "\\CLSID", nullptr, kClsidText) &&
      SetValue(kClassKey, nullptr, kDescription) &&
      SetValue(kClassKey + "\\ProgID", nullptr, kProgId) &&
      SetValue(kClassKey + "\\InprocServer32", nullptr, vantor::standins::ThisLibraryPath()) &&
      SetValue(kClassKey + "\\InprocServer32", "ThreadingModel", "Apartment");
  return done ? S_OK : SELFREG_E_CLASS;
}

// Deepest keys first: RegDeleteKeyA removes only keys without subkeys.
STDAPI DllUnregisterServer() {
  for (const std::string& key : {kClassKey + "\\InprocServer32", kClassKey + "\\ProgID", kClassKey,
                                 kProgIdKey + "\\CLSID", kProgIdKey}) {
    RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
  }
  return S_OK;
}
