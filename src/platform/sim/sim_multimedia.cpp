#include "platform/sim/sim_multimedia.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace vantor::sim {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The words of a command as MCI splits them: blanks separate, and a word in
// double quotes may hold blanks. nullopt when a quote is not closed.
std::optional<std::vector<std::string>> SplitWords(const std::string& command) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < command.size()) {
    if (command[i] == ' ') {
      ++i;
    } else if (command[i] == '"') {
      const std::size_t close = command.find('"', i + 1);
      if (close == std::string::npos) return std::nullopt;
      words.push_back(command.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      const std::size_t end = std::min(command.find(' ', i), command.size());
      words.push_back(command.substr(i, end - i));
      i = end;
    }
  }
  return words;
}

MciAnswer Fail(std::uint32_t code) { return MciAnswer{code, {}}; }
MciAnswer Reply(std::string text) { return MciAnswer{0, std::move(text)}; }

// The texts the real layer gives for the codes the fake device produces.
const std::map<std::uint32_t, std::string>& ErrorTexts() {
  static const std::map<std::uint32_t, std::string> texts = {
      {mci::kUnrecognizedKeyword, "The driver cannot recognize the specified command parameter."},
      {mci::kUnrecognizedCommand, "The driver cannot recognize the specified command."},
      {mci::kInvalidDeviceName, "The specified device is not open or is not recognized by MCI."},
      {mci::kMissingCommandString, "No command was specified."},
      {mci::kParamOverflow,
       "The output string was too large to fit in the return buffer. Increase the size of the "
       "buffer."},
      {mci::kBadInteger, "The specified integer is invalid for this command."},
      {mci::kMissingParameter, "The specified command requires a parameter. Please supply one."},
      {mci::kFileNotFound,
       "Cannot find the specified file. Make sure the path and filename are correct."},
      {mci::kInternal, "A problem occurred in initializing MCI. Try restarting Windows."},
      {mci::kExtensionNotFound,
       "Cannot determine the device type from the given filename extension."},
      {mci::kDuplicateAlias,
       "The specified alias is already being used in this application. Use a unique alias."},
      {mci::kNoClosingQuote,
       "A closing double-quotation mark is missing from the parameter value. Please supply "
       "one."},
      {mci::kInvalidFile,
       "The specified file cannot be played on the specified MCI device. The file may be "
       "corrupt, or not in the correct format."},
  };
  return texts;
}

const char* ModeWord(int mode) {
  static const char* const words[] = {"stopped", "playing", "paused"};
  return words[mode];
}

}  // namespace

void FakeMciDevice::AddClip(const std::string& path, int width, int height, long long lengthMs) {
  clips_[Lower(path)] = Clip{width, height, lengthMs};
}

void FakeMciDevice::FailCommand(const std::string& verb, std::uint32_t code) {
  if (code == 0)
    failures_.erase(Lower(verb));
  else
    failures_[Lower(verb)] = code;
}

std::vector<std::string> FakeMciDevice::Commands() const {
  std::vector<std::string> texts;
  for (const SentCommand& command : sent) texts.push_back(command.text);
  return texts;
}

std::string FakeMciDevice::ModeOf(const std::string& alias) {
  auto it = devices_.find(Lower(alias));
  if (it == devices_.end()) return {};
  Settle(it->second);
  return ModeWord(static_cast<int>(it->second.mode));
}

WindowHandle FakeMciDevice::WindowOf(const std::string& alias) const {
  auto it = devices_.find(Lower(alias));
  return it == devices_.end() ? 0 : it->second.window;
}

MciAnswer FakeMciDevice::SendCommand(const std::string& command, int replyLength) {
  sent.push_back(SentCommand{command, replyLength});
  const auto words = SplitWords(command);
  if (!words) return Fail(mci::kNoClosingQuote);
  if (words->empty()) return Fail(mci::kMissingCommandString);
  if (auto failure = failures_.find(Lower(words->front())); failure != failures_.end())
    return Fail(failure->second);
  MciAnswer answer = Run(*words);
  if (replyLength <= 0) {
    answer.reply.clear();
  } else if (answer.reply.size() >= static_cast<std::size_t>(replyLength)) {
    return Fail(mci::kParamOverflow);
  }
  return answer;
}

std::optional<std::string> FakeMciDevice::ErrorText(std::uint32_t code) {
  auto it = ErrorTexts().find(code);
  if (it == ErrorTexts().end()) return std::nullopt;
  return it->second;
}

