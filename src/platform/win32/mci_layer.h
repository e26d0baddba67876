// The multimedia layer of the real program: MCI in its command-string form.
#pragma once

#include "platform/multimedia.h"

namespace vantor::win32 {

class MciLayer final : public Multimedia {
 public:
  // Commands are synchronous: no window is told when one completes.
  MciAnswer SendCommand(const std::string& command, int replyLength) override;
  std::optional<std::string> ErrorText(std::uint32_t code) override;
};

}  // namespace vantor::win32
