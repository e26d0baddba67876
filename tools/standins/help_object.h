// The help object: the members through which the coach drives the scanning
// application, answered from host-state.ini and logged to host-calls.log
// (host_files.h).
#pragma once

#include <windows.h>

namespace vantor::standins {

class HelpObject final : public IDispatch {
 public:
  HelpObject();
  HelpObject(const HelpObject&) = delete;
  HelpObject& operator=(const HelpObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* badArgument) override;

 private:
  ~HelpObject();

  HRESULT Read(DISPID id, VARIANT* result);
  HRESULT Write(DISPID id, const DISPPARAMS& parameters, UINT* badArgument);
  void Run(DISPID id);
  bool PreviewDone() const;

  LONG references_ = 1;
  // The preview "scans" for PreviewDelayMs after the last PreviewScan.
  bool previewStarted_ = false;
  DWORD previewStartedAt_ = 0;
};

}  // namespace vantor::standins
