// A fake MCI device for the simulated desktop: clips of known size and
// length that play on the virtual clock, commands it can be told to fail,
// and a record of every command it was sent.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/multimedia.h"
#include "platform/types.h"

namespace vantor::sim {

// MCI's own error codes, for the failures the fake device produces. The
// texts are the ones Wine's MCI gives for them.
namespace mci {
constexpr std::uint32_t kUnrecognizedKeyword = 259;
constexpr std::uint32_t kUnrecognizedCommand = 261;
constexpr std::uint32_t kInvalidDeviceName = 263;  // no device of that name is open
constexpr std::uint32_t kMissingCommandString = 267;
constexpr std::uint32_t kParamOverflow = 268;  // the reply does not fit its buffer
constexpr std::uint32_t kBadInteger = 270;
constexpr std::uint32_t kMissingParameter = 273;
constexpr std::uint32_t kFileNotFound = 275;
constexpr std::uint32_t kInternal = 277;
constexpr std::uint32_t kExtensionNotFound = 281;  // a file name without an extension
constexpr std::uint32_t kDuplicateAlias = 289;
constexpr std::uint32_t kNoClosingQuote = 294;
constexpr std::uint32_t kInvalidFile = 296;
}  // namespace mci

struct SentCommand {
  std::string text;
  int replyLength = 0;
};

class FakeMciDevice final : public Multimedia {
 public:
  // `clock` gives the virtual time in milliseconds.
  explicit FakeMciDevice(std::function<long long()> clock) : clock_(std::move(clock)) {}

  // A clip file the device can open; paths compare without regard to case.
  void AddClip(const std::string& path, int width, int height, long long lengthMs);
  // From now on every command with this verb ("play", "where", ...) fails
  // with `code`; code 0 lets the verb work again.
  void FailCommand(const std::string& verb, std::uint32_t code);

  std::vector<SentCommand> sent;  // every command, in order
  // When set, every "status <alias> mode" of an open device answers this
  // instead of the device's own word (other drivers word it differently).
  std::optional<std::string> modeReply;
  std::vector<std::string> Commands() const;
  // The mode word of an open device ("playing", "paused", "stopped"), or ""
  // when nothing of that name is open.
  std::string ModeOf(const std::string& alias);
  // The window a device draws into; 0 when none was given or it is not open.
  WindowHandle WindowOf(const std::string& alias) const;

  MciAnswer SendCommand(const std::string& command, int replyLength) override;
  std::optional<std::string> ErrorText(std::uint32_t code) override;

 private:
  struct Clip {
    int width = 0;
    int height = 0;
    long long lengthMs = 0;
  };
  enum class Mode { Stopped, Playing, Paused };
  struct Device {
    Clip clip;
    WindowHandle window = 0;
    Mode mode = Mode::Stopped;
    long long positionMs = 0;     // where play stood when it last started or stopped
    long long playStartedMs = 0;  // clock time of the last play or resume
  };

  MciAnswer Run(const std::vector<std::string>& words);
  MciAnswer Open(const std::vector<std::string>& words);
  MciAnswer Close(const std::vector<std::string>& words);
  MciAnswer Window(Device& device, const std::vector<std::string>& words);
  MciAnswer Where(Device& device, const std::vector<std::string>& words);
  MciAnswer Status(Device& device, const std::vector<std::string>& words);
  // Brings a playing device up to the clock: it stops at the clip's end.
  void Settle(Device& device);

  std::function<long long()> clock_;
  std::map<std::string, Clip> clips_;      // by lower-case path
  std::map<std::string, Device> devices_;  // by lower-case alias
  std::map<std::string, std::uint32_t> failures_;
};

}  // namespace vantor::sim