MciAnswer FakeMciDevice::Run(const std::vector<std::string>& words) {
  const std::string verb = Lower(words[0]);
  if (verb == "open") return Open(words);
  if (verb == "close") return Close(words);
  static const char* const deviceVerbs[] = {"window", "where", "play",  "pause",
                                            "resume", "stop",  "status"};
  if (std::find(std::begin(deviceVerbs), std::end(deviceVerbs), verb) == std::end(deviceVerbs))
    return Fail(mci::kUnrecognizedCommand);
  if (words.size() < 2) return Fail(mci::kMissingParameter);
  auto it = devices_.find(Lower(words[1]));
  if (it == devices_.end()) return Fail(mci::kInvalidDeviceName);
  Device& device = it->second;
  Settle(device);
  if (verb == "window") return Window(device, words);
  if (verb == "where") return Where(device, words);
  if (verb == "status") return Status(device, words);
  if (words.size() > 2) return Fail(mci::kUnrecognizedKeyword);
  const long long now = clock_();
  if (verb == "play" || (verb == "resume" && device.mode == Mode::Paused)) {
    device.mode = Mode::Playing;
    device.playStartedMs = now;
    Settle(device);
  } else if (verb == "pause") {
    device.mode = Mode::Paused;
  } else if (verb == "stop") {
    device.mode = Mode::Stopped;
  }
  return {};
}

MciAnswer FakeMciDevice::Open(const std::vector<std::string>& words) {
  if (words.size() < 2) return Fail(mci::kMissingParameter);
  // The device type comes from the file's extension, before anything else
  // of the command is looked at: a path cut at a blank has none.
  const std::string& element = words[1];
  const std::size_t dot = element.find_last_of('.');
  if (dot == std::string::npos || element.find('\\', dot) != std::string::npos)
    return Fail(mci::kExtensionNotFound);
  std::string alias = words[1];
  for (std::size_t i = 2; i < words.size(); i += 2) {
    if (Lower(words[i]) != "alias") return Fail(mci::kUnrecognizedKeyword);
    if (i + 1 >= words.size()) return Fail(mci::kMissingParameter);
    alias = words[i + 1];
  }
  if (devices_.count(Lower(alias))) return Fail(mci::kDuplicateAlias);
  auto clip = clips_.find(Lower(words[1]));
  if (clip == clips_.end()) return Fail(mci::kFileNotFound);
  devices_[Lower(alias)] = Device{clip->second};
  return {};
}

MciAnswer FakeMciDevice::Close(const std::vector<std::string>& words) {
  if (words.size() != 2)
    return Fail(words.size() < 2 ? mci::kMissingParameter : mci::kUnrecognizedKeyword);
  if (Lower(words[1]) == "all") {
    devices_.clear();
    return {};
  }
  if (devices_.erase(Lower(words[1])) == 0) return Fail(mci::kInvalidDeviceName);
  return {};
}

MciAnswer FakeMciDevice::Window(Device& device, const std::vector<std::string>& words) {
  if (words.size() < 3 || Lower(words[2]) != "handle") return Fail(mci::kUnrecognizedKeyword);
  if (words.size() != 4) return Fail(mci::kMissingParameter);
  const std::string& digits = words[3];
  long long handle = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), handle);
  if (error != std::errc() || end != digits.data() + digits.size()) return Fail(mci::kBadInteger);
  device.window = static_cast<WindowHandle>(handle);
  return {};
}

MciAnswer FakeMciDevice::Where(Device& device, const std::vector<std::string>& words) {
  if (words.size() != 3) return Fail(mci::kMissingParameter);
  const std::string what = Lower(words[2]);
  if (what != "destination" && what != "source") return Fail(mci::kUnrecognizedKeyword);
  return Reply("0 0 " + std::to_string(device.clip.width) + " " +
               std::to_string(device.clip.height));
}

MciAnswer FakeMciDevice::Status(Device& device, const std::vector<std::string>& words) {
  if (words.size() != 3) return Fail(mci::kMissingParameter);
  const std::string what = Lower(words[2]);
  if (what == "mode") return Reply(modeReply.value_or(ModeWord(static_cast<int>(device.mode))));
  if (what == "length") return Reply(std::to_string(device.clip.lengthMs));
  if (what == "position") return Reply(std::to_string(device.positionMs));
  return Fail(mci::kUnrecognizedKeyword);
}

void FakeMciDevice::Settle(Device& device) {
  if (device.mode != Mode::Playing) return;
  const long long now = clock_();
  device.positionMs += now - device.playStartedMs;
  device.playStartedMs = now;
  if (device.positionMs >= device.clip.lengthMs) {
    device.positionMs = device.clip.lengthMs;
    device.mode = Mode::Stopped;
  }
}

}  // namespace vantor::sim
