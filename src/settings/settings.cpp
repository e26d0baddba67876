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
  const double started = phases::NowMs();
  std::string value = platform_.ProfileString(section, key, SettingsPath);
  phases::Add("settings reads", phases::NowMs() - started);
  return value;
}

std::int32_t Settings::ReadIniInt(const std::string& section, const std::string& key,
                                  std::int32_t fallback) const {
  const double started = phases::NowMs();
  const std::int32_t value = platform_.ProfileInt(section, key, fallback, SettingsPath);
  phases::Add("settings reads", phases::NowMs() - started);
  return value;
}

void Settings::WriteIniString(const std::string& section, const std::string& key,
                              const std::string& value) const {
  platform_.WriteProfileString(section, key, value, SettingsPath);
}

}  // namespace vantor
