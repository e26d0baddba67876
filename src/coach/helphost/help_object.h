// The scanning application's help object, through which the coach drives
// the scanning application, and the topic opener of its help library.
// Both live outside the program; every use is allowed to fail.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/automation.h"
#include "platform/platform.h"

namespace vantor {

inline constexpr const char* kHelpObjectProgId = "Kestrin.KestrinHelpObject";

class HelpHostObject {
 public:
  // Created once, by the coach window's load. A failure leaves the object
  // empty, and every later use then fails as described at each member.
  void Create(Platform& platform);

  // A selection that cannot be read is not valid yet.
  bool SelectionValid();
  // nullopt when the answer cannot be read.
  std::optional<bool> PreviewDone();
  void PreviewScan();
  void ZoomScan();
  std::optional<std::int32_t> OutputType();
  std::optional<std::int32_t> PaletteType();
  void SetOutputType(std::int32_t type);
  // The palette codes go over as 16-bit values, the reset after output
  // type 15 as a 32-bit 0.
  void SetPaletteType(const AutomationValue& type);

 private:
  std::optional<AutomationValue> Read(const char* member, AutomationValue::Type as);
  std::optional<std::int32_t> ReadNumber(const char* member);

  std::unique_ptr<AutomationObject> object_;
};

// The help library's topic opener; its answer is not used.
void OpenHelpTopic(Platform& platform, WindowHandle window, std::int32_t topic);

}  // namespace vantor
