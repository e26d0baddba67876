// Windows resources that give themselves back at the end of their scope, on
// every way out of it: device contexts, objects selected into them, GDI
// objects, kernel and search handles, libraries. Each holder is made where
// the resource is taken and is never copied.
#pragma once

#include <utility>

#include "platform/win32/win32.h"

namespace vantor::win32 {

// A device context of a window, or of the whole screen for a null window
// (GetDC / ReleaseDC).
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  operator HDC() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The device context of one WM_PAINT (BeginPaint / EndPaint).
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDC() { EndPaint(window_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  operator HDC() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A memory device context compatible with another (CreateCompatibleDC /
// DeleteDC).
class MemoryDC {
 public:
  explicit MemoryDC(HDC like) : dc_(CreateCompatibleDC(like)) {}
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
};

// An object selected into a device context for the scope. Select may put
// others of the same kind in its place; at the end the object that was
// selected before the first comes back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), before_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (before_) SelectObject(dc_, before_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  void Select(HGDIOBJ object) { SelectObject(dc_, object); }

 private:
  HDC dc_;
  HGDIOBJ before_;
};

// A GDI object (font, brush, bitmap) owned by the holder (DeleteObject).
template <class T>
class GdiObject {
 public:
  explicit GdiObject(T object = nullptr) : object_(object) {}
  ~GdiObject() {
    if (object_) DeleteObject(object_);
  }
  GdiObject(GdiObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }
  operator T() const { return object_; }

 private:
  T object_;
};

// A handle closed by CloseHandle: files, processes, threads, snapshots.
// Both of Windows' "no handle" values hold nothing.
class KernelHandle {
 public:
  explicit KernelHandle(HANDLE handle = nullptr) : handle_(handle) {}
  ~KernelHandle() {
    if (Valid()) CloseHandle(handle_);
  }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  bool Valid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }
  operator HANDLE() const { return handle_; }

 private:
  HANDLE handle_;
};

// The process and thread handles of a CreateProcessA, both closed at the end.
class StartedProcess {
 public:
  StartedProcess() = default;
  ~StartedProcess() {
    if (info_.hThread) CloseHandle(info_.hThread);
    if (info_.hProcess) CloseHandle(info_.hProcess);
  }
  StartedProcess(const StartedProcess&) = delete;
  StartedProcess& operator=(const StartedProcess&) = delete;
  PROCESS_INFORMATION* Out() { return &info_; }  // for CreateProcessA to fill
  HANDLE Process() const { return info_.hProcess; }
  DWORD Id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
};

// An open registry key (RegCloseKey); null holds nothing.
class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY* Out() { return &key_; }  // for RegCreateKeyExA and the like to fill
  operator HKEY() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// A file search begun by FindFirstFileA (FindClose).
class FileSearch {
 public:
  FileSearch(const char* pattern, WIN32_FIND_DATAA& found)
      : search_(FindFirstFileA(pattern, &found)) {}
  ~FileSearch() {
    if (Valid()) FindClose(search_);
  }
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;
  bool Valid() const { return search_ != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAA& found) const { return FindNextFileA(search_, &found) != FALSE; }

 private:
  HANDLE search_;
};

}  // namespace vantor::win32
