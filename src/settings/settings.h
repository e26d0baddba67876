// The settings file zthelp.ini beside the program: every read and write of
// the program goes through here, to the platform's profile functions.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "settings/fixed_texts.h"

namespace vantor {

class Settings {
 public:
  explicit Settings(Platform& platform) : platform_(platform) {}

  // Full path of zthelp.ini; set once at start-up.
  std::string SettingsPath;

  void LocateSettingsFile();
  // Empty when the file, section or key is missing; at most 255 characters.
  std::string ReadIniString(const std::string& section, const std::string& key) const;
  // A text that has a default: the key's value, or the default when the key
  // is missing or empty, since a control or message left without its text
  // would say nothing.
  std::string ReadIniText(const FixedText& text) const;
  std::int32_t ReadIniInt(const std::string& section, const std::string& key,
                          std::int32_t fallback) const;
  // The result of the write is ignored: a failed write leaves the old value.
  void WriteIniString(const std::string& section, const std::string& key,
                      const std::string& value) const;

 private:
  Platform& platform_;
};

}  // namespace vantor
