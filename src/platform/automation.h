// Objects of other programs, reached late-bound by member name, the way the
// coach reaches the scanning application's help object.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantor {

// A value passed to or read from an automation object, with the width the
// object sees. Booleans are automation booleans: True -1, False 0.
struct AutomationValue {
  enum class Type { Empty, Boolean, Int16, Int32 };
  Type type = Type::Empty;
  std::int32_t value = 0;

  static AutomationValue Bool(bool b) { return {Type::Boolean, b ? -1 : 0}; }
  static AutomationValue I2(std::int16_t v) { return {Type::Int16, v}; }
  static AutomationValue I4(std::int32_t v) { return {Type::Int32, v}; }
  friend bool operator==(const AutomationValue&, const AutomationValue&) = default;
};

// One object. Every call reports failure instead of throwing: the object's
// program may have gone away, or the member may not exist.
class AutomationObject {
 public:
  virtual ~AutomationObject() = default;
  // A property read, or a method without arguments that returns a value.
  // `as` is the type the caller wants the value converted to.
  virtual std::optional<AutomationValue> Get(const std::string& member,
                                             AutomationValue::Type as) = 0;
  virtual bool Put(const std::string& member, const AutomationValue& value) = 0;
  // A method without arguments whose result is not used.
  virtual bool Call(const std::string& member) = 0;
};

}  // namespace vantor
