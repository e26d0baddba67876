// The scanning application's help object and help library on the simulated
// desktop: answers from values a test sets, and records every call in the
// same words as the Windows test doubles' call log.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/automation.h"
#include "platform/types.h"

namespace vantor::sim {

class SimPlatform;

struct SimHelpHost {
  bool registered = true;  // the object can be created
  bool selectionValid = false;
  bool previewDoneForced = false;
  long long previewDelayMs = 1500;  // from the last PreviewScan to PreviewDone
  std::int32_t outputType = 0;
  std::int32_t paletteType = 0;
  std::set<std::string> failing;  // members whose every call fails
  bool libraryPresent = true;     // zthelp.dll beside the program

  // "get OutputType -> 3", "put PaletteType I2 2", "call PreviewScan",
  // "OpenTopic hwnd=0x00001000 window=yes topic=82", in call order.
  std::vector<std::string> calls;
  std::optional<long long> previewScanAtMs;
};

// One object created from the help host.
class SimHelpObject : public AutomationObject {
 public:
  explicit SimHelpObject(SimPlatform& desktop) : desktop_(desktop) {}
  std::optional<AutomationValue> Get(const std::string& member, AutomationValue::Type as) override;
  bool Put(const std::string& member, const AutomationValue& value) override;
  bool Call(const std::string& member) override;

 private:
  SimPlatform& desktop_;
};

}  // namespace vantor::sim
