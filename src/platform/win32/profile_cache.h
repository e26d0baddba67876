// The settings file, read once and answered from memory. The profile
// functions parse the whole file again on every read, so that loading a
// task costs the square of its size; the program reads the file through its
// own reader (ini::Index, which answers as the profile functions do) and
// only when the file has changed since it was read. Writes still go through
// the profile functions (Win32Platform), which then have the file read again.
//
// Whether the file has changed is asked once per event: a task of thousands
// of topics is read within one event, and asking the file system before
// each of its reads would cost more than the reads. Whatever another program
// wrote before an event began is seen by that event's reads.
#pragma once

#include <string>

#include "platform/win32/win32.h"
#include "settings/ini_file.h"

namespace vantor::win32 {

// The file's text in the ANSI code page, as the profile functions hand it
// to the program: a file that starts with a byte-order mark is UTF-16
// (either order) or UTF-8, as translators' editors often save it; any other
// file is taken as it is.
std::string AnsiTextOf(const std::string& bytes);

class ProfileCache {
 public:
  // The file at `path` as it is now: read again when it is another file,
  // or, once `event` differs from the last read's, when its last-write time
  // or size differ from the copy's, as when the scanning application has
  // written it meanwhile. A missing or unreadable file reads as an empty one.
  const ini::Index& Of(const std::string& path, unsigned long event);

  // The next read reads the file again, whatever its time and size say: a
  // write may change it within one tick of the file clock.
  void Forget() { held_ = false; }

 private:
  // What the file looked like when it was read.
  struct Stamp {
    bool present = false;
    FILETIME written{};
    DWORD sizeHigh = 0;
    DWORD sizeLow = 0;
  };
  static Stamp StampOf(const std::string& path);
  static bool Same(const Stamp& a, const Stamp& b);

  bool held_ = false;
  unsigned long event_ = 0;
  std::string path_;
  Stamp stamp_;
  ini::Index index_;
};

}  // namespace vantor::win32
