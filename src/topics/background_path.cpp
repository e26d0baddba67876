#include "topics/background_path.h"

namespace vantor::topics {

std::string BackgroundPath(std::string_view titlePath, std::string_view name) {
  if (!name.starts_with('!')) return std::string(name);
  if (titlePath.empty()) return {};  // no title, so no folder to look in
  const std::string_view file = name.substr(1);
  const std::size_t slash = titlePath.find_last_of("\\/");
  if (slash == std::string_view::npos) return std::string(file);
  return std::string(titlePath.substr(0, slash + 1)) + std::string(file);
}

}  // namespace vantor::topics
