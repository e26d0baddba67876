#include "settings/settings.h"

#include "common/phase_log.h"

namespace vantor {

std::string JoinPath(const std::string& folder, const std::string& name) {
  std::string rest = name;
  if (!rest.empty() && rest.front() == '\\') rest.erase(0, 1);
  if (folder.empty()) return rest;
  if (folder.back() == '\\') return folder + rest;
  return folder + '\\' + rest;
}

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
