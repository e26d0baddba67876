// The thread's COM apartment. The help object is an apartment-threaded
// server, so the window thread joins a single-threaded apartment for the
// whole run; every object must be released before the apartment is left.
#pragma once

#include "platform/win32/win32.h"

namespace vantor::win32 {

class ComApartment {
 public:
  ComApartment() : joined_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (joined_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool joined_;
};

}  // namespace vantor::win32
