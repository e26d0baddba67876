#include "coach/helphost/help_object.h"

namespace vantor {

void HelpHostObject::Create(Platform& platform) {
  object_ = platform.CreateObject(kHelpObjectProgId);
}

std::optional<AutomationValue> HelpHostObject::Read(const char* member, AutomationValue::Type as) {
  if (!object_) return std::nullopt;
  return object_->Get(member, as);
}

bool HelpHostObject::SelectionValid() {
  const auto valid = Read("SelectionValid", AutomationValue::Type::Boolean);
  return valid && valid->value != 0;
}

std::optional<bool> HelpHostObject::PreviewDone() {
  const auto done = Read("PreviewDone", AutomationValue::Type::Boolean);
  if (!done) return std::nullopt;
  return done->value != 0;
}

void HelpHostObject::PreviewScan() {
  if (object_) object_->Call("PreviewScan");
}

void HelpHostObject::ZoomScan() {
  if (object_) object_->Call("ZoomScan");
}

std::optional<std::int32_t> HelpHostObject::ReadNumber(const char* member) {
  const auto number = Read(member, AutomationValue::Type::Int32);
  if (!number) return std::nullopt;
  return number->value;
}

std::optional<std::int32_t> HelpHostObject::OutputType() { return ReadNumber("OutputType"); }

std::optional<std::int32_t> HelpHostObject::PaletteType() { return ReadNumber("PaletteType"); }

void HelpHostObject::SetOutputType(std::int32_t type) {
  if (object_) object_->Put("OutputType", AutomationValue::I4(type));
}

void HelpHostObject::SetPaletteType(const AutomationValue& type) {
  if (object_) object_->Put("PaletteType", type);
}

void OpenHelpTopic(Platform& platform, WindowHandle window, std::int32_t topic) {
  platform.OpenTopic(window, topic);
}

}  // namespace vantor
