#include "settings/settings.h"

#include "common/phase_log.h"
#include "common/text.h"

namespace vantor {

void Settings::LocateSettingsFile() {
  SettingsPath = JoinPath(platform_.ProgramFolder(), "zthelp.ini");
}

std::string Settings::ReadIniString(const std::string& section, const std::string& key) const {
  return phases::Timed("settings reads",
                       [&] { return platform_.ProfileString(section, key, SettingsPath); });
}

std::string Settings::ReadIniText(const FixedText& text) const {
  std::string value = ReadIniString(text.section, text.key);
  return value.empty() ? std::string(text.text) : value;
}

std::int32_t Settings::ReadIniInt(const std::string& section, const std::string& key,
                                  std::int32_t fallback) const {
  return phases::Timed("settings reads",
                       [&] { return platform_.ProfileInt(section, key, fallback, SettingsPath); });
}

void Settings::WriteIniString(const std::string& section, const std::string& key,
                              const std::string& value) const {
  platform_.WriteProfileString(section, key, value, SettingsPath);
}

}  // namespace vantor
