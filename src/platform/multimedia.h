// The multimedia layer in its command-string form: the video window plays
// its clips by sending it text commands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantor {

struct MciAnswer {
  std::uint32_t code = 0;  // 0: the command succeeded
  std::string reply;       // empty unless a reply was asked for
};

class Multimedia {
 public:
  virtual ~Multimedia() = default;
  // Sends one command. `replyLength` is the length of the reply buffer the
  // layer is given; 0 asks for no reply.
  virtual MciAnswer SendCommand(const std::string& command, int replyLength) = 0;
  // The layer's own words for an error code; nullopt when it has none.
  virtual std::optional<std::string> ErrorText(std::uint32_t code) = 0;
};

}  // namespace vantor
