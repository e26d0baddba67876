#include "platform/sim/sim_help_host.h"

#include "platform/sim/sim_platform.h"

namespace vantor::sim {
namespace {

const char* TypeName(AutomationValue::Type type) {
  switch (type) {
    case AutomationValue::Type::Boolean:
      return "BOOL";
    case AutomationValue::Type::Int16:
      return "I2";
    case AutomationValue::Type::Int32:
      return "I4";
    case AutomationValue::Type::Empty:
      break;
  }
  return "EMPTY";
}

}  // namespace

std::optional<AutomationValue> SimHelpObject::Get(const std::string& member,
                                                  AutomationValue::Type as) {
  SimHelpHost& host = desktop_.helpHost;
  if (host.failing.count(member)) return std::nullopt;
  std::int32_t value = 0;
  if (member == "SelectionValid") {
    value = host.selectionValid ? -1 : 0;
  } else if (member == "PreviewDone") {
    const bool done =
        host.previewDoneForced ||
        (host.previewScanAtMs && desktop_.nowMs() >= *host.previewScanAtMs + host.previewDelayMs);
    value = done ? -1 : 0;
  } else if (member == "OutputType") {
    value = host.outputType;
  } else if (member == "PaletteType") {
    value = host.paletteType;
  } else {
    return std::nullopt;
  }
  host.calls.push_back("get " + member + " -> " + std::to_string(value));
  if (as == AutomationValue::Type::Boolean) return AutomationValue::Bool(value != 0);
  return AutomationValue{as, value};
}

bool SimHelpObject::Put(const std::string& member, const AutomationValue& value) {
  SimHelpHost& host = desktop_.helpHost;
  if (host.failing.count(member)) return false;
  if (member == "OutputType")
    host.outputType = value.value;
  else if (member == "PaletteType")
    host.paletteType = value.value;
  else
    return false;
  host.calls.push_back("put " + member + " " + TypeName(value.type) + " " +
                       std::to_string(value.value));
  return true;
}

bool SimHelpObject::Call(const std::string& member) {
  SimHelpHost& host = desktop_.helpHost;
  if (host.failing.count(member)) return false;
  if (member == "PreviewScan")
    host.previewScanAtMs = desktop_.nowMs();
  else if (member != "ZoomScan")
    return false;
  host.calls.push_back("call " + member);
  return true;
}

}  // namespace vantor::sim
