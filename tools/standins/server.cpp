// The in-process server's entry points: the class object that makes help
// objects, and the library's unload test.
#include "server.h"

#include <new>

#include "help_object.h"

namespace vantor::standins {

namespace {

LONG serverLocks = 0;

class HelpObjectFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *object = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // The one factory lives as long as the library; a reference to it keeps
  // the library loaded.
  ULONG STDMETHODCALLTYPE AddRef() override {
    HoldServer();
    return 2;
  }
  ULONG STDMETHODCALLTYPE Release() override {
    ReleaseServer();
    return 1;
  }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* created = new (std::nothrow) HelpObject();
    if (!created) return E_OUTOFMEMORY;
    const HRESULT hr = created->QueryInterface(iid, object);
    created->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock) {
      HoldServer();
    } else {
      ReleaseServer();
    }
    return S_OK;
  }
};

HelpObjectFactory factory;

}  // namespace

void HoldServer() { InterlockedIncrement(&serverLocks); }

void ReleaseServer() { InterlockedDecrement(&serverLocks); }

}  // namespace vantor::standins

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (clsid != vantor::standins::kClsid) return CLASS_E_CLASSNOTAVAILABLE;
  return vantor::standins::factory.QueryInterface(iid, object);
}

STDAPI DllCanUnloadNow() { return vantor::standins::serverLocks == 0 ? S_OK : S_FALSE; }
