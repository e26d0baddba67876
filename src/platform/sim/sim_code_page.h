// The simulated desktop's code page: Windows-1252, as on the test bed.
#pragma once

#include "platform/code_page.h"

namespace vantor::sim {

class Windows1252 final : public CodePage {
 public:
  unsigned Number() override { return 1252; }
  bool Holds(char32_t character) override;
  std::string SettingsText(const std::string& bytes) override;
  std::string ToUtf8(const std::string& text) override;
};

}  // namespace vantor::sim
