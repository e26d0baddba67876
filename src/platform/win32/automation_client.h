// Automation objects of other programs, reached late-bound through their
// IDispatch by member name, as the coach reaches the scanning application's
// help object.
#pragma once

#include <memory>
#include <string>

#include "platform/automation.h"

namespace vantor::win32 {

// The object registered under `progId`, created in the calling thread's
// apartment; nullptr when the identifier is unknown, the server cannot be
// started or the object has no IDispatch. Never shows a message.
std::unique_ptr<AutomationObject> CreateAutomationObject(const std::string& progId);

}  // namespace vantor::win32
